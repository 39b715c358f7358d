// The hole, strip-segment and label hit tests of the board picture.
#include "editor/editing/hit_tests.h"

#include <algorithm>
#include <utility>

#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

// Screen position of a hole: the stored position rounded down, then the scroll offset.
double ScreenX(const HoleGridTable& g, long a, long d, double scroll) { return vb::Int(g(a, d, HoleX).Num()) + scroll; }
double ScreenY(const HoleGridTable& g, long a, long d, double scroll) { return vb::Int(g(a, d, HoleY).Num()) + scroll; }

// Number of passes of "For i = 1 To bound" (0 for a bound below 1).
int Passes(double bound) { return bound < 1 ? 0 : static_cast<int>(std::min(vb::Int(bound), 1e6)); }

}  // namespace

BoardHit ScanHole(const HoleGridTable& g, const HitScan& s, double X, double Y) {
  BoardHit hit;
  const double r = s.size;
  for (long d = 1; d <= s.down; ++d) {
    for (long a = 1; a <= s.across; ++a) {
      const double cx = ScreenX(g, a, d, s.scrollX), cy = ScreenY(g, a, d, s.scrollY);
      if (cx - r < X && X < cx + r && cy - r < Y && Y < cy + r) hit = {static_cast<int>(a), static_cast<int>(d)};
    }
  }
  return hit;
}

BoardHit ScanTrace(const HoleGridTable& g, const HitScan& s, bool horizontal, double X, double Y) {
  BoardHit hit;
  const double r = s.size;
  if (horizontal) {
    for (long d = 1; d <= s.down; ++d) {
      for (long a = 2; a <= s.across; ++a) {
        const double x1 = ScreenX(g, a - 1, d, s.scrollX), y1 = ScreenY(g, a - 1, d, s.scrollY);
        const double x2 = ScreenX(g, a, d, s.scrollX), y2 = ScreenY(g, a, d, s.scrollY);
        if (x1 + r < X && X < x2 - r && y1 - r < Y && Y < y2 + r) hit = {static_cast<int>(a), static_cast<int>(d)};
      }
    }
  } else {
    for (long a = 1; a <= s.across; ++a) {
      for (long d = 2; d <= s.down; ++d) {
        const double x1 = ScreenX(g, a, d - 1, s.scrollX), y1 = ScreenY(g, a, d - 1, s.scrollY);
        const double x2 = ScreenX(g, a, d, s.scrollX), y2 = ScreenY(g, a, d, s.scrollY);
        if (x2 - r < X && X < x1 + r && y1 + r < Y && Y < y2 - r) hit = {static_cast<int>(a), static_cast<int>(d)};
      }
    }
  }
  return hit;
}

BoardHit ScanLabel(const HoleGridTable& g, const HitScan& s, double X, double Y) {
  BoardHit hit;
  for (long d = 1; d <= s.down; ++d) {
    for (long a = 1; a <= s.across; ++a) {
      const double lx = ScreenX(g, a, d, s.scrollX) + g(a, d, LabelX).Num();
      const double ly = ScreenY(g, a, d, s.scrollY) + g(a, d, LabelY).Num();
      if (lx < X && X < lx + s.size && ly < Y && Y < ly + s.size) hit = {static_cast<int>(a), static_cast<int>(d)};
    }
  }
  return hit;
}

// ---- HoleLattice ----

HoleLattice::Key HoleLattice::KeyOf(const HoleGridTable& g, int n, int m) {
  Key key{static_cast<double>(n), static_cast<double>(m)};
  const auto add = [&](int a, int d) {
    key.push_back(g(a, d, HoleX).Num());
    key.push_back(g(a, d, HoleY).Num());
  };
  for (int a = 1; a <= n; ++a) add(a, 1);
  for (int d = 2; d <= m; ++d) add(1, d);
  const int steps = std::max(n, m);
  for (int i = 1; i < steps; ++i) {
    const int a = 1 + i * (n - 1) / (steps - 1), d = 1 + i * (m - 1) / (steps - 1);
    add(a, d);
    add(n + 1 - a, d);
  }
  return key;
}

bool HoleLattice::Update(const HoleGridTable& g, double across, double down) {
  const int n = Passes(across), m = Passes(down);
  if (n > HoleGridTable::kSize - 1 || m > HoleGridTable::kSize - 1) return false;
  if (n == 0 || m == 0) {
    n_ = n;
    m_ = m;
    valid_ = false;
    return regular_ = true;  // nothing is scanned: every test misses
  }
  Key key = KeyOf(g, n, m);
  if (valid_ && key == key_) return regular_;
  ++checks_;
  key_ = std::move(key);
  valid_ = true;
  n_ = n;
  m_ = m;
  xs_.assign(n + 1, 0);
  ys_.assign(m + 1, 0);
  for (int a = 1; a <= n; ++a) xs_[a] = vb::Int(g(a, 1, HoleX).Num());
  for (int d = 1; d <= m; ++d) ys_[d] = vb::Int(g(1, d, HoleY).Num());
  regular_ = true;
  for (int d = 1; d <= m && regular_; ++d) {
    for (int a = 1; a <= n; ++a) {
      if (vb::Int(g(a, d, HoleX).Num()) != xs_[a] || vb::Int(g(a, d, HoleY).Num()) != ys_[d]) {
        regular_ = false;
        break;
      }
    }
  }
  return regular_;
}

