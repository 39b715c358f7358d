// The design file's bytes: the writer's lines, numbers and part texts, the name test, and
// the checking reader on good and damaged texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "editor/files/design_file.h"
#include "platform/strings.h"

namespace {

// Fields 0 to 19 of every hole of an accepted text, in file order.
std::vector<std::array<Value, 20>> Holes(const std::string& bytes) {
  std::vector<std::array<Value, 20>> out;
  ForEachDesignHole(bytes, [&](DesignHole& h) {
    out.emplace_back();
    for (int k = 0; k < 20; ++k) out.back()[static_cast<size_t>(k)] = h.Field(k);
  });
  return out;
}

// A cleared hole at a screen position on a strip.
void ClearedHole(HoleGridTable& g, int a, int d, double x, double y, int strip) {
  for (int k = 2; k <= 19; ++k) g(a, d, k) = 0;
  for (int k : {CompName, CompValue, CompPackage, NetName, XYs}) g(a, d, k) = std::string();
  g(a, d, HoleX) = x;
  g(a, d, HoleY) = y;
  g(a, d, LabelX) = 100;
  g(a, d, LabelY) = 100;
  g(a, d, KelmNet) = strip;
}

std::string Text(HoleGridTable& g, const DesignHeader& h) {
  std::string out;
  EXPECT_EQ("", BuildDesignText(g, h, out));
  return out;
}

TEST(DesignFile, FreeHoleAndAxialPartAreWrittenAsTheirLines) {
  HoleGridTable g;
  ClearedHole(g, 1, 1, 480, 240, 3);
  ClearedHole(g, 2, 1, 720, 240, 3);
  g(2, 1, XYs) = "  Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *  ";
  const std::string bytes = Text(g, {1, "2", "1"});
  EXPECT_EQ(" 1 \r\n2\r\n1\r\n"
            "480|240|0|0||0|0|0|0||||0|0|0|100|100|3|0|\r\n***\r\n"
            "720|240|0|0||0|0|0|0||||0|0|0|100|100|3|0|\r\n"
            "Axial 0.3 AR 2 2 1 \r\nA 0 0 0 .5 \r\nA 0 .5 0 0\r\n***\r\n",
            bytes);
  EXPECT_EQ(Value("Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *"), g(2, 1, XYs));  // trimmed in place

  Design design;
  DesignProblem problem;
  ASSERT_TRUE(ReadDesignText(bytes, design, problem)) << problem.what;
  EXPECT_EQ(1, design.header.horizontal);
  EXPECT_EQ(2, design.holesAcross);
  EXPECT_EQ(1, design.holesDown);
  EXPECT_EQ("Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *", Holes(bytes)[1][XYs].Text());
  EXPECT_EQ("Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *", design.lastPart);
  EXPECT_TRUE(Holes(bytes)[0][XYs].IsText());
  EXPECT_EQ("", Holes(bytes)[0][XYs].Text());
  EXPECT_TRUE(Holes(bytes)[0][CompName].IsText());
  EXPECT_TRUE(Holes(bytes)[0][KelmNet].IsNumber());
  EXPECT_EQ(480, Holes(bytes)[0][HoleX].Num());
}

TEST(DesignFile, PartTextsOfEveryLengthReadBackUnchanged) {
  const struct {
    std::string record, lines;
  } cases[] = {
      {"Link 0.1 AR 2 1 0 *", "Link 0.1 AR 2 1 0 \r\n"},                      // no shape operation
      {"Axial 0.3 *", "Axial 0.3 \r\n"},                                     // fewer than six words
      {"Dip6 0.3 DR 6 1 0 A 0 0 9 0 B 9 0 9 6 C 9 6 0 6 *",
       "Dip6 0.3 DR 6 1 0 \r\nA 0 0 9 0 \r\nB 9 0 9 6 \r\nC 9 6 0 6\r\n"},
      {"Odd 0.1 AR 2 1 0 A 0 0 *", "Odd 0.1 AR 2 1 0 \r\nA 0 0\r\n"},        // an unfinished operation
      {"*", ""},                                                             // no part at all
  };
  for (const auto& c : cases) {
    std::string out;
    AppendPartText(c.record, out);
    EXPECT_EQ(c.lines, out) << c.record;
    if (c.lines.empty()) continue;
    Design design;
    DesignProblem problem;
    const std::string bytes = " 0 \r\n1\r\n1\r\n|||||||||||||||||||\r\n" + out + "***\r\n";
    ASSERT_TRUE(ReadDesignText(bytes, design, problem)) << problem.what;
    EXPECT_EQ(c.record, Holes(bytes)[0][XYs].Text());
  }
}

TEST(DesignFile, NumbersAreShortPlainDecimalsThatValReadsBack) {
  EXPECT_EQ("0.5", DesignNumber(0.5));
  EXPECT_EQ("-3", DesignNumber(-3));
  EXPECT_EQ("123.75", DesignNumber(123.75));
  EXPECT_EQ("0.3", DesignNumber(0.1 + 0.2));  // fifteen digits, as the runtime shows it
  EXPECT_EQ("0", DesignNumber(-0.0));
  EXPECT_EQ("-0.000012", DesignNumber(-1.2e-5));
  EXPECT_EQ("100000000000000000000", DesignNumber(1e20));
  EXPECT_EQ("0.666666666666667", DesignNumber(2.0 / 3));
  EXPECT_EQ("309.1", DesignNumber(281 * 1.1));
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> any(-50000, 50000);
  for (int i = 0; i < 2000; ++i) {
    const double n = std::round(any(rng) * 1000) / 1000;  // positions and offsets of a zoomed board
    const std::string s = DesignNumber(n);
    EXPECT_EQ(n, vb::Val(s)) << s;
    EXPECT_EQ(std::string::npos, s.find_first_of(" ,eE")) << s;
  }
  // Any finite double keeps the fifteen digits the C library rounds it to.
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t b = bits(rng);
    double n;
    std::memcpy(&n, &b, sizeof n);
    if (!std::isfinite(n) || std::fabs(n) > 1.79769313486231e308) continue;
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", n);
    EXPECT_EQ(std::strtod(rounded, nullptr), std::strtod(DesignNumber(n).c_str(), nullptr)) << rounded;
  }
}

