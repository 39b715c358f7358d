// The install sequence: the destination folder, the listed files with the progress bar,
// the default library and data files, the installation record and the desktop shortcut.
#include <functional>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/strings.h"
#include "setup/form1.h"
#include "setup/program.h"
#include "setup/setup_script.h"

namespace {

// Clears a flag when the sequence is left, however it ends.
class BusyFlag {
 public:
  explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyFlag() { flag_ = false; }
  BusyFlag(const BusyFlag&) = delete;
  BusyFlag& operator=(const BusyFlag&) = delete;

 private:
  bool& flag_;
};

constexpr vb::Colour kBarBlue = vb::RGB(0, 0, 150);
constexpr vb::Colour kDoneGreen = vb::RGB(0, 255, 0);

}  // namespace

vb::ErrorTrap Form1::Trap() {
  return vb::ErrorTrap({75, 76, 58}, {53}, [this](const vb::RuntimeError& e) {
    vb::MsgBox(e.Description() + " in " + Text1.Text(), vb::vbOKOnly, "Error Manager");
  });
}

void Form1::SizIniFile(double& count, double& step, double& position) {
  vb::TextReader in("Setup.ini");
  int lines = 0;
  do {
    in.LineInput();
    ++lines;
  } while (!in.Eof());
  in.Close();
  count = lines;
  Picture1.Cls();
  if (count - 1 == 0) throw vb::RuntimeError(11);
  step = Picture1.ScaleWidth() / (count - 1);
  position = 0;
}

void Form1::DoInstall() {
  if (busy_) return;
  BusyFlag busy(busy_);
  double count = 0;
  double step = 0;
  double position = 0;

  // The setup list is checked whole before anything is changed: a missing, short or
  // foreign list is reported and nothing is installed.
  setup::SetupScript script;
  try {
    script = setup::ParseSetupScript(vb::ReadAllBytes("Setup.ini"));
    if (!script.Recognised()) {
      const std::string& folder = Text1.Text();
      vb::MsgBox("The first line is not [Setup] in " + folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") +
                     "Setup.ini",
                 vb::vbOKOnly, "Error Manager");
      return;
    }
    if (!script.HasFiles()) throw vb::RuntimeError(62);
    SizIniFile(count, step, position);
  } catch (const vb::RuntimeError& e) {
    ReportScriptError(e.Number());
    return;
  }
  // A destination drive that is not there (not in the drive table, or its folder is missing)
  // is said once, and nothing is made: the installer makes no drive.
  const std::string drive = vb::Left(Text2.Text(), 1);
  if (vb::Mid(Text2.Text(), 2, 1) == ":" && !vb::FolderExists(drive + ":\\")) {
    vb::MsgBox("Drive " + drive + ": is not available; nothing was installed in " + Text2.Text() + ".",
               vb::vbOKOnly | vb::vbExclamation, "Error Manager");
    return;
  }

  vb::ErrorTrap trap = Trap();
  stopWhy_.clear();
  stopPlace_.clear();
  Step(trap, Text2.Text(), [&] { vb::MkDir(Text2.Text()); });
  Step(trap, "", [&] { InstallDrive = vb::Left(Text2.Text(), 1); });
  // Every file that could not be installed, in the order met; a copy whose error the
  // sequence passes over is still named at the end.
  std::vector<std::string> failed;
  for (const std::string& file : script.Files()) {
    Step(trap, "", [&] {
      Text5.SetText(file);
      Refresh();  // the name and the bar show while the copy runs
    });
    bool copied = false;
    const std::string target = Text2.Text() + "\\" + file;
    Step(trap, target, [&] {
      // The settings file in the destination is the user's: only a missing one is written.
      if (vb::LCase(file) != "brantel.ini" || !vb::FileExists(target)) vb::FileCopy(Text1.Text() + "\\" + file, target);
      copied = true;
    });
    if (!copied) failed.push_back(file);
    Step(trap, "", [&] { Picture1.FilledBox(position, 0, position + step, Picture1.ScaleHeight(), kBarBlue); });
    position += step;
    if (trap.Ended()) return ReportUnfinished();
  }
  Step(trap, "", [&] { Text5.SetText("Building Data Files"); });
  Step(trap, "", [&] { BuildDataFiles(failed); });
  bool recorded = false;
  Step(trap, Text2.Text() + "\\Brantel.dat", [&] {
    WriteInstallRecord();
    recorded = true;
  });
  if (!recorded) failed.push_back("Brantel.dat");

  const std::string savedSource = Text1.Text();
  if (!MakeShortcut(trap, savedSource) && !trap.Ended()) failed.push_back("the desktop shortcut");
  // The source box names the medium again, however the shortcut went.
  Text1.SetText(savedSource);
  if (trap.Ended()) return ReportUnfinished();
  if (!failed.empty()) {
    std::string names;
    for (const std::string& file : failed) names += "\r\n" + file;
    vb::MsgBox("These files could not be installed in " + Text2.Text() + ":" + names, vb::vbOKOnly | vb::vbExclamation,
               "Error Manager");
    Text5.SetText("Installation not complete");
    return;
  }

  Step(trap, "", [&] {
    Picture1.Cls();
    Picture1.SetBackColor(kDoneGreen);
    SetStatusColour(kDoneGreen);
  });
  Step(trap, "", [&] { Text5.SetText("Click EXIT to continue"); });
}

