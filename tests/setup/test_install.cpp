// The install sequence, the shortcut and the chooser, the removal, Exit and Calc.
#include <QLineEdit>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/shell.h"
#include "tests/support/list_clicks.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/real_input.h"
#include "tests/setup/setup_fixture.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) break;
    out.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::string> kInstalled = {"Brantel",  "Brantel.dat", "Brantel.lib", "Moravint",
                                             "brantel.ini", "cdata.dat", "odata.dat", "omravid.dll"};

void ExpectFinished(Form1& f, const std::string& status) {
  EXPECT_EQ(f.Text5.Text(), status);
  EXPECT_EQ(f.StatusColour, vb::RGB(0, 255, 0));
  const vb::Picture bar = f.Picture1.Image();
  EXPECT_EQ(bar.PixelAt(2, 2), vb::RGB(0, 255, 0));
  EXPECT_EQ(bar.PixelAt(bar.WidthPx() - 3, bar.HeightPx() - 3), vb::RGB(0, 255, 0));
  EXPECT_EQ(f.Text1.Text(), "C:\\medium");
}

// On the older family the shortcut goes straight to its desktop; a second install gives the
// same result as the first.
TEST_F(SetupTest, InstallCopiesTheListAndLeavesRecordLibraryDataAndShortcut) {
  OlderFamilyDesktop();
  Form1& f = Agreed();
  f.Text2.SetText("d:\\anything");  // the user picks drive D ...
  f.Text2.SetText("C");             // ... and then C again
  for (int run = 0; run < 2; ++run) {
    f.Command4.PerformClick();
    EXPECT_EQ(Listing(drive.HostFile("Brantel")), kInstalled) << run;
    EXPECT_EQ(drive.Read("Brantel/Moravint"), "#!/bin/sh\necho parts\n");
    EXPECT_NE(fs::status(drive.HostFile("Brantel/Brantel")).permissions() & fs::perms::owner_exec, fs::perms::none);
    const auto record = Lines(drive.Read("Brantel/Brantel.dat"));
    ASSERT_GE(record.size(), 10u);
    EXPECT_EQ(record[8], "Folder: C:\\Brantel");
    for (const auto& line : record) EXPECT_NE(line.find(':'), std::string::npos) << line;
    EXPECT_EQ(Listing(drive.HostFile("Windows/Desktop")), std::vector<std::string>{"Brantel.lnk"});
    ExpectFinished(f, "Click EXIT to continue");
  }
  EXPECT_EQ(drive.Read("Windows/Desktop/Brantel.lnk"), setup::MakeShortcutTemplate('C', 4321));
}