TEST(DesignFile, NameTest) {
  EXPECT_TRUE(DesignNameAccepted("board.vcd"));
  EXPECT_TRUE(DesignNameAccepted("BOARD.VCD"));
  EXPECT_TRUE(DesignNameAccepted("  board.vcd  "));
  EXPECT_TRUE(DesignNameAccepted("*.vcd"));  // Save and Open turn patterns away themselves
  EXPECT_FALSE(DesignNameAccepted("board.Vcd"));
  EXPECT_FALSE(DesignNameAccepted("my.board.vcd"));
  EXPECT_FALSE(DesignNameAccepted("board"));
  EXPECT_FALSE(DesignNameAccepted("board.net"));
  EXPECT_FALSE(DesignNameAccepted(""));
}

TEST(DesignFile, WriterRefusesWhatCouldNotBeReadBack) {
  HoleGridTable g;
  std::string out;
  EXPECT_EQ("the board size must be 1 to 100 holes each way", BuildDesignText(g, {1, "101", "5"}, out));
  EXPECT_EQ("the board size must be 1 to 100 holes each way", BuildDesignText(g, {1, "5", ""}, out));
  EXPECT_EQ("the board size must be 1 to 100 holes each way", BuildDesignText(g, {1, "5.5", "5"}, out));
  g(2, 1, CompValue) = "4|7K";
  EXPECT_EQ("hole (2, 1) holds a \"|\" or a line break in field 9", BuildDesignText(g, {1, "2", "1"}, out));
  g(2, 1, CompValue) = "4,7K \"x\"";
  g(1, 1, XYs) = "Odd 0.1 AR 2 1 0 *** *";
  EXPECT_EQ("hole (1, 1) holds a part record with a line \"***\"", BuildDesignText(g, {1, "2", "1"}, out));
  g(1, 1, XYs) = "Odd 0.1 AR 2 1 0 * ** *";
  EXPECT_EQ("", BuildDesignText(g, {0, "2", "1"}, out));
  EXPECT_EQ(0u, out.find(" 0 \r\n2\r\n1\r\n|||||||||||||||||||\r\nOdd 0.1 AR 2 1 0 \r\n* **\r\n***\r\n"));
  // Strip numbers the reader refuses: fifteen digits do not give them back.
  for (const double strip : {0.1 + 0.2, 9007199254740992.0, -1.7976931348623157e308}) {
    g(2, 1, KelmNet) = strip;
    EXPECT_EQ("the strip number of hole (2, 1) is not a number of at most 15 significant digits",
              BuildDesignText(g, {1, "2", "1"}, out));
  }
  // Fractions and large numbers of fifteen digits are written as the reader takes them back.
  for (const double strip : {0.5, 9e15, 1e-20, 1e300, -2.25}) {
    g(2, 1, KelmNet) = strip;
    ASSERT_EQ("", BuildDesignText(g, {1, "2", "1"}, out)) << strip;
    EXPECT_EQ(Holes(out)[1][KelmNet].Num(), strip);
  }
}

