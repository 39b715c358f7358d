#include "parteditor/splash.h"

#include <string>

#include "parteditor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shared/splash_layout.h"

namespace moravint {

namespace {

// A part outline around two pins: the program's logo.
vb::Picture Logo() {
  vb::Picture p(48, 48, vb::RGB(212, 208, 200));
  p.DrawLine(14, 6, 34, 6, vb::RGB(0, 0, 0), 2);
  p.DrawLine(34, 6, 34, 42, vb::RGB(0, 0, 0), 2);
  p.DrawLine(34, 42, 14, 42, vb::RGB(0, 0, 0), 2);
  p.DrawLine(14, 42, 14, 6, vb::RGB(0, 0, 0), 2);
  p.DrawEllipse(24, 14, 4, 4, vb::RGB(0, 0, 255), vb::RGB(0, 0, 255));
  p.DrawEllipse(24, 34, 4, 4, vb::RGB(0, 0, 255), vb::RGB(0, 0, 255));
  return p;
}

}  // namespace

frmSplash::frmSplash(Moravint& a)
    : vb::Form(a, "frmSplash"),
      app(a),
      Frame1(*this, "Frame1"),
      imgLogo(Frame1, "imgLogo"),
      lblProductName(Frame1, "lblProductName"),
      lblVersion(Frame1, "lblVersion"),
      lblPlatform(Frame1, "lblPlatform", "Platform Windows 9X/XP"),
      lblCopyright(Frame1, "lblCopyright", "Part editor of the Brantel suite"),
      lblCompany(Frame1, "lblCompany", "Brantel project"),
      Command1(*this, "Command1", "Continue") {
  LayOutSplash({*this, Frame1, imgLogo, lblProductName, lblVersion, lblPlatform, lblCopyright, lblCompany, Command1});
  imgLogo.SetPicture(Logo());

  OnLoad = [this] { Form_Load(); };
  OnKeyPress = [this](int& k) { Form_KeyPress(k); };
  Command1.Click = [this] { Command1_Click(); };
  Frame1.Click = [this] { Frame1_Click(); };
  lblPlatform.Click = [this] { lblPlatform_Click(); };
  lblVersion.Click = [this] { lblVersion_Click(); };
  lblCopyright.Click = [this] { lblCopyright_Click(); };
}

void frmSplash::Form_Load() {
  lblVersion.SetCaption(VersionCaption());
  lblProductName.SetCaption("Moravint");
}

void frmSplash::Continue() {
  Moravint& program = app;
  bool installed = true;
  try {
    vb::TextReader record("Brantel.dat");
    record.Close();
  } catch (const vb::RuntimeError&) {
    installed = false;
  }
  if (!installed) {
    vb::MsgBox("Please install Brantel first!", vb::vbOKOnly, "Install Error");
    program.frmSplash.Unload();
    return;
  }
  auto& main = program.Form1();
  main.Show();
  main.Command1_Click();
  // This window is gone after the unload; nothing of it may be touched any more.
  program.frmSplash.Unload();
}

}  // namespace moravint