// The shortcut takes the drive letter of the destination box, as typed, at its three
// positions, and its name from the caption's first word.
TEST_F(SetupTest, ShortcutCarriesTheInstallDriveAndTheCaptionsFirstWord) {
  OlderFamilyDesktop();
  fs::create_directories(drive.Host() + "/d-drive");
  vb::SetDrive('D', drive.Host() + "/d-drive");
  WriteMedium("[Setup]\r\nPlanar Tools Setup\r\nx\r\nd:\\y\r\nBrantel\r\n");
  Form1& f = Agreed();
  EXPECT_EQ(f.Text2.Text(), "d:\\Brantel");
  f.Command4.PerformClick();
  const std::string template_ = setup::MakeShortcutTemplate('C', 4321);
  const std::string link = drive.Read("Windows/Desktop/Planar.lnk");
  ASSERT_EQ(link.size(), template_.size());
  for (std::size_t i = 0; i < link.size(); ++i) {
    const bool drivePosition = i == 101 || i == 243 || i == 296;
    EXPECT_EQ(link[i], drivePosition ? 'd' : template_[i]) << i;
  }
  EXPECT_TRUE(fs::exists(drive.Host() + "/d-drive/Brantel/Brantel"));

  // A caption without a blank names no shortcut: the sequence ends there, says so, does not
  // show the finished state, and the template is closed again for the next install.
  fs::remove(drive.HostFile("Windows/Desktop/Planar.lnk"));
  f.Text5.SetText("");
  f.SetCaption("Planar");
  responder.Expect("The installation stopped before it was complete: Invalid procedure call or argument in "
                   "C:\\Windows\\Desktop.",
                   "Error Manager", vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  f.Command4.PerformClick();
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
  EXPECT_EQ(f.Text1.Text(), "C:\\medium");
  f.SetCaption("Planar Tools Setup");
  f.Command4.PerformClick();
  EXPECT_TRUE(drive.Exists("Windows/Desktop/Planar.lnk"));
}

// A missing file is reported once, with the source folder, and the next file is copied; a
// missing template is reported with the desktop folder and no shortcut is made.
TEST_F(SetupTest, MissingFilesAreReportedAndTheSequenceGoesOn) {
  OlderFamilyDesktop();
  fs::remove(drive.HostFile("medium/Moravint"));
  fs::remove(drive.HostFile("medium/link.dat"));
  fs::create_directories(drive.HostFile("Brantel"));  // an existing destination is no error
  responder.Expect("File not found in C:\\medium", "Error Manager", vb::vbOK, vb::vbOKOnly);
  responder.Expect("File not found in C:\\Windows\\Desktop", "Error Manager", vb::vbOK, vb::vbOKOnly);
  responder.Expect("These files could not be installed in C:\\Brantel:\r\nMoravint\r\nthe desktop shortcut",
                   "Error Manager", vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  Form1& f = Agreed();
  f.Command4.PerformClick();
  EXPECT_TRUE(drive.Exists("Brantel/brantel.ini"));
  EXPECT_FALSE(drive.Exists("Brantel/Moravint"));
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
  EXPECT_NE(f.StatusColour, vb::RGB(0, 255, 0));
  // The template was closed: with it back, the next install makes the shortcut.
  drive.Write("medium/link.dat", setup::MakeShortcutTemplate('C', 1));
  drive.Write("medium/Moravint", "m");
  f.Command4.PerformClick();
  EXPECT_TRUE(drive.Exists("Windows/Desktop/Brantel.lnk"));
}

// A list that cannot drive an install is reported and nothing is made.
TEST_F(SetupTest, AnUnusableSetupListInstallsNothing) {
  const struct {
    const char* script;  // nullptr: no list at all
    std::string message;
  } cases[] = {
      {nullptr, "File not found in C:\\medium\\Setup.ini"},
      {"", "The first line is not [Setup] in C:\\medium\\Setup.ini"},
      {"[Setup]", "Input past end of file in C:\\medium\\Setup.ini"},
      {"[Setup]\r\nBrantel Setup\r\nx\r\nC:\\Brantel\r\n", "Input past end of file in C:\\medium\\Setup.ini"},
      {"[SETUP]\r\nBrantel Setup\r\nx\r\nC:\\Brantel\r\nBrantel\r\n", "The first line is not [Setup] in C:\\medium\\Setup.ini"},
  };
  OlderFamilyDesktop();
  Form1& f = Agreed();
  f.Text2.SetText("C");
  for (const auto& c : cases) {
    if (c.script) WriteMedium(c.script);
    else fs::remove(drive.HostFile("medium/Setup.ini"));
    responder.Expect(c.message, "Error Manager", vb::vbOK, vb::vbOKOnly);
    f.Command4.PerformClick();
    EXPECT_FALSE(drive.Exists("Brantel")) << c.message;
    EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
    EXPECT_EQ(f.Text5.Text(), "");
    EXPECT_EQ(f.StatusColour, vb::vbWhite);
  }
  // Nor does Remove touch the files at the root of the drive when no destination is named.
  drive.Write("precious.txt", "keep");
  WriteMedium("[setup]\r\n");
  f.Command1.PerformClick();
  Form1& g = Agreed();
  ASSERT_EQ(g.Text2.Text(), "");
  responder.Expect("No destination folder is named; nothing was removed.", "Error Manager");
  g.Command5.PerformClick();
  EXPECT_EQ(drive.Read("precious.txt"), "keep");
}

// With one file (N = 5) its box covers a quarter of the bar; the chooser offers every
// profile but the system ones, "All Users" included, and the shortcut goes to the choice.
TEST_F(SetupTest, ChooserAtInstallAndTheBarWhileItIsOpen) {
  WriteMedium("[Setup]\r\nBrantel Setup\r\nx\r\nC:\\Brantel\r\nBrantel\r\n");
  Profiles({"All Users", "Ann", "Default User", "LocalService", "NetworkService", "zed"});
  std::vector<std::string> offered;
  int blueEnd = -1;
  int width = 0;
  responder.ExpectModal([&](vb::Form& form) {
    Form1& f = app->Form1();
    const vb::Picture bar = f.Picture1.Image();
    width = bar.WidthPx();
    for (int x = 0; x < width; ++x)
      if (bar.PixelAt(x, bar.HeightPx() / 2) == vb::RGB(0, 0, 150)) blueEnd = x;
    EXPECT_EQ(f.Text1.Text(), "C:\\Documents and Settings");
    auto& chooser = static_cast<Form4&>(form);
    EXPECT_EQ(chooser.Caption(), "Users Manager");
    EXPECT_EQ(chooser.Label2.Caption(), "Double click the user name to select");
    for (int i = 0; i < chooser.List1.ListCount(); ++i) offered.push_back(chooser.List1.List(i));
    chooser.List1_DblClick();  // nothing selected: the window stays
    EXPECT_TRUE(chooser.IsLoaded());
    testsupport::DoubleClickRow(chooser.List1.Widget(), 1);
  });
  Form1& f = Agreed();
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(offered, (std::vector<std::string>{"All Users", "Ann", "zed"}));
  EXPECT_NEAR(blueEnd + 1, width / 4.0, 1.5);
  EXPECT_TRUE(drive.Exists("Documents and Settings/Ann/Desktop/Brantel.lnk"));
  EXPECT_FALSE(app->Form4.Loaded());
  ExpectFinished(f, "Click EXIT to continue");
}

// Remove on the older family: the installed files, the folder and the shortcut go.
TEST_F(SetupTest, RemoveTakesAwayFilesFolderAndShortcut) {
  OlderFamilyDesktop();
  drive.Write("Windows/Desktop/Other.lnk", "x");
  Form1& f = Agreed();
  f.Command4.PerformClick();
  ASSERT_TRUE(drive.Exists("Windows/Desktop/Brantel.lnk"));
  f.Text5.SetText("");
  EXPECT_EQ(f.Command5.Caption(), "Remove");
  f.Command5.PerformClick();
  EXPECT_FALSE(drive.Exists("Brantel"));
  EXPECT_EQ(Listing(drive.HostFile("Windows/Desktop")), std::vector<std::string>{"Other.lnk"});
  ExpectFinished(f, "Click Exit to continue");
  // An empty destination folder and no shortcut: each miss is reported, the folder goes
  // and the removal still ends.
  fs::create_directories(drive.HostFile("Brantel"));
  responder.Expect("File not found in C:\\medium", "Error Manager");
  responder.Expect("File not found in C:\\Windows\\Desktop", "Error Manager");
  f.Command5.PerformClick();
  EXPECT_FALSE(drive.Exists("Brantel"));
  ExpectFinished(f, "Click Exit to continue");
}

// Profiles: "All Users" is never offered at removal; with exactly three subfolders the
// first offered profile is taken without the chooser, which stays loaded until Exit.
TEST_F(SetupTest, RemovalChoosesTheProfileOrAsksForIt) {
  Profiles({"All Users", "Bob", "Default User"});
  drive.Write("Documents and Settings/Bob/Desktop/Brantel.lnk", "link");
  drive.Write("Documents and Settings/All Users/Desktop/Brantel.lnk", "link");
  Form1& f = Agreed();
  f.Command5.PerformClick();
  EXPECT_FALSE(drive.Exists("Documents and Settings/Bob/Desktop/Brantel.lnk"));
  EXPECT_TRUE(drive.Exists("Documents and Settings/All Users/Desktop/Brantel.lnk"));
  ASSERT_TRUE(app->Form4.Loaded());
  EXPECT_FALSE(app->Form4().Visible());
  EXPECT_EQ(app->Form4().List1.ListCount(), 1);
  ExpectFinished(f, "Click Exit to continue");
  f.Command1.PerformClick();
  EXPECT_FALSE(app->Form4.Loaded());
  EXPECT_TRUE(app->Ended());

  Profiles({"LocalService", "NetworkService", "Cy"});
  drive.Write("Documents and Settings/Cy/Desktop/Brantel.lnk", "link");
  std::vector<std::string> offered;
  ChooseProfile("Cy", &offered);
  Form1& g = Agreed();
  g.Command5.PerformClick();
  EXPECT_EQ(offered, (std::vector<std::string>{"Bob", "Cy"}));
  EXPECT_FALSE(drive.Exists("Documents and Settings/Cy/Desktop/Brantel.lnk"));
  EXPECT_TRUE(drive.Exists("Documents and Settings/All Users/Desktop/Brantel.lnk"));
}

// Closing the install window by its close box unloads a chooser left over by a removal, so
// the installer ends.
TEST_F(SetupTest, ClosingTheInstallWindowEndsTheInstaller) {
  Profiles({"All Users", "Default User", "Dee"});
  responder.Expect("File not found in C:\\Documents and Settings\\Dee\\Desktop", "Error Manager");
  Form1& f = Agreed();
  f.Command5.PerformClick();
  ASSERT_TRUE(app->Form4.Loaded());
  f.HandleClose();
  EXPECT_TRUE(app->Ended());
}

TEST_F(SetupTest, CalcTypesTheSumOrSaysWhyNot) {
  testsupport::ShellRecorder shell;
  std::vector<std::string> calls;
  vb::SetKeySenderHook([&](const vb::KeySenderCall& c) {
    calls.push_back(c.kind == vb::KeySenderCall::Activate ? "activate " + std::to_string(c.taskId)
                                                          : c.keys + (c.wait ? " wait" : ""));
  });
  Form1& f = Agreed();
  EXPECT_EQ(f.Command2.Caption(), "Calc");
  f.Command2.PerformClick();
  EXPECT_EQ(shell.Commands(), std::vector<std::string>{"CALC.EXE"});
  EXPECT_EQ(calls, (std::vector<std::string>{"activate 1", "1{+} wait", "2{+} wait", "3{+} wait", "4{+} wait",
                                             "5{+} wait", "= wait", "%{F4} wait"}));
  shell.FailNext();
  responder.Expect("No calculator was found on this machine.", "Calc", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  f.Command2.PerformClick();
  vb::SetKeySenderHook([](const vb::KeySenderCall&) { throw vb::RuntimeError(5); });
  responder.Expect(
      "The calculator was started, but no key sender (xdotool on an X display) could reach it, so the sum was not "
      "typed.",
      "Calc");
  f.Command2.PerformClick();
  vb::ResetKeySenderHook();
}

// The default library or a data file that cannot be written is reported, and the rest of
// the install goes on.
TEST_F(SetupTest, AnUnwritableDataFileIsReported) {
  OlderFamilyDesktop();
  fs::create_directories(drive.HostFile("Brantel/omravid.dll"));  // a folder where a data file goes
  responder.Expect("Path/File access error in C:\\Brantel\\omravid.dll", "Error Manager");
  responder.Expect("These files could not be installed in C:\\Brantel:\r\nomravid.dll", "Error Manager");
  Form1& f = Agreed();
  f.Command4.PerformClick();
  EXPECT_TRUE(drive.Exists("Brantel/odata.dat"));
  EXPECT_TRUE(drive.Exists("Windows/Desktop/Brantel.lnk"));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
}

// Files that could not be installed are named at the end, and the finish is not shown as a
// success; the copies that could be made are made.
TEST_F(SetupTest, AnInstallWhoseCopiesFailNamesThemAndDoesNotEndGreen) {
  OlderFamilyDesktop();
  fs::create_directories(drive.HostFile("Brantel/Brantel"));  // names taken by folders
  fs::create_directories(drive.HostFile("Brantel/cdata.dat"));
  responder.Expect("Path/File access error in C:\\Brantel\\cdata.dat", "Error Manager");
  responder.Expect("These files could not be installed in C:\\Brantel:\r\nBrantel\r\ncdata.dat", "Error Manager",
                   vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  Form1& f = Agreed();
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(drive.Read("Brantel/Moravint"), "#!/bin/sh\necho parts\n");
  EXPECT_TRUE(drive.Exists("Brantel/Brantel.dat"));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
  EXPECT_NE(f.StatusColour, vb::RGB(0, 255, 0));
  EXPECT_NE(f.Picture1.Image().PixelAt(2, 2), vb::RGB(0, 255, 0));
}

// A copy stopped by an error the sequence does not pass over (a file that cannot grow, as on
// a full disk) ends the install at once with a message that names the file; the file copied
// before it stays, nothing half-written is left, and the finish is not shown.
TEST_F(SetupTest, AnInstallStoppedByAFullDiskNamesTheFileItCouldNotWrite) {
  OlderFamilyDesktop();
  drive.Write("medium/Moravint", std::string(40000, 'm'));
  responder.Expect("The installation stopped before it was complete: Device I/O error in C:\\Brantel\\Moravint.",
                   "Error Manager", vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  Form1& f = Agreed();
  {
    testsupport::FileSizeLimit limit(16384);
    testsupport::MouseClick(f.Command4);
  }
  EXPECT_EQ(Listing(drive.HostFile("Brantel")), std::vector<std::string>{"Brantel"});
  EXPECT_EQ(drive.Read("Brantel/Brantel"), "#!/bin/sh\necho layout\n");
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
  EXPECT_NE(f.StatusColour, vb::RGB(0, 255, 0));
  EXPECT_NE(f.Picture1.Image().PixelAt(2, 2), vb::RGB(0, 255, 0));
  EXPECT_EQ(f.Text1.Text(), "C:\\medium");

  // Stopped while writing the installation record: the data files before it could not be
  // written either and are said one by one (the user's part library is kept), then the stop
  // names the record; no record is left and no shortcut made.
  drive.Write("medium/Moravint", "#!/bin/sh\necho parts\n");
  drive.Write("Brantel/Brantel.lib", "Mine\r\n0.3\r\n*\r\n");
  for (const char* file : {"cdata.dat", "odata.dat", "omravid.dll"})
    responder.Expect(std::string("Device I/O error in C:\\Brantel\\") + file, "Error Manager", vb::vbOK, vb::vbOKOnly);
  responder.Expect("The installation stopped before it was complete: Device I/O error in C:\\Brantel\\Brantel.dat.",
                   "Error Manager", vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  f.Text5.SetText("");
  {
    testsupport::FileSizeLimit limit(100);
    testsupport::MouseClick(f.Command4);
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(drive.Read("Brantel/Moravint"), "#!/bin/sh\necho parts\n");
  EXPECT_FALSE(drive.Exists("Brantel/Brantel.dat"));
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");

  // Stopped while writing the shortcut, which is larger than the record: the stop
  // names the shortcut in the desktop folder, the record stays, and no shortcut is left.
  for (const char* file : {"cdata.dat", "odata.dat", "omravid.dll"})
    responder.Expect(std::string("Device I/O error in C:\\Brantel\\") + file, "Error Manager");
  responder.Expect(
      "The installation stopped before it was complete: Device I/O error in C:\\Windows\\Desktop\\Brantel.lnk.",
      "Error Manager", vb::vbOK, vb::vbOKOnly | vb::vbExclamation);
  f.Text5.SetText("");
  {
    testsupport::FileSizeLimit limit(drive.Read("medium/link.dat").size() - 1);
    testsupport::MouseClick(f.Command4);
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(Lines(drive.Read("Brantel/Brantel.dat")).at(8), "Folder: C:\\Brantel");
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "Installation not complete");
  EXPECT_EQ(f.Text1.Text(), "C:\\medium");
  EXPECT_EQ(drive.Read("Brantel/Brantel.lib"), "Mine\r\n0.3\r\n*\r\n");
}

// A destination drive whose folder is missing, or that the drive table does not hold, is
// said once and nothing is made, on that drive or anywhere else; with the folder there, the
// same install completes.
TEST_F(SetupTest, AnInstallOntoADriveThatIsNotThereSaysSoAndMakesNothing) {
  OlderFamilyDesktop();
  vb::SetDrive('D', drive.Host() + "/gone/d");
  WriteMedium("[Setup]\r\nBrantel Setup\r\nx\r\nD:\\Brantel\r\nBrantel\r\nMoravint\r\nbrantel.ini\r\n");
  responder.Expect("Drive D: is not available; nothing was installed in D:\\Brantel.", "Error Manager", vb::vbOK,
                   vb::vbOKOnly | vb::vbExclamation);
  responder.Expect("Drive e: is not available; nothing was installed in e:\\Brantel.", "Error Manager", vb::vbOK,
                   vb::vbOKOnly | vb::vbExclamation);
  Form1& f = Agreed();
  auto* destination = static_cast<QLineEdit*>(f.Text2.Widget());
  const auto typeDrive = [&](Qt::Key key, const QString& letter) {
    destination->setFocus();
    destination->setCursorPosition(0);
    testsupport::KeyClick(destination, key, Qt::NoModifier, letter);
  };
  testsupport::MouseClick(f.Command4);
  typeDrive(Qt::Key_E, "e");
  testsupport::MouseClick(f.Command4);
  EXPECT_FALSE(fs::exists(drive.Host() + "/gone"));
  EXPECT_FALSE(drive.Exists("Brantel"));
  EXPECT_TRUE(fs::is_empty(drive.HostFile("Windows/Desktop")));
  EXPECT_EQ(f.Text5.Text(), "");
  EXPECT_EQ(f.StatusColour, vb::vbWhite);

  fs::create_directories(drive.Host() + "/gone/d");
  typeDrive(Qt::Key_D, "D");
  ASSERT_EQ(f.Text2.Text(), "D:\\Brantel");
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(Listing(drive.Host() + "/gone/d/Brantel"), kInstalled);
  ExpectFinished(f, "Click EXIT to continue");

  // A destination that names no drive is no missing drive: "\Brantel" lies at the root of the
  // current folder's drive C:, and the install completes there. (The box puts a drive letter
  // first whatever is typed, so its correction is set aside to hold such a destination.)
  const std::function<void()> correction = f.Text2.Change;
  f.Text2.Change = nullptr;
  f.Text2.SetText("\\Brantel");
  f.Text2.Change = correction;
  f.Text5.SetText("");
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(Listing(drive.HostFile("Brantel")), kInstalled);
  EXPECT_EQ(Lines(drive.Read("Brantel/Brantel.dat")).at(8), "Folder: \\Brantel");
  ExpectFinished(f, "Click EXIT to continue");
}

// A part library and a settings file already in the destination are the user's: installing
// again keeps them byte for byte, and only missing ones are written.
TEST_F(SetupTest, InstallingAgainKeepsTheUsersLibraryAndSettings) {
  OlderFamilyDesktop();
  drive.Write("Brantel/Brantel.lib", "Mine 0.3 DO 2 1 0\r\nL 0 0 1 1\r\n*\r\n");
  drive.Write("Brantel/brantel.ini", "[Initalize]\r\nmy colours\r\n");
  Form1& f = Agreed();
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(drive.Read("Brantel/Brantel.lib"), "Mine 0.3 DO 2 1 0\r\nL 0 0 1 1\r\n*\r\n");
  EXPECT_EQ(drive.Read("Brantel/brantel.ini"), "[Initalize]\r\nmy colours\r\n");
  ExpectFinished(f, "Click EXIT to continue");
  fs::remove(drive.HostFile("Brantel/Brantel.lib"));
  fs::remove(drive.HostFile("Brantel/brantel.ini"));
  testsupport::MouseClick(f.Command4);
  EXPECT_EQ(drive.Read("Brantel/brantel.ini"), "[Initalize]\r\n");
  EXPECT_NE(drive.Read("Brantel/Brantel.lib").find("*"), std::string::npos);
}

}  // namespace

// Installing again clears what an interrupted install left beside the programs, and Remove
// takes the folder away even with leftovers of ended writers in it.
TEST_F(SetupTest, LeftoversOfInterruptedInstallsGoAtInstallAndRemove) {
  OlderFamilyDesktop();
  Form1& f = Agreed();
  f.Command4.PerformClick();
  ASSERT_TRUE(drive.Exists("Brantel/Brantel"));
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const std::string ended = std::to_string(child);
  drive.Write("Brantel/.Brantel.tmp-" + ended + "-q1W2e3", "half a program");
  drive.Write("Brantel/.Moravint.tmp-" + ended + "-r4T5y6", "half a program");
  f.Text5.SetText("");
  f.Command4.PerformClick();
  EXPECT_FALSE(drive.Exists("Brantel/.Brantel.tmp-" + ended + "-q1W2e3"));
  EXPECT_FALSE(drive.Exists("Brantel/.Moravint.tmp-" + ended + "-r4T5y6"));
  EXPECT_EQ(drive.Read("Brantel/Moravint"), "#!/bin/sh\necho parts\n");

  drive.Write("Brantel/.Brantel.lib.tmp-" + ended + "-u7I8o9", "half a library");
  drive.Write("Brantel/.notes.txt.tmp-" + ended + "-p0A1s2", "half a note");
  f.Text5.SetText("");
  f.Command5.PerformClick();
  EXPECT_FALSE(drive.Exists("Brantel"));
  ExpectFinished(f, "Click Exit to continue");
}
