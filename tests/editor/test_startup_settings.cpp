// Start-up window, main-window load, Exit and system-box close, the settings file and the
// version stamp.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <functional>

#include "editor/board/form9_colours.h"
#include "editor/board/splash.h"
#include "editor/files/form3_saveload.h"
#include "editor/files/form4_printer.h"
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"
#include "platform/app.h"
#include "platform/strings.h"
#include "tests/support/fixtures.h"
#include "tests/support/list_clicks.h"
#include "tests/editor/user_input.h"
#include <QApplication>

namespace {

const std::string kRecordHead =
    "Product: Brantel\r\nVersion: 3.42\r\nInstalled by: setup\r\nMedium: A:\\\r\nLibrary: Brantel.lib\r\n"
    "Settings: brantel.ini\r\nEditor: Brantel\r\nPart editor: Moravint\r\n";

const std::string kIni =
    "[Initalize]\r\n 3968215\r\n 10540001\r\n 7\r\n-2\r\n[Control]\r\n 1\r\n 1\r\n[Printer]\r\n 150\r\n .5\r\n"
    "[Library]\r\nBrantel.lib\r\nextra.lib\r\nmine.lib\r\n";

TEST(InstallRecord, LineValueRules) {
  EXPECT_EQ("C:\\Brantel", InstallRecordValue("Folder:   C:\\Brantel  "));
  EXPECT_EQ("Brantel folder", InstallRecordValue("  Brantel folder "));
  EXPECT_EQ("D:\\x:y", InstallRecordValue("Folder:D:\\x:y"));
  EXPECT_EQ("", InstallRecordValue("Folder:"));
  const std::string longValue = std::string(98, 'a') + " b";
  EXPECT_EQ(std::string(98, 'a'), InstallRecordValue("Folder:" + longValue));  // 99 kept, then trimmed
  EXPECT_EQ(std::string(99, 'c'), InstallRecordValue(":" + std::string(120, 'c')));
}

class Startup : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  testsupport::ShellRecorder shell;

  // An installation in C:\inst; the working folder (C:\) holds the record and the settings.
  void Install(const std::string& ini = kIni) {
    folder.Write("Brantel.dat", kRecordHead + "Folder:  C:\\inst \r\nEnd: 1\r\n");
    folder.Write("brantel.ini", ini);
    folder.Write("inst/keep.txt", "");
  }
};

TEST_F(Startup, MissingInstallationRecordEndsWithoutAWindow) {
  Brantel app;
  app.Start();
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(app.frmSplash.Loaded());
  EXPECT_FALSE(app.Form1.Loaded());
}

TEST_F(Startup, ShortInstallationRecordEndsWithoutAWindow) {
  folder.Write("Brantel.dat", kRecordHead);  // eight lines
  Brantel app;
  app.Start();
  EXPECT_TRUE(app.Ended());
  EXPECT_EQ("", app.m.DataFolder);
}

TEST_F(Startup, SplashShowsNameVersionAndMaker) {
  Install();
  Brantel app;
  app.Start();
  ASSERT_TRUE(app.frmSplash.Loaded());
  auto& s = app.frmSplash();
  EXPECT_TRUE(s.Visible());
  EXPECT_EQ("C:\\inst", app.m.DataFolder);
  EXPECT_EQ("Version " + std::to_string(vb::AppMajor()) + "." + std::to_string(vb::AppMinor()) + "." +
                std::to_string(vb::AppRevision()),
            s.lblVersion.Caption());
  EXPECT_FALSE(app.Form1.Loaded());
}

TEST_F(Startup, WebAddressStartsTheBrowserAndStays) {
  Install();
  Brantel app;
  app.Start();
  app.frmSplash().lblCompany.PerformClick();
  ASSERT_EQ(1u, shell.Commands().size());
  EXPECT_EQ(std::string("C:\\Program Files\\Internet Explorer\\IExplore ") + kMakerHomePage, shell.Commands()[0]);
  shell.FailNext();
  app.frmSplash().lblCompany.PerformClick();  // no browser: nothing happens
  app.frmSplash().lblVersion.PerformClick();
  app.frmSplash().lblPlatform.PerformClick();
  EXPECT_TRUE(app.frmSplash.Loaded());
  EXPECT_FALSE(app.Form1.Loaded());
}

