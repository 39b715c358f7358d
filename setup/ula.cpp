#include "setup/ula.h"

#include "platform/picture.h"
#include "setup/form1.h"
#include "setup/program.h"

const char* const kAgreementText =
    "Brantel, Moravint and setup are given to you as they are, without any warranty. You may "
    "install them on any number of machines and use them for any purpose. The makers are not "
    "liable for any damage that comes from using them. By choosing \"I agree\" or pressing any "
    "key you accept these terms; \"I do not agree\" ends the installation.";

namespace {

// A small board with a row of copper strips: the picture of the agreement window.
vb::Picture BoardPicture() {
  vb::Picture p(64, 64, vb::RGB(225, 215, 160));
  for (int row = 0; row < 4; ++row) {
    const int y = 10 + row * 14;
    p.FillRect(4, y - 3, 56, 6, vb::RGB(215, 140, 60));
    for (int col = 0; col < 4; ++col) p.DrawEllipse(10 + col * 14, y, 2, 2, vb::vbBlack, vb::vbBlack);
  }
  return p;
}

}  // namespace

ULA::ULA(Setup& owner)
    : vb::Form(owner, "ULA"),
      app(owner),
      Image1(*this, "Image1"),
      lblProductName(*this, "lblProductName", "Install System"),
      lblCompanyProduct(*this, "lblCompanyProduct", "Brantel strip board layout suite"),
      Text1(*this, "Text1", kAgreementText),
      Command1(*this, "Command1", "I agree"),
      Command2(*this, "Command2", "I do not agree") {
  SetCaption("License Agreement");
  SetClientSize(6600, 3900);
  SetCentreOnShow(true);
  SetKeyPreview(true);
  Image1.Move(240, 240, 960, 960);
  Image1.SetPicture(BoardPicture());
  lblProductName.Move(1440, 240, 4920, 420);
  lblProductName.SetFont(14, true);
  lblCompanyProduct.Move(1440, 720, 4920, 360);
  Text1.Move(240, 1440, 6120, 1560);
  Text1.SetMultiLine(true);
  Text1.SetScrollBars(vb::vbSBVertical);
  Text1.SetLocked(true);
  Command1.Move(2880, 3240, 1620, 420);
  Command2.Move(4740, 3240, 1620, 420);
  OnLoad = [this] { Form_Load(); };
  OnKeyPress = [this](int& k) { Form_KeyPress(k); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

void ULA::Command1_Click() { ContinueSetup(); }

void ULA::ContinueSetup() {
  Setup& program = app;
  program.ULA.Unload();
  // This window is gone; only the program may be touched from here on.
  program.Form1().Show();
}

void ULA::Command2_Click() { app.ULA.Unload(); }
