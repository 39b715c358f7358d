// The part library reader, the Add Component window and the library chooser.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/editing/library.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"

namespace {

using libtest::LibraryText;
using libtest::Record;

std::vector<std::string> Texts(const std::vector<vb::Value>& values) {
  std::vector<std::string> out;
  for (const auto& v : values) out.push_back(v.Text());
  return out;
}

TEST(LibraryReader, RecordsListTextsAndTheSpareEntry) {
  testsupport::TempFolder folder;
  const std::string shortRec = "Short\r\n0.2\r\nAR\r\n2\r\n2\r\n1\r\nE\r\n0\r\n0\r\n0\r\n3\r\n*\r\n";
  const std::string jmp = "JMP\r\n0.2\r\nAO\r\n2\r\n2\r\n0\r\n*\r\n";
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> records, list;
  };
  const Case cases[] = {
      {"one well-formed record", shortRec, {"Short 0.2 AR 2 2 1 E 0 0 0 3 * ", ""}, {"Short 0.2 "}},
      {"last record without its star lands in the spare entry", jmp + "Dip6\r\n0.3\r\nDO\r\n6",
       {"JMP 0.2 AO 2 2 0 * ", "Dip6 0.3 DO 6 "}, {"JMP 0.2 ", "Dip6 0.3 "}},
      {"a name and pitch after the last star are dropped", jmp + shortRec + "Extra\r\n0.5\r\n",
       {"JMP 0.2 AO 2 2 0 * ", "Short 0.2 AR 2 2 1 E 0 0 0 3 * ", ""}, {"JMP 0.2 ", "Short 0.2 "}},
      {"blanks around the star end a record and stay in its text", "A\r\n0.1\r\nAR\r\n1\r\n  *  \r\n" + jmp,
       {"A 0.1 AR 1   *   ", "JMP 0.2 AO 2 2 0 * ", ""}, {"A 0.1 ", "JMP 0.2 "}},
      {"a trailing blank in a token doubles the blank", "Disk\r\n0.1\r\nAR \r\n2\r\n*\r\n",
       {"Disk 0.1 AR  2 * ", ""}, {"Disk 0.1 "}},
      {"LF line ends and no end after the last star", "JMP\n0.2\nAO\n2\n*", {"JMP 0.2 AO 2 * ", ""}, {"JMP 0.2 "}},
  };
  for (const Case& c : cases) {
    folder.Write("case.lib", c.file);
    const LibraryContents lib = ReadLibrary("case.lib");
    EXPECT_EQ(Texts(lib.records), c.records) << c.what;
    EXPECT_EQ(lib.listTexts, c.list) << c.what;
  }

  // A file that ends where a further line is expected is refused whole.
  struct Bad {
    const char* what;
    const char* file;
    int error;
  };
  const Bad bad[] = {{"missing", nullptr, 53},
                     {"empty", "", 62},
                     {"one line", "Axial\r\n", 62},
                     {"two lines", "Axial\r\n0.3\r\n", 62},
                     {"one line after a star", "JMP\r\n0.2\r\nAO\r\n*\r\nDip6\r\n", 62}};
  for (const Bad& b : bad) {
    std::filesystem::remove(folder.HostFile("bad.lib"));
    if (b.file) folder.Write("bad.lib", b.file);
    try {
      ReadLibrary("bad.lib");
      ADD_FAILURE() << b.what;
    } catch (const vb::RuntimeError& e) {
      EXPECT_EQ(e.Number(), b.error) << b.what;
    }
  }
}

TEST(LibraryReader, WordsOfAPickAndReferenceProposals) {
  const auto words = PickWords("Disk 0.1 AR  2 1 * ");
  EXPECT_EQ((std::vector<std::string>(words.begin(), words.begin() + 8)),
            (std::vector<std::string>{"Disk", "0.1", "AR", "", "2", "1", "*", ""}));
  EXPECT_EQ(PickWords("A B C").at(2), "");  // the text after the last blank is no word
  EXPECT_EQ(PickWords(Record("Dip6") + " ").size(), 18u);

  const std::pair<const char*, const char*> refs[] = {
      {"R1", "R2"}, {"R9", "R10"}, {"C9", "C10"}, {"R10", "R11"}, {"U", "U1"}, {"12", "13"}, {"R007", "R8"}, {"q3x", "q3x1"}};
  for (auto [from, to] : refs) EXPECT_EQ(NextReference(from), to) << from;
}

class AddComponentTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", LibraryText(libtest::DefaultRecords()));
    Board(20, 12);
  }
  Form2& w() { return app.Form2(); }
  int Find(vb::ListBox& list, const std::string& name) {
    for (int i = 0; i < list.ListCount(); ++i)
      if (list.List(i).rfind(name + " ", 0) == 0) return i;
    return -1;
  }
};

TEST_F(AddComponentTest, LoadListsTheLibraryAndAPickFillsTheTransferBoxes) {
  m().LastReference = "R7";
  f().Command1.PerformClick();
  ASSERT_TRUE(app.Form2.Loaded());
  EXPECT_TRUE(w().Visible());
  EXPECT_EQ(w().Caption(), "Add Component");
  EXPECT_EQ(w().Command2.ToolTipText(), "Allows the first pin to be placed");
  ASSERT_EQ(w().List1.ListCount(), 12);
  EXPECT_EQ(w().List1.List(0), "Axial 0.3 ");
  EXPECT_EQ(w().List1.List(11), "Dip6 0.3 ");
  ASSERT_EQ(m().CompRecords.size(), 13u);
  EXPECT_EQ(m().CompRecords[3].Text(), Record("Disk") + " ");
  EXPECT_EQ(m().CompRecords[12].Text(), "");
  EXPECT_EQ(w().Text1.Text(), "R8");
  EXPECT_EQ(m().LastReference, Value("R8"));

  w().Text1.SetText("u5");
  w().Text2.SetText("ne555");
  w().List1.SetListIndex(Find(w().List1, "Dip6"));
  EXPECT_EQ(f().Text7.Text(), "U5");
  EXPECT_EQ(f().Text8.Text(), "NE555");
  EXPECT_EQ(f().Text9.Text(), "DO");
  EXPECT_EQ(f().Text20.Text(), "Dip6");
  EXPECT_EQ(f().Text21.Text(), "0");
  EXPECT_EQ(f().Text22.Text(), "0.3");
  EXPECT_EQ(w().Text3.Text(), "Dip6");
  EXPECT_EQ(m().PinCount, 6);
  EXPECT_EQ(m().CurrentPart, Record("Dip6") + " ");
  EXPECT_EQ(m().LastReference, Value("u5"));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
  EXPECT_FALSE(m().PlacingPart);

  // An edit after the pick counts for the placement but not for the next proposal.
  w().Text1.SetText("ic2");
  w().Command2.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_TRUE(m().PlacingPart);
  EXPECT_EQ(f().Text7.Text(), "IC2");
  EXPECT_EQ(m().LastReference, Value("u5"));

  // The next opening proposes after the reference as it was picked; Cancel keeps it.
  f().Command1.PerformClick();
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_EQ(w().Text1.Text(), "u6");
  w().Command1.PerformClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbArrow);
  f().Command1.PerformClick();
  EXPECT_EQ(w().Text1.Text(), "u7");

  // A double click picks and places at once.
  w().List1.SetListIndex(Find(w().List1, "Short"));
  w().List1.DblClick();
  EXPECT_FALSE(app.Form2.Loaded());
  EXPECT_TRUE(m().PlacingPart);
  EXPECT_EQ(f().Text9.Text(), "AR");
  EXPECT_EQ(m().PinCount, 2);
}

