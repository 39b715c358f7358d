#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "editor/board/part_record.h"

namespace {

TEST(PartRecordSplit, LibraryFormEndsWithAnEmptyWordAfterTheStar) {
  const auto words = SplitRecord("Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 * ");
  ASSERT_EQ(words.size(), 18u);
  EXPECT_EQ(words[0], "Short");
  EXPECT_EQ(words[2], "AR");
  EXPECT_EQ(words[6], "E");
  EXPECT_EQ(words[11], "E");
  EXPECT_EQ(words[16], "*");
  EXPECT_EQ(words[17], "");
}

TEST(PartRecordSplit, SavedFormEndsWithTheStar) {
  const auto words = SplitRecord("Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *");
  ASSERT_EQ(words.size(), 17u);
  EXPECT_EQ(words.back(), "*");
}

TEST(PartRecordSplit, AdjacentBlanksGiveEmptyWords) {
  const auto words = SplitRecord("a  b");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0], "a");
  EXPECT_EQ(words[1], "");
  EXPECT_EQ(words[2], "b");
  EXPECT_EQ(SplitRecord(""), std::vector<std::string>{""});
}

TEST(PartRecordSplit, OnlyTheLastWordIsCutTo99Characters) {
  const std::string longWord(150, 'x');
  const auto words = SplitRecord(longWord + " " + longWord);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0], longWord);
  EXPECT_EQ(words[1], std::string(99, 'x'));
}

TEST(PartRecordSplit, WordsPastSlot2000AreDropped) {
  std::string record;
  for (int i = 0; i < 2500; ++i) record += "w" + std::to_string(i) + " ";
  const auto words = SplitRecord(record);
  ASSERT_EQ(words.size(), 2001u);
  EXPECT_EQ(words[2000], "w2000");
}

TEST(PartRecordColour, ResistorCodeLetters) {
  const std::pair<const char*, vb::Colour> table[] = {
      {"A", vb::RGB(0, 0, 0)},     {"B", vb::RGB(128, 128, 0)}, {"C", vb::RGB(255, 0, 0)},
      {"D", vb::RGB(255, 128, 0)}, {"E", vb::RGB(255, 255, 0)}, {"F", vb::RGB(0, 255, 0)},
      {"G", vb::RGB(0, 0, 255)},   {"H", vb::RGB(128, 0, 255)}, {"I", vb::RGB(192, 192, 192)},
      {"J", vb::RGB(255, 255, 255)}, {"K", vb::RGB(0, 0, 0)},
  };
  for (const auto& [letter, colour] : table) EXPECT_EQ(GetColor(letter, false), colour) << letter;
}

TEST(PartRecordColour, OnlyBlackTurnsGreyInTheFlippedView) {
  EXPECT_EQ(GetColor("A", true), vb::RGB(200, 200, 200));
  EXPECT_EQ(GetColor("C", true), vb::RGB(255, 0, 0));
  EXPECT_EQ(GetColor("J", true), vb::RGB(255, 255, 255));
}

TEST(PartRecordColour, OtherWordsAreBlack) {
  EXPECT_EQ(GetColor("a", false), vb::RGB(0, 0, 0));
  EXPECT_EQ(GetColor("c", false), vb::RGB(0, 0, 0));
  EXPECT_EQ(GetColor("CC", false), vb::RGB(0, 0, 0));
  EXPECT_EQ(GetColor("", false), vb::RGB(0, 0, 0));
  EXPECT_EQ(GetColor("a", true), vb::RGB(0, 0, 0));
}

TEST(PartRecordAngle, Atn2OnItsAxes) {
  constexpr double pi = 3.14159265359;
  EXPECT_DOUBLE_EQ(Atn2(1, 0), 0);             // straight down
  EXPECT_DOUBLE_EQ(Atn2(0, 1), pi / 2);        // right
  EXPECT_DOUBLE_EQ(Atn2(-1, 0), pi);           // up
  EXPECT_DOUBLE_EQ(Atn2(0, -1), 9.42477796077 / 2);  // left
  EXPECT_DOUBLE_EQ(Atn2(0, 0), pi / 2);
}

TEST(PartRecordAngle, Atn2OnTheDiagonals) {
  constexpr double pi = 3.14159265359;
  EXPECT_NEAR(Atn2(1, 1), pi / 4, 1e-12);
  EXPECT_NEAR(Atn2(1, -1), -pi / 4, 1e-12);  // the bottom of the range
  EXPECT_NEAR(Atn2(-1, 1), 3 * pi / 4, 1e-11);
  EXPECT_NEAR(Atn2(-1, -1), 5 * pi / 4, 1e-11);
}

struct QuadrantRow {
  double dx, dy;
  int o1, o2, o3, o4;
};

TEST(PartRecordQuadrant, TableRowByRow) {
  const QuadrantRow rows[] = {
      {2, 3, 1, 1, -1, 1},   {2, -3, 1, -1, 1, 1}, {-2, 3, -1, 1, -1, -1}, {-2, -3, -1, -1, -1, 1},
      {0, 3, 0, 1, 1, 0},    {0, -3, 0, -1, -1, 0}, {2, 0, 1, 0, 1, -1},    {-2, 0, -1, 0, -1, 1},
  };
  for (const QuadrantRow& r : rows) {
    int o1 = 9, o2 = 9, o3 = 9, o4 = 9;
    Quadrant(10, 10 + r.dx, 20, 20 + r.dy, o1, o2, o3, o4);
    EXPECT_EQ(o1, r.o1) << r.dx << "," << r.dy;
    EXPECT_EQ(o2, r.o2) << r.dx << "," << r.dy;
    EXPECT_EQ(o3, r.o3) << r.dx << "," << r.dy;
    EXPECT_EQ(o4, r.o4) << r.dx << "," << r.dy;
  }
}

TEST(PartRecordQuadrant, SamePointKeepsTheLastTwoSigns) {
  int o1 = 9, o2 = 9, o3 = 7, o4 = -7;
  Quadrant(5, 5, 5, 5, o1, o2, o3, o4);
  EXPECT_EQ(o1, 0);
  EXPECT_EQ(o2, 0);
  EXPECT_EQ(o3, 7);
  EXPECT_EQ(o4, -7);
}

}  // namespace
