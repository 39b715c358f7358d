#include "editor/module1.h"

#include <vector>

#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {
void CheckIndex(long across, long down, long field) {
  if (across < 0 || across >= HoleGridTable::kSize || down < 0 || down >= HoleGridTable::kSize || field < 0 ||
      field >= HoleGridTable::kFields)
    throw vb::RuntimeError(9);
}
}  // namespace

// Field by field, each field row by row: the drawing and the board loops walk one or two
// fields of neighbouring holes, which then lie side by side.
Value& HoleGridTable::operator()(long across, long down, long field) {
  CheckIndex(across, down, field);
  return cells_[(field * kSize + down) * kSize + across];
}

const Value& HoleGridTable::operator()(long across, long down, long field) const {
  CheckIndex(across, down, field);
  return cells_[(field * kSize + down) * kSize + across];
}

long HoleGridTable::Index(const Value& v) { return vb::CLng(v); }

void CheckBlockMove(Brantel& app, int& x, int& y, int dx, int dy) {
  Module1& m = app.m;
  auto& g = m.HoleGrid;
  const int startX = x, startY = y;
  std::vector<bool> met(HoleGridTable::kSize * HoleGridTable::kSize, false);
  for (;;) {
    // The last pin names pin 1 both as its owner and as its next pin.
    const bool last = g(x, y, CompXFrom) == g(x, y, CompXToo) && g(x, y, CompYFrom) == g(x, y, CompYToo);
    if (Value(x + dx) < Value(1) || Value(y + dy) < Value(1) || Value(x + dx) > m.HolesAcross ||
        Value(y + dy) > m.HolesDown) {
      auto& form = app.Form1();
      form.Picture1.SetMousePointer(vb::vbDefault);
      m.BlockMoving = false;
      RefreshBoard(app);
      m.PrevPinX = 0;
      m.PrevPinY = 0;
      x = 0;
      y = 0;
      vb::MsgBox("One or more pins are off the board", vb::vbOKOnly + vb::vbCritical, "Block Move Error");
      return;
    }
    met[x * HoleGridTable::kSize + y] = true;
    const int nx = vb::CInt(g(x, y, CompXToo)), ny = vb::CInt(g(x, y, CompYToo));
    // A ring that does not lead back to its pin 1 ends at the first link that leaves it.
    const bool broken = nx < 1 || ny < 1 || nx >= HoleGridTable::kSize || ny >= HoleGridTable::kSize ||
                        (!last && met[nx * HoleGridTable::kSize + ny]);
    if (broken) {
      x = startX;
      y = startY;
      return;
    }
    x = nx;
    y = ny;
    if (last) return;
  }
}
