// Cutting strips, drilling holes and moving a part with real clicks on the board picture, as
// a person makes them: the tool buttons, Shift held to keep a tool, and what the board shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"
#include "tests/support/real_input.h"

namespace {

using testsupport::MouseClick;

constexpr vb::Colour kBoard = vb::RGB(210, 190, 140);
constexpr vb::Colour kTrace = vb::RGB(215, 140, 60);

class EditActionsWindowTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", libtest::LibraryText(libtest::DefaultRecords()));
    m().BoardColour = static_cast<long>(kBoard);
    m().TraceColour = static_cast<long>(kTrace);
    f().Show();
    f().SetClientSize(900, 700);
    f().Form_Resize();
    Board(16, 12);
  }
  int Border() { return (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2; }
  // The pixel inside the picture's widget of a point given in holes (fractions between holes).
  QPoint At(double a, double d) {
    auto& g = m().HoleGrid;
    const double pitch = (g(2, 1, HoleX) - g(1, 1, HoleX)).Num();
    const double x = vb::Int(g(1, 1, HoleX).Num()) + (a - 1) * pitch + m().ScrollX.Num();
    const double y = vb::Int(g(1, 1, HoleY).Num()) + (d - 1) * pitch + m().ScrollY.Num();
    return QPoint(static_cast<int>(f().Picture1.ToPixelX(x)) + Border(), static_cast<int>(f().Picture1.ToPixelY(y)) + Border());
  }
  void ClickAt(double a, double d, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    MouseClick(f().Picture1.Widget(), Qt::LeftButton, mods, At(a, d));
  }
  vb::Colour Pixel(double a, double d) {
    const QPoint p = At(a, d);
    return f().Picture1.Image().PixelAt(p.x() - Border(), p.y() - Border());
  }
  long Strip(int a, int d) { return vb::CLng(m().HoleGrid(a, d, KelmNet)); }
};

TEST_F(EditActionsWindowTest, CutThreeStripsDrillTwoHolesAndMoveAPart) {
  auto& g = m().HoleGrid;
  // A resistor from (3, 5) to (3, 8).
  MouseClick(f().Command1);
  app.Form2().Text1.SetText("r1");
  for (int i = 0; i < app.Form2().List1.ListCount(); ++i)
    if (app.Form2().List1.List(i).rfind("Axial ", 0) == 0) app.Form2().List1.SetListIndex(i);
  MouseClick(app.Form2().Command2);
  ClickAt(3, 5);
  ClickAt(3, 8);
  ASSERT_EQ(g(3, 5, CompXToo), Value(3));
  ASSERT_EQ(g(3, 5, CompYToo), Value(8));

  // Cut Trace cuts while the menu offers the drill. Shift keeps the tool for the next click.
  ASSERT_EQ(f().DrillCut.Caption(), "Drill");
  EXPECT_EQ(Pixel(4.5, 2), kTrace);
  MouseClick(f().Command9);
  ClickAt(4.5, 2, Qt::ShiftModifier);
  EXPECT_TRUE(m().CuttingStrip);
  ClickAt(10.5, 5, Qt::ShiftModifier);
  ClickAt(6.5, 8);
  EXPECT_FALSE(m().CuttingStrip);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbDefault);
  EXPECT_EQ(Strip(4, 2), 2);
  EXPECT_EQ(Strip(5, 2), 3);
  EXPECT_EQ(Strip(10, 5), 6);
  EXPECT_EQ(Strip(11, 5), 7);
  EXPECT_EQ(Strip(6, 8), 10);
  EXPECT_EQ(Strip(7, 8), 11);
  EXPECT_EQ(Strip(16, 12), 15);
  EXPECT_EQ(Pixel(4.5, 2), kBoard);   // the gap of the cut
  EXPECT_EQ(Pixel(5.5, 2), kTrace);   // the strip beside it

  // The drill: the menu switches the tool, then two holes, the first with Shift.
  f().DrillCut_Click();
  MouseClick(f().Command9);
  ASSERT_TRUE(m().Drilling);
  EXPECT_EQ(Pixel(8.2, 10), kTrace);
  ClickAt(8, 10, Qt::ShiftModifier);
  EXPECT_TRUE(m().Drilling);
  ClickAt(16, 3);
  EXPECT_FALSE(m().Drilling);
  EXPECT_EQ(Strip(8, 10), 0);
  EXPECT_EQ(Strip(7, 10), 14);  // 10, three cuts before it, one drill after it
  EXPECT_EQ(Strip(9, 10), 15);
  EXPECT_EQ(Strip(16, 3), 0);
  EXPECT_EQ(Strip(15, 3), 4);
  EXPECT_EQ(Strip(1, 4), 6);
  EXPECT_EQ(Pixel(8.2, 10), kBoard);  // inside the drill mark

  // Block Move: pick pin 2, drop it two holes right and one down.
  MouseClick(f().Command11);
  ClickAt(3, 8);
  ClickAt(5, 9);
  EXPECT_FALSE(m().BlockMoving);
  EXPECT_EQ(g(3, 5, CompXFrom), Value(0));
  EXPECT_EQ(g(5, 6, CompXFrom), Value(5));
  EXPECT_EQ(g(5, 6, CompYToo), Value(9));
  EXPECT_EQ(g(5, 9, CompYToo), Value(6));
  EXPECT_EQ(g(5, 6, CompName).Text(), "R1");

  // The trace side: the board mirrored, the cut where it belongs.
  MouseClick(f().Command4);  // a mode on the board does not change the view
  MouseClick(f().Command4);
  f().Flip_Click();
  EXPECT_EQ(f().Label3.Caption(), "-Trace Side");
  EXPECT_EQ(Pixel(4.5, 2), kBoard);
  EXPECT_EQ(Pixel(5.5, 2), kTrace);
  EXPECT_EQ(Pixel(8.2, 10), kBoard);

  if (const char* out = std::getenv("BRANTEL_TEST_OUTPUT")) {
    std::filesystem::create_directories(out);
    f().Picture1.Image().SavePng(std::string(out) + "/cuts_drills_trace_side.png");
    f().TopWidget()->grab().save(QString::fromStdString(std::string(out) + "/cuts_drills_trace_side_window.png"));
  }
}

}  // namespace
