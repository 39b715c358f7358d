// Deleting, sliding, moving pins and moving whole parts on the board: the hole records and
// pin rings each leaves, the questions and messages, and the modes after each click.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"

namespace {

using Pins = std::vector<std::pair<int, int>>;

class EditActionsTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    auto records = libtest::DefaultRecords();
    records.emplace_back("Pin1 0.1 AO 1 2 0 A 0 0 1 0 *");
    folder.Write("Brantel.lib", libtest::LibraryText(records));
    Board(20, 12);
  }
  double CX(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleX).Num()) + m().ScrollX.Num(); }
  double CY(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleY).Num()) + m().ScrollY.Num(); }
  void Click(int a, int d, int shift = 0) { f().Picture1_MouseUp(vb::vbLeftButton, shift, CX(a, d), CY(a, d)); }

  // Places a library part with the given reference by clicking its pins' holes.
  void Place(const std::string& name, const std::string& reference, const Pins& clicks) {
    f().Command1.PerformClick();
    Form2& w = app.Form2();
    w.Text1.SetText(reference);
    for (int i = 0; i < w.List1.ListCount(); ++i)
      if (w.List1.List(i).rfind(name + " ", 0) == 0) w.List1.SetListIndex(i);
    w.Command2.PerformClick();
    for (auto [a, d] : clicks) Click(a, d);
    ASSERT_FALSE(m().PlacingPart) << name;
  }

  // The holes hold a closed ring in this pin order, owned by the first hole, which carries
  // the record.
  void ExpectRing(const Pins& pins, const std::string& reference, const std::string& what) {
    auto& g = m().HoleGrid;
    const auto [fx, fy] = pins.front();
    for (size_t i = 0; i < pins.size(); ++i) {
      const auto [a, d] = pins[i];
      const auto [na, nd] = pins[(i + 1) % pins.size()];
      const std::string at = what + " pin at " + std::to_string(a) + "," + std::to_string(d);
      EXPECT_EQ(g(a, d, CompXFrom), Value(fx)) << at;
      EXPECT_EQ(g(a, d, CompYFrom), Value(fy)) << at;
      EXPECT_EQ(g(a, d, CompXToo), Value(na)) << at;
      EXPECT_EQ(g(a, d, CompYToo), Value(nd)) << at;
      EXPECT_EQ(g(a, d, CompName).Text(), reference) << at;
      EXPECT_EQ(g(a, d, XYs).Text().empty(), i != 0) << at;
    }
  }
  // A hole as a fresh board has it, its strip number aside.
  void ExpectFree(int a, int d, const std::string& what) {
    auto& g = m().HoleGrid;
    const std::string at = what + " hole " + std::to_string(a) + "," + std::to_string(d);
    for (int k : {PinNumber, PartFit, CompXFrom, CompYFrom, CompXToo, CompYToo, NetNumber, CompOffset})
      EXPECT_EQ(g(a, d, k), Value(0)) << at << " field " << k;
    for (int k : {CompName, CompValue, CompPackage, NetName, XYs}) EXPECT_EQ(g(a, d, k).Text(), "") << at << " field " << k;
    EXPECT_EQ(g(a, d, LabelX), Value(100)) << at;
    EXPECT_EQ(g(a, d, KelmNet), Value(d)) << at;
  }
  int Occupied() {
    int n = 0;
    for (int d = 1; d <= 12; ++d)
      for (int a = 1; a <= 20; ++a) n += m().HoleGrid(a, d, CompXFrom) != Value(0);
    return n;
  }
};

TEST_F(EditActionsTest, DeleteAsksFirstAndRemovesTheWholePart) {
  Place("Axial", "r1", {{3, 3}, {3, 7}});
  Place("Pin1", "tp1", {{9, 5}});
  ExpectRing({{3, 3}, {3, 7}}, "R1", "placed");

  // No: nothing changes and the mode stays on.
  f().Command3.PerformClick();
  responder.Expect("Are you sure?", "Delete Component", vb::vbNo, vb::vbYesNo | vb::vbCritical);
  Click(3, 7);
  ExpectRing({{3, 3}, {3, 7}}, "R1", "after No");
  EXPECT_TRUE(m().DeletingPart);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);

  // Yes on pin 2: both pins go, the strips stay, the mode ends.
  responder.Expect("Are you sure?", "Delete Component", vb::vbYes, vb::vbYesNo | vb::vbCritical);
  Click(3, 7);
  ExpectFree(3, 3, "two-pin part");
  ExpectFree(3, 7, "two-pin part");
  EXPECT_EQ(Occupied(), 1);
  EXPECT_FALSE(m().DeletingPart);
  EXPECT_EQ(m().PrevPinX, 0);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbDefault);
  EXPECT_EQ(m().RedrawRect, (std::array<int, 4>{0, 0, 0, 0}));  // the part's rectangle was repainted

  // A click on a free hole asks nothing and ends the mode.
  f().Command3.PerformClick();
  Click(12, 5);
  EXPECT_FALSE(m().DeletingPart);

  // A one-pin part is its own last pin.
  f().Command3.PerformClick();
  responder.Expect("Are you sure?", "Delete Component", vb::vbYes);
  Click(9, 5);
  ExpectFree(9, 5, "one-pin part");
  EXPECT_EQ(Occupied(), 0);
  EXPECT_TRUE(responder.Done());
}

