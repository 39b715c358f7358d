#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/board/part_drawing.h"
#include "editor/board/part_record.h"
#include "editor/form1.h"
#include "tests/editor/library_records.h"
#include "tests/support/fixtures.h"
#include "part_helpers.h"

namespace {

using parttest::PlacePart;
using parttest::SetBoard;

constexpr double kNear = 1e-6;

// The outline computation over a bare grid: a 20 x 20 board at pitch 300 (one record unit is
// 100 picture units), the Horizontal option off so that word 4 gives the pen width.
class OutlineTest : public ::testing::Test {
 protected:
  void SetUp() override { SetBoard(m, 20, 20, 300); }

  Outline Draw(int x1, int y1, OutlineView view = NoHorizontal()) {
    x3 = x1;
    y3 = y1;
    // A second hole as the board repaint passes it: pin 3, or pin 2 on a two-pin part.
    const Value p2x = m.HoleGrid(x1, y1, CompXToo), p2y = m.HoleGrid(x1, y1, CompYToo);
    if (!(p2x == x1 && p2y == y1)) {
      x3 = m.HoleGrid(p2x, p2y, CompXToo);
      y3 = m.HoleGrid(p2x, p2y, CompYToo);
      if (x3 == x1 && y3 == y1) {
        x3 = p2x;
        y3 = p2y;
      }
    }
    return OutlineOf(m, m.HoleGrid(x1, y1, XYs).Text(), x1, y1, x3, y3, view);
  }
  static OutlineView NoHorizontal() {
    OutlineView v;
    v.horizontal = false;
    return v;
  }

