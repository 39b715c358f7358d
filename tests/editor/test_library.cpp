// The part library reader, the Add Component window and the library chooser.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"
#include "tests/support/list_clicks.h"

namespace {

using libtest::Record;
using Strings = std::vector<std::string>;

TEST(LibraryReader, RecordsListTextsRefusalsWordsAndReferences) {
  testsupport::TempFolder folder;
  const std::string shortRec = "Short\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\n*\r\n", jmp = "JMP\r\n0.2\r\nAO\r\n2\r\n*\r\n";
  const struct {
    const char* what;
    std::string file;
    Strings records, list;
    bool cutShort = false;
  } cases[] = {
      {"one record; the spare stays empty", shortRec, {"Short 0.2 AR 2 2 1 * ", ""}, {"Short 0.2 "}},
      {"last record without its star fills the spare", jmp + "Dip6\r\n0.3\r\nDO\r\n6", {"JMP 0.2 AO 2 * ", "Dip6 0.3 DO 6 "},
       {"JMP 0.2 ", "Dip6 0.3 "}},
      {"name and pitch after the last star are dropped", jmp + shortRec + "Extra\r\n0.5\r\n",
       {"JMP 0.2 AO 2 * ", "Short 0.2 AR 2 2 1 * ", ""}, {"JMP 0.2 ", "Short 0.2 "}},
      {"blanks around the star end a record and stay", "A\r\n0.1\r\nAR\r\n  *  \r\n" + jmp, {"A 0.1 AR   *   ", "JMP 0.2 AO 2 * ", ""},
       {"A 0.1 ", "JMP 0.2 "}},
      {"trailing blank in a token, LF ends", "Disk\n0.1\nAR \n2\n*", {"Disk 0.1 AR  2 * ", ""}, {"Disk 0.1 "}},
      // Files that end where a further line is expected keep what was read before.
      {"cut short in a record's first lines", "Axial\r\n0.3\r\n", {""}, {"Axial 0.3 "}, true},
      {"cut short after a record", jmp + "Dip6\r\n", {"JMP 0.2 AO 2 * ", ""}, {"JMP 0.2 "}, true},
  };
  for (const auto& c : cases) {
    folder.Write("case.lib", c.file);
    const LibraryContents lib = ReadLibrary("case.lib");
    Strings records;
    for (const auto& v : lib.records) records.push_back(v.Text());
    EXPECT_EQ(records, c.records) << c.what;
    EXPECT_EQ(lib.listTexts, c.list) << c.what;
    EXPECT_EQ(lib.cutShort, c.cutShort) << c.what;
  }
  // A file that is missing or holds no line is refused whole.
  const std::pair<const char*, int> bad[] = {{nullptr, 53}, {"", 62}};
  for (auto [text, error] : bad) {
    std::filesystem::remove(folder.HostFile("bad.lib"));
    if (text) folder.Write("bad.lib", text);
    EXPECT_THROW(
        try { ReadLibrary("bad.lib"); } catch (const vb::RuntimeError& e) {
          EXPECT_EQ(e.Number(), error) << (text ? text : "missing");
          throw;
        },
        vb::RuntimeError);
  }

  const auto words = PickWords("Disk 0.1 AR  2 1 * ");
  EXPECT_EQ(Strings(words.begin(), words.begin() + 8), (Strings{"Disk", "0.1", "AR", "", "2", "1", "*", ""}));
  EXPECT_EQ(PickWords("A B C").at(2), "");  // the text after the last blank is no word
  for (auto [from, to] : {std::pair("R1", "R2"), {"R9", "R10"}, {"R10", "R11"}, {"U", "U1"}, {"12", "13"}, {"R007", "R8"}})
    EXPECT_EQ(NextReference(from), to) << from;
}

class AddComponentTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", libtest::LibraryText(libtest::DefaultRecords()));
    Board(20, 12);
  }
  Form2& w() { return app.Form2(); }
  void Select(vb::ListBox& list, const std::string& name) {
    for (int i = 0; i < list.ListCount(); ++i)
      if (list.List(i).rfind(name + " ", 0) == 0) list.SetListIndex(i);
  }
  std::array<std::string, 7> Boxes() {
    return {f().Text7.Text(), f().Text8.Text(), f().Text9.Text(), f().Text20.Text(), f().Text21.Text(), f().Text22.Text(), w().Text3.Text()};
  }
};

