// The board grid: reset values, strip numbering, hole positions, the pitch fit and the
// store walk along a part's pin ring.
#include <gtest/gtest.h>

#include "editor/form1.h"
#include "tests/support/fixtures.h"

namespace {

class BoardGrid : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;

  Form1& Board() {
    auto& f = app.Form1();
    f.Picture1.SetScaleWidth(6000);
    f.Picture1.SetScaleHeight(4500);
    app.m.ScrollX = 0;
    app.m.ScrollY = 0;
    return f;
  }
  Form1& FreshBoard() {
    auto& f = Board();
    f.GraphicLimits(true);
    f.BuildArray(true);
    f.InitKelm();
    return f;
  }
  Value& G(long a, long d, int k) { return app.m.HoleGrid(a, d, k); }
};

TEST_F(BoardGrid, FreshBoardHasResetFieldsRowStripsAndPositions) {
  FreshBoard();
  EXPECT_EQ(Value(281), app.m.HolePitch);
  for (long d = 1; d <= 15; ++d) {
    for (long a = 1; a <= 15; ++a) {
      SCOPED_TRACE(testing::Message() << a << "," << d);
      EXPECT_EQ(281.0 * (a - 1), G(a, d, HoleX).Num());
      EXPECT_EQ(281.0 * (d - 1), G(a, d, HoleY).Num());
      for (int k : {PinNumber, PartFit, CompXFrom, CompYFrom, CompXToo, CompYToo, NetNumber, NetYFrom, NetXToo,
                    CompOffset}) {
        EXPECT_TRUE(G(a, d, k).IsNumber());
        EXPECT_EQ(0.0, G(a, d, k).Num());
      }
      for (int k : {CompName, CompValue, CompPackage, NetName, XYs}) {
        EXPECT_TRUE(G(a, d, k).IsText());
        EXPECT_EQ("", G(a, d, k).Text());
      }
      EXPECT_EQ(100.0, G(a, d, LabelX).Num());
      EXPECT_EQ(100.0, G(a, d, LabelY).Num());
      EXPECT_EQ(static_cast<double>(d), G(a, d, KelmNet).Num());
    }
  }
  // Column 0 and row 0 are never touched by the board loops.
  EXPECT_TRUE(G(0, 1, LabelX).IsEmpty());
  EXPECT_TRUE(G(1, 0, KelmNet).IsEmpty());
  EXPECT_EQ(Value(100), G(16, 1, LabelX));  // the whole grid is reset, beyond the board too
}

TEST_F(BoardGrid, PitchFitsTheNarrowerDirection) {
  auto& f = Board();
  f.GraphicLimits(true);
  EXPECT_EQ(Value(281), app.m.HolePitch);  // 6000/16 = 375, 4500/16 = 281.25
  f.Picture1.SetScaleWidth(3000);
  f.GraphicLimits(true);
  EXPECT_EQ(Value(187), app.m.HolePitch);  // 3000/16 = 187.5
  app.m.ScrollY = 500;
  f.Picture1.SetScaleWidth(6000);
  f.GraphicLimits(true);
  EXPECT_EQ(Value(250), app.m.HolePitch);  // (4500 - 500)/16
}

TEST_F(BoardGrid, NewSizeIsTakenOverWithoutRefittingThePitch) {
  auto& f = FreshBoard();
  f.Text1.SetText("20");
  f.Text2.SetText("12");
  f.GraphicLimits(false);
  EXPECT_EQ(Value(20), app.m.HolesAcross);
  EXPECT_EQ(Value(12), app.m.HolesDown);
  EXPECT_EQ(Value(281), app.m.HolePitch);
  EXPECT_EQ(281.0 * 19, G(20, 12, HoleX).Num());
  EXPECT_EQ(Value(12), G(20, 12, KelmNet));
}

