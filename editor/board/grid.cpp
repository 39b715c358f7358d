// The board grid: resetting holes, numbering the copper strips, placing the holes on the
// board picture, fitting the hole pitch, and storing a field along a part's pin ring.
#include <algorithm>
#include <vector>

#include "editor/form1.h"
#include "platform/strings.h"

namespace {

// The board loops run over rows 1..Val(Text2) and, inside each row, columns 1..Val(Text1),
// the column bound read again for every row.
template <class Body>
void ForEachBoardHole(const vb::TextBox& across, const vb::TextBox& down, Body body) {
  for (long d = 1; d <= vb::Val(down.Text()); ++d) {
    const double columns = vb::Val(across.Text());
    for (long a = 1; a <= columns; ++a) body(a, d);
  }
}

void ResetHole(HoleGridTable& g, long a, long d, bool keepStrip) {
  const Value text{std::string()};
  g(a, d, PinNumber) = 0;
  g(a, d, PartFit) = 0;
  g(a, d, CompName) = text;
  g(a, d, CompXFrom) = 0;
  g(a, d, CompYFrom) = 0;
  g(a, d, CompXToo) = 0;
  g(a, d, CompYToo) = 0;
  g(a, d, CompValue) = text;
  g(a, d, CompPackage) = text;
  g(a, d, NetName) = text;
  g(a, d, NetNumber) = 0;
  g(a, d, NetYFrom) = 0;
  g(a, d, NetXToo) = 0;
  g(a, d, LabelX) = 100;
  g(a, d, LabelY) = 100;
  if (!keepStrip) g(a, d, KelmNet) = 0;
  g(a, d, CompOffset) = 0;
  g(a, d, XYs) = text;
}

void Widen(std::array<int, 4>& r, long a, long d) {
  r[0] = static_cast<int>(std::min<long>(r[0], a));
  r[1] = static_cast<int>(std::min<long>(r[1], d));
  r[2] = static_cast<int>(std::max<long>(r[2], a));
  r[3] = static_cast<int>(std::max<long>(r[3], d));
}

}  // namespace

// Every hole of the grid, not only those of the new size: a pin beyond a smaller board would
// come back when the board grows again.
void Form1::FillArray() {
  for (long d = 1; d < HoleGridTable::kSize; ++d)
    for (long a = 1; a < HoleGridTable::kSize; ++a) ResetHole(m.HoleGrid, a, d, false);
}

void Form1::KillGrid(const Value& x, const Value& y) { ResetHole(m.HoleGrid, vb::CLng(x), vb::CLng(y), true); }

void Form1::InitKelm() {
  const bool pads = Check4.Value() != 0;
  const bool across = Check1.Value() == 1;
  ForEachBoardHole(Text1, Text2, [&](long a, long d) {
    m.HoleGrid(a, d, KelmNet) = pads ? 0L : (across ? d : a);
  });
}

void Form1::BuildArray(bool reset) {
  if (reset) FillArray();
  lattice_.Forget();
  ForEachBoardHole(Text1, Text2, [this](long a, long d) {
    m.HoleGrid(a, d, HoleX) = m.HolePitch * Value(a - 1);
    m.HoleGrid(a, d, HoleY) = m.HolePitch * Value(d - 1);
  });
}

void Form1::GraphicLimits(bool reset) {
  const Value w = vb::Val(Text1.Text());
  const Value h = vb::Val(Text2.Text());
  if (w != m.HolesAcross || h != m.HolesDown) {
    // A new size: the holes are placed at the current pitch and the strips renumbered.
    m.HolesAcross = w;
    m.HolesDown = h;
    BuildArray(reset);
    InitKelm();
    RefreshBoard(app);
    return;
  }
  m.HolesAcross = w;
  m.HolesDown = h;
  const Value a = (Value(Picture1.ScaleWidth()) - m.ScrollX) / (m.HolesAcross + Value(1));
  const Value b = (Value(Picture1.ScaleHeight()) - m.ScrollY) / (m.HolesDown + Value(1));
  m.HolePitch = a < b ? vb::Int(a.Num()) : vb::Int(b.Num());
}

void SetHole(Module1& m, const Value& x, const Value& y, int k, const Value& value) {
  auto& g = m.HoleGrid;
  auto& rect = m.RedrawRect;
  const long sx = vb::CLng(x), sy = vb::CLng(y);
  if (rect[0] == 0 && rect[1] == 0 && rect[2] == 0 && rect[3] == 0)
    rect = {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sx), static_cast<int>(sy)};

  // A hole that holds no part has no ring to walk: it is only marked for repainting.
  if (g(sx, sy, CompXFrom) == 0 && g(sx, sy, CompYFrom) == 0 && g(sx, sy, CompXToo) == 0 &&
      g(sx, sy, CompYToo) == 0) {
    Widen(rect, sx, sy);
    return;
  }

  const bool store = value != Value(std::string());
  // Hole (0, 0) is the scratch record that carries the walk from an unfinished part's last
  // pin back to its first pin; it never receives the value.
  auto put = [&](long a, long d) {
    if (store && !(a == 0 && d == 0)) g(a, d, k) = value;
  };
  // A broken ring (a link that never leads back) ends when a hole comes round again.
  std::vector<bool> visited(HoleGridTable::kSize * HoleGridTable::kSize, false);

  long cx = sx, cy = sy;
  for (;;) {
    visited[cx * HoleGridTable::kSize + cy] = true;
    put(cx, cy);
    long nx = vb::CLng(g(cx, cy, CompXToo));
    long ny = vb::CLng(g(cx, cy, CompYToo));
    if (nx == 0 && ny == 0) {
      g(0, 0, CompXFrom) = g(cx, cy, CompXFrom);
      g(0, 0, CompXToo) = g(cx, cy, CompXFrom);
      g(0, 0, CompYFrom) = g(cx, cy, CompYFrom);
      g(0, 0, CompYToo) = g(cx, cy, CompYFrom);
    }
    Widen(rect, cx, cy);
    Widen(rect, nx, ny);
    if (g(nx, ny, CompXToo) == Value(sx) && g(nx, ny, CompYToo) == Value(sy)) {
      put(nx, ny);
      return;
    }
    if (visited[nx * HoleGridTable::kSize + ny]) return;
    cx = nx;
    cy = ny;
  }
}
