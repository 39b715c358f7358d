// Removal of an installation, and the calculator.
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/shell.h"
#include "platform/strings.h"
#include "setup/form1.h"
#include "setup/form4.h"
#include "setup/program.h"

void Form1::Command5_Click() {
  if (busy_) return;
  // Without a setup list the destination box stays empty, and its "\*.*" would name every
  // file at the root of the drive: nothing is removed then.
  if (vb::Trim(Text2.Text()).empty()) {
    vb::MsgBox("No destination folder is named; nothing was removed.", vb::vbOKOnly, "Error Manager");
    return;
  }
  busy_ = true;
  vb::ErrorTrap trap = Trap();
  std::string destination;
  std::string savedSource;
  trap([&] { destination = vb::Trim(Text2.Text()); });
  trap([&] { vb::Kill(destination + "\\*.*"); });
  // Hidden temporary files of interrupted installs would keep the folder from going.
  trap([&] { vb::RemoveLeftovers(destination); });
  trap([&] { vb::RmDir(destination); });
  trap([&] { savedSource = Text1.Text(); });
  trap([&] { Dir1.SetPath("C:\\Windows\\Desktop"); });
  trap([&] { Dir1.SetPath("C:\\Documents and Settings"); });
  trap([&] { Text1.SetText(Dir1.Path()); });
  if (Dir1.Path() == "C:\\Windows\\Desktop") {
    trap([&] { vb::Kill("C:\\windows\\Desktop\\Brantel.lnk"); });
  } else {
    const std::string base = Dir1.Path();
    for (int i = 0; i < Dir1.ListCount(); ++i) {
      const std::string full = Dir1.List(i);
      if (full == base + "\\All Users" || full == base + "\\Default User" || full == base + "\\LocalService" ||
          full == base + "\\NetworkService")
        continue;
      trap([&] { app.Form4().List1.AddItem(vb::Mid(full, 27, 99)); });
    }
    if (Dir1.ListCount() - 2 == 1) {
      trap([&] { Text1.SetText(Text1.Text() + "\\" + app.Form4().List1.List(0) + "\\Desktop"); });
    } else {
      trap([&] { app.Form4().Show(vb::vbModal); });
    }
    trap([&] { vb::Kill(Text1.Text() + "\\Brantel.lnk"); });
  }
  // The source box names the medium again, however the removal went.
  if (!savedSource.empty()) Text1.SetText(savedSource);
  busy_ = false;
  if (trap.Ended()) return;
  trap([&] {
    Picture1.SetBackColor(vb::RGB(0, 255, 0));
    SetStatusColour(vb::RGB(0, 255, 0));
  });
  trap([&] { Text5.SetText("Click Exit to continue"); });
}

void Form1::Command2_Click() {
  long task = 0;
  try {
    task = vb::Shell("CALC.EXE", 1);
  } catch (const vb::RuntimeError&) {
    vb::MsgBox("No calculator was found on this machine.", vb::vbOKOnly | vb::vbCritical, "Calc");
    return;
  }
  try {
    vb::AppActivate(task);
    for (int i = 1; i <= 5; ++i) vb::SendKeys(std::to_string(i) + "{+}", true);
    vb::SendKeys("=", true);
    vb::SendKeys("%{F4}", true);
  } catch (const vb::RuntimeError&) {
    vb::MsgBox("The calculator was started, but no key sender (xdotool on an X display) could reach it, so the "
               "sum was not typed.",
               vb::vbOKOnly | vb::vbCritical, "Calc");
  }
}
