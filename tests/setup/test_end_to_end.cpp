// End to end: the installer installs from the build's medium into a temporary drive, the
// installed programs start there and open their windows, and Remove takes it all away.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/paths.h"
#include "tests/setup/setup_fixture.h"
#include "tests/support/real_input.h"
#include "tests/support/wait.h"

namespace {

namespace fs = std::filesystem;

std::string Run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  if (!p.waitForFinished(testsupport::kHangLimitMs)) {
    p.kill();
    p.waitForFinished();
    return {};
  }
  return p.readAllStandardOutput().trimmed().toStdString();
}

// True once the process has ended (a window it was to show will not come).
bool Ended(QProcess& process) {
  process.waitForFinished(0);  // takes note of an end that has happened
  return process.state() == QProcess::NotRunning;
}

// A private X display when Xvfb and xdotool are there, so the programs' windows can be
// found by their process; else the programs run offscreen.
class Display {
 public:
  Display() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    xdotool_ = QStandardPaths::findExecutable("xdotool");
    if (xvfb.isEmpty() || xdotool_.isEmpty()) return;
    server_.setProgram(xvfb);
    // No reset when the last client leaves: every xdotool call is a client of its own, and a
    // program that connects while the server resets is turned away.
    server_.setArguments({"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    server_.start();
    if (!server_.waitForStarted(testsupport::kHangLimitMs)) return;
    // The server prints its display number once it takes connections.
    testsupport::WaitFor([this] {
      server_.waitForReadyRead(100);
      number_ += server_.readAllStandardOutput().toStdString();
      return number_.find('\n') != std::string::npos || server_.state() == QProcess::NotRunning;
    });
    number_ = QString::fromStdString(number_).trimmed().toStdString();
  }
  ~Display() {
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      server_.waitForFinished(testsupport::kHangLimitMs);
    }
  }
  bool Real() const { return !number_.empty(); }
  QProcessEnvironment Environment(const std::string& drives) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("BRANTEL_DRIVES", QString::fromStdString(drives));
    if (Real()) {
      env.insert("DISPLAY", QString::fromStdString(":" + number_));
      env.insert("QT_QPA_PLATFORM", "xcb");
    } else {
      env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    return env;
  }
  // The id and name of a visible window of the process whose name `accept` takes, waiting
  // for it; none when the process ends first.
  std::pair<std::string, std::string> FindWindow(QProcess& owner, const QProcessEnvironment& env,
                                                 const std::function<bool(const std::string&)>& accept) const {
    std::pair<std::string, std::string> found;
    testsupport::WaitFor([&] {
      const std::string ids = Run(xdotool_, {"search", "--onlyvisible", "--pid", QString::number(owner.processId())}, env);
      for (const QString& id : QString::fromStdString(ids).split('\n', Qt::SkipEmptyParts)) {
        const std::string name = Run(xdotool_, {"getwindowname", id.trimmed()}, env);
        if (accept(name)) {
          found = {id.trimmed().toStdString(), name};
          return true;
        }
      }
      return Ended(owner);
    });
    return found;
  }
  // The name of a visible window of the process that `accept` takes, waiting for it.
  std::string WindowOf(QProcess& owner, const QProcessEnvironment& env, const std::function<bool(const std::string&)>& accept) const {
    const auto [id, name] = FindWindow(owner, env, accept);
    return id.empty() ? "(no window)" : name;
  }
  // The id of a visible window named `name` on this private display, whatever process of
  // `owner`'s shows it, waiting for it; none when `owner` ends first.
  std::string AnyWindowNamed(const QProcessEnvironment& env, const std::string& name, QProcess& owner) const {
    std::string found;
    testsupport::WaitFor([&] {
      const std::string ids = Run(xdotool_, {"search", "--onlyvisible", "--name", ".*"}, env);
      for (const QString& id : QString::fromStdString(ids).split('\n', Qt::SkipEmptyParts)) {
        if (Run(xdotool_, {"getwindowname", id.trimmed()}, env) == name) {
          found = id.trimmed().toStdString();
          return true;
        }
      }
      return Ended(owner);
    });
    return found;
  }
  // A key (the space bar) typed into the window.
  void KeyTo(const std::string& window, const QProcessEnvironment& env) const {
    const QString id = QString::fromStdString(window);
    Run(xdotool_, {"windowfocus", "--sync", id}, env);
    Run(xdotool_, {"key", "--window", id, "space"}, env);
  }
  // A left click at (x, y), pixels inside the window.
  void Click(const std::string& window, int x, int y, const QProcessEnvironment& env) const {
    const QString id = QString::fromStdString(window);
    Run(xdotool_, {"mousemove", "--sync", "--window", id, QString::number(x), QString::number(y)}, env);
    Run(xdotool_, {"click", "--window", id, "1"}, env);
  }
  void Key(const QProcess& owner, const QProcessEnvironment& env) const {
    const std::string ids = Run(xdotool_, {"search", "--onlyvisible", "--pid", QString::number(owner.processId())}, env);
    const QString first = QString::fromStdString(ids).split('\n', Qt::SkipEmptyParts).value(0);
    Run(xdotool_, {"windowfocus", "--sync", first}, env);
    Run(xdotool_, {"key", "--window", first, "space"}, env);
  }

