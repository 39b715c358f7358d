// The part record: the package code cascade, the corrections while typing, and Save with
// its messages, its record text and the library it rewrites.
#include <cmath>
#include <filesystem>

#include "parteditor/part_library.h"
#include "tests/parteditor/parteditor_fixture.h"

using namespace moravint;


TEST_F(PartEditorTest, ShortDrawnWithTheMouseIsSavedAsSeventeenLines) {
  Start();
  Type(f().Text1, "Short");
  f().Command13.PerformClick();  // style "E" before drawing
  Click(126, 133);               // one hole down
  Click(124, 77);                // back on the origin: saves
  EXPECT_EQ(RecordWords(kShortRecord), LibraryLines());
  EXPECT_EQ(17u, LibraryLines().size());
  // In memory as read back from the file; the editor is ready for a new part.
  EXPECT_EQ(0, m().LibCount);
  EXPECT_EQ(std::string(kShortRecord) + " ", m().LibRecs[0]);
  EXPECT_EQ("Short 0.2 ", app.Form2().List1.List(0));
  EXPECT_EQ("Name", f().Text1.Text());
  EXPECT_EQ("0", f().Text7.Text());
  EXPECT_EQ("A", m().CurStyle);
  EXPECT_FALSE(m().EditMode);
}

TEST_F(PartEditorTest, CoordinatesLeftAndRightOfTheOriginAndTwoSavesAppend) {
  folder.Write("Brantel.lib", "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\nA\r\n0\r\n0\r\n0\r\n12\r\n*\r\n");
  Start();
  Type(f().Text1, "Res");
  Click(105, 75);  // 20 units left
  Click(135, 75);  // 10 units right
  f().Command2.PerformClick();
  Type(f().Text1, "Bare");
  f().save.Click();  // the File menu's Save; the origin alone gives no step
  EXPECT_EQ((std::vector<std::string>{"Axial", "0.4", "AR", "2", "1", "1", "A", "0", "0", "0", "12", "*",
                                      "Res", "0.2", "AR", "2", "2", "1", "A", "0", "0", "-1", "0", "A", "-1", "0",
                                      ".5", "0", "*", "Bare", "0.2", "AR", "2", "2", "1", "*"}),
            LibraryLines());
  EXPECT_EQ(2, m().LibCount);
  EXPECT_EQ(3, app.Form2().List1.ListCount());
}

TEST_F(PartEditorTest, CheckBoxCascade) {
  Start();
  Form1& w = f();
  auto state = [&] {
    std::string s = w.Text6.Text() + " " + w.Text5.Text() + " ";
    for (vb::CheckBox* c : {&w.Check1, &w.Check2, &w.Check3, &w.Check4, &w.Check5, &w.Check6, &w.Check7})
      s += c->Value() == vb::vbChecked ? "x" : ".";
    return s;
  };
  EXPECT_EQ("AR 1 ......x", state());
  w.Check3.PerformClick();  // Dual Inline
  EXPECT_EQ("DO 0 x.x....", state());
  w.Check3.PerformClick();  // unchecking it too runs BuildC
  EXPECT_EQ("AO 0 x......", state());
  w.Check3.PerformClick();
  w.Check7.PerformClick();  // Slideable with Dual Inline: both end unchecked
  EXPECT_EQ("AO 0 x......", state());
  w.Check7.PerformClick();
  EXPECT_EQ("AO 1 x.....x", state());
  // Each of two exclusive boxes unchecks the other, whose handler unchecks the first again.
  w.Check2.PerformClick();  // Mean XY while Orthagonal is checked
  EXPECT_EQ("AR 1 ......x", state());
  w.Check2.PerformClick();
  EXPECT_EQ("AM 1 .x....x", state());
  w.Check6.PerformClick();  // Random
  EXPECT_EQ("AR 1 ......x", state());
  // Z-Pack clicked with the mouse while Dual Inline is checked unchecks Dual Inline, whose
  // handler unchecks Z-Pack again; a second click checks it.
  testsupport::MouseClick(w.Check3);
  EXPECT_EQ("DO 0 x.x....", state());
  testsupport::MouseClick(w.Check4);
  EXPECT_EQ("AO 0 x......", state());
  testsupport::MouseClick(w.Check4);
  EXPECT_EQ("ZO 0 x..x...", state());
  w.Check5.PerformClick();  // Q-Pack while Z-Pack is checked
  EXPECT_EQ("AO 0 x......", state());
  w.Check5.PerformClick();
  EXPECT_EQ("QO 0 x...x..", state());
  w.Check7.PerformClick();  // Slideable clears Q-Pack, whose handler clears Slideable
  EXPECT_EQ("AO 0 x......", state());
  w.Check7.PerformClick();
  EXPECT_EQ("AO 1 x.....x", state());
  // A pin count above 2 clears Slideable; 2 leaves it.
  Type(w.Text3, "2");
  EXPECT_EQ("AO 1 x.....x", state());
  Type(w.Text3, "14");
  EXPECT_EQ("AO 0 x......", state());
  // A blank anywhere in the name replaces it at once.
  Type(w.Text1, "Dip");
  w.Text1.TypeKey(' ');
  EXPECT_EQ("Error", w.Text1.Text());
}