  std::unique_ptr<Module1> owned = std::make_unique<Module1>();
  Module1& m = *owned;
  Value x3, y3;
};

void ExpectLine(const OutlineLine& l, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(l.x1, x1, kNear);
  EXPECT_NEAR(l.y1, y1, kNear);
  EXPECT_NEAR(l.x2, x2, kNear);
  EXPECT_NEAR(l.y2, y2, kNear);
}

const char* const kTwoOps = "Test 0.3 AR 2 3 0 B 1 0 1 9 C -1 2 2 5 *";

TEST_F(OutlineTest, PinTwoBelowDrawsTheRecordUnturned) {
  PlacePart(m, {{5, 5}, {5, 8}}, kTwoOps);
  const Outline o = Draw(5, 5);
  ASSERT_EQ(o.lines.size(), 2u);
  ExpectLine(o.lines[0], 1300, 1200, 1300, 2100);
  ExpectLine(o.lines[1], 1100, 1400, 1400, 1700);
  EXPECT_EQ(o.lines[0].colour, vb::RGB(128, 128, 0));
  EXPECT_EQ(o.lines[1].colour, vb::RGB(255, 0, 0));
  EXPECT_EQ(o.lines[0].width, 3);
  EXPECT_EQ(x3, 5);
  EXPECT_EQ(y3, 8);
}

TEST_F(OutlineTest, PinTwoToTheRightTurnsYRightAndXUp) {
  PlacePart(m, {{5, 5}, {8, 5}}, kTwoOps);
  const Outline o = Draw(5, 5);
  ASSERT_EQ(o.lines.size(), 2u);
  ExpectLine(o.lines[0], 1200, 1100, 2100, 1100);
  ExpectLine(o.lines[1], 1400, 1300, 1700, 1000);
}

TEST_F(OutlineTest, ScrollOffsetsMoveTheWholeOutline) {
  m.ScrollX = 50;
  m.ScrollY = -70;
  PlacePart(m, {{5, 5}, {5, 8}}, kTwoOps);
  const Outline o = Draw(5, 5);
  ExpectLine(o.lines[0], 1350, 1130, 1350, 2030);
  EXPECT_DOUBLE_EQ(o.label.x, 1200 + 50 + 100);
  EXPECT_DOUBLE_EQ(o.label.y, 1200 - 70 + 100);
}

TEST_F(OutlineTest, HorizontalOptionDrawsTwoPixelsWide) {
  PlacePart(m, {{5, 5}, {5, 8}}, kTwoOps);
  EXPECT_EQ(Draw(5, 5, OutlineView{}).lines[0].width, 2);
  PlacePart(m, {{5, 5}, {5, 8}}, "Thin 0.3 AR 2 0 0 A 0 0 0 9 *");
  EXPECT_EQ(Draw(5, 5).lines[0].width, 1);  // a width below one pixel draws one pixel
  PlacePart(m, {{5, 5}, {5, 8}}, "Odd 0.3 AR 2 x 0 A 0 0 0 9 *");
  EXPECT_EQ(Draw(5, 5).lines[0].width, 1);
}

TEST_F(OutlineTest, FittedPartEndsOnPinTwoWhateverTheDistance) {
  PlacePart(m, {{3, 3}, {3, 10}}, "Fit 0.2 AR 2 1 1 A 0 0 0 1 A 0 1 1 1 A 1 1 1 5 A 1 5 0 5 A 0 5 0 6 *");
  m.HoleGrid(3, 3, CompOffset) = 2;
  const Outline o = Draw(3, 3);
  ASSERT_EQ(o.lines.size(), 5u);
  ExpectLine(o.lines[0], 600, 600, 600, 900);  // the first start point is not shifted
  ExpectLine(o.lines[1], 600, 900, 700, 900);
  ExpectLine(o.lines[3], 700, 1300, 600, 1300);
  EXPECT_NEAR(o.lines[4].x1, 600, kNear);
  EXPECT_NEAR(o.lines[4].y1, 1300, kNear);
  EXPECT_EQ(o.lines[4].x2, 600);  // exactly on pin 2
  EXPECT_EQ(o.lines[4].y2, 2700);
}

TEST_F(OutlineTest, FittedPartTurnedEndsExactlyOnPinTwo) {
  PlacePart(m, {{2, 2}, {17, 13}}, "Fit 0.2 AR 2 1 1 A 0 0 0 3 A 0 3 0 6 *");
  const Outline o = Draw(2, 2);
  ASSERT_EQ(o.lines.size(), 2u);
  EXPECT_EQ(o.lines[1].x2, 4800);
  EXPECT_EQ(o.lines[1].y2, 3600);
}

TEST_F(OutlineTest, OffsetWithoutFitShiftsEveryPoint) {
  PlacePart(m, {{2, 2}, {2, 4}}, "Off 0.2 AR 2 1 0 A 0 0 0 6 A 0 6 1 6 *");
  m.HoleGrid(2, 2, CompOffset) = 5;
  const Outline o = Draw(2, 2);
  ASSERT_EQ(o.lines.size(), 2u);
  ExpectLine(o.lines[0], 300, 800, 300, 1400);
  ExpectLine(o.lines[1], 300, 1400, 400, 1400);
}

TEST_F(OutlineTest, HiddenMoveDrawsNothingAndTheNextOpStartsOnItsOwn) {
  PlacePart(m, {{2, 2}, {2, 4}}, "Skip 0.2 AR 2 1 0 A 0 0 0 1 S 0 1 2 2 C 2 3 2 4 *");
  const Outline o = Draw(2, 2);
  ASSERT_EQ(o.lines.size(), 2u);
  ExpectLine(o.lines[1], 500, 600, 500, 700);
  EXPECT_EQ(o.lines[1].colour, vb::RGB(255, 0, 0));
}

TEST_F(OutlineTest, OnePinPartLooksAtTheHoleToItsRight) {
  PlacePart(m, {{5, 5}}, "Pad 0.1 AR 1 1 0 A 0 0 0 3 *");
  Outline o = Draw(5, 5);
  EXPECT_EQ(x3, 6);
  EXPECT_EQ(y3, 5);
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 1200, 1200, 1500, 1200);

  PlacePart(m, {{20, 5}}, "Pad 0.1 AO 1 1 0 A 0 0 0 3 *");
  o = Draw(20, 5);
  EXPECT_EQ(x3, 1);  // past the last column: column 1
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 5700, 1200, 5400, 1200);
}

