// The edit modes: which flags each tool button leaves on, the buttons' enabled states while
// sliding, and the board cursor.
#include <gtest/gtest.h>

#include <array>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"

namespace {

// PlacingPart, MovingPin, BlockMoving, DeletingPart, SlidingPart, CuttingStrip, Drilling.
using Flags = std::array<bool, 7>;

class ModesTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", libtest::LibraryText(libtest::DefaultRecords()));
    Board(12, 9);
  }
  Flags Get() {
    return {m().PlacingPart, m().MovingPin, m().BlockMoving, m().DeletingPart, m().SlidingPart, m().CuttingStrip,
            m().Drilling};
  }
  void SetAll() {
    m().PlacingPart = m().MovingPin = m().BlockMoving = m().DeletingPart = m().CuttingStrip = m().Drilling = true;
  }
  std::array<bool, 5> Enabled() {
    return {f().Command1.Enabled(), f().Command3.Enabled(), f().Command5.Enabled(), f().Command9.Enabled(),
            f().Command11.Enabled()};
  }
};

TEST_F(ModesTest, EachButtonLeavesOnlyItsOwnModeAndTheCross) {
  struct Case {
    const char* what;
    vb::CommandButton Form1::*button;
    const char* drillCut;
    Flags flags;
  };
  const Case cases[] = {
      {"Delete Component", &Form1::Command3, "Drill", {false, false, false, true, false, false, false}},
      {"Move a pin", &Form1::Command5, "Drill", {false, true, false, false, false, false, false}},
      {"Block Move", &Form1::Command11, "Drill", {false, false, true, false, false, false, false}},
      {"Cut Trace while the menu reads Drill", &Form1::Command9, "Drill", {false, false, false, false, false, true, false}},
      {"Cut Trace while the menu reads Cut", &Form1::Command9, "Cut", {false, false, false, false, false, false, true}},
      {"Cut Trace with any other caption drills", &Form1::Command9, "Drill ", {false, false, false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    SetAll();
    m().PrevPinX = 4;  // a half-finished move
    m().PrevPinY = 2;
    f().DrillCut.SetCaption(c.drillCut);
    f().Picture1.SetMousePointer(vb::vbDefault);
    (f().*c.button).PerformClick();
    EXPECT_EQ(Get(), c.flags) << c.what;
    EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair) << c.what;
    EXPECT_EQ(m().PrevPinX, 0) << c.what;
  }

  // Re Draw leaves the mode on and repaints the board.
  f().Picture1.FilledBox(0, 0, 300, 300, vb::RGB(1, 2, 3));
  f().Command6.PerformClick();
  EXPECT_EQ(Get(), cases[4].flags);
  EXPECT_NE(f().Picture1.Point(100, 100), vb::RGB(1, 2, 3));

  // Place Component switches the mode off before its window shows; the cursor stays.
  f().Command1.PerformClick();
  EXPECT_EQ(Get(), Flags{});
  EXPECT_TRUE(app.Form2().Visible());
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
}

TEST_F(ModesTest, SlideTwiceRestoresTheButtonsAndPadsKeepCutTrace) {
  SetAll();
  f().Command4.PerformClick();
  EXPECT_EQ(Get(), (Flags{false, false, false, false, true, false, false}));
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{false, false, false, false, false}));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
  f().Command3.PerformClick();  // disabled: nothing happens
  EXPECT_TRUE(m().SlidingPart);
  f().Command4.PerformClick();
  EXPECT_EQ(Get(), Flags{});
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{true, true, true, true, true}));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbArrow);

  // On a pad board Cut Trace is off and stays off through both slide clicks.
  f().Check4.SetValue(vb::vbChecked);
  ASSERT_FALSE(f().Command9.Enabled());
  f().Command4.PerformClick();
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{false, false, false, false, false}));
  f().Command4.PerformClick();
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{true, true, true, false, true}));
}

}  // namespace
