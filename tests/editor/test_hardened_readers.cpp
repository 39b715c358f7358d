// Values users write by hand that the runtime cannot hold: a settings file with numbers past
// every range still opens the main window, and a part record with one still lets the repaint
// draw the rest of the board.
#include <gtest/gtest.h>

#include "editor/board/part_drawing.h"
#include "editor/board/splash.h"
#include "editor/form1.h"
#include "editor_fixture.h"
#include "platform/app.h"
#include "tests/editor/board_scenes.h"
#include "tests/support/fixtures.h"

namespace {

constexpr vb::Colour kStrip = vb::RGB(215, 140, 60);
constexpr vb::Colour kBoard = vb::RGB(225, 215, 160);

TEST(HardenedSettings, UnusableValuesKeepTheirStartValuesAndTheMainWindowOpens) {
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  folder.Write("Brantel.dat", "a: 1\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\nFolder: C:\\\r\n");
  folder.Write("brantel.ini",
               "[Initalize]\r\n 2147483648\r\n 1e400\r\n&H100000000\r\n 5\r\n[Control]\r\n 1e400\r\n 0\r\n"
               "[Printer]\r\n 1e999\r\n 2.5\r\n[Library]\r\nmine.lib\r\n");
  Brantel app;
  app.Start();
  ASSERT_TRUE(app.frmSplash.Loaded());
  app.frmSplash().Continue();
  ASSERT_TRUE(app.Form1.Loaded());
  EXPECT_FALSE(app.frmSplash.Loaded());  // the splash went: the main window is up
  EXPECT_TRUE(app.Form1().Visible());
  EXPECT_TRUE(app.m.TraceColour.IsEmpty());
  EXPECT_TRUE(app.m.BoardColour.IsEmpty());
  EXPECT_TRUE(app.m.SpareColour.IsEmpty());
  EXPECT_EQ(Value(5), app.m.PartColour);
  EXPECT_EQ(1, app.Form1().Check1.Value());  // design value kept
  EXPECT_EQ(0, app.Form1().Check3.Value());
  EXPECT_TRUE(app.m.ScaleAcross.IsEmpty());
  EXPECT_EQ(Value(2.5), app.m.ScaleDown);
  EXPECT_EQ("mine.lib", app.m.LibraryList[0]);

  // A colour set past the long's range by other means still lets the board repaint.
  app.m.TraceColour = 4294967296.0;
  app.Form1().Picture1.Cls();
  RefreshBoard(app);
  // A printer scale typed as a number too large to hold is written as 0.
  app.m.ScaleAcross = std::string("1e400");
  app.Form1().WriteSettings();
  EXPECT_EQ(
      "[Initalize]\r\n 4294967296\r\n 0\r\n 0\r\n 5\r\n[Control]\r\n 1\r\n 0\r\n[Printer]\r\n 0\r\n 2.5\r\n[Library]\r\nmine.lib\r\n",
      folder.Read("brantel.ini"));
}

class HardenedRecords : public EditorTest {};

TEST_F(HardenedRecords, ANumberPastEveryRangeLeavesOutItsOpAndTheRepaintGoesOn) {
  m().TraceColour = static_cast<long>(kStrip);
  m().BoardColour = static_cast<long>(kBoard);
  Board(15, 15);
  f().Command15_Click();
  // The broken part comes first in the part pass; the good one after it must still be drawn.
  parttest::PlacePart(m(), {{3, 3}, {3, 6}}, "X 0.1 AR 2 2 0 A 0 0 0 1e400 C 0 1e400 0 0 B 0 0 3 0 *", "Q1");
  parttest::PlacePart(m(), {{8, 10}, {8, 13}}, "Y 0.3 AR 2 2 0 C -1.5 0 -1.5 9 *", "Q2");
  // A part whose pin link leads off the grid cannot be drawn at all; the repaint goes on.
  parttest::PlacePart(m(), {{5, 6}, {5, 7}}, "Z 0.1 AR 2 2 0 A 0 0 0 3 *", "Q3");
  m().HoleGrid(5, 6, CompXToo) = 250;
  m().RedrawRect = {4, 4, 5, 5};
  f().Picture1.Cls();
  RefreshBoard(app);
  EXPECT_EQ((std::array<int, 4>{0, 0, 0, 0}), m().RedrawRect);

  const double pitch = m().HolePitch.Num();
  const auto at = [&](double x, double y) { return f().Picture1.Point(x + 500, y + 500); };
  // The red line of the second part, half a hole left of its pins.
  EXPECT_EQ(vb::RGB(255, 0, 0), at(7 * pitch - pitch / 2, 10.5 * pitch));
  // The brown op of the broken record, the one it could read, runs one hole to the left of
  // pin 1 (the record's x turned across).
  Value x3 = 3, y3 = 3;
  OutlineView view;
  const Outline o = OutlineOf(m(), m().HoleGrid(3, 3, XYs).Text(), 3, 3, x3, y3, view);
  ASSERT_EQ(1u, o.lines.size());
  EXPECT_EQ(vb::RGB(128, 128, 0), o.lines[0].colour);
  EXPECT_EQ("Q1", o.label.text);
}

}  // namespace
