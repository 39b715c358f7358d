// The four board options (strip direction, label preview, strip board, pad board), their
// menu items, the cutting-tool switch and the Tools and Component menu entries.
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"

namespace {
constexpr const char* kCutActive = "Drill";  // caption naming the tool a click switches to
constexpr const char* kDrillActive = "Cut";
}  // namespace

void Form1::Check1_Click() {
  Horizontal.SetChecked(Check1.Value() != vb::vbUnchecked);
  Picture1.Cls();
  BoardSizeTyped();  // the strips are numbered over the size in the boxes
  InitKelm();
  RefreshBoard(app);
}

void Form1::Check2_Click() {
  Labelpreview.SetChecked(Check2.Value() != vb::vbUnchecked);
  RefreshBoard(app);
}

// While a part slides only Slide Component may end that mode, so Cut Trace stays disabled, on
// a strip board and a pad board alike; what would change the button meanwhile is kept for the
// slide's end.
void Form1::EnableCutTrace(bool enabled) {
  if (m.SlidingPart) {
    cutTraceAfterSlide_ = enabled;
  } else {
    Command9.SetEnabled(enabled);
  }
}

// Strip board and pad board exclude each other: each box sets the other, and the chain
// stops when the second assignment finds the value already in place.
void Form1::Check3_Click() {
  Kelm.SetChecked(Check3.Value() != vb::vbUnchecked);
  if (Check3.Value() == vb::vbChecked) {
    EnableCutTrace(true);
    Check4.SetValue(vb::vbUnchecked);
  } else {
    EnableCutTrace(false);
    Check4.SetValue(vb::vbChecked);
  }
}

void Form1::Check4_Click() {
  Check3.SetValue(Check4.Value() == vb::vbChecked ? vb::vbUnchecked : vb::vbChecked);
  DrillCut.SetCaption(kCutActive);
  Command9.SetPicture(Picture3.Picture());
  // The strip direction means nothing on a pad board.
  Check1.SetEnabled(Check4.Value() != vb::vbChecked);
  Picture1.Cls();
  BoardSizeTyped();
  InitKelm();
  RefreshBoard(app);
}

void Form1::Horizontal_Click() {
  Horizontal.SetChecked(!Horizontal.Checked());
  Check1.SetValue(Horizontal.Checked() ? vb::vbChecked : vb::vbUnchecked);
}

void Form1::Labelpreview_Click() {
  Labelpreview.SetChecked(!Labelpreview.Checked());
  Check2.SetValue(Labelpreview.Checked() ? vb::vbChecked : vb::vbUnchecked);
}

void Form1::Kelm_Click() {
  Kelm.SetChecked(!Kelm.Checked());
  if (Kelm.Checked()) {
    Check3.SetValue(vb::vbChecked);
    Check4.SetValue(vb::vbUnchecked);
  } else {
    Check3.SetValue(vb::vbUnchecked);
    Check4.SetValue(vb::vbChecked);
  }
}

void Form1::DrillCut_Click() {
  if (DrillCut.Caption() == kCutActive) {
    Command9.SetPicture(Picture4.Picture());
    DrillCut.SetCaption(kDrillActive);
  } else {
    Command9.SetPicture(Picture3.Picture());
    DrillCut.SetCaption(kCutActive);
  }
  EnableCutTrace(true);  // on a pad board too
  RefreshBoard(app);
}

// Cuts and drilled holes live in the strip numbers; numbering afresh undoes them all.
void Form1::ResetKelm_Click() {
  BoardSizeTyped();
  InitKelm();
  RefreshBoard(app);
}

void Form1::ShowPin_Click() { app.Form8().Show(vb::vbModeless); }
