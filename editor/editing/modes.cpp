// The edit modes: the seven exclusive mode flags and the tool buttons of the "Comp" frame
// that select them, with the board cursor each sets.
#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "platform/strings.h"

// A slide ended by anything but its own button (Place Part, Open) first gives the tool
// buttons back as the button would.
void Form1::ClearModes() {
  if (m.SlidingPart) Command4_Click();
  m.PlacingPart = false;
  m.DeletingPart = false;
  m.MovingPin = false;
  m.BlockMoving = false;
  m.SlidingPart = false;
  m.CuttingStrip = false;
  m.Drilling = false;
}

// The pins of a part whose placement has begun but whose ring is not closed yet: the walk
// starts at the part's own pin 1, and only when the pin placed last still belongs to it.
std::vector<std::pair<long, long>> Form1::UnfinishedPins() const {
  const auto& g = m.HoleGrid;
  std::vector<std::pair<long, long>> pins;
  if (!m.PlacingPart || (m.PrevPinX == 0 && m.PrevPinY == 0) || (m.FirstPinX == 0 && m.FirstPinY == 0) ||
      g(m.PrevPinX, m.PrevPinY, CompXFrom) != Value(m.FirstPinX) || g(m.PrevPinX, m.PrevPinY, CompYFrom) != Value(m.FirstPinY))
    return pins;
  long x = m.FirstPinX, y = m.FirstPinY;
  for (int guard = 0; guard < HoleGridTable::kSize * HoleGridTable::kSize; ++guard) {
    if (x < 1 || y < 1 || g(x, y, CompXFrom) != Value(m.FirstPinX) || g(x, y, CompYFrom) != Value(m.FirstPinY)) break;
    pins.emplace_back(x, y);
    const long nx = vb::CLng(g(x, y, CompXToo)), ny = vb::CLng(g(x, y, CompYToo));
    if (nx == 0 && ny == 0) break;
    x = nx;
    y = ny;
  }
  return pins;
}

// A part of which some pins are in the grid but whose ring is not closed yet is taken out
// again, so that no open ring stays behind and the next part never links into it. The pin
// pair of a half-finished move goes too.
void Form1::AbandonPlacement() {
  const auto pins = UnfinishedPins();
  if (!pins.empty()) {
    SetHole(m, m.FirstPinX, m.FirstPinY, 0, Value(std::string()));
    for (const auto& [x, y] : pins) KillGrid(x, y);
    m.PinCount = 0;
    auto r = m.RedrawRect;
    ReDrawFT(r[0], r[1], r[2], r[3], 0);
  }
  m.PrevPinX = 0;
  m.PrevPinY = 0;
}

void Form1::Command1_Click() {
  EndModes();
  auto& form = app.Form2();
  form.Show(vb::vbModeless);
}

void Form1::EndModes() {
  AbandonPlacement();
  ClearModes();
}

void Form1::EndPlacing() {
  if (!m.PlacingPart) return;
  EndModes();
  Picture1.SetMousePointer(vb::vbArrow);
}

void Form1::Command3_Click() {
  EndModes();
  m.DeletingPart = true;
  Picture1.SetMousePointer(vb::vbCrosshair);
}

void Form1::Command4_Click() {
  AbandonPlacement();
  m.PlacingPart = false;
  m.DeletingPart = false;
  m.MovingPin = false;
  m.BlockMoving = false;
  m.SlidingPart = !m.SlidingPart;
  m.CuttingStrip = false;
  m.Drilling = false;
  // While sliding, only Slide Component can end the mode. Cut Trace is disabled on a pad
  // board as well, where the cutting-tool switch may have enabled it, and gets back the state
  // it had, or was given meanwhile, when the slide ends.
  Command1.SetEnabled(!Command1.Enabled());
  Command3.SetEnabled(!Command3.Enabled());
  Command5.SetEnabled(!Command5.Enabled());
  if (m.SlidingPart) {
    cutTraceAfterSlide_ = Command9.Enabled();
    Command9.SetEnabled(false);
  } else {
    Command9.SetEnabled(cutTraceAfterSlide_);
  }
  Command11.SetEnabled(!Command11.Enabled());
  Picture1.SetMousePointer(m.SlidingPart ? vb::vbCrosshair : vb::vbArrow);
}

void Form1::Command5_Click() {
  EndModes();
  m.MovingPin = true;
  Picture1.SetMousePointer(vb::vbCrosshair);
}

void Form1::Command6_Click() {
  Picture1.Cls();
  RefreshBoard(app);
}

void Form1::Command9_Click() {
  AbandonPlacement();
  m.PlacingPart = false;
  m.DeletingPart = false;
  m.MovingPin = false;
  m.BlockMoving = false;
  m.SlidingPart = false;
  // The menu item names the tool it would switch to: while it reads "Drill", strips are cut.
  const bool cut = DrillCut.Caption() == "Drill";
  m.CuttingStrip = cut;
  m.Drilling = !cut;
  Command9.SetEnabled(true);
  Picture1.SetMousePointer(vb::vbCrosshair);
}

void Form1::Command11_Click() {
  EndModes();
  m.BlockMoving = true;
  Picture1.SetMousePointer(vb::vbCrosshair);
}
