// Deleting, sliding, moving pins, moving whole parts, cutting strips and drilling holes with
// real clicks on the board picture: the hole records and pin rings each leaves, the questions
// and messages, the modes after each click, what the board shows and the netlist it gives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "editor/editing/form5_nodeedit.h"
#include "editor/files/form3_saveload.h"
#include "tests/editor/library_records.h"
#include "tests/editor/user_input.h"
#include "tests/support/list_clicks.h"
#include "tests/support/real_input.h"

namespace {

using Pins = std::vector<std::pair<int, int>>;
constexpr vb::Colour kBoard = vb::RGB(210, 190, 140);
constexpr vb::Colour kTrace = vb::RGB(215, 140, 60);

class EditActionsTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    auto records = libtest::DefaultRecords();
    records.emplace_back("Pin1 0.1 AO 1 2 0 A 0 0 1 0 *");
    folder.Write("Brantel.lib", libtest::LibraryText(records));
    m().BoardColour = static_cast<long>(kBoard);
    m().TraceColour = static_cast<long>(kTrace);
    f().Show();
    f().SetClientSize(900, 700);
    f().Form_Resize();
    Board(16, 12);
  }
  // The pixel in the picture's widget of a point in holes (fractions lie between holes).
  QPoint At(double a, double d) {
    auto& g = m().HoleGrid;
    const double pitch = (g(2, 1, HoleX) - g(1, 1, HoleX)).Num(), border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    return QPoint(static_cast<int>(f().Picture1.ToPixelX(g(1, 1, HoleX).Num() + (a - 1) * pitch + m().ScrollX.Num()) + border),
                  static_cast<int>(f().Picture1.ToPixelY(g(1, 1, HoleY).Num() + (d - 1) * pitch + m().ScrollY.Num()) + border));
  }
  void Click(double a, double d, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    testsupport::MouseClick(f().Picture1.Widget(), Qt::LeftButton, mods, At(a, d));
  }
  vb::Colour Pixel(double a, double d) {
    const int border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    return f().Picture1.Image().PixelAt(At(a, d).x() - border, At(a, d).y() - border);
  }
  void Place(const std::string& name, const std::string& reference, const Pins& clicks) {
    testsupport::MouseClick(f().Command1);
    Form2& w = app.Form2();
    w.Text1.SetText(reference);
    for (int i = 0; i < w.List1.ListCount(); ++i)
      if (w.List1.List(i).rfind(name + " ", 0) == 0) w.List1.SetListIndex(i);
    testsupport::MouseClick(w.Command2);
    for (auto [a, d] : clicks) Click(a, d);
  }
  // The holes hold a closed ring in this pin order, owned by the first, which has the record.
  void ExpectRing(const Pins& pins, const std::string& what) {
    auto& g = m().HoleGrid;
    for (size_t i = 0; i < pins.size(); ++i) {
      const auto [a, d] = pins[i];
      const auto [na, nd] = pins[(i + 1) % pins.size()];
      const Value ring[] = {g(a, d, CompXFrom), g(a, d, CompYFrom), g(a, d, CompXToo), g(a, d, CompYToo)};
      const Value want[] = {pins[0].first, pins[0].second, na, nd};
      for (int k = 0; k < 4; ++k) EXPECT_EQ(ring[k], want[k]) << what << " pin " << i + 1 << " field " << 5 + k;
      EXPECT_EQ(g(a, d, XYs).Text().empty(), i != 0) << what << " pin " << i + 1;
    }
  }
  // Every field of the hole as a fresh board has it; the strip number stays.
  void ExpectFree(int a, int d, long strip = 0) {
    auto& g = m().HoleGrid;
    for (int k = PinNumber; k <= XYs; ++k) {
      const bool text = k == CompName || k == CompValue || k == CompPackage || k == NetName || k == XYs;
      const Value reset = text ? Value(std::string()) : k == LabelX || k == LabelY ? Value(100) : Value(0);
      EXPECT_EQ(g(a, d, k), k == KelmNet ? Value(strip ? strip : d) : reset) << a << "," << d << " field " << k;
    }
  }
  long Strip(int a, int d) { return vb::CLng(m().HoleGrid(a, d, KelmNet)); }
};

