// The board drawing: the repainted rectangle, and the colours of strips, cut gaps, drill
// marks, pads and the board edges in the board image.
#include <gtest/gtest.h>

#include <array>

#include "editor/form1.h"
#include "tests/support/fixtures.h"

namespace {

constexpr vb::Colour kStrip = vb::RGB(215, 140, 60);
constexpr vb::Colour kBoard = vb::RGB(225, 215, 160);
constexpr vb::Colour kGrey = vb::RGB(200, 200, 200);
constexpr double kPitch = 281;

class BoardDrawing : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;
  Form1* f = nullptr;

  void SetUp() override {
    f = &app.Form1();
    // The options are set directly here; their own handlers are tested elsewhere.
    for (vb::CheckBox* box : {&f->Check1, &f->Check2, &f->Check3, &f->Check4}) box->Click = nullptr;
    f->Picture1.SetScaleWidth(6000);
    f->Picture1.SetScaleHeight(4500);
    app.m.ScrollX = 0;
    app.m.ScrollY = 0;
    f->GraphicLimits(true);
    f->BuildArray(true);
    f->InitKelm();
    app.m.ScrollX = 500;  // the whole board lies inside the picture
    app.m.ScrollY = 500;
    app.m.TraceColour = static_cast<long>(kStrip);
    app.m.BoardColour = static_cast<long>(kBoard);
    f->Picture1.SetBackColor(kGrey);
  }
  double X(long a) const { return 500 + kPitch * (a - 1); }
  double Y(long d) const { return 500 + kPitch * (d - 1); }
  // Colour at a point given in pitches from the centre of hole (a, d).
  vb::Colour At(long a, long d, double dx, double dy) const {
    return f->Picture1.Point(X(a) + dx * kPitch, Y(d) + dy * kPitch);
  }
  void Full() { f->ReDrawWhole(1); }
};

TEST_F(BoardDrawing, RectangleIsOrderedWidenedAndWrittenBack) {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ((std::array<int, 4>{1, 1, 2, 1}), (std::array<int, 4>{x1, y1, x2, y2}));

  x1 = 5, y1 = 6, x2 = 3, y2 = 2;
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ((std::array<int, 4>{2, 1, 6, 7}), (std::array<int, 4>{x1, y1, x2, y2}));

  x1 = 4, y1 = 4, x2 = 4, y2 = 4;  // one hole: one column more to the right
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ((std::array<int, 4>{3, 3, 6, 5}), (std::array<int, 4>{x1, y1, x2, y2}));

  x1 = 15, y1 = 15, x2 = 15, y2 = 15;  // clipped to the board
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ((std::array<int, 4>{14, 14, 15, 15}), (std::array<int, 4>{x1, y1, x2, y2}));

  app.m.RedrawRect = {3, 3, 4, 4};
  x1 = 7, y1 = 7, x2 = 8, y2 = 8;
  f->ReDrawFT(x1, y1, x2, y2, 1);
  EXPECT_EQ((std::array<int, 4>{1, 1, 15, 15}), (std::array<int, 4>{x1, y1, x2, y2}));
  EXPECT_EQ((std::array<int, 4>{0, 0, 0, 0}), app.m.RedrawRect);
}

TEST_F(BoardDrawing, EmptyRectanglePaintsTwoHolesOfTheFirstRow) {
  f->Picture1.Cls();
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ(kStrip, At(2, 1, 0.3, 0));
  EXPECT_EQ(kGrey, At(3, 1, 0.3, 0));
  EXPECT_EQ(kGrey, At(2, 2, 0.3, 0));
}

