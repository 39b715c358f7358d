// The board options, their menu items and the cutting-tool switch.
#include <gtest/gtest.h>

#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"
#include "platform/picture.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/fixtures.h"

namespace {

bool SamePicture(const vb::Picture& a, const vb::Picture& b) {
  if (a.WidthPx() != b.WidthPx() || a.HeightPx() != b.HeightPx()) return false;
  for (int y = 0; y < a.HeightPx(); ++y)
    for (int x = 0; x < a.WidthPx(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

class OptionsTest : public EditorTest {
 protected:
  double Strip(int a, int d) { return m().HoleGrid(a, d, KelmNet).Num(); }

  void SetUp() override { Board(15, 15); }
  // Every board hole has this strip number rule.
  template <class Rule>
  void ExpectStrips(Rule rule) {
    for (int d = 1; d <= 15; ++d)
      for (int a = 1; a <= 15; ++a) ASSERT_EQ(Strip(a, d), rule(a, d)) << a << "," << d;
  }
};

TEST_F(OptionsTest, PadsCascadeAndBack) {
  f().DrillCut_Click();  // drill tool active
  ASSERT_EQ(f().DrillCut.Caption(), "Cut");
  m().HoleGrid(4, 3, KelmNet) = 77;  // a cut
  m().HoleGrid(4, 3, CompName) = "R1";

  f().Check4.PerformClick();
  EXPECT_EQ(f().Check4.Value(), 1);
  EXPECT_EQ(f().Check3.Value(), 0);
  EXPECT_FALSE(f().Kelm.Checked());
  EXPECT_FALSE(f().Check1.Enabled());
  EXPECT_FALSE(f().Command9.Enabled());
  EXPECT_EQ(f().DrillCut.Caption(), "Drill");
  EXPECT_TRUE(SamePicture(f().Command9.Picture(), f().Picture3.Picture()));
  ExpectStrips([](int, int) { return 0; });
  EXPECT_EQ(m().HoleGrid(4, 3, CompName), Value("R1"));

  f().Check4.PerformClick();
  EXPECT_EQ(f().Check3.Value(), 1);
  EXPECT_TRUE(f().Kelm.Checked());
  EXPECT_TRUE(f().Check1.Enabled());
  EXPECT_TRUE(f().Command9.Enabled());
  ExpectStrips([](int, int d) { return d; });
}

TEST_F(OptionsTest, KelmBoxAndMenuSwitchTheBoardKind) {
  f().Check3.PerformClick();  // strip board off: pad board on
  EXPECT_EQ(f().Check4.Value(), 1);
  EXPECT_FALSE(f().Check1.Enabled());
  EXPECT_FALSE(f().Kelm.Checked());
  f().Kelm_Click();
  EXPECT_EQ(f().Check3.Value(), 1);
  EXPECT_EQ(f().Check4.Value(), 0);
  EXPECT_TRUE(f().Kelm.Checked());
  EXPECT_TRUE(f().Check1.Enabled());
  f().Kelm_Click();
  EXPECT_EQ(f().Check3.Value(), 0);
  EXPECT_EQ(f().Check4.Value(), 1);
  EXPECT_FALSE(f().Kelm.Checked());
  ExpectStrips([](int, int) { return 0; });
}

TEST_F(OptionsTest, DirectionRenumbersAndUndoesCuts) {
  m().HoleGrid(5, 5, KelmNet) = 99;
  f().Check1.PerformClick();
  EXPECT_FALSE(f().Horizontal.Checked());
  ExpectStrips([](int a, int) { return a; });
  f().Horizontal_Click();
  EXPECT_EQ(f().Check1.Value(), 1);
  EXPECT_TRUE(f().Horizontal.Checked());
  ExpectStrips([](int, int d) { return d; });
}

TEST_F(OptionsTest, HorizontalMenuWorksWhileTheBoxIsDisabled) {
  f().Check4.SetValue(1);
  ASSERT_FALSE(f().Check1.Enabled());
  f().Horizontal_Click();
  EXPECT_EQ(f().Check1.Value(), 0);
  EXPECT_FALSE(f().Horizontal.Checked());
  ExpectStrips([](int, int) { return 0; });
  f().Check4.SetValue(0);
  ExpectStrips([](int a, int) { return a; });  // strips now run down
}

TEST_F(OptionsTest, LabelPreviewMenuAndBoxAgree) {
  f().Labelpreview_Click();
  EXPECT_EQ(f().Check2.Value(), 1);
  EXPECT_TRUE(f().Labelpreview.Checked());
  f().Check2.PerformClick();
  EXPECT_EQ(f().Check2.Value(), 0);
  EXPECT_FALSE(f().Labelpreview.Checked());
  f().Check2.PerformClick();
  f().Labelpreview_Click();
  EXPECT_EQ(f().Check2.Value(), 0);
  EXPECT_FALSE(f().Labelpreview.Checked());
  f().Labelpreview_Click();
  f().Labelpreview_Click();
  f().Check2.PerformClick();
  EXPECT_EQ(f().Check2.Value(), 1);
  EXPECT_TRUE(f().Labelpreview.Checked());
  // the preview paints on white
  EXPECT_EQ(f().Picture1.Point(f().Picture1.ScaleWidth() - 30, f().Picture1.ScaleHeight() - 30), vb::vbWhite);
}

TEST_F(OptionsTest, DrillToolOnAPadBoard) {
  f().Check4.SetValue(1);
  ASSERT_FALSE(f().Command9.Enabled());
  f().DrillCut_Click();
  EXPECT_TRUE(f().Command9.Enabled());
  EXPECT_EQ(f().DrillCut.Caption(), "Cut");
  EXPECT_TRUE(SamePicture(f().Command9.Picture(), f().Picture4.Picture()));
  f().DrillCut_Click();
  EXPECT_TRUE(f().Command9.Enabled());
  EXPECT_EQ(f().DrillCut.Caption(), "Drill");
  EXPECT_TRUE(SamePicture(f().Command9.Picture(), f().Picture3.Picture()));
  EXPECT_FALSE(SamePicture(f().Picture3.Picture(), f().Picture4.Picture()));
}

TEST_F(OptionsTest, RemoveAllCutsKeepsParts) {
  m().HoleGrid(2, 7, KelmNet) = 40;
  m().HoleGrid(2, 7, CompName) = "C3";
  m().HoleGrid(2, 7, PinNumber) = 1;
  f().ResetKelm_Click();
  EXPECT_EQ(Strip(2, 7), 7);
  EXPECT_EQ(m().HoleGrid(2, 7, CompName), Value("C3"));
  EXPECT_EQ(m().HoleGrid(2, 7, PinNumber).Num(), 1);
}

TEST_F(OptionsTest, ShowPinDataAndHide) {
  f().ShowPin_Click();
  ASSERT_TRUE(app.Form8.Loaded());
  Form8& pins = app.Form8();
  EXPECT_TRUE(pins.Visible());
  EXPECT_EQ(pins.Caption(), "Pin Data");
  EXPECT_EQ(pins.Command1.Caption(), "Hide");
  pins.Text3.SetText(" 5 : 7");
  pins.Command1.PerformClick();
  EXPECT_FALSE(app.Form8.Loaded());
  // a fresh load starts empty
  EXPECT_EQ(app.Form8().Text3.Text(), "");
  EXPECT_FALSE(app.Form8().Visible());
}

}  // namespace