TEST_F(EditActionsTest, DeleteSlideAndMovePins) {
  auto& g = m().HoleGrid;
  Place("Disk", "c1", {{3, 3}, {3, 7}});
  Place("Pin1", "tp1", {{9, 5}});
  Place("JMP", "w1", {{12, 2}, {12, 4}});

  // Slide: pin 1 raises the outline offset, the other pin lowers it; Shift takes whole holes.
  testsupport::MouseClick(f().Command4);
  Click(3, 3);
  Click(3, 3, Qt::ShiftModifier);
  Click(3, 7);
  EXPECT_NEAR(g(3, 3, CompOffset).Num(), 1.0, 1e-9);
  Click(12, 2, Qt::ShiftModifier);  // slide flag "0"
  EXPECT_EQ(g(12, 2, CompOffset), Value(0));
  testsupport::MouseClick(f().Command4);

  // Delete: No changes nothing and the mode stays; Yes removes both pins, strips kept.
  testsupport::MouseClick(f().Command3);
  responder.Expect("Are you sure?", "Delete Component", vb::vbNo, vb::vbYesNo | vb::vbCritical);
  Click(3, 7);
  ExpectRing({{3, 3}, {3, 7}}, "after No");
  EXPECT_TRUE(m().DeletingPart);
  responder.Expect("Are you sure?", "Delete Component", vb::vbYes, vb::vbYesNo | vb::vbCritical);
  Click(3, 7);
  ExpectFree(3, 3);
  ExpectFree(3, 7);
  EXPECT_FALSE(m().DeletingPart);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbDefault);
  testsupport::MouseClick(f().Command3);
  responder.Expect("Are you sure?", "Delete Component", vb::vbYes);
  Click(9, 5);  // a one-pin part is its own last pin
  ExpectFree(9, 5);
  testsupport::MouseClick(f().Command3);
  Click(9, 9);  // a free hole: no question, and the mode ends
  EXPECT_FALSE(m().DeletingPart);

  // Move pin 2 of the link, then its pin 1: the owner key and the record follow pin 1.
  const std::string record = g(12, 2, XYs).Text();
  testsupport::MouseClick(f().Command5);
  Click(12, 4);
  Click(14, 6);
  ExpectRing({{12, 2}, {14, 6}}, "pin 2 moved");
  ExpectFree(12, 4);
  EXPECT_FALSE(m().MovingPin);
  testsupport::MouseClick(f().Command5);
  Click(12, 2);
  Click(13, 9);
  ExpectRing({{13, 9}, {14, 6}}, "pin 1 moved");
  EXPECT_EQ(g(13, 9, XYs).Text(), record);
  testsupport::MouseClick(f().Command5);
  Click(13, 9);  // onto a taken hole: nothing moves and the mode stays on
  Click(14, 6);
  ExpectRing({{13, 9}, {14, 6}}, "refused");
  EXPECT_TRUE(m().MovingPin);
  EXPECT_EQ(m().PrevPinX, 0);

  // Pin numbers changed by hand: the pin before the moved one is found by its link.
  Place("Con5", "j1", {{5, 2}});
  g(5, 3, PinNumber) = 7;
  testsupport::MouseClick(f().Command5);
  Click(5, 4);
  Click(8, 4);
  ExpectRing({{5, 2}, {5, 3}, {8, 4}, {5, 5}, {5, 6}}, "renumbered");
  EXPECT_TRUE(responder.Done());
}