TEST_F(PartEditorTest, SaveRefusals) {
  Start();
  Click(125, 255);
  const std::string before = folder.Exists("Brantel.lib") ? folder.Read("Brantel.lib") : "<none>";
  // Both checks run for the default name with a Q-Pack of 6 pins.
  f().Check5.PerformClick();
  Type(f().Text3, "6");
  responder.Expect("Please enter a component name then click SAVE", "Name required", vb::vbOK,
                   vb::vbOKCancel + vb::vbQuestion);
  responder.Expect("Quad pack pin count must be divisible by 4 and less than 44", "Limits", vb::vbCancel,
                   vb::vbOKCancel + vb::vbQuestion);
  f().Command2.PerformClick();
  // Q-Pack pin counts: only 8 to 40 in steps of 4.
  Type(f().Text1, "Quad");
  for (const char* pins : {"4", "44", "30"}) {
    Type(f().Text3, pins);
    responder.Expect("Quad pack pin count must be divisible by 4 and less than 44", "Limits");
    f().Command2.PerformClick();
  }
  // An empty name, and a header word with a star or a blank, would break the library.
  Type(f().Text3, "40");
  Type(f().Text1, "");
  responder.Expect("Please enter a component name then click SAVE", "Name required");
  f().Command2.PerformClick();
  Type(f().Text1, "Quad");
  f().Text4.SetText("0.*1");
  responder.Expect("The component data may not contain blanks or *", "Error", vb::vbOK, vb::vbCritical);
  f().Command2.PerformClick();
  f().Text4.SetText("0. 1");
  responder.Expect("The component data may not contain blanks or *", "Error");
  f().Command2.PerformClick();
  EXPECT_EQ(before, folder.Exists("Brantel.lib") ? folder.Read("Brantel.lib") : "<none>");
  EXPECT_EQ(2, m().PointCount.Num());
  EXPECT_EQ("Quad", f().Text1.Text());

  f().Text4.SetText(" 0.1 ");
  f().Command2.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"Quad", "0.1", "QO", "40", "2", "0", "A", "0", "0", "0", "9", "*"}),
            LibraryLines());
}

TEST_F(PartEditorTest, ALibraryThatCannotBeWrittenKeepsEverything) {
  folder.Write("Brantel.lib", "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\n*\r\n");
  Start();
  Type(f().Text1, "Cap");
  Click(185, 75);
  // The library's place is taken by a folder: it cannot be written.
  std::filesystem::remove(folder.HostFile("Brantel.lib"));
  std::filesystem::create_directory(folder.HostFile("Brantel.lib"));
  responder.Expect("The part library Brantel.lib could not be written; it was left as it was", "Library Error",
                   vb::vbOK, vb::vbCritical);
  f().Command2.PerformClick();
  EXPECT_EQ(0, m().LibCount);
  EXPECT_EQ("Axial 0.4 AR 2 1 1 * ", m().LibRecs[0]);
  EXPECT_EQ("Cap", f().Text1.Text());
  EXPECT_EQ(2, m().PointCount.Num());
  // Once it can be written again, the next Save keeps the old record and adds the new one once.
  std::filesystem::remove(folder.HostFile("Brantel.lib"));
  f().Command2.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"Axial", "0.4", "AR", "2", "1", "1", "*", "Cap", "0.2", "AR", "2", "2", "1",
                                      "A", "0", "0", "3", "0", "*"}),
            LibraryLines());
}