// A fitted part pins only the end point (0, maxY) to pin 2; a corner at the same largest y
// but off the axis is placed like any other point.
TEST_F(OutlineTest, FittedPartPinsOnlyTheAxisPointAtTheLargestY) {
  PlacePart(m, {{3, 3}, {3, 10}}, "Fit 0.2 AR 2 1 1 A 0 0 0 3 A 0 3 1 3 A 1 3 0 3 *");
  const Outline o = Draw(3, 3);
  ASSERT_EQ(o.lines.size(), 3u);
  ExpectLine(o.lines[0], 600, 600, 600, 2700);  // (0, 3) is the far end: pin 2
  ExpectLine(o.lines[1], 600, 900, 700, 900);   // the corner (1, 3) stays where it is drawn
  ExpectLine(o.lines[2], 700, 900, 600, 2700);
}

// On the largest board a one-pin part in the second-last column looks at the last column;
// only a part in the last column wraps round to column 1.
TEST_F(OutlineTest, OnePinPartNextToTheLastColumnOfTheLargestBoard) {
  SetBoard(m, 100, 100, 300);
  PlacePart(m, {{99, 100}}, "Pad 0.1 AR 1 1 0 A 0 0 0 3 *");
  Outline o = Draw(99, 100);
  EXPECT_EQ(x3, 100);
  EXPECT_EQ(y3, 100);
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 29400, 29700, 29700, 29700);
  PlacePart(m, {{100, 100}}, "Pad 0.1 AR 1 1 0 A 0 0 0 3 *");
  o = Draw(100, 100);
  EXPECT_EQ(x3, 1);
}

TEST_F(OutlineTest, LabelFontFollowsThePitch) {
  PlacePart(m, {{5, 5}, {5, 6}}, "Lab 0.1 AR 2 1 0 A 0 0 0 3 *", "U7");
  Outline o = Draw(5, 5);
  EXPECT_EQ(o.label.text, "U7");
  EXPECT_EQ(o.label.fontSize, 6);
  SetBoard(m, 20, 20, 699);
  EXPECT_EQ(Draw(5, 5).label.fontSize, 6);
  SetBoard(m, 20, 20, 1550);
  EXPECT_EQ(Draw(5, 5).label.fontSize, 15);
  SetBoard(m, 20, 20, 3000);
  EXPECT_EQ(Draw(5, 5).label.fontSize, 30);
  SetBoard(m, 20, 20, 5000);
  EXPECT_EQ(Draw(5, 5).label.fontSize, 30);
}

TEST_F(OutlineTest, LabelInTheLastColumnMeasuresThePitchToItsLeft) {
  SetBoard(m, 20, 20, 1550);
  PlacePart(m, {{20, 5}, {20, 6}}, "Lab 0.1 AR 2 1 0 A 0 0 0 3 *", "U8");
  EXPECT_EQ(Draw(20, 5).label.fontSize, 15);
}

TEST_F(OutlineTest, ZPartAimsAtPinThree) {
  PlacePart(m, {{5, 5}, {6, 5}, {5, 6}}, "Zp 0.1 ZO 3 1 0 A 0 0 0 3 *");
  const Outline o = Draw(5, 5);
  EXPECT_EQ(x3, 6);  // pin 2 is still handed back
  EXPECT_EQ(y3, 5);
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 1200, 1200, 1200, 1500);
}

TEST_F(OutlineTest, RowPartAimsAlongItsRowOneHoleFromPinOne) {
  // Pins going up the board: the outline runs upward.
  PlacePart(m, {{5, 8}, {5, 7}, {5, 6}}, "Row 0.1 AO 3 1 0 A 0 0 0 6 *");
  Outline o = Draw(5, 8);
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 1200, 2100, 1200, 1500);
  EXPECT_TRUE(m.PinListX.empty());
  EXPECT_TRUE(m.PinListY.empty());

  // Pins going left.
  PlacePart(m, {{9, 3}, {8, 3}, {7, 3}}, "Row 0.1 AO 3 1 0 A 0 0 0 6 *");
  o = Draw(9, 3);
  ASSERT_EQ(o.lines.size(), 1u);
  ExpectLine(o.lines[0], 2400, 600, 1800, 600);
}

TEST_F(OutlineTest, FannedPartDrawsLeadLinesFromItsOtherPins) {
  PlacePart(m, {{5, 5}, {5, 6}, {5, 7}}, "Fan 0.1 FO 3 1 0 A 3 0 3 6 *");
  const Outline o = Draw(5, 5);
  ASSERT_EQ(o.lines.size(), 3u);
  const double tx = o.lines[0].x2;
  EXPECT_NEAR(tx, 1200 - 600, kNear);  // the outline stands left of the row
  ExpectLine(o.lines[1], 1200, 1500, tx, 1500);
  ExpectLine(o.lines[2], 1200, 1800, tx, 1800);
  EXPECT_EQ(o.lines[1].colour, vb::vbBlack);
}