bool Form1::Step(vb::ErrorTrap& trap, const std::string& place, const std::function<void()>& statement) {
  return trap([&] {
    try {
      statement();
    } catch (const vb::RuntimeError& e) {
      stopWhy_ = e.Description();
      stopPlace_ = place;
      throw;
    } catch (...) {
      stopWhy_.clear();
      stopPlace_ = place;
      throw;
    }
  });
}

void Form1::WriteInstallRecord() {
  const std::string version =
      std::to_string(vb::AppMajor()) + "." + std::to_string(vb::AppMinor()) + "." + std::to_string(vb::AppRevision());
  vb::TextWriter out(Text2.Text() + "\\Brantel.dat");
  out.PrintLine("Product: Brantel");
  out.PrintLine("Version: " + version);
  out.PrintLine("Installed by: setup");
  out.PrintLine("Source: " + Text1.Text());
  out.PrintLine("Library: Brantel.lib");
  out.PrintLine("Settings: brantel.ini");
  out.PrintLine("Editor: Brantel");
  out.PrintLine("Part editor: Moravint");
  out.PrintLine("Folder: " + Text2.Text());
  out.PrintLine("Drive: " + InstallDrive);
  out.Close();
}

void Form1::ReportUnfinished() {
  const std::string why = stopWhy_.empty() ? "an unexpected error" : stopWhy_;
  const std::string where = stopPlace_.empty() ? "" : " in " + stopPlace_;
  vb::MsgBox("The installation stopped before it was complete: " + why + where + ".", vb::vbOKOnly | vb::vbExclamation,
             "Error Manager");
  Text5.SetText("Installation not complete");
}

void Form1::BuildDataFiles(std::vector<std::string>& failed) {
  // Each writer that fails is reported with its file, and the others still run.
  const auto run = [&](const std::string& file, const std::function<void()>& writer) {
    try {
      writer();
    } catch (const vb::RuntimeError& e) {
      vb::MsgBox(e.Description() + " in " + Text2.Text() + "\\" + file, vb::vbOKOnly, "Error Manager");
      failed.push_back(file);
    }
  };
  // The part library in the destination is the user's: only a missing one is written.
  if (!vb::FileExists(Text2.Text() + "\\Brantel.lib")) run("Brantel.lib", [this] { BuildPart(); });
  run("cdata.dat", [this] { BuildCdata("OMRA client records"); });
  run("odata.dat", [this] { BuildOdata("OMRA named records"); });
  run("omravid.dll", [this] { BuildXref("OMRA cross reference"); });
}