// Rings that are not whole: one left open by a placement (its last pin names no next pin),
// and what older versions left of one (a pin 1 naming a hole its pin left, a pin whose owner
// holds no pin, a stray last pin). Moving a pin keeps the ring's links, and Delete, once it
// has asked, takes the clicked pin and every pin linked to it, and repaints their holes.
TEST_F(EditActionsTest, DeleteTakesEveryPinOfARingThatIsNotWhole) {
  auto& g = m().HoleGrid;
  // The pixels within a quarter pitch of a hole: a pin's rings lie there.
  auto look = [&](int a, int d) {
    std::vector<vb::Colour> v;
    for (double dy = -0.25; dy <= 0.25; dy += 0.05)
      for (double dx = -0.25; dx <= 0.25; dx += 0.05) v.push_back(Pixel(a + dx, d + dy));
    return v;
  };
  const auto free94 = look(9, 4), free144 = look(14, 4), free127 = look(12, 7);
  auto openRing = [&](int a) {
    Place("Con5", "j" + std::to_string(a), {{a, 3}});
    g(a, 7, CompXToo) = 0;
    g(a, 7, CompYToo) = 0;
  };
  auto deleteAt = [&](int a, int d) {
    testsupport::MouseClick(f().Command3);
    responder.Expect("Are you sure?", "Delete Component", vb::vbYes, vb::vbYesNo | vb::vbCritical);
    Click(a, d);
    EXPECT_TRUE(responder.Done());
    EXPECT_FALSE(m().DeletingPart);
  };

  // Pin 2 of an open ring moved away: pin 1 now names the new hole.
  openRing(3);
  testsupport::MouseClick(f().Command5);
  Click(3, 4);
  Click(9, 4);
  EXPECT_EQ(g(3, 3, CompXToo), Value(9));
  EXPECT_EQ(g(3, 3, CompYToo), Value(4));
  EXPECT_EQ(g(9, 4, CompXToo), Value(3));
  ASSERT_NE(look(9, 4), free94);
  deleteAt(9, 4);
  for (int d = 3; d <= 7; ++d) ExpectFree(3, d);
  ExpectFree(9, 4);
  EXPECT_EQ(look(9, 4), free94);

  // The same ring as an older version left it: pin 1 still names the hole pin 2 left.
  openRing(3);
  for (int k = PinNumber; k <= XYs; ++k)
    if (k != KelmNet) g(9, 4, k) = g(3, 4, k);
  f().KillGrid(3, 4);
  RefreshBoard(app);
  deleteAt(9, 4);
  for (int d = 3; d <= 7; ++d) ExpectFree(3, d);
  ExpectFree(9, 4);
  EXPECT_EQ(look(9, 4), free94);

  // A pin whose owner holds no pin, and a stray last pin, each on its own.
  Place("Axial", "r1", {{12, 3}, {12, 7}});
  g(12, 7, CompXFrom) = 14;
  g(12, 7, CompYFrom) = 9;
  g(14, 4, CompXFrom) = 14;
  g(14, 4, CompYFrom) = 1;
  g(14, 4, PinNumber) = 3;
  RefreshBoard(app);
  ASSERT_NE(look(14, 4), free144);
  deleteAt(12, 7);
  ExpectFree(12, 7);
  ExpectFree(12, 3);
  deleteAt(14, 4);
  ExpectFree(14, 4);
  EXPECT_EQ(look(14, 4), free144);
  EXPECT_EQ(look(12, 7), free127);
}