TEST_F(Startup, EveryContinueWayOpensTheBoard) {
  const std::vector<std::function<void(frmSplash&)>> ways = {
      [](frmSplash& s) { s.Command1.PerformClick(); },
      [](frmSplash& s) {
        int key = 'x';
        s.PreviewKey(key);
      },
      [](frmSplash& s) { s.Frame1.Click(); },
      [](frmSplash& s) { s.imgLogo.Click(); },
      [](frmSplash& s) { s.lblCompanyProduct.PerformClick(); },
      [](frmSplash& s) { s.lblProductName.PerformClick(); },
  };
  Install();
  for (std::size_t i = 0; i < ways.size(); ++i) {
    SCOPED_TRACE(i);
    Brantel app;
    app.Start();
    ways[i](app.frmSplash());
    EXPECT_FALSE(app.frmSplash.Loaded());
    ASSERT_TRUE(app.Form1.Loaded());
    EXPECT_TRUE(app.Form1().Visible());
  }
}

TEST_F(Startup, BoardAfterContinue) {
  Install();
  Brantel app;
  app.Start();
  app.frmSplash().Command1.PerformClick();
  auto& f = app.Form1();
  auto& m = app.m;
  EXPECT_EQ("-Component side", f.Label3.Caption());
  EXPECT_TRUE(f.Picture1.AutoRedraw());
  EXPECT_TRUE(app.Form9.Loaded());
  EXPECT_FALSE(app.Form9().Visible());
  EXPECT_TRUE(app.Form9().Picture1.AutoRedraw());
  EXPECT_FALSE(m.PlacingPart || m.MovingPin || m.BlockMoving || m.DeletingPart || m.SlidingPart || m.CuttingStrip ||
               m.Drilling);
  EXPECT_EQ(1, f.Check1.Value());
  EXPECT_EQ(1, f.Check3.Value());
  // The pitch is fitted to the picture and the strips run along the rows.
  const double pitch = m.HolePitch.Num();
  EXPECT_GT(pitch, 0);
  EXPECT_EQ(vb::Int(f.Picture1.ScaleHeight() / 16), pitch);
  EXPECT_EQ(Value(4), m.HoleGrid(9, 4, KelmNet));
  EXPECT_EQ(vb::Colour(3968215), f.Picture1.Point(3 * pitch + 0.3 * pitch, 3 * pitch));
  EXPECT_EQ(vb::RGB(200, 200, 200), f.Picture1.Point(15 * pitch, 3 * pitch));
}

TEST_F(Startup, ExitWritesTheSettingsIntoTheDataFolder) {
  Install();
  Brantel app;
  app.Start();
  app.frmSplash().Command1.PerformClick();
  EXPECT_EQ("extra.lib", app.m.LibraryList[1]);
  app.Form8();
  app.Form1().Command12.PerformClick();
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(app.Form9.Loaded());
  EXPECT_FALSE(app.Form8.Loaded());
  EXPECT_EQ(
      "[Initalize]\r\n 3968215\r\n 10540001\r\n 7\r\n-2\r\n[Control]\r\n 1\r\n 1\r\n[Printer]\r\n 150\r\n .5\r\n"
      "[Library]\r\nBrantel.lib\r\nextra.lib\r\nmine.lib\r\n",
      folder.Read("inst/brantel.ini"));
}

// A hand-edited installation record whose folder starts with "/" names a folder of the
// current drive, as one starting with "\" does, never a folder of this machine outside the
// drive table: Exit writes the settings there.
TEST_F(Startup, ARecordFolderStartingWithASlashLiesOnTheCurrentDrive) {
  Install();
  folder.Write("Brantel.dat", kRecordHead + "Folder: /Brantel hand-edited\r\nEnd: 1\r\n");
  folder.Write("Brantel hand-edited/keep.txt", "");
  Brantel app;
  app.Start();
  EXPECT_EQ("/Brantel hand-edited", app.m.DataFolder);
  testsupport::MouseClick(app.frmSplash().Command1);
  userinput::Click(app.Form1().Command12);  // Exit
  EXPECT_TRUE(app.Ended());
  EXPECT_EQ(kIni, folder.Read("Brantel hand-edited/brantel.ini"));
}

TEST_F(Startup, SystemBoxCloseWritesNothing) {
  Install();
  Brantel app;
  app.Start();
  app.frmSplash().Command1.PerformClick();
  app.Form1().HandleClose();
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(app.Form9.Loaded());
  EXPECT_FALSE(folder.Exists("inst/brantel.ini"));
  EXPECT_EQ(kIni, folder.Read("brantel.ini"));
}