TEST_F(OutlineTest, FannedPartWithoutRowStyleDrawsOnlyItsOutline) {
  PlacePart(m, {{5, 5}, {5, 6}, {5, 7}}, "Fan 0.1 FR 3 1 0 A 3 0 3 6 *");
  const Outline o = Draw(5, 5);
  ASSERT_EQ(o.lines.size(), 1u);
}

TEST_F(OutlineTest, MeanStyleDrawsAboutTheMeanOfThePins) {
  PlacePart(m, {{2, 2}, {2, 4}, {5, 4}}, "Mean 0.1 AM 3 1 0 A 0 0 0 3 *");
  m.PrevPinX = 4;
  const Outline o = Draw(2, 2);
  ASSERT_EQ(o.lines.size(), 1u);
  EXPECT_NEAR(o.lines[0].x1, (300 + 300 + 1200) / 3.0, 1e-3);
  EXPECT_NEAR(o.lines[0].y1, (300 + 900 + 900) / 3.0, 1e-3);
  EXPECT_EQ(m.PrevPinX, 0);
  EXPECT_EQ(o.label.x, 300 + 100);  // the label stays by pin 1
}

TEST_F(OutlineTest, MeanOfFarPinsDoesNotOverflow) {
  SetBoard(m, 20, 20, 3000);
  PlacePart(m, {{10, 10}, {12, 10}, {14, 12}}, "Mean 0.1 AM 3 1 0 A 0 0 0 3 *");
  double mx = 0, my = 0;
  MeanXY(m, 10, 10, mx, my);
  EXPECT_NEAR(mx, (27000 + 33000 + 39000) / 3.0, 1e-2);
  EXPECT_NEAR(my, (27000 + 27000 + 33000) / 3.0, 1e-2);
}

TEST_F(OutlineTest, PinListFollowsTheRingFromTheGivenPin) {
  PlacePart(m, {{2, 2}, {3, 2}, {4, 2}}, "Row 0.1 AO 3 1 0 A 0 0 0 6 *");
  EXPECT_EQ(BuildPinList(m, 3, 2), 3);
  ASSERT_EQ(m.PinListX.size(), 101u);
  EXPECT_EQ(m.PinListX[0], 3);
  EXPECT_EQ(m.PinListX[1], 4);
  EXPECT_EQ(m.PinListX[2], 2);
  EXPECT_TRUE(m.PinListX[3].IsEmpty());
  EXPECT_EQ(BuildPinList(m, 9, 9), 0);  // a free hole: the lists stay empty
  EXPECT_TRUE(m.PinListX[0].IsEmpty());
}

TEST_F(OutlineTest, OverlongRecordDrawsTheOpsThatFit) {
  std::string record = "Long 0.1 AR 2 1 0 ";
  for (int i = 0; i < 500; ++i) record += "A 0 0 0 3 ";
  record += "*";
  PlacePart(m, {{2, 2}, {2, 3}}, record);
  EXPECT_EQ(Draw(2, 2).lines.size(), 399u);  // ops at words 6 to 1996
}

TEST_F(OutlineTest, RecordWithoutOpsDrawsOnlyTheLabel) {
  PlacePart(m, {{2, 2}, {2, 3}}, "Bare 0.1 AR 2 1 1 *", "X1");
  Outline o = Draw(2, 2);
  EXPECT_TRUE(o.lines.empty());
  EXPECT_EQ(o.label.text, "X1");
  PlacePart(m, {{2, 2}, {2, 3}}, "Bare 0.1", "X2");
  EXPECT_TRUE(Draw(2, 2).lines.empty());
}

