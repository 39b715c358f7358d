// The actions of the other edit modes on a board click. Each is reached from the mouse-up
// dispatch with the clicked hole in EditHoleX/EditHoleY (the cut with the segment found).
#include "editor/editing/part_moves.h"
#include "editor/editing/strips.h"
#include "editor/form1.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {

const Value kNothing{std::string()};

bool Holds(const HoleGridTable& g, int x, int y) {
  return g(x, y, CompXFrom) != Value(0) && g(x, y, CompYFrom) != Value(0);
}

// A cut, drill or restore whose numbers would not be kept exactly, or would give separate
// strips one number, is not made.
void StripsRefused() {
  vb::MsgBox(
      "Separate strips must keep separate numbers of at most 15 significant digits: the board is left as it was.",
      vb::vbExclamation, "Cut Trace");
}

}  // namespace

// The first click picks a pin of a part; the second moves the whole part by the offset
// between the two holes, when every pin lands on a free hole of the board.
void Form1::BlockMoveClick(int) {
  auto& g = m.HoleGrid;
  if (m.PrevPinX == 0 && m.PrevPinY == 0 && Holds(g, m.EditHoleX, m.EditHoleY)) {
    m.PrevPinX = m.EditHoleX;
    m.PrevPinY = m.EditHoleY;
    return;
  }
  const int dX = m.EditHoleX - m.PrevPinX, dY = m.EditHoleY - m.PrevPinY;
  if (m.PrevPinX == 0 && m.PrevPinY == 0) {
    // No part was picked: nothing moves.
    m.EditHoleX = 0;
    m.EditHoleY = 0;
    return;
  }
  const HolePos pin1 = OwnerOf(g, {m.PrevPinX, m.PrevPinY});
  if (pin1.x == 0 || pin1.y == 0) {
    // The picked hole no longer holds a pin.
    m.PrevPinX = 0;
    m.PrevPinY = 0;
    m.EditHoleX = 0;
    m.EditHoleY = 0;
    return;
  }
  m.EditHoleX = static_cast<int>(pin1.x);
  m.EditHoleY = static_cast<int>(pin1.y);
  SetHole(m, m.EditHoleX, m.EditHoleY, 0, kNothing);
  CheckBlockMove(app, m.EditHoleX, m.EditHoleY, dX, dY);
  if (m.EditHoleX == 0 || m.EditHoleY == 0) return;
  if (!MovePartBy(g, pin1, dX, dY, [this](long x, long y) { KillGrid(x, y); })) {
    // A target hole is taken by another part: nothing moved; the pick stays.
    RefreshBoard(app);
    return;
  }
  m.BlockMoving = false;
  m.PrevPinX = 0;
  m.PrevPinY = 0;
  Picture1.SetMousePointer(vb::vbDefault);
  SetHole(m, pin1.x + dX, pin1.y + dY, 0, kNothing);
  auto r = m.RedrawRect;
  ReDrawFT(r[0], r[1], r[2], r[3], 0);
}

// The first click picks a pin; the second moves it to a free hole, keeping the part's ring.
void Form1::MovePinClick(int) {
  auto& g = m.HoleGrid;
  const int x = m.EditHoleX, y = m.EditHoleY;
  if (m.PrevPinX == 0 && m.PrevPinY == 0) {
    if (Holds(g, x, y)) {
      m.PrevPinX = x;
      m.PrevPinY = y;
      SetHole(m, x, y, 0, kNothing);
    }
    return;
  }
  if (g(x, y, CompXFrom) == Value(0) && g(x, y, CompYFrom) == Value(0)) {
    // The part as it stands is repainted too, should a repaint since the pick have taken
    // the rectangle.
    // The pin number is any number Node Edit or a design file left there: it is read before
    // the first write, and only a number the pin counter can hold is taken over.
    const double pin = vb::Val(g(m.PrevPinX, m.PrevPinY, PinNumber).Text());
    SetHole(m, m.PrevPinX, m.PrevPinY, 0, kNothing);
    MovePinRecord(g, {m.PrevPinX, m.PrevPinY}, {x, y});
    if (pin >= -32768.5 && pin < 32767.5) m.PinNumber = vb::CInt(pin);
    KillGrid(m.PrevPinX, m.PrevPinY);
    SetHole(m, x, y, 0, kNothing);
    auto r = m.RedrawRect;
    ReDrawFT(r[0], r[1], r[2], r[3], 0);
    m.MovingPin = false;
    m.PrevPinX = 0;
    m.PrevPinY = 0;
    Picture1.SetMousePointer(vb::vbDefault);
    return;
  }
  // The hole is taken: the pick is dropped and the mode stays on.
  RefreshBoard(app);
  Picture1.SetMousePointer(vb::vbDefault);
  m.PrevPinX = 0;
  m.PrevPinY = 0;
}

