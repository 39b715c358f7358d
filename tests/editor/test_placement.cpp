// Placing parts: the pin ring each package class writes, the hole tests before a package is
// placed, and the placements that are refused or given up.
#include <gtest/gtest.h>

#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"

namespace {

using Pins = std::vector<std::pair<int, int>>;

const std::vector<std::string>& TestRecords() {
  static const std::vector<std::string> records = [] {
    std::vector<std::string> r = libtest::DefaultRecords();
    for (const char* extra : {"Pin1 0.1 AO 1 2 0 *", "Dip8 0.3 DO 8 2 0 *", "Sq8 0.1 QO 8 2 0 *", "Big30 0.3 DO 30 2 0 *",
                              "Zz2 0.1 ZO 2 2 1 *", "Zig4 0.2 ZO 4 2 0 *", "Tiny 0.04 AO 3 2 0 *", "Sip4 0.1 IO 4 2 0 *",
                              "Half3 0.25 FO 3 2 0 *", "Far3 1e20 AO 3 2 0 *"})
      r.emplace_back(extra);
    return r;
  }();
  return records;
}

class PlacementTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", libtest::LibraryText(TestRecords()));
    Board(20, 12);
  }
  double CX(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleX).Num()) + m().ScrollX.Num(); }
  double CY(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleY).Num()) + m().ScrollY.Num(); }
  // Place Component, pick the part, type reference and value, Place Part.
  void Pick(const std::string& name, const std::string& reference) {
    f().Command1.PerformClick();
    Form2& w = app.Form2();
    w.Text1.SetText(reference);
    w.Text2.SetText("lm324");
    for (int i = 0; i < w.List1.ListCount(); ++i)
      if (w.List1.List(i).rfind(name + " ", 0) == 0) w.List1.SetListIndex(i);
    w.Command2.PerformClick();
  }
  void Click(int a, int d, int shift = 0) { f().Picture1_MouseUp(vb::vbLeftButton, shift, CX(a, d), CY(a, d)); }
  // The holes hold a closed ring of the part, in this pin order.
  void ExpectRing(const Pins& pins, const std::string& name, const std::string& reference, const std::string& what) {
    auto& g = m().HoleGrid;
    std::string record;
    for (const auto& r : TestRecords())
      if (r.rfind(name + " ", 0) == 0) record = r + " ";
    for (size_t i = 0; i < pins.size(); ++i) {
      const auto [a, d] = pins[i];
      const auto [na, nd] = pins[(i + 1) % pins.size()];
      const std::vector<Value> seen = {g(a, d, PinNumber), g(a, d, CompXFrom), g(a, d, CompYFrom), g(a, d, CompXToo),
                                       g(a, d, CompYToo), g(a, d, CompName),  g(a, d, CompValue), g(a, d, CompPackage),
                                       g(a, d, PartFit),  g(a, d, XYs)};
      const std::vector<Value> expected = {static_cast<int>(i + 1), pins[0].first, pins[0].second, na, nd, reference, "LM324",
                                           name, PickWords(record)[5], i == 0 ? record : ""};
      EXPECT_EQ(seen, expected) << what << " pin " << i + 1;
    }
  }
  int Occupied() {
    int n = 0;
    for (int d = 1; d <= 12; ++d)
      for (int a = 1; a <= 20; ++a) n += m().HoleGrid(a, d, CompXFrom) != Value(0);
    return n;
  }
};

TEST_F(PlacementTest, EachPackageClassWritesItsRing) {
  const struct {
    const char* what;
    const char* name;
    int horizontal, shift;
    Pins clicks, pins;
  } cases[] = {
      {"two-pin part, pin by pin", "Axial", 1, 0, {{5, 4}, {9, 4}}, {{5, 4}, {9, 4}}},
      {"one-pin part is a ring of one", "Pin1", 1, 0, {{7, 2}}, {{7, 2}}},
      {"DIP 8 across columns", "Dip8", 0, 0, {{5, 10}}, {{5, 10}, {6, 10}, {7, 10}, {8, 10}, {8, 7}, {7, 7}, {6, 7}, {5, 7}}},
      {"DIP 8 along rows", "Dip8", 1, 0, {{5, 3}}, {{5, 3}, {5, 4}, {5, 5}, {5, 6}, {8, 6}, {8, 5}, {8, 4}, {8, 3}}},
      {"DIP 8 mirrored by Shift", "Dip8", 0, 1, {{10, 4}}, {{10, 4}, {9, 4}, {8, 4}, {7, 4}, {7, 7}, {8, 7}, {9, 7}, {10, 7}}},
      {"four sides", "Sq8", 1, 0, {{5, 5}}, {{5, 5}, {5, 6}, {5, 7}, {6, 7}, {7, 7}, {7, 6}, {7, 5}, {6, 5}}},
      {"four sides ignore Shift and Horizontal", "Sq8", 0, 1, {{5, 5}}, {{5, 5}, {5, 6}, {5, 7}, {6, 7}, {7, 7}, {7, 6}, {7, 5}, {6, 5}}},
      {"single row along rows", "Con5", 1, 0, {{3, 2}}, {{3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}}},
      {"single row mirrored", "Sip4", 0, 1, {{9, 2}}, {{9, 2}, {8, 2}, {7, 2}, {6, 2}}},
      {"steps of 2.5 holes round half to even", "Half3", 1, 0, {{2, 1}}, {{2, 1}, {2, 4}, {2, 6}}},
      {"zig-zag across columns", "Zig4", 0, 0, {{3, 5}}, {{3, 5}, {4, 3}, {5, 5}, {6, 3}}},
      {"zig-zag along rows, mirrored", "Zig4", 1, 1, {{8, 6}}, {{8, 6}, {6, 5}, {8, 4}, {6, 3}}},
  };
  for (const auto& c : cases) {
    Board(20, 12);
    f().Check1.SetValue(c.horizontal);
    Pick(c.name, "ic7");
    for (auto [a, d] : c.clicks) Click(a, d, c.shift);
    ExpectRing(c.pins, c.name, "IC7", c.what);
    EXPECT_EQ(Occupied(), static_cast<int>(c.pins.size())) << c.what;
    EXPECT_FALSE(m().PlacingPart) << c.what;
    EXPECT_EQ(std::pair(m().PrevPinX, m().PinCount), std::pair(0, 0)) << c.what;
    EXPECT_EQ(f().Picture1.MousePointer(), vb::vbDefault) << c.what;
  }
}

