// The library in the "Edit" window: loading a record for editing, saving it back in place,
// and deleting records with the right button and Ctrl, all through real input.
#include <QListWidget>

#include "tests/parteditor/parteditor_fixture.h"
#include "tests/support/real_input.h"

using namespace moravint;

namespace {

const char* const kFive =
    "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n0\r\n12\r\n*\r\n"
    "Short\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\nE\r\n0\r\n0\r\n0\r\n3\r\nE\r\n0\r\n3\r\n0\r\n0\r\n*\r\n"
    "Dip6\r\n0.3\r\nDO\r\n6\r\n1\r\n1\r\nA\r\n-1\r\n-1\r\n10\r\n-1\r\nA\r\n10\r\n-1\r\n10\r\n7\r\n*\r\n"
    "Led\r\n0.1\r\nAR\r\n2\r\n2\r\n1\r\nC\r\n-.5\r\n-.5\r\n.5\r\n-.5\r\n*\r\n"
    "Cap\r\n0.2\r\nAR\r\n2\r\n1\r\n1\r\nG\r\n0\r\n0\r\n0\r\n6\r\n*\r\n";

// The centre of list entry `row`, in pixels of the list widget.
QPoint RowCentre(vb::ListBox& list, int row) {
  auto* w = static_cast<QListWidget*>(list.Widget());
  return w->viewport()->mapTo(w, w->visualItemRect(w->item(row)).center());
}

}  // namespace

TEST_F(PartEditorTest, LoadingShortGivesThreePointsAndSavingItBackChangesNothing) {
  folder.Write("Brantel.lib", kFive);
  Start();
  ASSERT_EQ(5, app.Form2().List1.ListCount());
  EXPECT_EQ("Dip6 0.3 ", app.Form2().List1.List(2));
  responder.ExpectModal([&](vb::Form&) {
    auto& list = app.Form2().List1;
    EXPECT_EQ(-1, list.ListIndex());
    testsupport::MouseClick(list.Widget(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, 1));
  });
  f().Command5.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_TRUE(m().EditMode);
  EXPECT_EQ(1, f().EditIndex);
  EXPECT_EQ((std::vector<std::string>{"E 125 75", "E 125 135", "E 125 75"}), Points());
  EXPECT_EQ("2", f().Text7.Text());
  EXPECT_EQ(125, f().CurX);
  EXPECT_EQ(75, f().CurY);
  for (const auto& [box, text] : std::vector<std::pair<vb::TextBox*, std::string>>{
           {&f().Text1, "Short"}, {&f().Text4, "0.2"}, {&f().Text6, "AR"}, {&f().Text3, "2"}, {&f().Text2, "2"},
           {&f().Text5, "1"}})
    EXPECT_EQ(text, box->Text()) << box->Name();
  EXPECT_TRUE(ColourNear(125, 105, vb::RGB(255, 255, 0)));

  f().Command2.PerformClick();
  EXPECT_EQ(kFive, folder.Read("Brantel.lib"));
  EXPECT_FALSE(m().EditMode);
  EXPECT_EQ("Name", f().Text1.Text());

  // A record of more than 2 pins keeps its own slide flag but leaves Slideable unchecked.
  responder.ExpectModal([&](vb::Form&) {
    app.Form2().List1.SetListIndex(2);
  });
  f().open.Click();
  EXPECT_EQ("1", f().Text5.Text());
  EXPECT_EQ(vb::vbUnchecked, f().Check7.Value());
  EXPECT_EQ((std::vector<std::string>{"A 105 55", "A 325 55", "A 325 215"}), Points());
  f().Command2.PerformClick();
  EXPECT_EQ(kFive, folder.Read("Brantel.lib"));
}

