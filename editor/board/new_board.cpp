// "Build" and the board-size boxes.
#include <cmath>

#include "editor/board/repaint_batch.h"
#include "editor/form1.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {

constexpr double kMaxSize = 100;
constexpr const char* kSizeMessage = "The board size must be less than 100 ! ";

// A board size is a whole number of holes from 1 to 100; the grid has no room for more,
// and a fraction would be rounded up by the drawing to a column the loops never reset.
bool IsBoardSize(double v) { return v >= 1 && v <= kMaxSize && v == std::floor(v); }

// Puts a refused size box back: a size above the largest becomes "100", anything else the
// size the board has now.
void PutBack(vb::TextBox& box, const Value& current) {
  const double typed = vb::Val(box.Text());
  if (IsBoardSize(typed)) return;
  if (typed > kMaxSize) {
    box.SetText("100");
  } else {
    const double size = current.Num();
    box.SetText(vb::Format(IsBoardSize(size) ? size : 15.0));
  }
}

}  // namespace

bool Form1::BoardSizeTyped() {
  if (IsBoardSize(vb::Val(Text1.Text())) && IsBoardSize(vb::Val(Text2.Text()))) return true;
  vb::MsgBox(kSizeMessage, vb::vbOKOnly + vb::vbCritical, "Error");
  PutBack(Text1, m.HolesAcross);
  PutBack(Text2, m.HolesDown);
  return false;
}

void Form1::Command2_Click() {
  if (vb::MsgBox("The board will be cleared! Are you sure? ", vb::vbYesNo + vb::vbCritical, "Warning") != vb::vbYes)
    return;
  if (!BoardSizeTyped()) return;
  // A new size repaints the board in GraphicLimits and again in Zoom All: it is painted
  // once, at the end.
  RepaintBatch batch(*this);
  Picture1.Cls();
  GraphicLimits(true);
  BuildArray(true);
  InitKelm();
  Command15_Click();
  batch.Finish();
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