TEST_F(OutlineTest, LibraryFormDrawsTheSameOpsAsTheSavedForm) {
  PlacePart(m, {{2, 2}, {2, 4}}, "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 * ");
  const Outline a = Draw(2, 2);
  PlacePart(m, {{2, 2}, {2, 4}}, "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *");
  const Outline b = Draw(2, 2);
  ASSERT_EQ(a.lines.size(), 2u);
  ASSERT_EQ(b.lines.size(), 2u);
  ExpectLine(a.lines[0], b.lines[0].x1, b.lines[0].y1, b.lines[0].x2, b.lines[0].y2);
  ExpectLine(a.lines[0], 300, 300, 300, 900);  // "Short" is fitted: its end is pin 2
}

// ---- drawing on the board picture ----

// The main window with a board picture of 600 x 450 scale units on 600 x 450 pixels.
class DrawCompTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form1& f = app.Form1();
    f.Picture1.Move(0, 0, 604, 454);
    f.Picture1.SetScaleLeft(0);
    f.Picture1.SetScaleTop(0);
    f.Picture1.SetScaleWidth(f.Picture1.InnerWidthPx());
    f.Picture1.SetScaleHeight(f.Picture1.InnerHeightPx());
    f.Picture1.FilledBox(0, 0, f.Picture1.InnerWidthPx(), f.Picture1.InnerHeightPx(), vb::vbWhite);
    SetBoard(app.m, 15, 15, 30);
  }
  void Draw(int x1, int y1, int x3, int y3) {
    Value vx3 = x3, vy3 = y3;
    app.Form1().DrawComp(app.m.HoleGrid(x1, y1, XYs).Text(), x1, y1, vx3, vy3, "");
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;
};

TEST_F(DrawCompTest, WireLinkShowsYellowBetweenItsPins) {
  PlacePart(app.m, {{3, 3}, {3, 6}}, "Short 0.3 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *", "L1");
  Draw(3, 3, 3, 6);
  Form1& f = app.Form1();
  EXPECT_EQ(f.Picture1.Point(60, 105), vb::RGB(255, 255, 0));  // along the link
  EXPECT_EQ(f.Picture1.Point(60, 145), vb::RGB(255, 255, 0));  // up to pin 2
  EXPECT_EQ(f.Picture1.Point(75, 105), vb::vbWhite);
  EXPECT_EQ(f.Picture1.DrawWidth(), 1);
  EXPECT_EQ(f.Picture1.ForeColor(), vb::vbBlack);
  EXPECT_TRUE(app.m.PinListX.empty());
}

// One record with an op of every colour letter, each a line of its own across the picture.
TEST_F(DrawCompTest, EveryColourLetterDrawsItsColour) {
  const std::pair<char, vb::Colour> table[] = {
      {'A', vb::RGB(0, 0, 0)},     {'B', vb::RGB(128, 128, 0)}, {'C', vb::RGB(255, 0, 0)},
      {'D', vb::RGB(255, 128, 0)}, {'E', vb::RGB(255, 255, 0)}, {'F', vb::RGB(0, 255, 0)},
      {'G', vb::RGB(0, 0, 255)},   {'H', vb::RGB(128, 0, 255)}, {'I', vb::RGB(192, 192, 192)},
      {'J', vb::RGB(255, 255, 255)},
  };
  Form1& f = app.Form1();
  f.Picture1.FilledBox(0, 0, f.Picture1.InnerWidthPx(), f.Picture1.InnerHeightPx(), vb::RGB(10, 20, 30));
  std::string record = "Bands 0.3 AR 2 2 0";
  for (int i = 0; i < 10; ++i) {
    const std::string y = std::to_string(i + 1);
    record += std::string(" ") + table[i].first + " -2 " + y + " 2 " + y;  // across, one unit apart
  }
  PlacePart(app.m, {{5, 3}, {5, 6}}, record + " *");
  Draw(5, 3, 5, 6);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(table[i].first);
    EXPECT_EQ(f.Picture1.Point(120, 60 + 10 * (i + 1)), table[i].second);
  }
}