TEST_F(AddComponentTest, PickPlacePartCancelAndTheReferenceProposal) {
  m().LastReference = "R7";
  f().Command1.PerformClick();
  ASSERT_TRUE(w().Visible());
  EXPECT_EQ(w().Caption(), "Add Component");
  ASSERT_EQ(w().List1.ListCount(), 12);
  EXPECT_EQ(w().List1.List(11), "Dip6 0.3 ");
  ASSERT_EQ(m().CompRecords.size(), 13u);
  EXPECT_EQ(m().CompRecords[3].Text(), Record("Disk") + " ");
  EXPECT_EQ(w().Text1.Text(), "R8");

  w().Text1.SetText("u5");
  w().Text2.SetText("ne555");
  Select(w().List1, "Dip6");
  EXPECT_EQ(Boxes(), (std::array<std::string, 7>{"U5", "NE555", "DO", "Dip6", "0", "0.3", "Dip6"}));
  EXPECT_EQ(m().PinCount, 6);
  EXPECT_EQ(m().CurrentPart, Record("Dip6") + " ");
  EXPECT_EQ(m().LastReference, Value("u5"));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
  EXPECT_FALSE(m().PlacingPart);

  // An edit after the pick counts for the placement, not for the next proposal.
  w().Text1.SetText("ic2");
  w().Command2.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_TRUE(m().PlacingPart);
  EXPECT_EQ(f().Text7.Text(), "IC2");
  f().Command1.PerformClick();
  EXPECT_EQ(w().Text1.Text(), "u6");
  w().Command1.PerformClick();  // Cancel keeps the proposal
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbArrow);
  f().Command1.PerformClick();
  EXPECT_EQ(w().Text1.Text(), "u7");

  // Exit closes the editing windows with the main window, and the program ends.
  w().Command3.PerformClick();
  f().Command12.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_FALSE(app.Form10.Loaded());
  EXPECT_TRUE(app.Ended());
}

TEST_F(AddComponentTest, MissingLibraryAndTheListing) {
  m().CompRecords = {Value("kept "), Value("")};
  std::filesystem::remove(folder.HostFile("Brantel.lib"));
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  f().Command1.PerformClick();
  EXPECT_TRUE(app.Form2.Loaded());
  EXPECT_EQ(w().List1.ListCount(), 0);
  EXPECT_EQ(m().CompRecords.size(), 2u);

  const Strings two = {Record("JMP"), Record("Short")};
  folder.Write("Brantel.lib", libtest::LibraryText(two));
  w().Command4.PerformClick();
  EXPECT_EQ(folder.Read("text.txt"), two[0] + " \r\n" + two[1] + " \r\n");
  EXPECT_EQ(w().List1.ListCount(), 2);

  // A listing that cannot be written says so; the list is filled all the same.
  folder.Write("Brantel.lib", libtest::LibraryText(libtest::DefaultRecords()));
  std::filesystem::remove(folder.HostFile("text.txt"));
  std::filesystem::create_directory(folder.HostFile("text.txt"));
  responder.Expect("The library listing text.txt could not be written: Path/File access error", "Library Error",
                   vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  w().Command4.PerformClick();
  EXPECT_EQ(w().List1.ListCount(), 12);
}

TEST_F(AddComponentTest, ChooserListsTheSettingsLibrariesAndReplacesTheList) {
  std::array<std::string, 11> eleven;
  Strings elevenListed;
  for (int i = 0; i < 11; ++i) {
    eleven[i] = " lib" + std::to_string(i) + ".lib";
    elevenListed.push_back(eleven[i].substr(1));
  }
  const std::pair<std::array<std::string, 11>, Strings> cases[] = {
      {{"", "a.lib", ""}, {"", "a.lib"}},  // entry 0 is listed even when empty
      {eleven, elevenListed},
      {{"Brantel.lib", "   ", "b.lib", "", "c.lib"}, {"Brantel.lib", "", "b.lib"}},  // blanks do not end the list
  };
  for (const auto& [names, listed] : cases) {
    m().LibraryList = names;
    app.Form10.Unload();
    Strings seen;
    for (int i = 0; i < app.Form10().List1.ListCount(); ++i) seen.push_back(app.Form10().List1.List(i));
    EXPECT_EQ(seen, listed);
  }
  app.Form10.Unload();

  // The empty entry names the program folder itself: refused, the chooser stays open.
  m().LibraryList = {"", "Small.lib"};
  folder.Write("Small.lib", libtest::LibraryText({Record("Con5"), Record("Res1K")}));
  f().Command1.PerformClick();
  w().Command3.PerformClick();
  app.Form10().List1.SetListIndex(0);
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  app.Form10().List1.DblClick();
  EXPECT_TRUE(app.Form10().Visible());
  EXPECT_EQ(w().List1.ListCount(), 12);

  // A good library, chosen by a real double click, replaces list and records, the chooser
  // closes (the double click's own window is gone before its last release), a pick takes
  // from it.
  testsupport::DoubleClickRow(app.Form10().List1.Widget(), 1);
  EXPECT_FALSE(app.Form10.Loaded());
  EXPECT_EQ(w().List1.ListCount(), 2);
  EXPECT_EQ(m().CompRecords.size(), 3u);
  Select(w().List1, "Con5");
  EXPECT_EQ(f().Text20.Text(), "Con5");
  EXPECT_EQ(m().PinCount, 5);
  w().Command1.PerformClick();  // the next opening reads the default library again
  f().Command1.PerformClick();
  EXPECT_EQ(w().List1.ListCount(), 12);
}

}  // namespace