TEST_F(PartEditorTest, OnlyTheRightButtonWithCtrlAloneDeletes) {
  folder.Write("Brantel.lib", kFive);
  Start();
  responder.ExpectModal([&](vb::Form&) {
    auto& list = app.Form2().List1;
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::NoModifier),
          Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)})
      testsupport::MouseClick(list.Widget(), Qt::RightButton, mods, RowCentre(list, 1));
    testsupport::MouseClick(list.Widget(), Qt::MiddleButton, Qt::ControlModifier, RowCentre(list, 1));
    EXPECT_TRUE(app.Form2.Loaded());
    EXPECT_EQ(5, list.ListCount());
    EXPECT_EQ(kFive, folder.Read("Brantel.lib"));
    // Record 2 of 5.
    testsupport::MouseClick(list.Widget(), Qt::RightButton, Qt::ControlModifier, RowCentre(list, 1));
  });
  Click(305, 305);
  f().Command5.PerformClick();
  EXPECT_FALSE(m().EditMode);
  EXPECT_EQ(2, m().PointCount.Num());
  EXPECT_FALSE(app.Form2.Loaded());
  std::string four = kFive;
  four.erase(four.find("Short"), four.find("Dip6") - four.find("Short"));
  EXPECT_EQ(four, folder.Read("Brantel.lib"));
  EXPECT_EQ(3, m().LibCount);
  responder.ExpectModal([&](vb::Form&) {
    auto& list = app.Form2().List1;
    EXPECT_EQ(4, list.ListCount());
    EXPECT_EQ("Dip6 0.3 ", list.List(1));
    app.Form2().Command2.PerformClick();  // Done without an entry only closes
  });
  f().Command5.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_FALSE(m().EditMode);
  EXPECT_EQ(2, m().PointCount.Num());
}

TEST_F(PartEditorTest, DeletingTheOnlyRecordLeavesAnEmptyLibrary) {
  folder.Write("Brantel.lib", "Cap\r\n0.2\r\nAR\r\n2\r\n1\r\n1\r\n*\r\n");
  Start();
  responder.ExpectModal([&](vb::Form&) {
    auto& list = app.Form2().List1;
    testsupport::MouseClick(list.Widget(), Qt::RightButton, Qt::ControlModifier, RowCentre(list, 0));
  });
  f().Command5.PerformClick();
  EXPECT_TRUE(folder.Exists("Brantel.lib"));
  EXPECT_EQ("", folder.Read("Brantel.lib"));
  EXPECT_EQ(-1, m().LibCount);
  EXPECT_EQ(0, app.Form2().List1.ListCount());
  // An empty library reads as no records; the next Save starts it again.
  Type(f().Text1, "Wire");
  f().Command2.PerformClick();
  EXPECT_EQ("Wire\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\n*\r\n", folder.Read("Brantel.lib"));
  responder.ExpectModal([&](vb::Form&) { app.Form2().Command1.PerformClick(); });  // Cancel
  f().Command5.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_FALSE(m().EditMode);
}

TEST_F(PartEditorTest, DeletingWhileEditingKeepsSavePointedAtTheLoadedRecord) {
  folder.Write("Brantel.lib", kFive);
  Start();
  auto load = [&](int row) {
    responder.ExpectModal([&, row](vb::Form&) { app.Form2().List1.SetListIndex(row); });
    f().Command5.PerformClick();
  };
  auto remove = [&](int row) {
    responder.ExpectModal([&, row](vb::Form&) {
      auto& list = app.Form2().List1;
      testsupport::MouseClick(list.Widget(), Qt::RightButton, Qt::ControlModifier, RowCentre(list, row));
    });
    f().Command5.PerformClick();
  };
  load(3);  // "Led"
  remove(0);  // "Axial", before it
  EXPECT_TRUE(m().EditMode);
  EXPECT_EQ(2, f().EditIndex);
  Type(f().Text2, "3");
  f().Command2.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 * ",
                                      "Dip6 0.3 DO 6 1 1 A -1 -1 10 -1 A 10 -1 10 7 * ",
                                      "Led 0.1 AR 2 3 1 C -.5 -.5 .5 -.5 * ", "Cap 0.2 AR 2 1 1 G 0 0 0 6 * "}),
            std::vector<std::string>(m().LibRecs.begin(), m().LibRecs.begin() + 4));

  // Deleting the loaded record itself ends editing: the next Save adds a new part.
  load(3);  // "Cap"
  remove(3);
  EXPECT_FALSE(m().EditMode);
  f().Command2.PerformClick();
  EXPECT_EQ(3, m().LibCount);
  EXPECT_EQ("Cap 0.2 AR 2 1 1 G 0 0 0 6 * ", m().LibRecs[3]);
}