// The pin holes of a placed part carry two black rings around the hole; a free hole none.
TEST_F(DrawCompTest, PinHolesShowTwoRings) {
  Form1& f = app.Form1();
  SetBoard(app.m, 15, 15, 100);  // rings at 1.6 and 2 tenths of a pitch: 16 and 20 pixels
  app.m.TraceColour = static_cast<long>(vb::RGB(215, 140, 60));
  app.m.BoardColour = static_cast<long>(vb::RGB(225, 211, 160));
  const auto darkRuns = [&](double cx, double cy) {
    int runs = 0;
    bool dark = false;
    for (double x = cx + 12; x <= cx + 28; x += 1) {
      const bool d = vb::RedOf(f.Picture1.Point(x, cy)) < 100;
      if (d && !dark) ++runs;
      dark = d;
    }
    return runs;
  };
  f.DrawHoleCell(3, 3, 0);
  EXPECT_EQ(0, darkRuns(200, 200));
  PlacePart(app.m, {{3, 3}, {3, 5}}, "Box 0.2 AR 2 2 0 S 0 0 0 6 *");
  f.DrawHoleCell(3, 3, 0);
  f.DrawHoleCell(3, 5, 0);
  f.DrawHoleCell(4, 3, 0);
  EXPECT_EQ(2, darkRuns(200, 200));
  EXPECT_EQ(2, darkRuns(200, 400));
  EXPECT_EQ(0, darkRuns(300, 200));
  EXPECT_EQ(vb::RGB(215, 140, 60), f.Picture1.Point(200 + 18, 200));  // strip between the rings
}

TEST_F(DrawCompTest, BlackTurnsGreyInTheFlippedView) {
  Form1& f = app.Form1();
  const double w = f.Picture1.ScaleWidth();
  f.Picture1.SetScaleLeft(w);
  f.Picture1.SetScaleWidth(-w);
  PlacePart(app.m, {{3, 3}, {3, 6}}, "Box 0.3 AR 2 2 0 A 0 0 0 9 C 1 0 1 9 *");
  Draw(3, 3, 3, 6);
  EXPECT_EQ(f.Picture1.Point(60, 100), vb::RGB(200, 200, 200));
  EXPECT_EQ(f.Picture1.Point(70, 100), vb::RGB(255, 0, 0));
}

