// Drive, folder and file lists: what they list on a temporary drive, their errors, and
// their events under real mouse clicks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/filelists.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "tests/support/fixtures.h"
#include "tests/support/list_clicks.h"

namespace {

namespace fs = std::filesystem;

class ListsProgram;

// A window wired the way a save/load window wires its lists.
class ListsWindow : public vb::Form {
 public:
  explicit ListsWindow(ListsProgram& program);
  vb::DriveListBox Drive1;
  vb::DirListBox Dir1;
  vb::FileListBox File1;
  std::vector<std::string> log;
};

class ListsProgram : public vb::Program {
 public:
  vb::FormSlot<ListsWindow, ListsProgram> Lists{*this};
};

ListsWindow::ListsWindow(ListsProgram& program)
    : vb::Form(program, "Lists"), Drive1(*this, "Drive1"), Dir1(*this, "Dir1"), File1(*this, "File1") {
  SetScaleMode(vb::vbPixels);
  SetClientSize(420, 300);
  Drive1.Move(10, 10, 180, 24);
  Dir1.Move(10, 40, 180, 250);
  File1.Move(200, 10, 210, 280);
  Drive1.Change = [this] {
    log.push_back("Drive:" + Drive1.Drive());
    Dir1.SetPath(Drive1.Drive());
  };
  Dir1.Change = [this] {
    log.push_back("Dir:" + Dir1.Path());
    File1.SetPath(Dir1.Path());
  };
  Dir1.Click = [this] { log.push_back("DirClick:" + std::to_string(Dir1.ListIndex())); };
  File1.Click = [this] { log.push_back("FileClick:" + File1.FileName()); };
  File1.DblClick = [this] { log.push_back("FileDbl:" + File1.FileName()); };
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vb::RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

class FileListsTest : public ::testing::Test {
 protected:
  FileListsTest() {
    for (const char* f : {"Designs/Old/keep.txt", "Designs/new/x.vcd", "Designs/a.vcd", "Designs/B.VCD",
                          "Designs/c.net", "Designs/d.txt", "Designs/.hidden.vcd", "Parts/p.lib"}) {
      c.Write(f, "x");
    }
    fs::create_directories(c.HostFile("Designs/folder.vcd"));
    fs::create_directories(c.HostFile("Designs/.git"));
    d.Write("Boards/one.vcd", "1");
    vb::SetDrive('D', d.Host());
    vb::SetDrive('C', c.Host());  // the second folder remapped C: to itself
  }
  testsupport::TempFolder d;
  testsupport::TempFolder c;
  testsupport::ScriptedResponder responder;
};

TEST_F(FileListsTest, FolderListShowsParentsAndSubfoldersAndRefusesMissingDrivesAndPaths) {
  ListsProgram p;
  auto& w = p.Lists();
  w.Dir1.SetPath("c:\\designs");  // any case; shown as the host spells it
  EXPECT_EQ("C:\\Designs", w.Dir1.Path());
  EXPECT_EQ("C:\\Designs", w.Dir1.List(-1));
  EXPECT_EQ("C:\\", w.Dir1.List(-2));
  EXPECT_EQ("", w.Dir1.List(-3));
  ASSERT_EQ(3, w.Dir1.ListCount());  // hidden folders are left out
  EXPECT_EQ("C:\\Designs\\folder.vcd", w.Dir1.List(0));
  EXPECT_EQ("C:\\Designs\\new", w.Dir1.List(1));
  EXPECT_EQ("C:\\Designs\\Old", w.Dir1.List(2));
  EXPECT_EQ(-1, w.Dir1.ListIndex());
  EXPECT_EQ((std::vector<std::string>{"Dir:C:\\Designs"}), w.log);

  w.Dir1.SetPath("C:\\Designs\\");  // the same folder: no Change
  w.Dir1.SetPath("Old");            // relative to the list's folder
  EXPECT_EQ("C:\\Designs\\Old", w.Dir1.Path());
  EXPECT_EQ(0, w.Dir1.ListCount());
  EXPECT_EQ("C:\\Designs", w.Dir1.List(-2));
  EXPECT_EQ("C:\\", w.Dir1.List(-3));
  w.Dir1.SetPath("..\\..");
  EXPECT_EQ("C:\\", w.Dir1.Path());
  EXPECT_EQ("C:\\Designs", w.Dir1.List(0));
  EXPECT_EQ("C:\\Parts", w.Dir1.List(1));

  EXPECT_EQ(68, ErrorOf([&] { w.Dir1.SetPath("Q:\\Designs"); }));
  EXPECT_EQ(76, ErrorOf([&] { w.Dir1.SetPath("C:\\Designs\\Missing"); }));
  EXPECT_EQ(76, ErrorOf([&] { w.Dir1.SetPath("C:\\Designs\\a.vcd"); }));  // a file, not a folder
  EXPECT_EQ("C:\\", w.Dir1.Path());
  EXPECT_EQ(3u, w.log.size());

  // The folder list walks the other drive too, and "d:" starts at its root.
  w.Dir1.SetPath("d:");
  EXPECT_EQ("D:\\", w.Dir1.Path());
  EXPECT_EQ("D:\\Boards", w.Dir1.List(0));
  EXPECT_EQ("Dir:D:\\", w.log.back());
}

// With the default drive table the older family's desktop is this user's desktop folder;
// the folder list keeps the path as the program spelled it, and its subfolders below it.
TEST_F(FileListsTest, FolderListKeepsTheSpellingOfAWellKnownFolder) {
  c.Write("Sub/Inner/x.txt", "x");
  const char* names[] = {"BRANTEL_DRIVES", "HOME", "XDG_DESKTOP_DIR"};
  const std::string values[] = {"", c.Host(), c.HostFile("Sub")};
  std::vector<std::pair<std::string, bool>> saved;
  for (int i = 0; i < 3; ++i) {
    const char* old = std::getenv(names[i]);
    saved.emplace_back(old ? old : "", old != nullptr);
    if (values[i].empty()) ::unsetenv(names[i]);
    else ::setenv(names[i], values[i].c_str(), 1);
  }
  vb::ResetDrives();
  ListsProgram p;
  auto& w = p.Lists();
  w.Dir1.SetPath("C:\\Windows\\Desktop");
  EXPECT_EQ("C:\\Windows\\Desktop", w.Dir1.Path());
  ASSERT_EQ(1, w.Dir1.ListCount());
  EXPECT_EQ("C:\\Windows\\Desktop\\Inner", w.Dir1.List(0));
  for (int i = 0; i < 3; ++i) {
    if (saved[i].second) ::setenv(names[i], saved[i].first.c_str(), 1);
    else ::unsetenv(names[i]);
  }
  vb::SetDrive('D', d.Host());
  vb::SetDrive('C', c.Host());
}

TEST_F(FileListsTest, DriveListListsMappedDrivesAndRefusesMissingOnes) {
  ListsProgram p;
  auto& w = p.Lists();
  ASSERT_EQ(2, w.Drive1.ListCount());
  EXPECT_EQ("c:", w.Drive1.List(0));
  EXPECT_EQ("d:", w.Drive1.List(1));
  EXPECT_EQ("c:", w.Drive1.Drive());  // the current folder's drive
  w.Drive1.SetDrive("D:\\Boards");    // the first letter counts
  EXPECT_EQ("d:", w.Drive1.Drive());
  EXPECT_EQ("D:\\", w.Dir1.Path());
  EXPECT_EQ((std::vector<std::string>{"Drive:d:", "Dir:D:\\"}), w.log);
  w.Drive1.SetDrive("d:");  // no change, no event
  EXPECT_EQ(2u, w.log.size());
  EXPECT_EQ(68, ErrorOf([&] { w.Drive1.SetDrive("q:"); }));
  EXPECT_EQ(68, ErrorOf([&] { w.Drive1.SetDrive(""); }));
  vb::SetDrive('E', c.Host() + "/gone");  // mapped to a folder that is not there
  EXPECT_EQ(68, ErrorOf([&] { w.Drive1.SetDrive("e"); }));
  EXPECT_EQ("d:", w.Drive1.Drive());
}

TEST_F(FileListsTest, FileListFollowsPatternAndFileName) {
  ListsProgram p;
  auto& f = p.Lists().File1;
  f.SetPath("C:\\Designs");
  EXPECT_EQ("*.*", f.Pattern());
  EXPECT_EQ((std::vector<std::string>{"a.vcd", "B.VCD", "c.net", "d.txt"}),
            (std::vector<std::string>{f.List(0), f.List(1), f.List(2), f.List(3)}));
  EXPECT_EQ(4, f.ListCount());  // no folders, no hidden files
  f.SetPattern("*.vcd");
  ASSERT_EQ(2, f.ListCount());
  EXPECT_EQ("a.vcd", f.List(0));
  EXPECT_EQ("B.VCD", f.List(1));
  EXPECT_EQ("", f.FileName());
  f.SetFileName("b.vcd");  // selects the entry, whatever its case
  EXPECT_EQ(1, f.ListIndex());
  EXPECT_EQ("B.VCD", f.FileName());
  EXPECT_EQ((std::vector<std::string>{"FileClick:B.VCD"}), p.Lists().log);
  f.SetPattern("*.vcd;*.NET");
  EXPECT_EQ(3, f.ListCount());
  EXPECT_EQ(-1, f.ListIndex());
  f.SetFileName("D:\\Boards\\*.vcd");  // a folder and a pattern
  EXPECT_EQ("D:\\Boards", f.Path());
  EXPECT_EQ("*.vcd", f.Pattern());
  EXPECT_EQ(1, f.ListCount());
  EXPECT_EQ("one.vcd", f.List(0));
  EXPECT_EQ(76, ErrorOf([&] { f.SetPath("D:\\Nowhere"); }));
  EXPECT_EQ(68, ErrorOf([&] { f.SetPath("Z:\\"); }));
  EXPECT_EQ("D:\\Boards", f.Path());
}

TEST_F(FileListsTest, UserClicksSelectOpenAndPickThroughTheWidgets) {
  ListsProgram p;
  auto& w = p.Lists();
  w.Dir1.SetPath("C:\\Designs");
  w.File1.SetPattern("*.vcd");
  w.Show();
  vb::Application::DoEvents();
  w.log.clear();

  // The folder list shows the tree: C:\, Designs, then the subfolders.
  auto* dir = w.Dir1.Widget();
  auto* dirList = static_cast<QListWidget*>(dir);
  ASSERT_EQ(5, dirList->count());
  EXPECT_EQ("C:\\", dirList->item(0)->text().toStdString());
  EXPECT_EQ("Designs", dirList->item(1)->text().toStdString());
  EXPECT_FALSE(dirList->item(1)->icon().isNull());

  // One click selects a subfolder; the path stays.
  testsupport::ClickRow(dir, testsupport::RowOf(dirList, "new"));
  EXPECT_EQ(1, w.Dir1.ListIndex());
  EXPECT_EQ("C:\\Designs", w.Dir1.Path());
  // A double click opens it, and the file list follows.
  testsupport::DoubleClickRow(dir, testsupport::RowOf(dirList, "new"));
  EXPECT_EQ("C:\\Designs\\new", w.Dir1.Path());
  EXPECT_EQ("C:\\Designs\\new", w.File1.Path());
  EXPECT_EQ("x.vcd", w.File1.List(0));
  EXPECT_EQ((std::vector<std::string>{"DirClick:1", "Dir:C:\\Designs\\new"}), w.log);
  // A double click on the root goes back up.
  testsupport::DoubleClickRow(dir, 0);
  EXPECT_EQ("C:\\", w.Dir1.Path());
  EXPECT_EQ(3, dirList->count());  // C:\, Designs, Parts

  // The drive list's pop-up moves the folder list to the other drive.
  w.log.clear();
  testsupport::PickFromDropDown(w.Drive1.Widget(), "d:");
  EXPECT_EQ("d:", w.Drive1.Drive());
  EXPECT_EQ("D:\\", w.Dir1.Path());
  EXPECT_EQ((std::vector<std::string>{"Drive:d:", "Dir:D:\\"}), w.log);

  // Files: a click selects, a double click selects and reports the double click.
  w.Dir1.SetPath("C:\\Designs");
  w.log.clear();
  auto* files = static_cast<QListWidget*>(w.File1.Widget());
  testsupport::ClickRow(files, testsupport::RowOf(files, "B.VCD"));
  testsupport::ClickRow(files, testsupport::RowOf(files, "B.VCD"));  // the chosen entry again
  testsupport::DoubleClickRow(files, testsupport::RowOf(files, "a.vcd"));
  EXPECT_EQ((std::vector<std::string>{"FileClick:B.VCD", "FileClick:B.VCD", "FileClick:a.vcd", "FileDbl:a.vcd"}),
            w.log);
}

// Host names cross as UTF-8: the lists give the programs their one-byte text and show each
// name in its own letters. A name with letters that text cannot hold is shown as the host
// names it and reaches the programs with "?" for them, which no file name may hold.
TEST_F(FileListsTest, NamesBeyondAsciiListInTheProgramsTextAndShowInTheirOwnLetters) {
  const std::string board = "\xe5\x9f\xba\xe6\x9d\xbf";  // two letters no one-byte text holds
  c.Write("Lands/Gr\xc3\xbc\xc3\x9f" "e.vcd", "utf-8");
  c.Write("Lands/Alt-\xfc.vcd", "one byte a letter");  // as older writers left it
  c.Write("Lands/" + board + ".vcd", "board");
  c.Write("Lands/\xc3\x84rger/inner.vcd", "inner");
  c.Write("Lands/" + board + "/x.vcd", "x");
  ListsProgram p;
  auto& w = p.Lists();
  w.Dir1.SetPath("C:\\lands");
  w.File1.SetPattern("*.vcd");
  w.Show();
  vb::Application::DoEvents();

  ASSERT_EQ(3, w.File1.ListCount());
  EXPECT_EQ((std::vector<std::string>{"??.vcd", "Alt-\xfc.vcd", "Gr\xfc\xdf" "e.vcd"}),
            (std::vector<std::string>{w.File1.List(0), w.File1.List(1), w.File1.List(2)}));
  auto* files = static_cast<QListWidget*>(w.File1.Widget());
  EXPECT_EQ(board + ".vcd", files->item(0)->text().toStdString());
  EXPECT_EQ("Alt-\xc3\xbc.vcd", files->item(1)->text().toStdString());
  EXPECT_EQ("Gr\xc3\xbc\xc3\x9f" "e.vcd", files->item(2)->text().toStdString());
  ASSERT_EQ(2, w.Dir1.ListCount());
  EXPECT_EQ("C:\\Lands\\?\?", w.Dir1.List(0));
  EXPECT_EQ("C:\\Lands\\\xc4rger", w.Dir1.List(1));
  auto* dirs = static_cast<QListWidget*>(w.Dir1.Widget());
  EXPECT_EQ(board, dirs->item(2)->text().toStdString());

  // The names the programs get lead to the host's files; the one with "?" is a bad name.
  w.log.clear();
  testsupport::ClickRow(files, testsupport::RowOf(files, "Gr\xc3\xbc\xc3\x9f" "e.vcd"));
  EXPECT_EQ("utf-8", vb::ReadAllBytes(w.File1.Path() + "\\" + w.File1.FileName()));
  testsupport::ClickRow(files, testsupport::RowOf(files, "Alt-\xc3\xbc.vcd"));
  EXPECT_EQ("one byte a letter", vb::ReadAllBytes(w.File1.Path() + "\\" + w.File1.FileName()));
  testsupport::ClickRow(files, testsupport::RowOf(files, board + ".vcd"));
  EXPECT_EQ(52, ErrorOf([&] { vb::ReadAllBytes(w.File1.Path() + "\\" + w.File1.FileName()); }));
  EXPECT_EQ((std::vector<std::string>{"FileClick:Gr\xfc\xdf" "e.vcd", "FileClick:Alt-\xfc.vcd", "FileClick:??.vcd"}),
            w.log);

  // A folder of such letters cannot be opened by its listed name; one the text holds can.
  EXPECT_EQ(76, ErrorOf([&] { w.Dir1.SetPath(w.Dir1.List(0)); }));
  testsupport::DoubleClickRow(dirs, testsupport::RowOf(dirs, "\xc3\x84rger"));
  EXPECT_EQ("C:\\Lands\\\xc4rger", w.Dir1.Path());
  EXPECT_EQ("\xc3\x84rger", dirs->item(2)->text().toStdString());
  ASSERT_EQ(1, w.File1.ListCount());
  EXPECT_EQ("inner.vcd", w.File1.List(0));
}

}  // namespace