TEST_F(BoardDrawing, StripsAcrossShowStripBoardAndTrimmedEdges) {
  Full();
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));
  EXPECT_EQ(kStrip, At(5, 5, -0.56, 0));  // the strip runs on between holes
  EXPECT_EQ(kBoard, At(5, 5, 0.3, 0.375));
  EXPECT_EQ(kGrey, At(1, 5, -0.3, 0));  // first and last columns: inner half only
  EXPECT_EQ(kStrip, At(1, 5, 0.3, 0));
  EXPECT_EQ(kGrey, At(15, 5, 0.3, 0));
  EXPECT_EQ(kStrip, At(15, 5, -0.3, 0));
  EXPECT_EQ(kBoard, At(5, 1, 0.3, -0.375));  // first row: whole cells
  EXPECT_EQ("-Component side", f->Label3.Caption());
}

TEST_F(BoardDrawing, CutHoleShowsGapOrDrillMark) {
  app.m.HoleGrid(5, 5, KelmNet) = 0;
  Full();
  EXPECT_EQ(kBoard, At(5, 5, -0.56, 0));  // gap 0.375 to 0.75 pitch left of the hole
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));
  EXPECT_EQ(kStrip, At(5, 5, -0.8, 0));  // just past the gap's far edge: the strip of hole 4
  EXPECT_EQ(kStrip, At(6, 5, -0.56, 0));

  f->DrillCut.SetCaption("Cut");  // the drill tool is active
  f->Picture1.Cls();
  Full();
  EXPECT_EQ(kStrip, At(5, 5, -0.56, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0, 0.18));  // disc of radius pitch/4
  EXPECT_EQ(kBoard, At(5, 5, 0.18, 0));
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));
}

TEST_F(BoardDrawing, NeighbouringStripsAreSeparatedByAGap) {
  for (long a = 8; a <= 15; ++a) app.m.HoleGrid(a, 5, KelmNet) = 99;
  Full();
  // The whole gap, 0.375 to 0.75 of a pitch left of the first hole of the other strip.
  for (double dx : {-0.42, -0.5, -0.7}) EXPECT_EQ(kBoard, At(8, 5, dx, 0)) << dx;
  EXPECT_EQ(kStrip, At(8, 5, -0.3, 0));
  EXPECT_EQ(kStrip, At(8, 5, -0.8, 0));  // just past the far edge, on the other strip
  EXPECT_EQ(kStrip, At(9, 5, -0.5, 0));
  // Strips down: 0.375 to 0.625 of a pitch above the lower hole.
  f->Check1.SetValue(0);
  f->InitKelm();
  for (long a = 1; a <= 15; ++a) app.m.HoleGrid(a, 8, KelmNet) = 99;
  for (long d = 8; d <= 15; ++d) app.m.HoleGrid(4, d, KelmNet) = 99;
  Full();
  for (double dy : {-0.42, -0.5, -0.6}) EXPECT_EQ(kBoard, At(4, 8, 0, dy)) << dy;
  EXPECT_EQ(kStrip, At(4, 8, 0, -0.33));  // both edges, probed from just outside
  EXPECT_EQ(kStrip, At(4, 8, 0, -0.68));
  EXPECT_EQ(kStrip, At(4, 9, 0, -0.5));
}

TEST_F(BoardDrawing, CutInTheFirstColumnStaysOffTheBoard) {
  app.m.HoleGrid(1, 5, KelmNet) = 0;
  Full();
  // The gap lies where a hole before the first column would be, not up the whole board.
  EXPECT_EQ(kBoard, At(1, 5, -0.56, 0));
  EXPECT_EQ(kStrip, At(1, 5, 0.3, 0));
  EXPECT_EQ(kStrip, At(1, 3, 0.3, 0));
  EXPECT_EQ(kGrey, At(1, 3, -0.56, 0));
}

TEST_F(BoardDrawing, StripsDownRunAlongColumns) {
  f->Check1.SetValue(0);
  f->InitKelm();
  app.m.HoleGrid(5, 5, KelmNet) = 0;
  Full();
  EXPECT_EQ(kStrip, At(6, 6, 0, 0.3));
  EXPECT_EQ(kBoard, At(6, 6, 0.375, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0, -0.5));  // gap 0.375 to 0.625 pitch above the hole
  EXPECT_EQ(kStrip, At(5, 6, 0, -0.5));
  EXPECT_EQ(kGrey, At(1, 6, -0.3, 0));
}