 private:
  QString xdotool_;
  QProcess server_;
  std::string number_;
};

// Starts an installed program in the installed folder; it must still run after it has had
// time to read its installation record, and it ends when asked to.
class Started {
 public:
  Started(const std::string& folder, const std::string& program, const QProcessEnvironment& env) {
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(QString::fromStdString(folder));
    process_.start(QString::fromStdString(folder + "/" + program), {});
    started_ = process_.waitForStarted(testsupport::kHangLimitMs);
  }
  ~Started() {
    if (Stop()) return;
    process_.kill();
    process_.waitForFinished(testsupport::kHangLimitMs);
  }
  bool Running() const { return process_.state() == QProcess::Running; }
  QProcess& Process() { return process_; }
  bool Stop() {
    if (!Running()) return false;
    process_.terminate();
    return process_.waitForFinished(testsupport::kHangLimitMs);
  }
  // True when the program ended by itself with exit code 0.
  bool EndedWell() {
    return process_.waitForFinished(testsupport::kHangLimitMs) && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
  }
  std::string Output() { return process_.readAllStandardError().toStdString(); }

 private:
  QProcess process_;
  bool started_ = false;
};

TEST_F(SetupTest, InstallFromTheMediumStartBothProgramsThenRemove) {
  // The build's medium is drive D:, and the installer runs in it.
  const fs::path medium = BRANTEL_MEDIUM_DIR;
  vb::SetDrive('D', medium.parent_path().string());
  vb::SetCurrentHostFolder(medium.string());
  OlderFamilyDesktop();
  Form1& f = Agreed();
  EXPECT_EQ(f.Caption().substr(0, 8), "Brantel ");
  EXPECT_EQ(f.Text1.Text(), "D:\\" + medium.filename().string());
  f.Command4.PerformClick();
  ASSERT_EQ(f.Text5.Text(), "Click EXIT to continue");
  const std::string installed = drive.HostFile("Brantel");
  for (const char* file : {"Brantel", "Moravint", "Brantel.dat", "Brantel.lib", "brantel.ini"})
    EXPECT_TRUE(fs::is_regular_file(installed + "/" + file)) << file;
  EXPECT_TRUE(drive.Exists("Windows/Desktop/Brantel.lnk"));

  {
    Display display;
    const QProcessEnvironment env = display.Environment("C=" + drive.Host());
    Started brantel(installed, "Brantel", env);
    Started moravint(installed, "Moravint", env);
    if (display.Real()) {
      // The layout editor shows its start-up window; a key opens the main window.
      EXPECT_NE(display.WindowOf(brantel.Process(), env, [](const std::string&) { return true; }), "(no window)");
      display.Key(brantel.Process(), env);
      EXPECT_EQ(display.WindowOf(brantel.Process(), env, [](const std::string& n) { return n == "Brantel"; }), "Brantel");
      EXPECT_NE(display.WindowOf(moravint.Process(), env, [](const std::string&) { return true; }), "(no window)");
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    }
    // Without its installation record the editor would have ended at once.
    EXPECT_TRUE(brantel.Running()) << brantel.Output();
    EXPECT_TRUE(moravint.Running()) << moravint.Output();
    EXPECT_TRUE(brantel.Stop());
    EXPECT_TRUE(moravint.Stop());
  }

  f.Command5.PerformClick();
  EXPECT_EQ(f.Text5.Text(), "Click Exit to continue");
  // Only the desktop folder stays, empty, on the drive.
  std::vector<std::string> left;
  for (const auto& e : fs::recursive_directory_iterator(drive.Host())) left.push_back(e.path().lexically_relative(drive.Host()).string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Windows", "Windows/Desktop", "medium", "medium/Brantel", "medium/Moravint",
                                            "medium/Setup.ini", "medium/brantel.ini", "medium/link.dat"}));
}

// The command of the README's table row that begins with `what`: the text between the
// row's first pair of backquotes after it.
std::string ReadmeCommand(const std::string& what) {
  std::ifstream in(BRANTEL_README);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("| " + what + " |", 0) != 0) continue;
    const std::size_t open = line.find('`', what.size() + 2);
    const std::size_t close = open == std::string::npos ? open : line.find('`', open + 1);
    if (close == std::string::npos) return {};
    return line.substr(open + 1, close - open - 1);
  }
  return {};
}