TEST_F(PlacementTest, TwoPinPartsBetweenTheirClicks) {
  auto& g = m().HoleGrid;
  Pick("Disk", "c1");
  Click(4, 4);
  EXPECT_EQ(std::pair(g(4, 4, PinNumber), g(4, 4, CompXToo)), std::pair(Value(1), Value(0)));  // ring still open
  EXPECT_EQ(m().LastPinScreenX, vb::CInt(g(4, 4, HoleX) + m().ScrollX));
  f().Picture1_MouseUp(1, 0, (CX(4, 4) + CX(5, 4)) / 2, CY(4, 4));  // off the holes: nothing
  responder.Expect("Hole not empty", "Place Error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  responder.Expect("Error, hole not empty (1..2 Pin)", "Place pin Error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  Click(4, 4);
  Click(4, 5);
  ExpectRing({{4, 4}, {4, 5}}, "Disk", "C1", "disk");

  // Class "ZO" with two pins goes in pin by pin; the zig-zag test after each pin finds the
  // pin just placed. The pin numbers stay 1 and 2.
  Pick("Zz2", "z1");
  responder.Expect("Hole not empty", "Place Error");
  Click(8, 8);
  responder.Expect("Hole not empty", "Place Error");
  Click(9, 8);
  ExpectRing({{8, 8}, {9, 8}}, "Zz2", "Z1", "ZO");
}

TEST_F(PlacementTest, RefusedAndAbandonedPlacementsLeaveNoOpenRing) {
  auto& g = m().HoleGrid;
  f().Check1.SetValue(0);
  const struct {
    const char* what;
    const char* name;
    int a, d;
    std::vector<std::pair<const char*, const char*>> messages;
    bool placingAfter;
  } cases[] = {
      {"package off the board", "Dip8", 18, 10, {{"Hole outside of board", "Place Error"}}, true},
      {"package over a placed pin", "Dip8", 5, 10, {{"Hole not empty", "Place Error"}}, true},
      {"a code that matches no class", "Big30", 2, 11, {}, true},
      {"a pitch far beyond the board", "Far3", 2, 2, {{"Hole outside of board", "Place Error"}}, true},
      {"a pitch of zero holes", "Tiny", 2, 2, {{"Hole not empty", "Place Error"}, {"Error, hole not empty (A or F)", "Place pin Error"}}, false},
  };
  for (const auto& c : cases) {
    Board(20, 12);
    g(6, 7, CompXFrom) = 6;  // a pin of another part
    g(6, 7, CompYFrom) = 7;
    Pick(c.name, "u1");
    for (const auto& [text, title] : c.messages) responder.Expect(text, title, vb::vbOK, vb::vbOKOnly | vb::vbCritical);
    Click(c.a, c.d);
    EXPECT_EQ(Occupied(), 1) << c.what;
    EXPECT_EQ(m().PlacingPart, c.placingAfter) << c.what;
  }

  // Pin 1 of a two-pin part, then another tool or Place Component: the pin goes again and
  // the next part starts afresh.
  Board(20, 12);
  Pick("Axial", "r1");
  Click(3, 3);
  f().Command3.PerformClick();
  Pick("Axial", "r2");
  Click(3, 9);
  f().Command1.PerformClick();
  app.Form2().Command1.PerformClick();
  EXPECT_EQ(Occupied(), 0);
  Pick("Radial", "r3");
  Click(10, 2);
  Click(11, 2);
  ExpectRing({{10, 2}, {11, 2}}, "Radial", "R3", "after abandoned parts");

  // Pin 1 placed, then a new board: the next click gives the part up.
  Pick("Axial", "r5");
  Click(6, 6);
  Board(20, 12);
  Click(6, 8);
  EXPECT_EQ(Occupied(), 0);
  EXPECT_FALSE(m().PlacingPart);
  Pick("Radial", "r3");
  Click(10, 2);
  Click(11, 2);

  // A size box grown without a build does not widen the board: unbuilt holes lying at 0, 0
  // never answer, the click lands on hole (1, 1).
  Pick("Axial", "r4");
  Click(2, 2);
  f().Text1.SetText("25");
  f().Picture1_MouseUp(1, 0, CX(1, 1), CY(1, 1));
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_EQ(Occupied(), 4);
  EXPECT_EQ(m().HoleGrid(1, 1, CompXFrom), Value(2));
}

}  // namespace