TEST_F(EditActionsTest, MovingPinsKeepsTheRing) {
  auto& g = m().HoleGrid;
  Place("Disk", "c4", {{5, 5}, {6, 5}});
  const std::string record = g(5, 5, XYs).Text();
  ASSERT_FALSE(record.empty());

  // Pin 2 to (6, 9): pin 1 now points there.
  f().Command5.PerformClick();
  Click(6, 5);
  EXPECT_EQ(m().PrevPinX, 6);
  Click(6, 9);
  ExpectRing({{5, 5}, {6, 9}}, "C4", "pin 2 moved");
  EXPECT_EQ(g(6, 9, PinNumber), Value(2));
  ExpectFree(6, 5, "old pin 2");
  EXPECT_FALSE(m().MovingPin);
  EXPECT_EQ(m().PrevPinX, 0);

  // Pin 1 to (2, 2): the owner key of every pin follows, and the record travels with it.
  f().Command5.PerformClick();
  Click(5, 5);
  Click(2, 2);
  ExpectRing({{2, 2}, {6, 9}}, "C4", "pin 1 moved");
  EXPECT_EQ(g(2, 2, XYs).Text(), record);
  ExpectFree(5, 5, "old pin 1");

  // Onto a taken hole: nothing moves, the pick is dropped, the mode stays on.
  f().Command5.PerformClick();
  Click(2, 2);
  Click(6, 9);
  ExpectRing({{2, 2}, {6, 9}}, "C4", "refused");
  EXPECT_TRUE(m().MovingPin);
  EXPECT_EQ(m().PrevPinX, 0);
  // A first click on a free hole picks nothing.
  Click(10, 10);
  EXPECT_EQ(m().PrevPinX, 0);

  // Pin numbers changed by hand: the pin before the moved one is still found by its link,
  // and every walk ends.
  Place("Con5", "j1", {{12, 2}});
  ExpectRing({{12, 2}, {12, 3}, {12, 4}, {12, 5}, {12, 6}}, "J1", "connector");
  g(12, 3, PinNumber) = 7;
  f().Command5.PerformClick();
  Click(12, 4);
  Click(15, 4);
  ExpectRing({{12, 2}, {12, 3}, {15, 4}, {12, 5}, {12, 6}}, "J1", "renumbered");
  f().Command5.PerformClick();
  Click(12, 2);
  Click(14, 1);
  ExpectRing({{14, 1}, {12, 3}, {15, 4}, {12, 5}, {12, 6}}, "J1", "renumbered, pin 1");
  EXPECT_EQ(Occupied(), 7);
}

TEST_F(EditActionsTest, SlideStepsTheOutlineOffset) {
  auto& g = m().HoleGrid;
  Place("Disk", "c2", {{4, 4}, {4, 8}});
  Place("JMP", "w1", {{10, 4}, {10, 6}});
  f().Command4.PerformClick();
  EXPECT_TRUE(m().SlidingPart);
  Click(4, 4);
  EXPECT_DOUBLE_EQ(g(4, 4, CompOffset).Num(), 0.1);
  Click(4, 4, 1);
  EXPECT_DOUBLE_EQ(g(4, 4, CompOffset).Num(), 1.1);
  // Pin 2 slides the offset on pin 1 back.
  Click(4, 8);
  EXPECT_NEAR(g(4, 4, CompOffset).Num(), 1.0, 1e-9);
  Click(4, 8, 1);
  EXPECT_NEAR(g(4, 4, CompOffset).Num(), 0.0, 1e-9);
  EXPECT_EQ(g(4, 8, CompOffset), Value(0));
  // A part whose slide flag is "0" does not slide; nor does a free hole.
  Click(10, 4, 1);
  Click(10, 6);
  Click(15, 9);
  EXPECT_EQ(g(10, 4, CompOffset), Value(0));
  EXPECT_EQ(g(10, 6, CompOffset), Value(0));
  EXPECT_TRUE(m().SlidingPart);
}

