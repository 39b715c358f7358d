// The edit modes: the flags each tool button leaves on, the buttons' enabled states while
// sliding, and the board cursor.
#include <gtest/gtest.h>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"

namespace {

// PlacingPart, MovingPin, BlockMoving, DeletingPart, SlidingPart, CuttingStrip, Drilling.
using Flags = std::array<bool, 7>;

class ModesTest : public EditorTest {
 protected:
  Flags Get() {
    return {m().PlacingPart, m().MovingPin, m().BlockMoving, m().DeletingPart, m().SlidingPart, m().CuttingStrip, m().Drilling};
  }
  std::array<bool, 5> Enabled() {
    return {f().Command1.Enabled(), f().Command3.Enabled(), f().Command5.Enabled(), f().Command9.Enabled(), f().Command11.Enabled()};
  }
};

TEST_F(ModesTest, EachButtonLeavesOnlyItsOwnModeAndTheCross) {
  Board(12, 9);
  const struct {
    vb::CommandButton Form1::*button;
    const char* drillCut;
    int on;
  } cases[] = {{&Form1::Command5, "Drill", 1}, {&Form1::Command11, "Drill", 2}, {&Form1::Command3, "Drill", 3},
               {&Form1::Command9, "Drill", 5}, {&Form1::Command9, "Cut", 6},    {&Form1::Command9, "Drill ", 6}};
  for (const auto& c : cases) {
    m().PlacingPart = m().MovingPin = m().BlockMoving = m().DeletingPart = m().CuttingStrip = m().Drilling = true;
    m().PrevPinX = 4;  // a half-finished move is dropped
    f().DrillCut.SetCaption(c.drillCut);
    f().Picture1.SetMousePointer(vb::vbDefault);
    (f().*c.button).PerformClick();
    Flags expected{};
    expected[c.on] = true;
    EXPECT_EQ(Get(), expected) << c.on << c.drillCut;
    EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
    EXPECT_EQ(m().PrevPinX, 0);
  }
  // Re Draw repaints and leaves the mode on; Place Component ends it before its window shows.
  f().Picture1.FilledBox(0, 0, 300, 300, vb::RGB(1, 2, 3));
  f().Command6.PerformClick();
  EXPECT_TRUE(m().Drilling);
  EXPECT_NE(f().Picture1.Point(100, 100), vb::RGB(1, 2, 3));
  responder.Expect("Library not found!", "Library Error");
  f().Command1.PerformClick();
  EXPECT_EQ(Get(), Flags{});
  EXPECT_TRUE(app.Form2().Visible());
}

TEST_F(ModesTest, SlideTwiceRestoresTheButtonsAndPadsKeepCutTrace) {
  Board(12, 9);
  m().DeletingPart = true;
  f().Command4.PerformClick();
  EXPECT_EQ(Get(), (Flags{false, false, false, false, true, false, false}));
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{}));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
  f().Command3.PerformClick();  // disabled: nothing happens
  f().Command4.PerformClick();
  EXPECT_EQ(Get(), Flags{});
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{true, true, true, true, true}));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbArrow);
  f().Check4.SetValue(vb::vbChecked);  // pad board: Cut Trace off, through both clicks
  f().Command4.PerformClick();
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{}));
  f().Command4.PerformClick();
  EXPECT_EQ(Enabled(), (std::array<bool, 5>{true, true, true, false, true}));
}

}  // namespace