// A number box holding what no number can hold is refused by name before anything else is
// checked or written; typing it raises nothing either.
TEST_F(PartEditorTest, NumbersTooLargeForAnyNumberAreRefusedByTheirBox) {
  folder.Write("Brantel.lib", "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\n*\r\n");
  Start();
  Click(185, 75);
  const std::string before = folder.Read("Brantel.lib");
  KeyType(f().Text1, "Ab");
  struct Box {
    vb::TextBox* box;
    const char* label;
    const char* good;
  };
  for (const Box& b : {Box{&f().Text4, "Spacing-X", "0.3"}, Box{&f().Text3, "Number of Pins", "8"},
                       Box{&f().Text2, "Thickness", "3"}, Box{&f().Text5, "the slide flag box", "0"}}) {
    KeyType(*b.box, "1e400");
    EXPECT_EQ("1e400", b.box->Text());
    responder.Expect(std::string("The number in ") + b.label + " is too large to save", "Limits", vb::vbOK,
                     vb::vbCritical);
    testsupport::MouseClick(f().Command2);
    EXPECT_EQ(before, folder.Read("Brantel.lib")) << b.label;
    // Before the refusal of a name with a star, and with Q-Pack before its pin count check.
    KeyType(f().Text1, "*");
    testsupport::MouseClick(f().Check5);
    responder.Expect(std::string("The number in ") + b.label + " is too large to save", "Limits");
    testsupport::MouseClick(f().Command2);
    testsupport::MouseClick(f().Check5);
    KeyType(f().Text1, "Ab");
    KeyType(*b.box, b.good);
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(before, folder.Read("Brantel.lib"));
  EXPECT_EQ(2, m().PointCount.Num());
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ((std::vector<std::string>{"Axial", "0.4", "AR", "2", "1", "1", "*", "Ab", "0.3", "AO", "8", "3", "0",
                                      "A", "0", "0", "3", "0", "*"}),
            LibraryLines());
}

// Expan-Y pressed until a point lies past any number: Save refuses the drawing, as it refuses
// a number box, and the library and the drawing stay as they were. Without that point the
// part is saved, and the point left on the origin's row was never moved.
TEST_F(PartEditorTest, APointExpandedPastAnyNumberIsNotSaved) {
  folder.Write("Brantel.lib", "Axial\r\n0.4\r\nAR\r\n2\r\n1\r\n1\r\n*\r\n");
  Start();
  KeyType(f().Text1, "Tall");
  Click(245, 75);
  Click(305, 135);
  testsupport::MouseClick(f().Command20);  // Comp-Y makes Expan-Y available
  int presses = 0;
  while (std::isfinite(m().PtY[2].Num()) && presses < 1000) {
    testsupport::MouseClick(f().Command21);
    ++presses;
  }
  ASSERT_TRUE(std::isinf(m().PtY[2].Num()));
  EXPECT_GT(presses, 400);
  const std::string before = folder.Read("Brantel.lib");
  const std::vector<std::string> drawing = Points();
  responder.Expect("The number in the drawing is too large to save", "Limits", vb::vbOK, vb::vbCritical);
  testsupport::MouseClick(f().Command2);
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(before, folder.Read("Brantel.lib"));
  EXPECT_EQ(drawing, Points());
  EXPECT_EQ("Tall", f().Text1.Text());
  EXPECT_EQ(0, m().LibCount);

  testsupport::MouseClick(f().Command4);  // Cancel last
  testsupport::MouseClick(f().Command2);
  EXPECT_EQ((std::vector<std::string>{"Axial", "0.4", "AR", "2", "1", "1", "*", "Tall", "0.2", "AR", "2", "2", "1",
                                      "A", "0", "0", "6", "0", "*"}),
            LibraryLines());
}
