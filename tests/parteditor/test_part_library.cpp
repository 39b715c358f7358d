// The library file and the drawing arithmetic as plain functions, without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "parteditor/part_library.h"
#include "platform/strings.h"

using namespace moravint;

TEST(PartLibraryFile, ShortRecordIsSeventeenLinesAndReadsBackInLibraryForm) {
  const std::string bytes = LibraryBytes({"Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *"});
  EXPECT_EQ("Short\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\nE\r\n0\r\n0\r\n0\r\n3\r\nE\r\n0\r\n3\r\n0\r\n0\r\n*\r\n", bytes);
  const LibraryContents lib = ReadLibrary(bytes);
  ASSERT_EQ(1u, lib.records.size());
  EXPECT_EQ("Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 * ", lib.records[0]);
  EXPECT_EQ("Short 0.2 ", lib.entries[0]);
  // The library form writes the same lines again.
  EXPECT_EQ(bytes, LibraryBytes(lib.records));
}

TEST(PartLibraryFile, OddFilesGiveSoundContents) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> records;
    std::vector<std::string> entries;
  };
  const std::vector<Case> cases = {
      {"empty", "", {}, {}},
      {"only blank lines", "\r\n  \r\n", {}, {}},
      {"LF and a lone CR, no end at the last line",
       "Axial\n0.4\rAR\n*\nDip6\r\n0.1\r\nDR\r\n*",
       {"Axial 0.4 AR * ", "Dip6 0.1 DR * "},
       {"Axial 0.4 ", "Dip6 0.1 "}},
      // A "*" among the first two lines still ends its record: nothing merges into it.
      {"short record", "X\r\n*\r\nY\r\n0.1\r\nAR\r\n*\r\n", {"X * ", "Y 0.1 AR * "}, {"X * ", "Y 0.1 "}},
      {"end line with blanks", "A\r\n0.1\r\n * \r\n", {"A 0.1 * "}, {"A 0.1 "}},
      {"word with a star is no end", "A*B\r\n0.1\r\n*\r\n", {"A*B 0.1 * "}, {"A*B 0.1 "}},
      // Lines after the last "*" are kept as a record when they go on past a name and a pitch;
      // a name and a pitch alone, or blank lines, are not.
      {"record without its end", "A\r\n0.1\r\n*\r\nB\r\n0.2\r\nAR\r\n", {"A 0.1 * ", "B 0.2 AR "},
       {"A 0.1 ", "B 0.2 "}},
      {"name and pitch after the end", "A\r\n0.1\r\n*\r\nB\r\n0.2\r\n\r\n", {"A 0.1 * "}, {"A 0.1 "}},
      {"name and pitch alone", "B\r\n0.2\r\n", {}, {}},
      {"blank line after the end", "A\r\n0.1\r\n*\r\n\r\n", {"A 0.1 * "}, {"A 0.1 "}},
  };
  for (const auto& c : cases) {
    const LibraryContents lib = ReadLibrary(c.bytes);
    EXPECT_EQ(c.records, lib.records) << c.what;
    EXPECT_EQ(c.entries, lib.entries) << c.what;
  }
  // Written back, a record that lost its end gets it again; a star inside a word stays.
  EXPECT_EQ("A\r\n0.1\r\n*\r\nB\r\n0.2\r\nAR\r\n*\r\n",
            LibraryBytes(ReadLibrary("A\r\n0.1\r\n*\r\nB\r\n0.2\r\nAR\r\n").records));
  EXPECT_EQ("A*B\r\n0.1\r\n*\r\n", LibraryBytes(ReadLibrary("A*B\r\n0.1\r\n*\r\n").records));
}