// The installer's command of the README as written, run by the shell at the top of a clone
// whose build holds the medium (build/release/medium) and no drive folder (only ./run makes
// build/drive-c), here with the clone reached through a symbolic link. The programs land in
// drive-c, the shortcut on its desktop, and the installer ends without a message.
TEST_F(SetupTest, TheReadmeInstallerCommandInstallsTheProgramsIntoDriveC) {
  const std::string command = ReadmeCommand("the installer, from the build's medium");
  ASSERT_NE(command.find("./setup"), std::string::npos) << command;
  const fs::path clone = drive.Host() + "/clone";
  const fs::path build = clone / "build";
  fs::create_directories(build / "release");
  fs::copy(BRANTEL_MEDIUM_DIR, build / "release/medium", fs::copy_options::recursive);
  const std::string top = drive.Host() + "/via";
  fs::create_directory_symlink(clone, top);
  const fs::path installed = build / "drive-c/Brantel";

  Display display;
  QProcessEnvironment env = display.Environment("");
  env.remove("BRANTEL_DRIVES");
  env.insert("PWD", QString::fromStdString(top));  // the shell's $PWD keeps the link
  QProcess shell;
  shell.setProcessEnvironment(env);
  shell.setWorkingDirectory(QString::fromStdString(top));
  if (display.Real()) {
    shell.start("bash", {"-c", QString::fromStdString(command)});
    ASSERT_TRUE(shell.waitForStarted(testsupport::kHangLimitMs));
    // What the installer left behind when it ended before its time.
    const auto endedEarly = [&shell] {
      return "the installer ended (exit status " + std::to_string(shell.exitStatus()) + ", code " +
             std::to_string(shell.exitCode()) + "): " + shell.readAllStandardError().toStdString();
    };
    const std::string agreement = display.AnyWindowNamed(env, "License Agreement", shell);
    ASSERT_FALSE(agreement.empty()) << endedEarly();
    display.KeyTo(agreement, env);  // agrees
    const std::string window = display.AnyWindowNamed(env, "Brantel Setup", shell);
    ASSERT_FALSE(window.empty()) << endedEarly();
    display.Click(window, 66, 243, env);  // Install
    testsupport::WaitFor([&] { return fs::exists(build / "drive-c/Windows/Desktop/Brantel.lnk") || Ended(shell); });
    ASSERT_TRUE(fs::exists(build / "drive-c/Windows/Desktop/Brantel.lnk")) << endedEarly();
    display.Click(window, 414, 243, env);  // Exit: only the install window may be left
    const bool ended = shell.waitForFinished(testsupport::kHangLimitMs);
    if (!ended) shell.kill();
    shell.waitForFinished(testsupport::kHangLimitMs);
    EXPECT_TRUE(ended && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0)
        << shell.readAllStandardError().toStdString();
  } else {
    // Without a display the shell runs the command with a probe in place of the installer,
    // and this process installs with the drive table and current folder the probe saw.
    std::string probed = command;
    probed.replace(probed.rfind("./setup"), 7, "sh -c 'printf \"%s\\n%s\" \"$PWD\" \"$BRANTEL_DRIVES\"'");
    shell.start("bash", {"-c", QString::fromStdString(probed)});
    ASSERT_TRUE(shell.waitForFinished(testsupport::kHangLimitMs));
    const QStringList seen = QString::fromLocal8Bit(shell.readAllStandardOutput()).split('\n');
    ASSERT_EQ(seen.size(), 2) << shell.readAllStandardError().toStdString();
    const char* saved = std::getenv("BRANTEL_DRIVES");
    const std::string previous = saved ? saved : "";
    ::setenv("BRANTEL_DRIVES", seen[1].toStdString().c_str(), 1);
    vb::ResetDrives();
    vb::SetCurrentHostFolder(seen[0].toStdString());
    Form1& f = Agreed();
    EXPECT_EQ(f.Text1.Text(), "M:\\medium");
    testsupport::MouseClick(f.Command4);
    EXPECT_EQ(f.Text5.Text(), "Click EXIT to continue");
    f.Command1.PerformClick();
    if (saved) ::setenv("BRANTEL_DRIVES", previous.c_str(), 1);
    else ::unsetenv("BRANTEL_DRIVES");
  }
  for (const char* file : {"Brantel", "Moravint", "brantel.ini"})
    EXPECT_TRUE(drive.Read("clone/build/drive-c/Brantel/" + std::string(file)) ==
                drive.Read("clone/build/release/medium/" + std::string(file)))
        << file;
  EXPECT_TRUE(fs::is_regular_file(installed / "Brantel.lib"));
  const std::string record = drive.Read("clone/build/drive-c/Brantel/Brantel.dat");
  EXPECT_NE(record.find("Folder: C:\\Brantel\r\n"), std::string::npos) << record;
  EXPECT_TRUE(fs::is_regular_file(build / "drive-c/Windows/Desktop/Brantel.lnk"));
}

}  // namespace