TEST_F(DrawCompTest, LabelIsPrintedBesidePinOne) {
  PlacePart(app.m, {{3, 3}, {3, 6}}, "Short 0.3 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *", "WWW");
  app.m.HoleGrid(3, 3, LabelX) = 30;
  app.m.HoleGrid(3, 3, LabelY) = -20;
  Draw(3, 3, 3, 6);
  Form1& f = app.Form1();
  EXPECT_EQ(f.Picture1.FontSize(), 6);
  int dark = 0;
  for (int x = 90; x < 120; ++x)
    for (int y = 40; y < 52; ++y)
      if (vb::RedOf(f.Picture1.Point(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 5);
}

// The twelve records of the default part library, each drawn with pin 2 below pin 1 and with
// pin 2 to the right of pin 1. The picture goes to $BRANTEL_TEST_OUTPUT, or else the test
// program's folder, as default_library.png for a look by eye.
TEST(PartDrawingLibrary, DefaultLibraryRendersInTwoOrientations) {
  std::error_code ec;
  std::filesystem::path outDir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  if (ec) outDir = std::filesystem::current_path(ec);
  if (const char* env = std::getenv("BRANTEL_TEST_OUTPUT")) outDir = env;
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;
  Form1& f = app.Form1();
  Module1& m = app.m;
  f.Check1.SetValue(0);  // word 4 gives the pen width
  f.Picture1.Move(0, 0, 1684, 764);
  const double w = f.Picture1.ScaleWidth(), h = f.Picture1.ScaleHeight();
  const int across = 42, down = 17;
  const double pitch = vb::Int(std::min(w / (across + 1), h / (down + 1)));
  SetBoard(m, across, down, pitch);
  m.ScrollX = pitch;
  m.ScrollY = pitch;
  f.Picture1.FilledBox(0, 0, w, h, vb::RGB(200, 200, 200));
  for (int d = 1; d <= down; ++d)
    for (int a = 1; a <= across; ++a) f.Picture1.Circle(pitch * a, pitch * d, pitch / 10, vb::vbBlack);

  const std::vector<std::string>& records = libtest::DefaultRecords();

  // Pins of one record with pin 1 at (a, d): along the row (down, or right when turned);
  // a dual-row part comes back along a second row to the right (or above when turned).
  const auto pinsOf = [](const std::string& record, int a, int d, bool turned) {
    const auto words = SplitRecord(record);
    const int count = static_cast<int>(vb::Val(words[3]));
    const int spacing = std::max(1, static_cast<int>(vb::Round(vb::Val(words[1]) * 10)));
    std::vector<std::pair<int, int>> pins;
    const auto at = [&](int along, int across) {
      pins.push_back(turned ? std::pair{a + along, d - across} : std::pair{a + across, d + along});
    };
    if (words[2][0] == 'D') {
      for (int i = 0; i < count / 2; ++i) at(i, 0);
      for (int i = count / 2 - 1; i >= 0; --i) at(i, spacing);
    } else if (count == 2) {
      at(0, 0);
      at(spacing, 0);
    } else {
      for (int i = 0; i < count; ++i) at(i, 0);
    }
    return pins;
  };

  // Draws one part with pin 1 at (a, d) and checks it on the picture: every line of its
  // outline shows its colour half way along, unless a later line of the part crosses there.
  const auto drawAndCheck = [&](const std::string& record, int a, int d, bool turned, const std::string& ref) {
    SCOPED_TRACE(ref);
    PlacePart(m, pinsOf(record, a, d, turned), record, ref);
    const Value p2x = m.HoleGrid(a, d, CompXToo), p2y = m.HoleGrid(a, d, CompYToo);
    Value x3 = m.HoleGrid(p2x, p2y, CompXToo), y3 = m.HoleGrid(p2x, p2y, CompYToo);
    if (x3 == a && y3 == d) {
      x3 = p2x;
      y3 = p2y;
    }
    Value ox3 = x3, oy3 = y3;
    const Outline expected = OutlineOf(m, record, a, d, ox3, oy3, OutlineView{false, false});
    f.DrawComp(record, a, d, x3, y3, "");
    EXPECT_EQ(f.Picture1.DrawWidth(), 1);
    ASSERT_FALSE(expected.lines.empty());
    // Distance from a point to a line of the outline, in the picture's scale (twips).
    const auto distance = [](const OutlineLine& l, double px, double py) {
      const double vx = l.x2 - l.x1, vy = l.y2 - l.y1, len2 = vx * vx + vy * vy;
      const double t = len2 == 0 ? 0 : std::clamp(((px - l.x1) * vx + (py - l.y1) * vy) / len2, 0.0, 1.0);
      return std::hypot(px - l.x1 - t * vx, py - l.y1 - t * vy);
    };
    for (std::size_t i = 0; i < expected.lines.size(); ++i) {
      const OutlineLine& l = expected.lines[i];
      const double mx = (l.x1 + l.x2) / 2, my = (l.y1 + l.y2) / 2;
      bool found = false;
      const double px = vb::TwipsPerPixel;  // one pixel either way
      for (int dx = -1; dx <= 1 && !found; ++dx)
        for (int dy = -1; dy <= 1 && !found; ++dy) found = f.Picture1.Point(mx + dx * px, my + dy * px) == l.colour;
      // A later line of the part drawn across the middle of this one covers it there.
      bool covered = false;
      for (std::size_t k = i + 1; k < expected.lines.size() && !covered; ++k)
        covered = expected.lines[k].colour != l.colour && distance(expected.lines[k], mx, my) < 2.5 * px;
      EXPECT_TRUE(found || covered) << "line " << i << " of " << expected.lines.size();
    }
  };

  int n = 0;
  for (const std::string& record : records) {
    ++n;
    const std::string ref = "P" + std::to_string(n);
    // Pin 2 below pin 1: a row of parts across the top half.
    drawAndCheck(record, 2 + (n - 1) * 3, 3, false, ref);
    // Pin 2 to the right: two rows of six in the bottom half.
    drawAndCheck(record, 2 + ((n - 1) % 6) * 7, n <= 6 ? 12 : 16, true, ref + "t");
  }
  EXPECT_TRUE(m.PinListX.empty());

  // Spot check: the Short link is yellow half way between its pins.
  EXPECT_EQ(f.Picture1.Point(pitch * (2 + 18), pitch * 4), vb::RGB(255, 255, 0));

  std::filesystem::create_directories(outDir, ec);
  f.Picture1.Image().SavePng((outDir / "default_library.png").string());
}

}  // namespace