TEST_F(Startup, ExitReportsASettingsFileThatCannotBeWrittenAndStillEnds) {
  folder.Write("Brantel.dat", kRecordHead + "Folder: C:\\gone\r\nEnd: 1\r\n");
  Brantel app;
  app.Start();
  app.frmSplash().Command1.PerformClick();
  responder.Expect("The settings could not be saved in C:\\gone\\brantel.ini:\r\nPath not found", "Brantel");
  app.Form1().Command12.PerformClick();
  EXPECT_TRUE(app.Ended());
}

// Exit and the close box unload every window, hidden ones too: the Save/Load window that
// Open hides, and the Printer window.
TEST_F(Startup, ExitAndTheCloseBoxEndTheProgramWithHiddenAndPrinterWindowsLoaded) {
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    Install();
    Brantel app;
    app.Start();
    testsupport::MouseClick(app.frmSplash().Command1);
    ASSERT_TRUE(app.Form1().Visible());
    userinput::Click(app.Form1().Command8);  // Save or Load File
    userinput::Clear(app.Form3().Text1, 10);
    userinput::Type(app.Form3().Text1, "b.vcd");
    userinput::Click(app.Form3().Command2);  // Save
    ASSERT_TRUE(folder.Exists("inst/b.vcd"));
    userinput::Click(app.Form1().Command8);
    testsupport::ClickRow(app.Form3().File1.Widget(), testsupport::RowOf(static_cast<QListWidget*>(app.Form3().File1.Widget()), "b.vcd"), true);
    ASSERT_TRUE(app.Form3.Loaded());
    ASSERT_FALSE(app.Form3().Visible());
    if (way > 0) {
      userinput::Click(app.Form1().Command7);  // the Printer window
      ASSERT_TRUE(app.Form4().Visible());
    }
    if (way < 2) {
      userinput::Click(app.Form1().Command12);
    } else {
      app.Form1().Picture1.Widget()->window()->close();
      QApplication::processEvents();
    }
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(app.Form3.Loaded());
    EXPECT_FALSE(app.Form4.Loaded());
    EXPECT_FALSE(app.Form1.Loaded());
    EXPECT_FALSE(app.frmSplash.Loaded());
  }
}

// Peak resident memory of this process so far, in KiB.
long PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A settings file of nothing but 10 MiB of lone CRs: only the lines used are taken from it
// before the main window comes up. Splitting the whole file into its ten
// million lines would hold some 300 MiB at once; taking four lines holds little beyond the
// file's own bytes.
TEST_F(Startup, AHugeSettingsFileOfLineEndsOpensTheBoardAtOnce) {
  Install(std::string(10 << 20, '\r'));
  Brantel app;
  app.Start();
  const long before = PeakMemoryKiB();
  testsupport::MouseClick(app.frmSplash().Command1);
  ASSERT_TRUE(app.Form1().Visible());
  EXPECT_LT(PeakMemoryKiB() - before, 100 * 1024) << "more than the lines used were taken from the settings file";
  userinput::Click(app.Form1().Command12);
  EXPECT_TRUE(app.Ended());
}

// ---- settings file ----

class Settings : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;

  // Loads the main window with this settings file in the working folder (none: no file).
  Form1& Load(const std::string* ini) {
    if (ini) folder.Write("brantel.ini", *ini);
    app.m.DataFolder = "C:\\out";
    folder.Write("out/keep.txt", "");
    return app.Form1();
  }
  std::string Written() {
    app.Form1().WriteSettings();
    return folder.Read("out/brantel.ini");
  }
};

TEST_F(Settings, RoundTripRestoresEverything) {
  Load(&kIni);
  EXPECT_EQ(Value(3968215), app.m.TraceColour);
  EXPECT_EQ(Value(-2), app.m.PartColour);
  EXPECT_EQ(Value(0.5), app.m.ScaleDown);
  EXPECT_EQ("mine.lib", app.m.LibraryList[2]);
  EXPECT_EQ("", app.m.LibraryList[3]);
  EXPECT_EQ(kIni, Written());
}

TEST_F(Settings, MissingFileKeepsStartValuesAndExitWritesAWholeFile) {
  auto& f = Load(nullptr);
  EXPECT_TRUE(app.m.TraceColour.IsEmpty());
  EXPECT_EQ(1, f.Check1.Value());
  EXPECT_EQ("[Initalize]\r\n 0\r\n 0\r\n 0\r\n 0\r\n[Control]\r\n 1\r\n 1\r\n[Printer]\r\n 0\r\n 0\r\n[Library]\r\n\r\n",
            Written());
}