TEST_F(EditActionsTest, BlockMoveShiftsTheWholePartOrNothing) {
  auto& g = m().HoleGrid;
  Place("Axial", "r5", {{3, 3}, {3, 7}});
  Place("Con5", "j2", {{10, 2}});
  const std::string record = g(3, 3, XYs).Text();

  // By (+2, +1), picked at pin 2: owner keys and links move, the strips stay with the holes.
  f().Command11.PerformClick();
  Click(3, 7);
  EXPECT_EQ(m().PrevPinX, 3);
  Click(5, 8);
  ExpectRing({{5, 4}, {5, 8}}, "R5", "moved by +2, +1");
  EXPECT_EQ(g(5, 4, XYs).Text(), record);
  EXPECT_EQ(g(5, 4, KelmNet), Value(4));
  ExpectFree(3, 3, "old pin 1");
  ExpectFree(3, 7, "old pin 2");
  EXPECT_FALSE(m().BlockMoving);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbDefault);

  // Onto another part: nothing moves; the mode and the pick stay.
  f().Command11.PerformClick();
  Click(5, 4);
  Click(10, 4);  // pin 1 would land on (10, 4), pin 2 on (10, 8): the connector holds (10, 4)
  ExpectRing({{5, 4}, {5, 8}}, "R5", "blocked");
  ExpectRing({{10, 2}, {10, 3}, {10, 4}, {10, 5}, {10, 6}}, "J2", "blocked");
  EXPECT_TRUE(m().BlockMoving);
  EXPECT_EQ(m().PrevPinX, 5);
  EXPECT_EQ(m().PrevPinY, 4);

  // Offset 0: it lands on itself.
  Click(5, 4);
  ExpectRing({{5, 4}, {5, 8}}, "R5", "offset 0");
  EXPECT_FALSE(m().BlockMoving);

  // Onto holes of its own: the connector moves down by two, whole.
  f().Command11.PerformClick();
  Click(10, 3);
  Click(10, 5);
  ExpectRing({{10, 4}, {10, 5}, {10, 6}, {10, 7}, {10, 8}}, "J2", "onto itself");
  ExpectFree(10, 2, "left behind");
  ExpectFree(10, 3, "left behind");
  for (int p = 0; p < 5; ++p) EXPECT_EQ(g(10, 4 + p, PinNumber), Value(p + 1));

  // Off the board: refused with the message; the mode and the pick end.
  f().Command11.PerformClick();
  Click(10, 4);
  responder.Expect("One or more pins are off the board", "Block Move Error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  Click(10, 9);
  ExpectRing({{10, 4}, {10, 5}, {10, 6}, {10, 7}, {10, 8}}, "J2", "off the board");
  EXPECT_FALSE(m().BlockMoving);
  EXPECT_EQ(m().PrevPinX, 0);
  EXPECT_EQ(Occupied(), 7);
  EXPECT_TRUE(responder.Done());
}

TEST_F(EditActionsTest, CheckBlockMoveTestsEveryPin) {
  Place("Con5", "j3", {{1, 4}});  // along rows: a column of pins (1, 4) to (1, 8)
  int x = 1, y = 4;
  CheckBlockMove(app, x, y, 0, 0);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(1, 4));
  x = 1, y = 4;
  CheckBlockMove(app, x, y, 19, 4);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(1, 4));
  m().BlockMoving = true;
  m().PrevPinX = 1;
  m().PrevPinY = 6;
  responder.Expect("One or more pins are off the board", "Block Move Error", vb::vbOK);
  x = 1, y = 4;
  CheckBlockMove(app, x, y, -1, 0);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
  EXPECT_FALSE(m().BlockMoving);
  EXPECT_EQ(m().PrevPinX, 0);
  // The last pin alone is off the board.
  responder.Expect("One or more pins are off the board", "Block Move Error", vb::vbOK);
  x = 1, y = 4;
  CheckBlockMove(app, x, y, 0, 5);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
  EXPECT_TRUE(responder.Done());
}

// After the netlist export has joined the strips of a wire link, a cut still tells the nets
// apart, and the next export lists the pins on the right nets.
TEST_F(EditActionsTest, CutsAfterANetlistExportKeepTheNetsRight) {
  Board(8, 6);
  Place("Short", "s1", {{2, 2}, {2, 5}});
  Place("Axial", "r1", {{7, 2}, {7, 4}});
  Place("Axial", "r3", {{4, 3}, {4, 6}});
  Place("Axial", "r2", {{5, 5}, {5, 6}});
  const auto lines = [](std::initializer_list<const char*> l) {
    std::string out;
    for (const char* x : l) out += std::string(x) + "\r\n";
    return out;
  };
  const std::string linked = lines({"R1-1,2", "R2-1,2", "R3-1,3", "R1-2,4", "R3-2,6", "R2-2,6"});
  f().ExportList();
  ASSERT_EQ(folder.Read("List.net"), linked);
  EXPECT_EQ(m().HoleGrid(8, 5, KelmNet), Value(2));  // the link's far strip took its number

  // Cut row 5 between the link and R2: R2's pin leaves the link's net and joins no other.
  f().Command9.PerformClick();
  f().Picture1_MouseUp(vb::vbLeftButton, 1, (CX(3, 5) + CX(4, 5)) / 2, CY(3, 5));
  f().ExportList();
  EXPECT_EQ(folder.Read("List.net"), lines({"R1-1,2", "R3-1,3", "R1-2,4", "R2-1,7", "R3-2,6", "R2-2,6"}));
  // The same segment again joins them back.
  f().Picture1_MouseUp(vb::vbLeftButton, 0, (CX(3, 5) + CX(4, 5)) / 2, CY(3, 5));
  f().ExportList();
  EXPECT_EQ(folder.Read("List.net"), linked);
  EXPECT_FALSE(m().CuttingStrip);
}

}  // namespace