// On a regular board the hits form a product of matching columns and matching rows, so
// the last hit in scan order is the last matching column and the last matching row.
BoardHit HoleLattice::Hole(const HitScan& s, double X, double Y) const {
  if (n_ == 0 || m_ == 0) return {};
  const double r = s.size;
  int col = 0, row = 0;
  for (int a = n_; a >= 1 && col == 0; --a) {
    const double cx = xs_[a] + s.scrollX;
    if (cx - r < X && X < cx + r) col = a;
  }
  if (col == 0) return {};
  for (int d = m_; d >= 1 && row == 0; --d) {
    const double cy = ys_[d] + s.scrollY;
    if (cy - r < Y && Y < cy + r) row = d;
  }
  if (row == 0) return {};
  return {col, row};
}

BoardHit HoleLattice::Trace(const HitScan& s, bool horizontal, double X, double Y) const {
  if (n_ == 0 || m_ == 0) return {};
  const double r = s.size;
  int col = 0, row = 0;
  if (horizontal) {
    for (int a = n_; a >= 2 && col == 0; --a)
      if (xs_[a - 1] + s.scrollX + r < X && X < xs_[a] + s.scrollX - r) col = a;
    for (int d = m_; d >= 1 && row == 0; --d)
      if (ys_[d] + s.scrollY - r < Y && Y < ys_[d] + s.scrollY + r) row = d;
  } else {
    for (int a = n_; a >= 1 && col == 0; --a)
      if (xs_[a] + s.scrollX - r < X && X < xs_[a] + s.scrollX + r) col = a;
    for (int d = m_; d >= 2 && row == 0; --d)
      if (ys_[d - 1] + s.scrollY + r < Y && Y < ys_[d] + s.scrollY - r) row = d;
  }
  if (col == 0 || row == 0) return {};
  return {col, row};
}

// ---- the main window's tests ----

namespace {
void Remember(const BoardHit& hit, int& LastX, int& LastY) {
  if (hit.x != LastX || hit.y != LastY) {
    LastX = hit.x;
    LastY = hit.y;
  }
}
}  // namespace

HitScan Form1::ScanExtent(const Value& size) const {
  HitScan s;
  // The board that is built, whatever the size boxes show until the next Build.
  const auto built = [](const Value& v) {
    const double n = v.IsNumber() ? v.Num() : 0;
    return std::min(n, static_cast<double>(HoleGridTable::kSize - 1));
  };
  s.across = built(m.HolesAcross);
  s.down = built(m.HolesDown);
  s.size = size.Num();
  s.scrollX = m.ScrollX.Num();
  s.scrollY = m.ScrollY.Num();
  return s;
}

void Form1::OnaHole(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY) {
  HitX = 0;
  HitY = 0;
  const HitScan s = ScanExtent(m.HolePitch / m.PitchDivisor);
  const BoardHit hit = lattice_.Update(m.HoleGrid, s.across, s.down) ? lattice_.Hole(s, X, Y) : ScanHole(m.HoleGrid, s, X, Y);
  if (hit.Hit()) {
    HitX = hit.x;
    HitY = hit.y;
    Remember(hit, LastX, LastY);
  }
}

void Form1::OnaTrace(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY) {
  HitX = 0;
  HitY = 0;
  m.OnTrace = false;
  const HitScan s = ScanExtent(m.HolePitch / m.PitchDivisor / m.SizeDivisor);
  const bool horizontal = Check1.Value() == 1;
  const BoardHit hit = lattice_.Update(m.HoleGrid, s.across, s.down) ? lattice_.Trace(s, horizontal, X, Y)
                                                                    : ScanTrace(m.HoleGrid, s, horizontal, X, Y);
  if (hit.Hit()) {
    m.OnTrace = true;
    HitX = hit.x;
    HitY = hit.y;
    Remember(hit, LastX, LastY);
  }
}

void Form1::onalabel(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY) {
  HitX = 0;
  HitY = 0;
  m.OnLabel = false;
  const BoardHit hit = ScanLabel(m.HoleGrid, ScanExtent(m.HolePitch / m.PitchDivisor * Value(2)), X, Y);
  if (hit.Hit()) {
    m.OnLabel = true;
    HitX = hit.x;
    HitY = hit.y;
    Remember(hit, LastX, LastY);
  }
}