TEST_F(Settings, ShortFileKeepsWhatWasNotRead) {
  const std::string ini =
      "[Initalize]\r\n1\r\n2\r\n3\r\n4\r\n[Control]\r\n1\r\n1\r\n[Printer]\r\n 9\r\n 8\r\n[Library]\r\n";
  Load(&ini);
  EXPECT_EQ(Value(8), app.m.ScaleDown);
  EXPECT_EQ("", app.m.LibraryList[0]);
  EXPECT_EQ("[Initalize]\r\n 1\r\n 2\r\n 3\r\n 4\r\n[Control]\r\n 1\r\n 1\r\n[Printer]\r\n 9\r\n 8\r\n[Library]\r\n\r\n",
            Written());
}

TEST_F(Settings, HeaderMustMatchExactlyOrTheSectionsFallOutOfStep) {
  const std::string ini =
      "[Initialize]\r\n 255\r\n 16777215\r\n 0\r\n 0\r\n[Control]\r\n 0\r\n 0\r\n[Printer]\r\n 150\r\n 150\r\n"
      "[Library]\r\nBrantel.lib\r\n";
  auto& f = Load(&ini);
  EXPECT_TRUE(app.m.TraceColour.IsEmpty());
  EXPECT_TRUE(app.m.ScaleAcross.IsEmpty());
  EXPECT_EQ("", app.m.LibraryList[0]);
  EXPECT_EQ(1, f.Check1.Value());
  EXPECT_EQ(1, f.Check3.Value());
}

TEST_F(Settings, OptionValuesAreRoundedAndBadOnesIgnored) {
  const std::string ini =
      "[Initalize]\r\n0\r\n0\r\n0\r\n0\r\n[Control]\r\n0.5\r\n2.5\r\n[Printer]\r\n1\r\n1\r\n[Library]\r\na.lib\r\n";
  auto& f = Load(&ini);
  EXPECT_EQ(0, f.Check1.Value());  // 0.5 goes to the even neighbour
  EXPECT_EQ(1, f.Check3.Value());  // 2.5 gives 2, no option: the design value stays
  EXPECT_EQ("a.lib", app.m.LibraryList[0]);  // reading went on after the bad value
  EXPECT_NE(std::string::npos, Written().find("[Control]\r\n 0\r\n 1\r\n"));
}

// The two options differ, so a writer that mixes them up shows.
TEST_F(Settings, OptionsRoundTripEachInItsOwnLine) {
  const std::string ini =
      "[Initalize]\r\n 1\r\n 2\r\n 3\r\n 4\r\n[Control]\r\n 0\r\n 1\r\n[Printer]\r\n 5\r\n 6\r\n[Library]\r\nb.lib\r\n";
  auto& f = Load(&ini);
  EXPECT_EQ(0, f.Check1.Value());
  EXPECT_EQ(1, f.Check3.Value());
  EXPECT_EQ(ini, Written());
  f.Check1.SetValue(1);
  f.Check3.SetValue(0);
  EXPECT_NE(std::string::npos, Written().find("[Control]\r\n 1\r\n 0\r\n"));
}

TEST_F(Settings, ScalesThatAreNoNumberAreWrittenAsTheirLeadingNumber) {
  Load(&kIni);
  app.m.ScaleAcross = "12.5mm";
  app.m.ScaleDown = "";
  EXPECT_EQ(
      "[Initalize]\r\n 3968215\r\n 10540001\r\n 7\r\n-2\r\n[Control]\r\n 1\r\n 1\r\n[Printer]\r\n 12.5\r\n 0\r\n"
      "[Library]\r\nBrantel.lib\r\nextra.lib\r\nmine.lib\r\n",
      Written());
  app.m.ScaleAcross = "abc";
  EXPECT_NE(std::string::npos, Written().find("[Printer]\r\n 0\r\n 0\r\n"));
}

TEST_F(Settings, LibraryListIsCutAtItsFirstEmptyEntry) {
  Load(&kIni);
  app.m.LibraryList[0] = "";
  app.m.LibraryList[1] = "";
  EXPECT_NE(std::string::npos, Written().find("[Library]\r\n\r\n"));
  EXPECT_EQ(std::string::npos, Written().find("mine.lib"));
  for (std::size_t i = 0; i < app.m.LibraryList.size(); ++i) app.m.LibraryList[i] = "l" + std::to_string(i);
  EXPECT_NE(std::string::npos, Written().find("l9\r\nl10\r\n"));
}

TEST_F(Settings, VersionStampGoesUpByOneThousandth) {
  auto& f = Load(nullptr);
  folder.Write("version.dat", " 3.553\r\n");
  f.verUpdate();
  EXPECT_EQ(" 3.554\r\n", folder.Read("version.dat"));
}

}  // namespace