TEST_F(EditActionsTest, BlockMoveMovesTheWholePartOrNothing) {
  Place("Axial", "r5", {{3, 3}, {3, 7}});
  Place("Con5", "j2", {{10, 2}});
  testsupport::MouseClick(f().Command11);
  Click(3, 3);
  Click(10, 4);  // pin 1 would land on the connector
  ExpectRing({{3, 3}, {3, 7}}, "blocked");
  EXPECT_TRUE(m().BlockMoving);
  EXPECT_EQ(std::make_pair(m().PrevPinX, m().PrevPinY), std::make_pair(3, 3));
  Click(3, 3);  // offset 0
  ExpectRing({{3, 3}, {3, 7}}, "offset 0");
  EXPECT_FALSE(m().BlockMoving);

  testsupport::MouseClick(f().Command11);
  Click(10, 3);
  Click(10, 5);  // down by two, onto holes of its own
  ExpectRing({{10, 4}, {10, 5}, {10, 6}, {10, 7}, {10, 8}}, "onto itself");
  ExpectFree(10, 2);
  EXPECT_EQ(m().HoleGrid(10, 8, PinNumber), Value(5));

  testsupport::MouseClick(f().Command11);
  Click(10, 4);
  responder.Expect("One or more pins are off the board", "Block Move Error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  Click(10, 9);
  ExpectRing({{10, 4}, {10, 5}, {10, 6}, {10, 7}, {10, 8}}, "off the board");
  EXPECT_FALSE(m().BlockMoving);
  EXPECT_EQ(m().PrevPinX, 0);
  EXPECT_TRUE(responder.Done());
}

// Cut three strips, drill two holes, move a part, and look at the trace side.
TEST_F(EditActionsTest, CutsDrillsAndABlockMoveOnTheTraceSide) {
  auto& g = m().HoleGrid;
  Place("Axial", "r1", {{3, 5}, {3, 8}});
  ASSERT_EQ(f().DrillCut.Caption(), "Drill");  // the menu offers the drill: the button cuts
  EXPECT_EQ(Pixel(4.5, 2), kTrace);
  testsupport::MouseClick(f().Command9);
  Click(6, 2);  // a hole's centre is no segment: nothing is cut and the mode stays
  EXPECT_TRUE(m().CuttingStrip);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
  EXPECT_EQ(std::vector<long>({Strip(5, 2), Strip(6, 2), Strip(7, 2)}), std::vector<long>({2, 2, 2}));
  Click(4.5, 2, Qt::ShiftModifier);
  EXPECT_TRUE(m().CuttingStrip);
  EXPECT_EQ(Pixel(4.5, 2), kBoard);
  // Clicked again where the pointer rests, with no pointer move to preview the segment: the
  // repaint after the click shows it joined again at once.
  Click(4.5, 2, Qt::ShiftModifier);
  EXPECT_EQ(Pixel(4.5, 2), kTrace);
  // The right button repaints the board as it stands when pressed and cuts when released:
  // the cut shows at once.
  testsupport::MousePress(f().Picture1.Widget(), Qt::RightButton, Qt::ShiftModifier, At(4.5, 2));
  EXPECT_EQ(Pixel(4.5, 2), kTrace);
  testsupport::MouseRelease(f().Picture1.Widget(), Qt::RightButton, Qt::ShiftModifier, At(4.5, 2), 10);
  EXPECT_EQ(Pixel(4.5, 2), kBoard);
  EXPECT_TRUE(m().CuttingStrip);
  Click(10.5, 5, Qt::ShiftModifier);
  Click(6.5, 8);
  EXPECT_FALSE(m().CuttingStrip);
  EXPECT_EQ(std::vector<long>({Strip(4, 2), Strip(5, 2), Strip(10, 5), Strip(11, 5), Strip(7, 8), Strip(16, 12)}),
            std::vector<long>({2, 3, 6, 7, 11, 15}));
  EXPECT_EQ(Pixel(4.5, 2), kBoard);  // the gap of the cut

  f().DrillCut_Click();
  testsupport::MouseClick(f().Command9);
  Click(8, 10, Qt::ShiftModifier);
  EXPECT_TRUE(m().Drilling);
  Click(16, 3);  // the last hole of a row: only the later rows move up
  EXPECT_FALSE(m().Drilling);
  EXPECT_EQ(std::vector<long>({Strip(7, 10), Strip(8, 10), Strip(9, 10), Strip(15, 3), Strip(16, 3), Strip(1, 4)}),
            std::vector<long>({14, 0, 15, 4, 0, 6}));
  EXPECT_EQ(Pixel(8.2, 10), kBoard);  // inside the drill mark

  testsupport::MouseClick(f().Command11);
  Click(3, 8);
  Click(5, 9);  // by (+2, +1)
  ExpectRing({{5, 6}, {5, 9}}, "moved by +2, +1");
  ExpectFree(3, 5, 7);
  EXPECT_EQ(g(5, 6, CompName).Text(), "R1");

  f().Flip_Click();
  EXPECT_EQ(f().Label3.Caption(), "-Trace Side");
  EXPECT_EQ(Pixel(4.5, 2), kBoard);
  EXPECT_EQ(Pixel(5.5, 2), kTrace);
  if (const char* out = std::getenv("BRANTEL_TEST_OUTPUT")) {
    std::filesystem::create_directories(out);
    f().TopWidget()->grab().save(QString::fromStdString(std::string(out) + "/cuts_drills_trace_side.png"));
  }
}

// Place Part, pressed while another mode is on or has a pick pending, ends that mode as the
// tool buttons do: the new part links to no other part, and giving it up takes only its own
// pins.
TEST_F(EditActionsTest, PlacePartEndsEveryOtherModeAndItsPick) {
  auto& g = m().HoleGrid;
  const auto pick = [&](const std::string& name, const std::string& reference) {
    auto* list = static_cast<QListWidget*>(app.Form2().List1.Widget());
    for (int r = 0; r < list->count(); ++r)
      if (list->item(r)->text().startsWith(QString::fromStdString(name + " "))) testsupport::ClickRow(list, r);
    userinput::Clear(app.Form2().Text1, app.Form2().Text1.Text().size());
    userinput::Type(app.Form2().Text1, reference);
  };
  const auto flags = [&] {
    return std::array<bool, 7>{m().PlacingPart, m().DeletingPart, m().MovingPin, m().BlockMoving, m().SlidingPart, m().CuttingStrip, m().Drilling};
  };
  Place("Axial", "r1", {{5, 5}, {9, 5}});
  Place("JMP", "w1", {{3, 8}, {3, 11}});

  // Cut Trace while the window is open, then Place Part: the pointer over a strip segment
  // beside R1 and a tool button give up the new part's pin 1 only.
  for (const bool second : {false, true}) {
    testsupport::MouseClick(f().Command1);
    testsupport::MouseClick(f().Command9);
    pick("Radial", second ? "c2" : "c1");
    testsupport::MouseClick(app.Form2().Command2);
    EXPECT_EQ(flags(), (std::array<bool, 7>{true}));
    Click(12, 9);
    testsupport::MouseMove(f().Picture1.Widget(), At(4.5, 5));
    if (second) {
      Click(13, 10);
      ExpectRing({{12, 9}, {13, 10}}, "C2");
    } else {
      testsupport::MouseClick(f().Command3);
      ExpectFree(12, 9);
    }
    ExpectRing({{5, 5}, {9, 5}}, "R1");
  }
  testsupport::MouseClick(f().Command3);

  // A pin picked by Move a pin or Block Move is dropped by Place Part: the jumper is a part
  // of its own, and W1 keeps its ring.
  int a = 12;
  for (auto* tool : {&f().Command5, &f().Command11, &f().Command3}) {
    testsupport::MouseClick(f().Command1);
    pick("JMP", "w");
    testsupport::MouseClick(*tool);
    if (tool != &f().Command3) Click(3, 11);
    testsupport::MouseClick(app.Form2().Command2);
    EXPECT_EQ(flags(), (std::array<bool, 7>{true}));
    Click(a, 2);
    Click(a, 4);
    EXPECT_EQ(flags(), (std::array<bool, 7>{}));
    ExpectRing({{a, 2}, {a, 4}}, "new jumper");
    ExpectRing({{3, 8}, {3, 11}}, "W1");
    a += 2;
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(g(3, 8, CompName).Text(), "W1");
}

// After the netlist export has joined the strips of a wire link, a cut still tells the nets
// apart, and the next export lists the pins on the right nets.
TEST_F(EditActionsTest, CutsAfterANetlistExportKeepTheNetsRight) {
  Board(8, 6);
  Place("Short", "s1", {{2, 2}, {2, 5}});
  Place("Axial", "r1", {{7, 2}, {7, 4}});
  Place("Axial", "r3", {{4, 3}, {4, 6}});
  Place("Axial", "r2", {{5, 5}, {5, 6}});
  const std::string linked = "R1-1,2\r\nR2-1,2\r\nR3-1,3\r\nR1-2,4\r\nR3-2,6\r\nR2-2,6\r\n";
  f().ExportList();
  ASSERT_EQ(folder.Read("List.net"), linked);
  testsupport::MouseClick(f().Command9);
  Click(3.5, 5, Qt::ShiftModifier);  // between the link and R2
  f().ExportList();
  EXPECT_EQ(folder.Read("List.net"), "R1-1,2\r\nR3-1,3\r\nR1-2,4\r\nR2-1,7\r\nR3-2,6\r\nR2-2,6\r\n");
  Click(3.5, 5);  // joined again
  f().ExportList();
  EXPECT_EQ(folder.Read("List.net"), linked);

  // A pad board has no strips: cutting and drilling leave every hole without a number.
  f().Check4.SetValue(vb::vbChecked);
  testsupport::MouseClick(f().Command9);
  Click(3.5, 5, Qt::ShiftModifier);
  f().DrillCut_Click();
  testsupport::MouseClick(f().Command9);
  Click(6, 2);
  EXPECT_EQ(Strip(4, 5) + Strip(6, 2) + Strip(8, 6), 0);
}

}  // namespace

namespace {
class NumberFieldsTest : public EditActionsTest {
 protected:
  // Opens Node Edit on a hole with a plain click and types into its boxes (label -> text).
  void NodeEdit(int a, int d, const std::vector<std::pair<int, std::string>>& boxes) {
    Click(a, d);
    ASSERT_TRUE(app.Form5.Loaded());
    for (const auto& [box, text] : boxes) {
      userinput::Clear(app.Form5().Text7(box), app.Form5().Text7(box).Text().size());
      userinput::Type(app.Form5().Text7(box), text);
    }
    testsupport::MouseClick(app.Form5().Command1);
  }
  // Saves or opens a design in the data folder through the Save/Load window.
  void File(const std::string& name, bool save) {
    testsupport::MouseClick(f().Command8);
    app.Form3().Text1.SetText(name);
    testsupport::MouseClick(save ? app.Form3().Command2 : app.Form3().Command1);
  }
  // The pixel of a hole's own stored position.
  QPoint AtHole(int a, int d) {
    auto& g = m().HoleGrid;
    const double border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    return QPoint(static_cast<int>(f().Picture1.ToPixelX(vb::Int(g(a, d, HoleX).Num()) + m().ScrollX.Num()) + border),
                  static_cast<int>(f().Picture1.ToPixelY(vb::Int(g(a, d, HoleY).Num()) + m().ScrollY.Num()) + border));
  }
};
}  // namespace

// A part on the last column and the last row of the largest board saves and opens whole; a
// hole moved in the file is found where the file puts it, not where the last board had it.
TEST_F(NumberFieldsTest, LargestBoardEdgesAndMovedHolesSurviveSaveAndOpen) {
  auto& g = m().HoleGrid;
  Board(100, 100);
  Place("JMP", "w7", {{100, 40}, {60, 100}});
  ExpectRing({{100, 40}, {60, 100}}, "placed");
  File("edge.vcd", true);
  Board(30, 30);
  File("edge.vcd", false);
  EXPECT_EQ(f().Text1.Text(), "100");
  ExpectRing({{100, 40}, {60, 100}}, "opened");
  EXPECT_EQ(g(60, 100, CompName).Text(), "W7");

  Board(30, 30);
  testsupport::MouseMove(f().Picture1.Widget(), AtHole(20, 15));
  ASSERT_EQ(std::make_pair(m().HoverHoleX, m().HoverHoleY), std::make_pair(20, 15));
  File("moved.vcd", true);
  std::string bytes = folder.Read("moved.vcd");
  std::size_t at = bytes.find("\r\n***\r\n") + 2;
  for (int i = 0; i < 14 * 30 + 19; ++i) at = bytes.find("***\r\n", at) + 5;  // hole (20, 15)
  const std::size_t bar = bytes.find('|', at);
  const double x = vb::Val(bytes.substr(at, bar - at)), pitch = (g(2, 1, HoleX) - g(1, 1, HoleX)).Num();
  bytes.replace(at, bar - at, vb::Format(Value(x + pitch / 2)));
  folder.Write("moved.vcd", bytes);
  File("moved.vcd", false);
  ASSERT_NE(g(20, 15, HoleX), g(20, 14, HoleX));
  testsupport::MouseMove(f().Picture1.Widget(), AtHole(20, 15));
  EXPECT_EQ(std::make_pair(m().HoverHoleX, m().HoverHoleY), std::make_pair(20, 15));
  int hx = -1, hy = -1, lx = 0, ly = 0;  // the old place of the hole: nothing there now
  f().OnaHole(vb::Int(g(20, 14, HoleX).Num()) + m().ScrollX.Num(), vb::Int(g(20, 15, HoleY).Num()) + m().ScrollY.Num(), hx, hy, lx, ly);
  EXPECT_EQ(std::make_pair(hx, hy), std::make_pair(0, 0));
  EXPECT_TRUE(responder.Done());
}

// Numbers far beyond 16 and 32 bits typed in Node Edit: Move a pin and a cut beside them
// work whole; a box that holds no finite number, or a strip number that Save would not give
// back, stops Done before anything is written; a cut, drill or restore that would make such a
// number is not made and says so.
TEST_F(NumberFieldsTest, LargeNumbersTypedInNodeEditAndAnOverflowingBox) {
  auto& g = m().HoleGrid;
  Place("JMP", "w1", {{3, 3}, {3, 5}});
  Place("JMP", "w2", {{15, 12}, {16, 12}});

  NodeEdit(3, 5, {{0, "40000"}});
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_EQ(g(3, 5, PinNumber), Value(40000));
  testsupport::MouseClick(f().Command5);
  Click(3, 5);
  Click(6, 6);
  ExpectRing({{3, 3}, {6, 6}}, "pin 40000 moved");
  ExpectFree(3, 5, 5);
  EXPECT_EQ(g(6, 6, PinNumber), Value(40000));
  EXPECT_FALSE(m().MovingPin);

  // The last copper hole numbered 3000000000: the numbers still rise, and a click on the
  // segment before it joins it to its row again.
  NodeEdit(16, 12, {{6, "3000000000"}});
  EXPECT_EQ(g(16, 12, KelmNet), Value(3000000000.0));
  testsupport::MouseClick(f().Command9);
  Click(15.5, 12);
  EXPECT_FALSE(m().CuttingStrip);
  EXPECT_EQ(g(16, 12, KelmNet), Value(12));
  EXPECT_EQ(g(15, 12, KelmNet), Value(12));

  // A hole drilled inside row 12: the holes after it take 13.
  userinput::Choose(f().DrillCut);
  testsupport::MouseClick(f().Command9);
  Click(10, 12);
  EXPECT_FALSE(m().Drilling);
  EXPECT_EQ(std::vector<Value>({g(9, 12, KelmNet), g(10, 12, KelmNet), g(11, 12, KelmNet), g(16, 12, KelmNet)}),
            std::vector<Value>({12, 0, 13, 13}));

  // A strip number of more than fifteen significant digits would not come back from Save as
  // itself: the box is named and nothing is written. Fractions and large numbers are taken.
  const std::string digits = "Kelm Net must be a number of at most 15 significant digits.";
  responder.Expect(digits, "Node Edit", vb::vbOK, vb::vbExclamation);
  NodeEdit(16, 12, {{6, "1234567890123456"}});
  EXPECT_TRUE(app.Form5.Loaded());
  responder.Expect(digits, "Node Edit", vb::vbOK, vb::vbExclamation);
  userinput::Clear(app.Form5().Text7(6), 16);
  userinput::Type(app.Form5().Text7(6), "0.1000000000000001");
  testsupport::MouseClick(app.Form5().Command1);
  EXPECT_TRUE(app.Form5.Loaded());
  EXPECT_EQ(g(16, 12, KelmNet), Value(13));
  userinput::Clear(app.Form5().Text7(6), 18);
  userinput::Type(app.Form5().Text7(6), "13.5");
  testsupport::MouseClick(app.Form5().Command1);
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_EQ(g(16, 12, KelmNet), Value(13.5));
  NodeEdit(16, 12, {{6, "9E+15"}});
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_EQ(g(16, 12, KelmNet), Value(9e15));

  // A cut, a drill or a restore that would number the piece of 9E+15 one more or one less
  // (sixteen digits, which Save would not give back) is not made, says so, and the board shows
  // the strip as it was; the click on the segment before that piece still joins it.
  const std::string refused =
      "Separate strips must keep separate numbers of at most 15 significant digits: the board is left as it was.";
  userinput::Choose(f().DrillCut);
  testsupport::MouseClick(f().Command9);
  responder.Expect(refused, "Cut Trace", vb::vbOK, vb::vbExclamation);
  Click(7.5, 12);
  EXPECT_FALSE(m().CuttingStrip);
  EXPECT_EQ(Pixel(7.5, 12), kTrace);
  userinput::Choose(f().DrillCut);
  testsupport::MouseClick(f().Command9);
  responder.Expect(refused, "Cut Trace", vb::vbOK, vb::vbExclamation);
  Click(12, 12, Qt::ShiftModifier);  // a drill inside the piece of 13
  EXPECT_TRUE(m().Drilling);
  responder.Expect(refused, "Cut Trace", vb::vbOK, vb::vbExclamation);
  Click(10, 12);  // the restore of the drilled hole, which would join 13 to 12
  EXPECT_FALSE(m().Drilling);
  EXPECT_EQ(Pixel(10.2, 12), kBoard);  // still drilled
  EXPECT_EQ(std::vector<Value>({g(7, 12, KelmNet), g(8, 12, KelmNet), g(10, 12, KelmNet), g(12, 12, KelmNet),
                                g(16, 12, KelmNet)}),
            std::vector<Value>({12, 12, 0, 13, 9e15}));
  userinput::Choose(f().DrillCut);
  testsupport::MouseClick(f().Command9);
  Click(15.5, 12);
  EXPECT_EQ(g(16, 12, KelmNet), Value(13));
  userinput::Choose(f().DrillCut);
  testsupport::MouseClick(f().Command9);
  Click(10, 12);
  EXPECT_EQ(std::vector<Value>({g(10, 12, KelmNet), g(11, 12, KelmNet), g(16, 12, KelmNet)}),
            std::vector<Value>({12, 12, 12}));
  userinput::Choose(f().DrillCut);  // back to cutting

  // "1e400" in Net Number: the box is named, nothing is written, the window stays.
  responder.Expect("Net Number must be a number.", "Node Edit", vb::vbOK, vb::vbExclamation);
  NodeEdit(3, 3, {{0, "7"}, {1, "W9"}, {5, "1e400"}});
  EXPECT_TRUE(app.Form5.Loaded());
  EXPECT_EQ(g(3, 3, PinNumber), Value(1));
  EXPECT_EQ(g(3, 3, CompName).Text(), "W1");
  EXPECT_EQ(g(6, 6, CompName).Text(), "W1");
  userinput::Clear(app.Form5().Text7(5), 5);
  userinput::Type(app.Form5().Text7(5), "-12");
  testsupport::MouseClick(app.Form5().Command1);
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_EQ(g(3, 3, PinNumber), Value(7));
  EXPECT_EQ(g(6, 6, CompName).Text(), "W9");
  EXPECT_EQ(g(3, 3, NetNumber), Value(-12));
  EXPECT_TRUE(responder.Done());
}

// 150 typed in Across and left there: the pointer over the board still finds the holes of
// the board that is built. A confirmed Build to a smaller board and back leaves no old pin.
TEST_F(NumberFieldsTest, SizeBoxesAndRebuildsLeaveNoStaleHoles) {
  auto& g = m().HoleGrid;
  Place("JMP", "w1", {{5, 3}, {5, 11}});
  userinput::Clear(f().Text1, f().Text1.Text().size());
  userinput::Type(f().Text1, "150");
  testsupport::MouseMove(f().Picture1.Widget(), At(7, 9));
  EXPECT_EQ(std::make_pair(m().HoverHoleX, m().HoverHoleY), std::make_pair(7, 9));
  testsupport::MouseMove(f().Picture1.Widget(), At(5, 11));
  EXPECT_EQ(std::make_pair(m().HoverHoleX, m().HoverHoleY), std::make_pair(5, 11));
  userinput::Clear(f().Text1, 3);
  userinput::Type(f().Text1, "16");

  userinput::Clear(f().Text2, f().Text2.Text().size());
  userinput::Type(f().Text2, "6");
  responder.Expect("The board will be cleared! Are you sure? ", "Warning", vb::vbYes);
  testsupport::MouseClick(f().Command2);
  for (int a = 1; a < HoleGridTable::kSize; ++a)
    for (int d = 1; d < HoleGridTable::kSize; ++d)
      ASSERT_EQ(g(a, d, CompXFrom), Value(0)) << a << "," << d;
  userinput::Clear(f().Text2, 1);
  userinput::Type(f().Text2, "12");
  testsupport::MouseClick(f().Command15);  // Zoom All takes the larger size
  for (auto [a, d] : Pins{{5, 3}, {5, 11}}) {
    EXPECT_EQ(g(a, d, CompXToo), Value(0)) << a << "," << d;
    EXPECT_EQ(g(a, d, CompPackage).Text(), "") << a << "," << d;
  }
  EXPECT_TRUE(responder.Done());
}
