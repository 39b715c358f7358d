// End to end: the installer installs from the build's medium into a temporary drive, the
// installed programs start there and open their windows, and Remove takes it all away.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <functional>
#include <filesystem>
#include <thread>

#include "platform/paths.h"
#include "tests/setup/setup_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  if (!p.waitForFinished(5000)) {
    p.kill();
    p.waitForFinished();
    return {};
  }
  return p.readAllStandardOutput().trimmed().toStdString();
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
    server_.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    server_.start();
    if (!server_.waitForStarted(5000)) return;
    for (int i = 0; i < 100 && number_.empty(); ++i) {
      server_.waitForReadyRead(100);
      number_ = server_.readAllStandardOutput().trimmed().toStdString();
    }
  }
  ~Display() {
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      server_.waitForFinished(5000);
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
  // The name of a visible window of the process that `accept` takes, waiting for it.
  std::string WindowOf(qint64 pid, const QProcessEnvironment& env, const std::function<bool(const std::string&)>& accept) const {
    for (int i = 0; i < 100; ++i) {
      const std::string ids = Run(xdotool_, {"search", "--onlyvisible", "--pid", QString::number(pid)}, env);
      for (const QString& id : QString::fromStdString(ids).split('\n', Qt::SkipEmptyParts)) {
        const std::string name = Run(xdotool_, {"getwindowname", id.trimmed()}, env);
        if (accept(name)) return name;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "(no window)";
  }
  void Key(qint64 pid, const QProcessEnvironment& env) const {
    const std::string ids = Run(xdotool_, {"search", "--onlyvisible", "--pid", QString::number(pid)}, env);
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
    started_ = process_.waitForStarted(5000);
  }
  ~Started() { Stop(); }
  bool Running() const { return process_.state() == QProcess::Running; }
  qint64 Pid() const { return process_.processId(); }
  bool Stop() {
    if (!Running()) return false;
    process_.terminate();
    return process_.waitForFinished(5000);
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
      EXPECT_NE(display.WindowOf(brantel.Pid(), env, [](const std::string&) { return true; }), "(no window)");
      display.Key(brantel.Pid(), env);
      EXPECT_EQ(display.WindowOf(brantel.Pid(), env, [](const std::string& n) { return n == "Brantel"; }), "Brantel");
      EXPECT_NE(display.WindowOf(moravint.Pid(), env, [](const std::string&) { return true; }), "(no window)");
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

}  // namespace