// A name and pitch left after the last record's "*" are no record: not listed, not held,
// and not written back by the next Save.
TEST_F(PartEditorTest, ANameAndPitchAfterTheLastRecordAreDropped) {
  std::string five = kFive;
  folder.Write("Brantel.lib", five + "Extra\r\n0.5\r\n");
  Start();
  responder.ExpectModal([&](vb::Form&) {
    auto& list = app.Form2().List1;
    EXPECT_EQ(5, list.ListCount());
    EXPECT_EQ("Cap 0.2 ", list.List(list.ListCount() - 1));
    testsupport::MouseClick(app.Form2().Command1);  // Cancel
  });
  testsupport::MouseClick(f().Command5);
  EXPECT_EQ(4, m().LibCount);
  KeyType(f().Text1, "Wire");
  Click(125, 135);
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ(five + "Wire\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\nA\r\n0\r\n0\r\n0\r\n3\r\n*\r\n", folder.Read("Brantel.lib"));
}

namespace {

// A record of `steps` joined lines in library form, as a hand-made library holds it.
std::string RecordOfSteps(const std::string& name, int steps) {
  std::string bytes = name + "\r\n0.1\r\nAR\r\n2\r\n1\r\n1\r\n";
  auto x = [](int k) { return std::to_string(k % 7 - 3); };
  auto y = [](int k) { return std::to_string((k / 7) % 5); };
  for (int k = 0; k < steps; ++k)
    bytes += std::string(1, static_cast<char>('A' + k % 10)) + "\r\n" + x(k) + "\r\n" + y(k) + "\r\n" + x(k + 1) +
             "\r\n" + y(k + 1) + "\r\n";
  return bytes + "*\r\n";
}

}  // namespace

// A record longer than the drawing holds, or with a coordinate it cannot hold, is not loaded
// for editing, so no Save can cut or change it; one of the longest the drawing holds loads and
// saves back unchanged.
TEST_F(PartEditorTest, ARecordTooLongToEditIsRefusedAndNeverCut) {
  const std::string library = "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n0\r\n12\r\n*\r\n" +
                              RecordOfSteps("Huge", 1000) + RecordOfSteps("Long", 999) +
                              "Cap\r\n0.2\r\nAR\r\n2\r\n1\r\n1\r\nG\r\n0\r\n0\r\n0\r\n6\r\n*\r\n"
                              "Far\r\n0.1\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n1e400\r\n0\r\n*\r\n"
                              "Farther\r\n0.1\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n0\r\n-1e307\r\n*\r\n";
  folder.Write("Brantel.lib", library);
  Start();
  KeyType(f().Text1, "Wire");
  Click(185, 75);
  auto pick = [&](int row) {
    responder.ExpectModal([&, row](vb::Form&) {
      auto& list = app.Form2().List1;
      testsupport::MouseClick(list.Widget(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, row));
    });
    testsupport::MouseClick(f().Command5);
  };
  responder.Expect("The component Huge has 1000 lines; at most 999 can be loaded for editing", "Limits", vb::vbOK,
                   vb::vbCritical);
  pick(1);
  // So is one with a coordinate too large for the drawing.
  responder.Expect("The component Far holds a coordinate too large to be loaded for editing", "Limits");
  pick(4);
  responder.Expect("The component Farther holds a coordinate too large to be loaded for editing", "Limits");
  pick(5);
  EXPECT_TRUE(responder.Done());
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_FALSE(m().EditMode);
  EXPECT_EQ((std::vector<std::string>{"A 125 75", "A 185 75"}), Points());
  EXPECT_EQ("Wire", f().Text1.Text());
  EXPECT_EQ("1", f().Text7.Text());
  // Save adds the drawn part and leaves the long record as it was.
  testsupport::MouseClick(f().Command2);
  const std::string withWire = library + "Wire\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\nA\r\n0\r\n0\r\n3\r\n0\r\n*\r\n";
  EXPECT_EQ(withWire, folder.Read("Brantel.lib"));

  pick(2);
  EXPECT_TRUE(m().EditMode);
  EXPECT_EQ("999", f().Text7.Text());
  EXPECT_EQ(1000, m().PointCount.Num());
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ(withWire, folder.Read("Brantel.lib"));
}

