// The release of a mouse button over the board: the hit tests, then the action of the mode
// that is on, in a fixed order.
#include "editor/form1.h"
#include "platform/strings.h"

void Form1::Picture1_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Button;  // any button triggers the action
  const int n = m.PinCount;
  m.OnLabel = false;
  int ownX = 0, ownY = 0;
  OnaHole(X, Y, m.EditHoleX, m.EditHoleY, ownX, ownY);
  const bool onHole = m.EditHoleX != 0 && m.EditHoleY != 0;

  if (onHole && m.PlacingPart) PlaceBranches(n, Shift);
  if (onHole && m.BlockMoving) BlockMoveClick(Shift);
  if (onHole && m.MovingPin) MovePinClick(Shift);
  if (onHole && m.DeletingPart) DeleteClick(Shift);
  if (onHole && m.SlidingPart && m.HoleGrid(m.EditHoleX, m.EditHoleY, CompXFrom) != Value(0) &&
      m.HoleGrid(m.EditHoleX, m.EditHoleY, CompYFrom) != Value(0))
    SlideClick(Shift);
  if (onHole && m.Drilling) DrillClick(Shift);

  // The segment found is remembered only in cut mode, for the preview.
  int segX = 0, segY = 0, keepX = 0, keepY = 0;
  if (m.CuttingStrip) {
    OnaTrace(X, Y, segX, segY, m.TraceX, m.TraceY);
  } else {
    OnaTrace(X, Y, segX, segY, keepX, keepY);
  }
  if (m.CuttingStrip && m.OnTrace) CutClick(segX, segY, Shift);
}
