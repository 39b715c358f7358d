// "Build" and the board-size boxes.
#include <gtest/gtest.h>

#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/fixtures.h"

namespace {

constexpr const char* kAsk = "The board will be cleared! Are you sure? ";
constexpr const char* kTooBig = "The board size must be less than 100 ! ";

class NewBoardTest : public EditorTest {
 protected:
  void SetUp() override {
    f().Text1.SetText("15");
    f().Text2.SetText("15");
    f().GraphicLimits(true);
    f().BuildArray(true);
    f().InitKelm();
    m().HoleGrid(3, 4, CompName) = "U1";
    m().HoleGrid(3, 4, KelmNet) = 50;  // a cut
  }
  void TearDown() override { EXPECT_TRUE(responder.Done()); }
};

TEST_F(NewBoardTest, TooLargeIsRefusedAndTheBoxReset) {
  f().Text1.SetText("50");
  f().Text2.SetText("101");
  responder.Expect(kAsk, "Warning", vb::vbYes, vb::vbYesNo + vb::vbCritical);
  responder.Expect(kTooBig, "Error", vb::vbOK, vb::vbOKOnly + vb::vbCritical);
  f().Command2.PerformClick();
  EXPECT_EQ(f().Text2.Text(), "100");
  EXPECT_EQ(f().Text1.Text(), "50");
  EXPECT_EQ(m().HolesAcross.Num(), 15);
  EXPECT_EQ(m().HoleGrid(3, 4, CompName), Value("U1"));
}

TEST_F(NewBoardTest, NoLeavesTheBoardUntouched) {
  const double x = m().HoleGrid(5, 5, HoleX).Num();
  responder.Expect(kAsk, "Warning", vb::vbNo);
  f().Command2_Click();
  EXPECT_EQ(m().HoleGrid(3, 4, CompName), Value("U1"));
  EXPECT_EQ(m().HoleGrid(3, 4, KelmNet).Num(), 50);
  EXPECT_EQ(m().HoleGrid(5, 5, HoleX).Num(), x);
}

TEST_F(NewBoardTest, YesClearsAndFitsTheBoard) {
  f().Text1.SetText("20");
  f().Text2.SetText("12");
  responder.Expect(kAsk, "Warning", vb::vbYes);
  f().Command2_Click();
  EXPECT_EQ(m().HolesAcross.Num(), 20);
  EXPECT_EQ(m().HolesDown.Num(), 12);
  EXPECT_EQ(m().HoleGrid(3, 4, CompName), Value(""));
  EXPECT_EQ(m().HoleGrid(3, 4, KelmNet).Num(), 4);
  EXPECT_EQ(m().ScrollX.Num(), 500);
  EXPECT_EQ(m().ScrollY.Num(), 500);
  EXPECT_NEAR(m().HoleGrid(2, 2, HoleX).Num(), m().HolePitch.Num(), 1e-6);
  EXPECT_GT(m().HolePitch.Num(), 0);
}

TEST_F(NewBoardTest, EnterBuildsAfterTheBoxIsClamped) {
  f().Text1.SetText("");
  for (char c : std::string("150")) f().Text1.TypeKey(c);
  EXPECT_EQ(f().Text1.Text(), "150");  // shown until the next key
  responder.Expect(kAsk, "Warning", vb::vbYes);
  f().Text1.TypeKey(vb::vbKeyReturn);
  EXPECT_EQ(f().Text1.Text(), "100");
  EXPECT_EQ(m().HolesAcross.Num(), 100);
  EXPECT_EQ(m().HoleGrid(100, 15, KelmNet).Num(), 15);
}

TEST_F(NewBoardTest, OtherKeysOnlyClamp) {
  f().Text2.SetText("250");
  f().Text2.TypeKey('7');
  EXPECT_EQ(f().Text2.Text(), "1007");  // the key still reaches the box
  EXPECT_EQ(m().HolesDown.Num(), 15);
  responder.Expect(kAsk, "Warning", vb::vbNo);
  f().Text2.TypeKey(vb::vbKeyReturn);
  EXPECT_EQ(f().Text2.Text(), "100");
}

TEST_F(NewBoardTest, ExactlyOneHundredIsAccepted) {
  f().Text1.SetText("100");
  f().Text2.SetText("100");
  responder.Expect(kAsk, "Warning", vb::vbYes);
  f().Command2_Click();
  EXPECT_EQ(m().HolesAcross.Num(), 100);
  EXPECT_EQ(m().HoleGrid(100, 100, KelmNet).Num(), 100);
}

}  // namespace