// A record whose last point lies far off the picture loads, draws the grid the picture shows
// and saves back unchanged; so does a part drawn with a step far larger than the picture and
// opened again with the usual step.
TEST_F(PartEditorTest, PartsFarOffThePictureLoadDrawAndSaveBack) {
  const std::string library = "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n0\r\n12\r\n*\r\n"
                              "Mid\r\n0.1\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n1E+15\r\n-1E+15\r\n*\r\n"
                              "Far\r\n0.3\r\nAR\r\n2\r\n3\r\n0\r\nC\r\n0\r\n0\r\n-1E+300\r\n1E+300\r\n*\r\n"
                              "Led\r\n0.1\r\nAR\r\n2\r\n2\r\n1\r\nC\r\n-.5\r\n-.5\r\n.5\r\n-.5\r\n*\r\n";
  folder.Write("Brantel.lib", library);
  Start();
  auto pick = [&](int row) {
    responder.ExpectModal([&, row](vb::Form&) {
      auto& list = app.Form2().List1;
      testsupport::MouseClick(list.Widget(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, row));
    });
    testsupport::MouseClick(f().Command5);
  };
  constexpr vb::Colour kGrid = vb::RGB(230, 230, 230);
  // The grid of the picture: a line every 10 units from its edge, nothing between them.
  auto expectGrid = [&](const char* part) {
    EXPECT_EQ(kGrid, f().Picture1.Point(30, 503)) << part;
    EXPECT_EQ(kGrid, f().Picture1.Point(843, 590)) << part;
    EXPECT_EQ(vb::RGB(240, 240, 240), f().Picture1.Point(845, 503)) << part;
  };

  pick(1);
  EXPECT_TRUE(m().EditMode);
  EXPECT_EQ("Mid", f().Text1.Text());
  EXPECT_EQ("1", f().Text7.Text());
  EXPECT_EQ(2, m().PointCount.Num());
  expectGrid("Mid");
  // The line runs from pin 1 up and to the right, out of the picture.
  EXPECT_TRUE(ColourNear(162.5, 37.5, vb::RGB(0, 0, 0)));
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ(library, folder.Read("Brantel.lib"));

  pick(2);
  EXPECT_EQ("Far", f().Text1.Text());
  EXPECT_EQ("3", f().Text2.Text());
  expectGrid("Far");
  EXPECT_TRUE(ColourNear(65, 135, vb::RGB(255, 0, 0)));  // down and to the left, in red
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ(library, folder.Read("Brantel.lib"));

  // A step far larger than the picture: the click snaps far off it, and, lying within half a
  // step of pin 1, closes the outline and saves the part (with the header boxes Far left).
  KeyType(f().Text8, "1e15");
  KeyType(f().Text1, "Wide");
  Click(305, 305);
  EXPECT_EQ("Name", f().Text1.Text());
  const std::string withWide = folder.Read("Brantel.lib");
  ASSERT_EQ(0u, withWide.find(library));
  EXPECT_EQ("Wide\r\n0.3\r\nAR\r\n2\r\n3\r\n0\r\nA\r\n0\r\n0\r\n24999999999993.8\r\n24999999999996.2\r\n*\r\n",
            withWide.substr(library.size()));
  KeyType(f().Text8, "10");
  pick(4);
  EXPECT_EQ("Wide", f().Text1.Text());
  expectGrid("Wide");
  EXPECT_TRUE(ColourNear(425, 375, vb::RGB(0, 0, 0)));
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ(withWide, folder.Read("Brantel.lib"));
  EXPECT_TRUE(responder.Done());
}
