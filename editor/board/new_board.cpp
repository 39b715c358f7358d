// "Build": a new, empty board of the size typed into the two size boxes.
#include "editor/form1.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {
constexpr double kMaxSize = 100;
}  // namespace

void Form1::Command2_Click() {
  if (vb::MsgBox("The board will be cleared! Are you sure? ", vb::vbYesNo + vb::vbCritical, "Warning") != vb::vbYes)
    return;
  if (vb::Val(Text1.Text()) < kMaxSize + 1 && vb::Val(Text2.Text()) < kMaxSize + 1) {
    Picture1.Cls();
    GraphicLimits(true);
    BuildArray(true);
    InitKelm();
    Command15_Click();
  } else {
    vb::MsgBox("The board size must be less than 100 ! ", vb::vbOKOnly + vb::vbCritical, "Error");
    if (vb::Val(Text1.Text()) >= kMaxSize + 1) Text1.SetText("100");
    if (vb::Val(Text2.Text()) >= kMaxSize + 1) Text2.SetText("100");
  }
}

// The size boxes never hold more than 100 when a key arrives; Enter builds.
void Form1::Text1_KeyPress(int& KeyAscii) {
  if (vb::Val(Text1.Text()) > kMaxSize) Text1.SetText("100");
  if (KeyAscii == vb::vbKeyReturn) Command2_Click();
}

void Form1::Text2_KeyPress(int& KeyAscii) {
  if (vb::Val(Text2.Text()) > kMaxSize) Text2.SetText("100");
  if (KeyAscii == vb::vbKeyReturn) Command2_Click();
}
