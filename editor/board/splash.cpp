#include "editor/board/splash.h"

#include <exception>
#include <string>

#include "editor/board/tool_pictures.h"
#include "editor/form1.h"
#include "platform/app.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/strings.h"
#include "shared/splash_layout.h"

const char* const kMakerName = "Brantel project";

std::string InstallRecordValue(const std::string& line) {
  const int colon = vb::InStr(line, ":");
  const std::string value = colon > 0 ? vb::Mid(line, colon + 1) : line;
  return vb::Trim(vb::Left(value, 99));
}

frmSplash::frmSplash(Brantel& a)
    : vb::Form(a, "frmSplash"),
      app(a),
      Frame1(*this, "Frame1"),
      imgLogo(Frame1, "imgLogo"),
      lblProductName(Frame1, "lblProductName", "Brantel"),
      lblVersion(Frame1, "lblVersion"),
      lblPlatform(Frame1, "lblPlatform", "Platform Windows 9X/XP"),
      lblCompanyProduct(Frame1, "lblCompanyProduct", kMakerName),
      lblCompany(Frame1, "lblCompany", kMakerHomePage),
      Command1(*this, "Command1", "Continue") {
  LayOutSplash({*this, Frame1, imgLogo, lblProductName, lblVersion, lblPlatform, lblCompanyProduct, lblCompany, Command1});
  imgLogo.SetPicture(LogoPicture());
  lblCompany.SetFont(10, false, true);
  lblCompany.SetForeColor(vb::RGB(0, 0, 192));

  OnLoad = [this] { Form_Load(); };
  OnUnload = [this] { Form_Unload(); };
  OnKeyPress = [this](int& k) { Form_KeyPress(k); };
  Command1.Click = [this] { Command1_Click(); };
  Frame1.Click = [this] { Frame1_Click(); };
  imgLogo.Click = [this] { imgLogo_Click(); };
  lblCompanyProduct.Click = [this] { lblCompanyProduct_Click(); };
  lblProductName.Click = [this] { lblProductName_Click(); };
  lblCompany.Click = [this] { lblCompany_Click(); };
}

void frmSplash::Form_Load() {
  try {
    vb::TextReader record("Brantel.dat");
    std::string line;
    for (int i = 1; i <= 9; ++i) line = record.LineInput();
    record.Close();
    app.m.DataFolder = InstallRecordValue(line);
    lblCompany.SetMousePointer(vb::vbCustom);
    lblVersion.SetCaption(VersionCaption());
  } catch (const vb::RuntimeError&) {
    // Without its installation record the program cannot find its files: it ends quietly.
    Unload();
  }
}

void frmSplash::Continue() {
  Brantel& program = app;
  try {
    auto& main = program.Form1();
    main.GraphicLimits(true);
    main.BuildArray(true);
    main.InitKelm();
    main.ReDrawWhole(1);
  } catch (const vb::RuntimeError& e) {
    vb::MsgBox("Run-time error '" + std::to_string(e.Number()) + "':\r\n\r\n" + e.Description(), vb::vbCritical);
  } catch (const std::exception& e) {
    vb::MsgBox(std::string("Unexpected error: ") + e.what(), vb::vbCritical);
  }
  // Whatever failed above, the user gets the main window as far as it came, so that the
  // program never goes on without a window; without a main window it ends.
  if (program.Form1.Loaded()) {
    program.Form1().Show();
  } else {
    program.Form9.Unload();
    program.Form8.Unload();
    program.Form6.Unload();
  }
  // This window is gone after the unload; nothing of it may be touched any more.
  program.frmSplash.Unload();
}

void frmSplash::Form_Unload() {
  // A main window loaded but never shown would keep the program running with nothing on
  // screen: it goes with this window.
  if (app.Form1.Loaded() && !app.Form1().Visible()) app.Form1.Unload();
}

void frmSplash::lblCompany_Click() { StartBrowser(kMakerHomePage); }