TEST_F(BoardDrawing, PadBoardDrawsCopperPads) {
  f->Check3.SetValue(0);
  f->Check4.SetValue(1);
  f->Check1.SetEnabled(false);
  f->InitKelm();
  Full();
  EXPECT_EQ(kStrip, At(5, 5, 0.2, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0.42, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0, 0.2 + 0.15));
}

TEST_F(BoardDrawing, NoBoardKindPaintsNoHoles) {
  f->Check3.SetValue(0);
  f->Picture1.Cls();
  Full();
  EXPECT_EQ(kGrey, At(5, 5, 0.3, 0));
}

TEST_F(BoardDrawing, LabelPreviewPaintsOnWhite) {
  f->Check2.SetValue(1);
  RefreshBoard(app);
  EXPECT_EQ(vb::RGB(255, 255, 255), f->Picture1.Point(100, 100));
  EXPECT_EQ(vb::RGB(254, 254, 254), At(5, 5, 0.3, 0));
  EXPECT_EQ(vb::RGB(252, 252, 252), At(5, 5, 0.3, 0.375));
  // A partial repaint with strips across keeps the preview colours.
  f->Picture1.Cls();
  int x1 = 5, y1 = 5, x2 = 5, y2 = 5;
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ(vb::RGB(254, 254, 254), At(5, 5, 0.3, 0));
  // With strips down only mode 2 uses them.
  f->Check1.SetValue(0);
  f->InitKelm();
  f->Picture1.Cls();
  f->ReDrawFT(x1, y1, x2, y2, 0);
  EXPECT_EQ(kStrip, At(5, 5, 0, 0.3));
  f->Check2.SetValue(0);
  RefreshBoard(app);
  EXPECT_EQ(kGrey, f->Picture1.Point(100, 100));
}

// Two edits marked one after the other are both repainted by the one partial repaint.
TEST_F(BoardDrawing, TwoMarkedPartsAreRepaintedTogether) {
  Full();
  for (auto [a, d, na, nd] : {std::array<int, 4>{3, 3, 3, 5}, std::array<int, 4>{10, 8, 12, 8}}) {
    for (auto [pa, pd, qa, qd] : {std::array<int, 4>{a, d, na, nd}, std::array<int, 4>{na, nd, a, d}}) {
      app.m.HoleGrid(pa, pd, CompXFrom) = a;
      app.m.HoleGrid(pa, pd, CompYFrom) = d;
      app.m.HoleGrid(pa, pd, CompXToo) = qa;
      app.m.HoleGrid(pa, pd, CompYToo) = qd;
    }
  }
  app.m.HoleGrid(3, 4, KelmNet) = 0;  // cuts inside both parts' rectangles
  app.m.HoleGrid(11, 8, KelmNet) = 0;
  SetHole(app.m, 3, 5, 0, Value(std::string()));
  SetHole(app.m, 12, 8, 0, Value(std::string()));
  EXPECT_EQ((std::array<int, 4>{3, 3, 12, 8}), app.m.RedrawRect);
  auto r = app.m.RedrawRect;
  f->ReDrawFT(r[0], r[1], r[2], r[3], 0);
  EXPECT_EQ(kBoard, At(3, 4, -0.56, 0));
  EXPECT_EQ(kBoard, At(11, 8, -0.56, 0));
  EXPECT_EQ((std::array<int, 4>{0, 0, 0, 0}), app.m.RedrawRect);
}

TEST_F(BoardDrawing, PitchFollowsTheFirstTwoHoles) {
  app.m.HoleGrid(2, 1, HoleX) = 300;
  f->DrawHoleCell(3, 3, 0);
  EXPECT_EQ(Value(300), app.m.HolePitch);
}

}  // namespace
