#include "parteditor/splash.h"

#include <string>

#include "parteditor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/picture.h"

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
  SetCaption("");
  SetScaleMode(vb::vbPixels);
  SetCentreOnShow(true);
  SetKeyPreview(true);

  Frame1.Move(8, 4, 404, 236);
  imgLogo.Move(16, 24, 48, 48);
  imgLogo.SetPicture(Logo());
  lblProductName.Move(84, 22, 300, 40);
  lblProductName.SetFont(24, true);
  lblVersion.Move(84, 70, 300, 20);
  lblVersion.SetFont(10);
  lblPlatform.Move(84, 94, 300, 20);
  lblPlatform.SetFont(10);
  lblCopyright.Move(16, 150, 372, 20);
  lblCopyright.SetFont(10, true);
  lblCompany.Move(16, 176, 372, 20);
  lblCompany.SetFont(10);
  Command1.Move(312, 248, 100, 28);
  SetClientSize(420, 284);

  OnLoad = [this] { Form_Load(); };
  OnKeyPress = [this](int& k) { Form_KeyPress(k); };
  Command1.Click = [this] { Command1_Click(); };
  Frame1.Click = [this] { Frame1_Click(); };
  lblPlatform.Click = [this] { lblPlatform_Click(); };
  lblVersion.Click = [this] { lblVersion_Click(); };
  lblCopyright.Click = [this] { lblCopyright_Click(); };
}

void frmSplash::Form_Load() {
  lblVersion.SetCaption("Version " + std::to_string(vb::AppMajor()) + "." + std::to_string(vb::AppMinor()) + "." +
                        std::to_string(vb::AppRevision()));
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