TEST(DesignFile, ReaderNamesTheLineOfADamagedFile) {
  const std::string good = " 1 \r\n2\r\n1\r\n|||||||||||||||||||\r\n***\r\n1|||||||||||||||||||\r\nA 1 AR 1 1 0 \r\n***\r\n";
  ASSERT_TRUE(CheckDesignText(good));
  ASSERT_TRUE(CheckDesignText(good + "\r\n\r\n"));  // empty lines at the end do no harm
  const std::string bars17(17, '|');  // fields 0 to 16, then the strip number
  ASSERT_TRUE(CheckDesignText(" 1 \r\n2\r\n1\r\n" + bars17 + "999999999999999||\r\n***\r\n" + bars17 +
                              "-999999999999999||\r\n***\r\n"));
  ASSERT_TRUE(CheckDesignText(" 1 \r\n2\r\n1\r\n" + bars17 + "0.5||\r\n***\r\n" + bars17 +
                              "-9000000000000000||\r\n***\r\n"));
  const struct {
    std::string bytes;
    int line;
    std::string what;
  } bad[] = {
      {"", 0, "the file is empty"},
      {" 3 \r\n2\r\n1\r\n", 1, "the strip direction must be 0 or 1"},
      {"x\r\n2\r\n1\r\n", 1, "the strip direction must be 0 or 1"},
      {" 1 \r\n101\r\n1\r\n", 2, "the board size must be 1 to 100 holes"},
      {" 1 \r\n2\r\n0\r\n", 3, "the board size must be 1 to 100 holes"},
      {" 1 \r\n2\r\n2.5\r\n", 3, "the board size must be 1 to 100 holes"},
      {" 1 \r\n2\r\n", 3, "the file ends before the board size"},
      {good.substr(0, good.size() - 7), 8, "the file ends before the \"***\" of hole (2, 1)"},
      {good.substr(0, 37), 6, "the file ends before hole (2, 1)"},
      {good.substr(0, 34), 6, "the file ends before the \"***\" of hole (1, 1)"},
      {" 1 \r\n2\r\n1\r\n||||||||||||||||||\r\n***\r\n", 4, "the record of hole (1, 1) holds 18 \"|\" instead of 19"},
      {" 1 \r\n1\r\n1\r\n|||||||||||||||||||x\r\n***\r\n", 4, "the record of hole (1, 1) does not end with \"|\""},
      {" 1 \r\n1\r\n1\r\n|||||||101||||||||||||\r\n***\r\n", 4, "hole (1, 1) links to a hole outside the board"},
      {" 1 \r\n1\r\n1\r\n1e400|||||||||||||||||||\r\n***\r\n", 4, "field 0 of hole (1, 1) is not a usable number"},
      // Strip numbers that fifteen significant digits do not give back.
      {good.substr(0, 36) + bars17 + "12345678901234567||\r\n***\r\n", 6,
       "the strip number of hole (2, 1) is not a number of at most 15 significant digits"},
      {" 1 \r\n1\r\n1\r\n" + bars17 + "-0.1234567890123456||\r\n***\r\n", 4,
       "the strip number of hole (1, 1) is not a number of at most 15 significant digits"},
      // Save lays a part's words out six on the first line and five on each after, so this
      // "***" would stand alone on a line and end the record early.
      {" 1 \r\n1\r\n1\r\n|||||||||||||||||||\r\nA 1 AR 1 1 0 \r\n ***\r\n***\r\n", 5,
       "hole (1, 1) holds a part record with a line \"***\""},
      {" 1 \r\n1\r\n1\r\n|||||||||||||||||||\r\nAxial 0.3 AR 2 2 1 A 0 0 0 .5 ***\r\n***\r\n", 5,
       "hole (1, 1) holds a part record with a line \"***\""},
      {good + "more\r\n", 9, "there is more text after the last hole"},
  };
  for (const auto& b : bad) {
    Design design;
    DesignProblem problem;
    EXPECT_FALSE(ReadDesignText(b.bytes, design, problem)) << b.bytes;
    EXPECT_EQ(b.line, problem.line) << b.what;
    EXPECT_EQ(b.what, problem.what);
  }
}

// Any bytes: the reader answers without crashing, and whatever it accepts is a whole design.
TEST(DesignFile, RandomDamageNeverCrashesTheReader) {
  HoleGridTable g;
  for (int d = 1; d <= 4; ++d) {
    for (int a = 1; a <= 5; ++a) ClearedHole(g, a, d, 100.0 * a, 100.0 * d, d);
  }
  g(1, 1, XYs) = "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *";
  g(1, 1, CompName) = "R1";
  g(3, 2, XYs) = "Dip6 0.3 DR 6 1 0 A 0 0 9 0 B 9 0 9 6 C 9 6 0 6 *";
  const std::string good = Text(g, {1, "5", "4"});
  std::mt19937 rng(1234);
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string bytes = good;
    switch (i % 3) {
      case 0: bytes.resize(rng() % bytes.size()); break;
      case 1:
        for (int n = 0; n < 1 + static_cast<int>(rng() % 4); ++n) bytes[rng() % bytes.size()] = static_cast<char>(rng());
        break;
      default: bytes.insert(rng() % bytes.size(), std::string(1 + rng() % 3, "|\r\n*0"[rng() % 5])); break;
    }
    Design design;
    DesignProblem problem;
    if (ReadDesignText(bytes, design, problem)) {
      ++accepted;
      EXPECT_EQ(static_cast<size_t>(design.holesAcross * design.holesDown), Holes(bytes).size());
    } else {
      EXPECT_FALSE(problem.what.empty());
      EXPECT_TRUE(Holes(bytes).empty());
    }
  }
  EXPECT_GT(accepted, 0);  // flips inside texts keep a file readable
  EXPECT_LT(accepted, 3000);
}

}  // namespace
