// Strip cuts and drills over the board grid.
#include "editor/editing/strips.h"

#include <cmath>

#include "platform/strings.h"

namespace {

// A hole named by its strip and its position along the strip, both from 1.
struct StripPos {
  long strip = 0;
  long pos = 0;
};

long StripCount(const StripBoard& b) { return b.alongRows ? b.down : b.across; }
long StripLength(const StripBoard& b) { return b.alongRows ? b.across : b.down; }

StripPos PosOf(const StripBoard& b, long a, long d) { return b.alongRows ? StripPos{d, a} : StripPos{a, d}; }

Value& Number(HoleGridTable& g, const StripBoard& b, long strip, long pos) {
  return b.alongRows ? g(pos, strip, KelmNet) : g(strip, pos, KelmNet);
}

bool OnBoard(const StripBoard& b, long a, long d) { return a >= 1 && a <= b.across && d >= 1 && d <= b.down; }

// Adds s to the number of every copper hole from p on in scan order (p itself only when
// inclusive); drilled holes keep their 0.
void Shift(HoleGridTable& g, const StripBoard& b, StripPos p, bool inclusive, long s) {
  if (s == 0) return;
  const Value step(s);
  const long strips = StripCount(b), length = StripLength(b);
  for (long strip = p.strip; strip <= strips; ++strip) {
    long pos = 1;
    if (strip == p.strip) pos = inclusive ? p.pos : p.pos + 1;
    for (; pos <= length; ++pos) {
      Value& n = Number(g, b, strip, pos);
      if (n != Value(0)) n = n + step;
    }
  }
}

// The number of the last copper hole before p in scan order, 0 when there is none.
Value LastNumberBefore(HoleGridTable& g, const StripBoard& b, StripPos p) {
  const long length = StripLength(b);
  for (long strip = p.strip; strip >= 1; --strip) {
    for (long pos = strip == p.strip ? p.pos - 1 : length; pos >= 1; --pos) {
      const Value& n = Number(g, b, strip, pos);
      if (n != Value(0)) return n;
    }
  }
  return Value(0);
}

long Difference(const Value& to, const Value& from) { return vb::CLng(to - from); }

}  // namespace

StripBoard StripBoardOf(const std::string& acrossText, const std::string& downText, bool alongRows) {
  auto bound = [](const std::string& text) {
    const double n = vb::Val(text);
    if (!(n >= 1)) return 0L;  // also NaN
    return n >= HoleGridTable::kSize - 1 ? static_cast<long>(HoleGridTable::kSize - 1) : static_cast<long>(std::floor(n));
  };
  return {bound(acrossText), bound(downText), alongRows};
}

bool CutStrip(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  if (!OnBoard(b, cx, cy)) return false;
  const StripPos p = PosOf(b, cx, cy);
  if (p.pos < 2) return false;  // the first hole of a strip has no segment before it
  const Value before = Number(g, b, p.strip, p.pos - 1);
  const Value here = Number(g, b, p.strip, p.pos);
  if (before == Value(0) || here == Value(0)) return false;
  if (before == here) {
    Shift(g, b, p, true, +1);
  } else {
    Shift(g, b, p, true, Difference(before, here));
  }
  return true;
}

bool DrillHole(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  if (!OnBoard(b, cx, cy)) return false;
  const StripPos p = PosOf(b, cx, cy);
  const long length = StripLength(b);
  const bool hasBefore = p.pos > 1, hasAfter = p.pos < length;
  Value& here = Number(g, b, p.strip, p.pos);
  const Value before = hasBefore ? Number(g, b, p.strip, p.pos - 1) : Value(0);
  const Value after = hasAfter ? Number(g, b, p.strip, p.pos + 1) : Value(0);

  if (here != Value(0)) {
    // Drill. Only a hole joined to the hole before it leaves copper on that side that the
    // rest of its piece must be told apart from.
    const bool joinedBefore = before == here;
    here = 0;
    if (joinedBefore) Shift(g, b, p, false, +1);
    return true;
  }

  // Restore: the hole joins the copper beside it.
  const bool copperBefore = before != Value(0), copperAfter = after != Value(0);
  if (copperBefore && copperAfter) {
    here = before;
    Shift(g, b, p, false, Difference(before, after));
  } else if (copperBefore) {
    here = before;
  } else if (copperAfter) {
    here = after;
  } else {
    here = LastNumberBefore(g, b, p) + Value(1);
    Shift(g, b, p, false, +1);
  }
  return true;
}