TEST_F(BoardGrid, StripNumbersFollowDirectionAndBoardKind) {
  auto& f = FreshBoard();
  f.Check1.Click = nullptr;
  f.Check3.Click = nullptr;
  f.Check4.Click = nullptr;
  f.Check1.SetValue(0);
  f.InitKelm();
  EXPECT_EQ(Value(7), G(7, 3, KelmNet));
  EXPECT_EQ(Value(15), G(15, 1, KelmNet));
  f.Check3.SetValue(0);
  f.Check4.SetValue(1);
  f.InitKelm();
  for (long d = 1; d <= 15; ++d)
    for (long a = 1; a <= 15; ++a) EXPECT_EQ(Value(0), G(a, d, KelmNet));
}

TEST_F(BoardGrid, SmallerBoardResetsTheWholeGrid) {
  auto& f = Board();
  f.Text1.SetText("30");
  f.Text2.SetText("30");
  f.GraphicLimits(true);
  f.BuildArray(true);
  G(5, 5, CompName) = "R1";
  G(20, 20, CompName) = "R2";
  G(11, 3, CompName) = "R3";
  f.Text1.SetText("10");
  f.Text2.SetText("10");
  f.GraphicLimits(true);
  f.BuildArray(true);
  EXPECT_EQ("", G(5, 5, CompName).Text());
  EXPECT_EQ("", G(20, 20, CompName).Text());
  EXPECT_EQ("", G(11, 3, CompName).Text());
}

TEST_F(BoardGrid, LoopBoundsComeFromTheBoxesByVal) {
  auto& f = Board();
  f.Text1.SetText(" 3.7 holes");
  f.Text2.SetText("2");
  f.FillArray();  // resets every hole whatever the boxes hold
  EXPECT_EQ(Value(100), G(3, 2, LabelX));
  EXPECT_EQ(Value(100), G(100, 100, LabelX));
  f.Text1.SetText("");
  G(1, 1, CompName) = "gone";
  f.FillArray();
  EXPECT_EQ("", G(1, 1, CompName).Text());
}

TEST_F(BoardGrid, KillGridKeepsPositionAndStrip) {
  FreshBoard();
  auto& f = app.Form1();
  G(4, 6, KelmNet) = 0;  // a cut
  G(4, 6, CompName) = "C3";
  G(4, 6, CompXFrom) = 4;
  G(4, 6, LabelX) = 250;
  f.KillGrid(4, 6);
  EXPECT_EQ(Value(0), G(4, 6, KelmNet));
  EXPECT_EQ(281.0 * 3, G(4, 6, HoleX).Num());
  EXPECT_EQ("", G(4, 6, CompName).Text());
  EXPECT_EQ(Value(0), G(4, 6, CompXFrom));
  EXPECT_EQ(Value(100), G(4, 6, LabelX));
}

// ---- SetHole ----

class SetHoleWalk : public ::testing::Test {
 protected:
  Module1 m;
  // Pins in order; the last one links back to the first unless open.
  void Part(std::vector<std::pair<long, long>> pins, bool open = false) {
    for (std::size_t i = 0; i < pins.size(); ++i) {
      auto [a, d] = pins[i];
      m.HoleGrid(a, d, CompXFrom) = pins[0].first;
      m.HoleGrid(a, d, CompYFrom) = pins[0].second;
      const bool last = i + 1 == pins.size();
      if (last && open) {
        m.HoleGrid(a, d, CompXToo) = 0;
        m.HoleGrid(a, d, CompYToo) = 0;
      } else {
        auto next = last ? pins[0] : pins[i + 1];
        m.HoleGrid(a, d, CompXToo) = next.first;
        m.HoleGrid(a, d, CompYToo) = next.second;
      }
    }
  }
  std::array<int, 4> Rect(int a, int b, int c, int d) { return {a, b, c, d}; }
};