TEST_F(AddComponentTest, MissingLibraryAndTheListing) {
  // Without a library the window says so and stays open with an empty list; the records of
  // the library read before stay.
  m().CompRecords = {Value("kept "), Value("")};
  std::filesystem::remove(folder.HostFile("Brantel.lib"));
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  f().Command1.PerformClick();
  EXPECT_TRUE(app.Form2.Loaded());
  EXPECT_EQ(w().List1.ListCount(), 0);
  EXPECT_EQ(m().CompRecords.size(), 2u);

  // The listing: one line per record in file order, each ending "* ".
  const std::vector<std::string> two = {Record("JMP"), Record("Short")};
  folder.Write("Brantel.lib", LibraryText(two));
  w().Command4.PerformClick();
  EXPECT_EQ(folder.Read("text.txt"), two[0] + " \r\n" + two[1] + " \r\n");
  EXPECT_EQ(w().List1.ListCount(), 2);

  // A listing that cannot be written says so; the list is filled all the same.
  folder.Write("Brantel.lib", LibraryText(libtest::DefaultRecords()));
  std::filesystem::remove(folder.HostFile("text.txt"));
  std::filesystem::create_directory(folder.HostFile("text.txt"));
  responder.Expect("The library listing text.txt could not be written: Path/File access error", "Library Error",
                   vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  w().Command4.PerformClick();
  EXPECT_EQ(w().List1.ListCount(), 12);
}

TEST_F(AddComponentTest, ChooserListsTheSettingsLibrariesAndReplacesTheList) {
  struct Case {
    const char* what;
    std::array<std::string, 11> names;
    std::vector<std::string> listed;
  };
  std::array<std::string, 11> eleven;
  std::vector<std::string> elevenListed;
  for (int i = 0; i < 11; ++i) {
    eleven[i] = " lib" + std::to_string(i) + ".lib";
    elevenListed.push_back("lib" + std::to_string(i) + ".lib");
  }
  const Case cases[] = {
      {"empty entry 0 is listed", {"", "a.lib", ""}, {"", "a.lib"}},
      {"eleven entries", eleven, elevenListed},
      {"a blank-only entry is listed empty and does not end the list",
       {"Brantel.lib", "   ", "b.lib", "", "c.lib"},
       {"Brantel.lib", "", "b.lib"}},
  };
  for (const Case& c : cases) {
    m().LibraryList = c.names;
    app.Form10.Unload();
    auto& chooser = app.Form10();
    std::vector<std::string> listed;
    for (int i = 0; i < chooser.List1.ListCount(); ++i) listed.push_back(chooser.List1.List(i));
    EXPECT_EQ(listed, c.listed) << c.what;
  }
  app.Form10.Unload();

  // Choosing the empty entry opens the program folder itself: refused, the chooser stays.
  m().LibraryList = {"", "Small.lib"};
  folder.Write("Small.lib", LibraryText({Record("Con5"), Record("Res1K")}));
  f().Command1.PerformClick();
  w().Command3.PerformClick();
  ASSERT_TRUE(app.Form10.Loaded());
  EXPECT_TRUE(app.Form10().Visible());
  app.Form10().List1.SetListIndex(0);
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  app.Form10().List1.DblClick();
  EXPECT_TRUE(app.Form10.Loaded());
  EXPECT_EQ(w().List1.ListCount(), 12);

  // A good library replaces the list and the records; the chooser closes.
  app.Form10().List1.SetListIndex(1);
  app.Form10().List1.DblClick();
  EXPECT_FALSE(app.Form10.Loaded());
  ASSERT_EQ(w().List1.ListCount(), 2);
  EXPECT_EQ(w().List1.List(1), "Res1K 0.2 ");
  ASSERT_EQ(m().CompRecords.size(), 3u);
  w().List1.SetListIndex(0);
  EXPECT_EQ(f().Text20.Text(), "Con5");
  EXPECT_EQ(m().PinCount, 5);

  // Cancel changes nothing; the next opening of Add Component reads the default again.
  w().Command3.PerformClick();
  app.Form10().Command3.PerformClick();
  EXPECT_FALSE(app.Form10.Loaded());
  EXPECT_EQ(w().List1.ListCount(), 2);
  w().Command1.PerformClick();
  f().Command1.PerformClick();
  EXPECT_EQ(w().List1.ListCount(), 12);
}

}  // namespace