TEST(PartLibraryFile, AnyBytesReadWithoutFailingAndWrittenRecordsComeBack) {
  std::mt19937 rng(20261209);
  const std::string alphabet = std::string("*\r\n .-ABZ019") + '\0' + "\xff\x80";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int n = static_cast<int>(rng() % 80);
    for (int i = 0; i < n; ++i) bytes += alphabet[rng() % alphabet.size()];
    const LibraryContents lib = ReadLibrary(bytes);
    ASSERT_EQ(lib.records.size(), lib.entries.size());
    // Whatever was read is written so that it reads back the same.
    const std::string again = LibraryBytes(lib.records);
    EXPECT_EQ(LibraryBytes(ReadLibrary(again).records), again);
  }
  // Records of words without blanks or stars survive a write and a read word for word.
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> records;
    const int count = 1 + static_cast<int>(rng() % 5);
    for (int r = 0; r < count; ++r) {
      std::string rec;
      const int words = 1 + static_cast<int>(rng() % 20);
      for (int w = 0; w < words; ++w) {
        std::string word;
        const int len = 1 + static_cast<int>(rng() % 6);
        for (int i = 0; i < len; ++i) word += "AEJS.-0123456789xyz"[rng() % 19];
        rec += word + " ";
      }
      records.push_back(rec + "*");
    }
    const LibraryContents lib = ReadLibrary(LibraryBytes(records));
    ASSERT_EQ(records.size(), lib.records.size());
    for (std::size_t r = 0; r < records.size(); ++r) EXPECT_EQ(records[r] + " ", lib.records[r]);
  }
  // A drawing point's coordinate, written as Save writes it and read back from the library as
  // Open reads it (origin + 20 * Val), is the number written and is written again as the
  // same text. Save keeps every point that is a number of at most 1E+300 and refuses one that
  // is no number: its text ("1.#INF") would read back as another number.
  const double kNoNumber[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
  for (int round = 0; round < 20000; ++round) {
    const double origin = round % 2 == 0 ? 125 : 75;
    const double sign = rng() % 2 == 0 ? 1 : -1;
    double p = 0;
    switch (rng() % 4) {
      case 0:  // on the picture and around it, in hundredths
        p = (static_cast<double>(rng() % 400001) - 200000) / 100;
        break;
      case 1:  // any size up to 1E+300
        p = sign * (1 + static_cast<double>(rng() % 1000000) / 1000000) * std::pow(10.0, rng() % 300);
        break;
      case 2:  // up to the largest number
        p = sign * std::numeric_limits<double>::max() * (static_cast<double>(rng() % 1000000 + 1) / 1000000);
        break;
      default:
        p = kNoNumber[rng() % 3];
    }
    const std::string text = RecordCoordinate(p, origin);
    const bool kept = CoordinateReadsBack(p, origin);
    if (!std::isfinite(p)) {
      EXPECT_FALSE(kept) << text;
      continue;
    }
    if (std::fabs(p) <= 1e300) {
      EXPECT_TRUE(kept) << text;
    }
    if (!kept) continue;
    const LibraryContents lib = ReadLibrary(LibraryBytes({"P 0.1 AR 2 2 1 A 0 0 " + text + " 0 *"}));
    ASSERT_EQ(1u, lib.records.size());
    const std::string word = RecordWords(lib.records[0])[9];
    ASSERT_EQ(text, word);
    const double read = vb::Val(word);
    const double written = (vb::Int(p) - origin) / 20;
    // Fifteen digits hold every coordinate of less than 1E+13 record units exactly.
    if (std::fabs(written) < 1e13) {
      EXPECT_EQ(written, read) << text;
    } else {
      EXPECT_NEAR(1, read / written, 1e-14) << text;
    }
    const double opened = origin + 20 * read;
    ASSERT_TRUE(std::isfinite(opened)) << text;
    EXPECT_EQ(text, RecordCoordinate(opened, origin));
  }
}

TEST(PartEditorArithmetic, SnapStepCoordinatesAndColours) {
  struct Snap {
    double v, step, expect;
  };
  for (const Snap& s : {Snap{133.7, 10, 135}, Snap{120.3, 10, 120}, Snap{119.7, 10, 110}, Snap{125, 10, 125},
                        Snap{0.4, 10, 0}, Snap{-3.2, 10, -10}, Snap{47, 20, 50}, Snap{60, 20, 60}, Snap{7, 2.5, 6.25}})
    EXPECT_DOUBLE_EQ(s.expect, SnapToGrid(s.v, s.step)) << s.v << " step " << s.step;

  struct Step {
    const char* text;
    double expect;
  };
  for (const Step& s : {Step{"10", 10}, Step{" 20 ", 20}, Step{"2.5", 2.5}, Step{"1", 1}, Step{"0", 0},
                        Step{"-10", 0}, Step{"0.5", 0}, Step{"", 0}, Step{"abc", 0}, Step{"5x", 0}})
    EXPECT_DOUBLE_EQ(s.expect, StepFromText(s.text)) << '"' << s.text << '"';

  EXPECT_EQ("-1", RecordCoordinate(105, 125));
  EXPECT_EQ(".5", RecordCoordinate(135, 125));
  EXPECT_EQ("0", RecordCoordinate(75.9, 75));
  EXPECT_EQ("-.25", RecordCoordinate(120, 125));
  EXPECT_EQ("3", RecordCoordinate(135, 75));

  const std::vector<std::pair<std::string, vb::Colour>> colours = {
      {"A", vb::RGB(0, 0, 0)},       {"B", vb::RGB(128, 128, 0)},   {"C", vb::RGB(255, 0, 0)},
      {"D", vb::RGB(255, 128, 0)},   {"E", vb::RGB(255, 255, 0)},   {"F", vb::RGB(0, 255, 0)},
      {"G", vb::RGB(0, 0, 255)},     {"H", vb::RGB(128, 0, 255)},   {"I", vb::RGB(192, 192, 192)},
      {"J", vb::RGB(255, 255, 255)}, {"S", vb::RGB(240, 240, 240)}, {"e", vb::RGB(0, 0, 0)},
      {"", vb::RGB(0, 0, 0)},        {"EE", vb::RGB(0, 0, 0)}};
  for (const auto& [letter, colour] : colours) EXPECT_EQ(colour, StyleColour(letter)) << letter;
}