// Removes the whole part the clicked pin belongs to, after asking; a click on a free hole
// only ends the mode. Whatever the links hold (a ring left open while a part was placed, or
// one an older version damaged), the clicked pin goes, with every pin the walks from it and
// from its pin 1 reach.
void Form1::DeleteClick(int) {
  auto& g = m.HoleGrid;
  const int x = m.EditHoleX, y = m.EditHoleY;
  if (IsPin(g, {x, y})) {
    if (vb::MsgBox("Are you sure?", vb::vbYesNo + vb::vbCritical, "Delete Component") == vb::vbNo) return;
    m.DoneFlag = false;
    SetHole(m, x, y, 0, kNothing);
    for (const HolePos& pin : PinsToDelete(g, {x, y})) {
      KillGrid(pin.x, pin.y);
      SetHole(m, pin.x, pin.y, 0, kNothing);  // the hole, free now, is repainted
    }
    m.DoneFlag = true;
  }
  Picture1.SetMousePointer(vb::vbDefault);
  auto r = m.RedrawRect;
  ReDrawFT(r[0], r[1], r[2], r[3], 0);
  m.PrevPinX = 0;
  m.PrevPinY = 0;
  m.DeletingPart = false;
}

// Slides the outline of a slideable part between its pins: pin 1 moves it up, the other
// pin down, by a tenth of a hole, or a whole hole with Shift.
void Form1::SlideClick(int Shift) {
  auto& g = m.HoleGrid;
  const int x = m.EditHoleX, y = m.EditHoleY;
  const Value step = Shift == 1 ? Value(1) : Value(0.1);
  if (g(x, y, PartFit) == Value(1) && g(x, y, CompXToo) != Value(0) && g(x, y, CompYToo) != Value(0)) {
    if (g(x, y, XYs) == kNothing) {
      const Value nx = g(x, y, CompXToo), ny = g(x, y, CompYToo);
      g(nx, ny, CompOffset) = g(nx, ny, CompOffset) - step;
    } else {
      g(x, y, CompOffset) = g(x, y, CompOffset) + step;
    }
  }
  SetHole(m, x, y, 0, kNothing);
  auto r = m.RedrawRect;
  ReDrawFT(r[0], r[1], r[2], r[3], 0);
}

// Drills the clicked hole or restores a drilled one. A pad board has no strips to change.
void Form1::DrillClick(int Shift) {
  StripEdit done = StripEdit::Unchanged;
  if (Check4.Value() != vb::vbChecked)
    done = DrillHole(m.HoleGrid, StripBoardOf(Text1.Text(), Text2.Text(), Check1.Value() == vb::vbChecked),
                     m.EditHoleX, m.EditHoleY);
  Picture1.SetMousePointer(vb::vbDefault);
  RefreshBoard(app);
  if (Shift != 1) m.Drilling = false;
  if (done == StripEdit::Refused) StripsRefused();
}

void Form1::CutClick(int cx, int cy, int Shift) {
  StripEdit done = StripEdit::Unchanged;
  if (Check4.Value() != vb::vbChecked)
    done = CutStrip(m.HoleGrid, StripBoardOf(Text1.Text(), Text2.Text(), Check1.Value() == vb::vbChecked), cx, cy);
  Picture1.SetMousePointer(vb::vbDefault);
  ReDrawWhole(1);
  if (Shift != 1) m.CuttingStrip = false;
  if (done == StripEdit::Refused) StripsRefused();
}