TEST_F(SetHoleWalk, StoresOnEveryPinOfAClosedRingFromAnyPin) {
  Part({{2, 3}, {5, 3}, {5, 7}});
  for (auto start : {std::pair<long, long>{2, 3}, {5, 3}, {5, 7}}) {
    m.RedrawRect = {0, 0, 0, 0};
    const std::string ref = "R" + std::to_string(start.first * 10 + start.second);
    SetHole(m, start.first, start.second, CompName, ref);
    EXPECT_EQ(ref, m.HoleGrid(2, 3, CompName).Text());
    EXPECT_EQ(ref, m.HoleGrid(5, 3, CompName).Text());
    EXPECT_EQ(ref, m.HoleGrid(5, 7, CompName).Text());
    EXPECT_EQ(Rect(2, 3, 5, 7), m.RedrawRect);
  }
  EXPECT_TRUE(m.HoleGrid(0, 0, CompName).IsEmpty());
}

TEST_F(SetHoleWalk, EmptyValueOnlyWidensTheRectangle) {
  Part({{2, 3}, {5, 3}, {5, 7}});
  m.RedrawRect = {3, 4, 3, 4};
  SetHole(m, 5, 3, CompName, "");
  EXPECT_TRUE(m.HoleGrid(2, 3, CompName).IsEmpty());
  EXPECT_EQ(Rect(2, 3, 5, 7), m.RedrawRect);
}

TEST_F(SetHoleWalk, OnePinPartStopsAfterItsHole) {
  Part({{9, 9}});
  SetHole(m, 9, 9, CompValue, "10k");
  EXPECT_EQ("10k", m.HoleGrid(9, 9, CompValue).Text());
  EXPECT_EQ(Rect(9, 9, 9, 9), m.RedrawRect);
}

TEST_F(SetHoleWalk, UnfinishedPartIsWalkedThroughTheScratchHole) {
  Part({{2, 3}, {5, 3}, {6, 8}}, true);
  SetHole(m, 5, 3, CompPackage, "DIL8");
  for (auto [a, d] : {std::pair<long, long>{2, 3}, {5, 3}, {6, 8}})
    EXPECT_EQ("DIL8", m.HoleGrid(a, d, CompPackage).Text()) << a << "," << d;
  EXPECT_EQ(Rect(0, 0, 6, 8), m.RedrawRect);
  EXPECT_EQ(Value(2), m.HoleGrid(0, 0, CompXToo));
  EXPECT_EQ(Value(3), m.HoleGrid(0, 0, CompYToo));
  // The scratch record never takes the value.
  EXPECT_TRUE(m.HoleGrid(0, 0, CompPackage).IsEmpty());
}

TEST_F(SetHoleWalk, FreeHoleEndsAtOnceAndStoresNothing) {
  m.HoleGrid(4, 4, CompName) = "old";
  SetHole(m, 4, 4, CompName, "R1");
  EXPECT_EQ("old", m.HoleGrid(4, 4, CompName).Text());
  EXPECT_TRUE(m.HoleGrid(0, 0, CompName).IsEmpty());
  EXPECT_EQ(Rect(4, 4, 4, 4), m.RedrawRect);
}

TEST_F(SetHoleWalk, BrokenRingEndsWhenAHoleComesRoundAgain) {
  // (2,2) -> (3,3) -> (4,4) -> (3,3): the ring never leads back to the start.
  m.HoleGrid(2, 2, CompXFrom) = 2;
  m.HoleGrid(2, 2, CompYFrom) = 2;
  m.HoleGrid(2, 2, CompXToo) = 3;
  m.HoleGrid(2, 2, CompYToo) = 3;
  m.HoleGrid(3, 3, CompXToo) = 4;
  m.HoleGrid(3, 3, CompYToo) = 4;
  m.HoleGrid(4, 4, CompXToo) = 3;
  m.HoleGrid(4, 4, CompYToo) = 3;
  SetHole(m, 2, 2, CompName, "U1");
  EXPECT_EQ("U1", m.HoleGrid(3, 3, CompName).Text());
  EXPECT_EQ("U1", m.HoleGrid(4, 4, CompName).Text());
  EXPECT_EQ(Rect(2, 2, 4, 4), m.RedrawRect);
}

}  // namespace
