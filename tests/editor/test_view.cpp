// Zoom, scroll, flip and the main window's layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "editor/form1.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/user_input.h"
#include "tests/support/fixtures.h"

namespace {

class ViewTest : public EditorTest {
 protected:
  double Field(int a, int d, int k) { return m().HoleGrid(a, d, k).Num(); }

  void SetUp() override { Board(15, 15); }
};

TEST_F(ViewTest, ZoomInThenOutShrinksSlightly) {
  const double x = Field(3, 2, HoleX), y = Field(3, 2, HoleY);
  ASSERT_GT(x, 0);
  f().Command13_Click();
  EXPECT_NEAR(Field(3, 2, HoleX), x * 1.1, 1e-9);
  f().Command14_Click();
  EXPECT_NEAR(Field(3, 2, HoleX), x * 0.9999, 1e-9);
  EXPECT_NEAR(Field(3, 2, HoleY), y * 0.9999, 1e-9);
  EXPECT_NEAR(Field(3, 2, LabelX), 100 * 0.9999, 1e-9);
  EXPECT_NEAR(Field(3, 2, LabelY), 100 * 0.9999, 1e-9);
  f().Zoutmin_Click();
  EXPECT_NEAR(Field(3, 2, HoleX), x * 0.9999 * 0.909, 1e-9);
}

TEST_F(ViewTest, ZoomCentresTheLastHoleWithWholeOffsets) {
  m().LastHoleX = 6;
  m().LastHoleY = 4;
  f().inplus_Click();
  const double halfW = f().Picture1.ScaleWidth() / 2, halfH = f().Picture1.ScaleHeight() / 2;
  EXPECT_EQ(m().ScrollX.Num(), f().HScroll1.Value());
  EXPECT_EQ(m().ScrollY.Num(), f().VScroll1.Value());
  EXPECT_NEAR(Field(6, 4, HoleX) + m().ScrollX.Num(), halfW, 0.5);
  EXPECT_NEAR(Field(6, 4, HoleY) + m().ScrollY.Num(), halfH, 0.5);
  EXPECT_NE(Field(6, 4, HoleX), std::floor(Field(6, 4, HoleX)));  // positions keep fractions
}

TEST_F(ViewTest, HoleOutsideTheGuardLeavesItsBarAlone) {
  f().HScroll1.SetValue(300);
  m().LastHoleX = 2;
  m().LastHoleY = 2;
  m().HoleGrid(2, 2, HoleX) = 20000;  // 22000 after the zoom: outside
  f().Command13_Click();
  EXPECT_EQ(f().HScroll1.Value(), 300);
  EXPECT_EQ(m().ScrollX.Num(), 300);
  EXPECT_NE(f().VScroll1.Value(), 0);  // the other axis is still centred
}

TEST_F(ViewTest, CentringTargetBeyondTheBarIsClamped) {
  f().Picture1.SetWidth(3000);  // pixels: half the picture is 22500 twips
  f().HScroll1.SetValue(0);
  m().LastHoleX = 1;
  m().LastHoleY = 1;
  EXPECT_NO_THROW(f().Command13_Click());
  EXPECT_EQ(f().HScroll1.Value(), 17000);
  EXPECT_EQ(m().ScrollX.Num(), 17000);
}

TEST_F(ViewTest, ScrollBarsSetTheOffsets) {
  f().HScroll1.SetValue(1234);
  f().VScroll1.SetValue(-321);
  EXPECT_EQ(m().ScrollX.Num(), 1234);
  EXPECT_EQ(m().ScrollY.Num(), -321);
}

TEST_F(ViewTest, ZoomAllFitsWithOffsetsOf500) {
  f().Command13_Click();
  f().Command13_Click();
  m().LastHoleX = 10;
  m().LastHoleY = 10;
  f().Zall_Click();
  EXPECT_EQ(m().ScrollX.Num(), 500);
  EXPECT_EQ(m().ScrollY.Num(), 500);
  EXPECT_NEAR(Field(2, 2, HoleX), m().HolePitch.Num(), 1e-6);
  // the board fits: last hole plus a pitch of margin inside the picture
  EXPECT_LE(500 + Field(15, 15, HoleX) + m().HolePitch.Num(), f().Picture1.ScaleWidth() + 1);
  EXPECT_LE(500 + Field(15, 15, HoleY) + m().HolePitch.Num(), f().Picture1.ScaleHeight() + 1);
  // the bars were left where the zoom centred hole (10, 10); the next move replaces the offset
  EXPECT_NE(f().HScroll1.Value(), 500);
  f().HScroll1.SetValue(f().HScroll1.Value() + 100);
  EXPECT_EQ(m().ScrollX.Num(), f().HScroll1.Value());
}

// Zoom All fits the board for the offsets it sets, not for those of an earlier scroll.
TEST_F(ViewTest, ZoomAllAfterAHorizontalScroll) {
  f().Show();
  QWidget* bar = f().HScroll1.Widget();
  for (int i = 0; i < 4; ++i) userinput::ClickAt(bar, QPoint(bar->width() - 30, bar->height() / 2));
  ASSERT_EQ(2000, f().HScroll1.Value());  // four pages of 500 to the right
  ASSERT_EQ(2000, m().ScrollX.Num());
  f().Command15.PerformClick();
  const double w = f().Picture1.ScaleWidth(), h = f().Picture1.ScaleHeight();
  EXPECT_EQ(vb::Int(std::min((w - 500) / 16, (h - 500) / 16)), m().HolePitch.Num());
  EXPECT_NEAR(Field(2, 2, HoleX), m().HolePitch.Num(), 1e-6);
  EXPECT_EQ(500, m().ScrollX.Num());
  // hole (15, 15) is drawn inside the picture, one pitch from its edge or more
  EXPECT_LE(500 + Field(15, 15, HoleX) + m().HolePitch.Num(), w + 1);
  EXPECT_LE(500 + Field(15, 15, HoleY) + m().HolePitch.Num(), h + 1);
}

// The zoom reaches the last column and the last row of the largest board.
TEST_F(ViewTest, ZoomReachesColumnAndRow100) {
  Board(100, 100);
  const double p = m().HolePitch.Num();
  ASSERT_GT(p, 0);
  f().Command13.PerformClick();
  EXPECT_NEAR(Field(100, 1, HoleX), 99 * p * 1.1, 1e-6);
  EXPECT_NEAR(Field(1, 100, HoleY), 99 * p * 1.1, 1e-6);
  EXPECT_NEAR(Field(100, 100, HoleX), 99 * p * 1.1, 1e-6);
  EXPECT_NEAR(Field(100, 100, HoleY), 99 * p * 1.1, 1e-6);
  EXPECT_NEAR(Field(100, 100, LabelX), 110, 1e-9);
  EXPECT_NEAR(Field(100, 100, LabelY), 110, 1e-9);
  EXPECT_NEAR(Field(99, 99, HoleX), 98 * p * 1.1, 1e-6);
}

TEST_F(ViewTest, ZoomLastGoesToPitch500) {
  m().LastHoleX = 5;
  m().LastHoleY = 5;
  f().Zlast_Click();
  EXPECT_NEAR(Field(2, 1, HoleX) - Field(1, 1, HoleX), 500, 1e-6);
  EXPECT_NEAR(Field(5, 5, HoleX) + m().ScrollX.Num(), f().Picture1.ScaleWidth() / 2, 0.5);
}

TEST_F(ViewTest, OneHoleBoardsNeverDivideByZero) {
  for (auto [across, down] : {std::pair{1, 1}, std::pair{1, 6}, std::pair{6, 1}}) {
    Board(across, down);
    f().Command15_Click();
    f().Command16_Click();
    for (int d = 1; d <= down; ++d)
      for (int a = 1; a <= across; ++a) {
        EXPECT_TRUE(std::isfinite(Field(a, d, HoleX))) << across << "x" << down;
        EXPECT_TRUE(std::isfinite(Field(a, d, HoleY))) << across << "x" << down;
      }
    EXPECT_TRUE(std::isfinite(m().HolePitch.Num()));
  }
  m().HolePitch = 0;
  const double x = Field(6, 1, HoleX);
  f().Command16_Click();  // no pitch to zoom from: the zoom stays
  EXPECT_TRUE(std::isfinite(Field(6, 1, HoleX)));
  EXPECT_EQ(Field(6, 1, HoleX), x);
}

TEST_F(ViewTest, FlipMirrorsAndTwoFlipsReadComponentSide) {
  EXPECT_EQ(f().Label3.Caption(), "-Component side");
  m().BoardColour = vb::RGB(40, 120, 40);
  m().TraceColour = vb::RGB(200, 130, 60);
  m().HoleGrid(4, 3, KelmNet) = 99;  // a cut: a gap in the strip of row 3
  f().HScroll1.SetValue(500);
  f().VScroll1.SetValue(500);
  const double w = f().Picture1.ScaleWidth();
  // three eighths of a pitch right of hole 3 of row 3: board colour in the gap
  const double x = 500 + Field(3, 3, HoleX) + 0.375 * (Field(4, 3, HoleX) - Field(3, 3, HoleX));
  const double y = 500 + Field(4, 3, HoleY);
  const vb::Picture before = f().Picture1.Image();
  const int px = static_cast<int>(f().Picture1.ToPixelX(x)), py = static_cast<int>(f().Picture1.ToPixelY(y));
  ASSERT_EQ(before.PixelAt(px, py), vb::RGB(40, 120, 40));

  f().Flip_Click();
  EXPECT_EQ(f().Label3.Caption(), "-Trace Side");
  EXPECT_EQ(f().Picture1.ScaleLeft(), w);
  EXPECT_EQ(f().Picture1.ScaleWidth(), -w);
  const int mx = static_cast<int>(f().Picture1.ToPixelX(x));
  EXPECT_GT(mx, before.WidthPx() / 2);  // the gap moved over to the right
  EXPECT_EQ(f().Picture1.Point(x, y), vb::RGB(40, 120, 40));  // the scale hides the mirror from the code
  const vb::Picture after = f().Picture1.Image();
  bool gap = false;  // the gap, give or take the rounding of the mirrored pixel
  for (int dx = -2; dx <= 2; ++dx) gap = gap || after.PixelAt(mx + dx, py) == vb::RGB(40, 120, 40);
  EXPECT_TRUE(gap);
  EXPECT_NE(after.PixelAt(px, py), vb::RGB(40, 120, 40));  // nothing of the gap left where it was
  EXPECT_FALSE(f().Flip.Checked());

  f().Flip_Click();
  EXPECT_EQ(f().Label3.Caption(), "-Component Side");
  EXPECT_EQ(f().Picture1.ScaleLeft(), 0);
  EXPECT_EQ(f().Picture1.ScaleWidth(), w);
  EXPECT_EQ(f().Picture1.Image().PixelAt(px, py), vb::RGB(40, 120, 40));
}

TEST_F(ViewTest, ZoomOnTheMirroredViewCentresOnScreen) {
  f().Flip_Click();
  m().LastHoleX = 3;
  m().LastHoleY = 3;
  f().Command13_Click();
  // the hole is drawn in the middle of the picture, not half a picture beyond its edge
  const double px = f().Picture1.ToPixelX(Field(3, 3, HoleX) + m().ScrollX.Num());
  EXPECT_NEAR(px, f().Picture1.InnerWidthPx() / 2.0, 1);
  f().Command16_Click();
  EXPECT_NEAR(f().Picture1.ToPixelX(Field(3, 3, HoleX) + m().ScrollX.Num()), f().Picture1.InnerWidthPx() / 2.0, 1);
}

TEST_F(ViewTest, ZoomAllUnmirrorsAndStaysUnmirrored) {
  f().Flip_Click();
  ASSERT_LT(f().Picture1.ScaleWidth(), 0);
  f().Command17_Click();
  EXPECT_GT(f().Picture1.ScaleWidth(), 0);
  EXPECT_EQ(f().Label3.Caption(), "-Component Side");
  EXPECT_TRUE(f().Flip.Enabled());
  EXPECT_EQ(m().ScrollX.Num(), 500);
}

// The window is shown and first laid out large, so that falling back to the minimum layout
// moves every control; a window too small in either direction gets it.
TEST_F(ViewTest, NarrowWindowGetsTheMinimumLayout) {
  f().Show();
  for (auto [width, height] : {std::pair{8000.0, 11000.0}, std::pair{15000.0, 7000.0}}) {
    f().SetWidth(15000);
    f().SetHeight(11000);
    f().Form_Resize();
    ASSERT_GT(f().Picture1.Width(), 478);
    ASSERT_GT(f().Picture1.Height(), 382);
    f().SetWidth(width);
    f().SetHeight(height);
    ASSERT_TRUE(f().Width() < 9795 || f().Height() < 8220);
    f().Form_Resize();
    EXPECT_EQ(f().Picture1.Left(), 10);
    EXPECT_EQ(f().Picture1.Top(), 90);
    EXPECT_EQ(f().Picture1.Width(), 478);
    EXPECT_EQ(f().Picture1.Height(), 382);
    EXPECT_EQ(f().VScroll1.Left(), 493);
    EXPECT_EQ(f().VScroll1.Height(), 382);
    EXPECT_EQ(f().HScroll1.Top(), 477);
    EXPECT_EQ(f().HScroll1.Width(), 478);
    EXPECT_EQ(f().Command17.Left(), 488);
    EXPECT_EQ(f().Command17.Top(), 472);
    EXPECT_EQ(f().Frame4.Left(), 580);
    EXPECT_EQ(f().Frame4.Height(), 412);
    EXPECT_EQ(f().Frame2.Left(), 518);
    EXPECT_EQ(f().Frame2.Height(), 412);
    EXPECT_EQ(f().Frame3.Left(), 341);
    EXPECT_EQ(f().Frame3.Width(), 297);
  }
}

TEST_F(ViewTest, LargeWindowFollowsItsSizeAndKeepsTheMirror) {
  f().Show();
  f().SetWidth(15000);
  f().SetHeight(11000);
  f().Flip_Click();
  f().Form_Resize();
  const double W = f().ScaleWidth(), H = f().ScaleHeight();
  ASSERT_GT(W, 645);
  EXPECT_EQ(f().Picture1.Width(), W - 167);
  EXPECT_EQ(f().Picture1.Height(), H - 120);
  EXPECT_EQ(f().Frame4.Left(), W - 65);
  EXPECT_EQ(f().Frame3.Width(), W - 321 - 27);
  // the mirrored view keeps one unit per twip at the new size
  EXPECT_EQ(f().Picture1.ScaleWidth(), -15.0 * f().Picture1.InnerWidthPx());
  EXPECT_EQ(f().Picture1.ScaleHeight(), 15.0 * f().Picture1.InnerHeightPx());
  f().Flip_Click();
  EXPECT_EQ(f().Picture1.ScaleWidth(), 15.0 * f().Picture1.InnerWidthPx());
}

}  // namespace
