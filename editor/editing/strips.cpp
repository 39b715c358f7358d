// Strip cuts and drills over the board grid.
#include "editor/editing/strips.h"

#include <cmath>
#include <vector>

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
void Shift(HoleGridTable& g, const StripBoard& b, StripPos p, bool inclusive, const Value& step) {
  if (step == Value(0)) return;
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

// Strip numbers are whole numbers far beyond 32 bits: the difference stays a number.
Value Difference(const Value& to, const Value& from) { return to - from; }

// The first copper number after p in scan order, 0 when there is none.
Value FirstNumberAfter(HoleGridTable& g, const StripBoard& b, StripPos p) {
  const long strips = StripCount(b), length = StripLength(b);
  for (long strip = p.strip; strip <= strips; ++strip) {
    for (long pos = strip == p.strip ? p.pos + 1 : 1; pos <= length; ++pos) {
      const Value& n = Number(g, b, strip, pos);
      if (n != Value(0)) return n;
    }
  }
  return Value(0);
}

// True when the copper numbers never fall in scan order, as on a board numbered afresh and
// after any cut or drill on it. A wire-link merge of the netlist export or a number typed
// in by hand can break it; the numbers are then taken as names of nets that only cuts,
// drills and restores may split or join.
bool Rising(HoleGridTable& g, const StripBoard& b) {
  const long strips = StripCount(b), length = StripLength(b);
  Value last(0);
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos) {
      const Value& n = Number(g, b, strip, pos);
      if (n == Value(0)) continue;
      if (n < last) return false;
      last = n;
    }
  return true;
}

Value Highest(HoleGridTable& g, const StripBoard& b) {
  const long strips = StripCount(b), length = StripLength(b);
  Value top(0);
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos)
      if (Number(g, b, strip, pos) > top) top = Number(g, b, strip, pos);
  return top;
}

// Every board hole numbered from takes the number to: two nets become one.
void Renumber(HoleGridTable& g, const StripBoard& b, const Value& from, const Value& to) {
  const Value was = from, now = to;  // the arguments may be holes of the board
  const long strips = StripCount(b), length = StripLength(b);
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos)
      if (Number(g, b, strip, pos) == was) Number(g, b, strip, pos) = now;
}

// The holes from p on along its strip that share p's number take a number no hole has.
void NewNumberForRun(HoleGridTable& g, const StripBoard& b, StripPos p) {
  const Value was = Number(g, b, p.strip, p.pos);
  const Value fresh = Highest(g, b) + Value(1);
  for (long pos = p.pos; pos <= StripLength(b) && Number(g, b, p.strip, pos) == was; ++pos)
    Number(g, b, p.strip, pos) = fresh;
}

bool Cut(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  if (!OnBoard(b, cx, cy)) return false;
  const StripPos p = PosOf(b, cx, cy);
  if (p.pos < 2) return false;  // the first hole of a strip has no segment before it
  const Value before = Number(g, b, p.strip, p.pos - 1);
  const Value here = Number(g, b, p.strip, p.pos);
  if (before == Value(0) || here == Value(0)) return false;
  const bool rising = Rising(g, b);
  if (before == here) {
    if (rising) {
      Shift(g, b, p, true, Value(1));
    } else {
      NewNumberForRun(g, b, p);
    }
  } else if (rising) {
    Shift(g, b, p, true, Difference(before, here));
  } else {
    Renumber(g, b, here, before);
  }
  return true;
}

bool Drill(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  if (!OnBoard(b, cx, cy)) return false;
  const StripPos p = PosOf(b, cx, cy);
  const long length = StripLength(b);
  const bool hasBefore = p.pos > 1, hasAfter = p.pos < length;
  const Value here = Number(g, b, p.strip, p.pos);
  const Value before = hasBefore ? Number(g, b, p.strip, p.pos - 1) : Value(0);
  const Value after = hasAfter ? Number(g, b, p.strip, p.pos + 1) : Value(0);
  const bool rising = Rising(g, b);

  if (here != Value(0)) {
    // Drill. Only a hole joined to the hole before it leaves copper on that side that the
    // rest of its piece must be told apart from.
    const bool joinedBefore = before == here;
    Number(g, b, p.strip, p.pos) = 0;
    if (rising) {
      if (joinedBefore) Shift(g, b, p, false, Value(1));
    } else if (joinedBefore && after == here) {
      NewNumberForRun(g, b, {p.strip, p.pos + 1});
    }
    return true;
  }

  // Restore: the hole joins the copper beside it.
  const bool copperBefore = before != Value(0), copperAfter = after != Value(0);
  if (copperBefore && copperAfter) {
    Number(g, b, p.strip, p.pos) = before;
    if (rising) {
      Shift(g, b, p, false, Difference(before, after));
    } else if (after != before) {
      Renumber(g, b, after, before);
    }
  } else if (copperBefore) {
    Number(g, b, p.strip, p.pos) = before;
  } else if (copperAfter) {
    Number(g, b, p.strip, p.pos) = after;
  } else if (rising) {
    // A piece of its own between the pieces before and after it.
    const Value own = LastNumberBefore(g, b, p) + Value(1);
    const Value next = FirstNumberAfter(g, b, p);
    Number(g, b, p.strip, p.pos) = own;
    if (next != Value(0) && next <= own) Shift(g, b, p, false, Difference(own + Value(1), next));
  } else {
    Number(g, b, p.strip, p.pos) = Highest(g, b) + Value(1);
  }
  return true;
}

// Runs an edit (true when it changed a number) and keeps it only when every number it changed
// is still a strip number; otherwise every hole gets its number back.
template <class Edit>
StripEdit Kept(HoleGridTable& g, const StripBoard& b, Edit edit) {
  const long strips = StripCount(b), length = StripLength(b);
  std::vector<Value> was;
  was.reserve(static_cast<std::size_t>(strips * length));
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos) was.push_back(Number(g, b, strip, pos));
  if (!edit()) return StripEdit::Unchanged;
  bool held = true;
  std::size_t i = 0;
  for (long strip = 1; strip <= strips && held; ++strip)
    for (long pos = 1; pos <= length && held; ++pos, ++i) {
      const Value& n = Number(g, b, strip, pos);
      held = n == was[i] || IsStripNumber(n.Num());
    }
  if (held) return StripEdit::Changed;
  i = 0;
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos) Number(g, b, strip, pos) = was[i++];
  return StripEdit::Refused;
}

}  // namespace

bool IsStripNumber(double n) { return std::fabs(n) <= kLargestStripNumber && n == std::floor(n); }

std::string StripNumberRange() {
  return "from " + vb::CStr(-kLargestStripNumber) + " to " + vb::CStr(kLargestStripNumber);
}

StripBoard StripBoardOf(const std::string& acrossText, const std::string& downText, bool alongRows) {
  auto bound = [](const std::string& text) {
    const double n = vb::Val(text);
    if (!(n >= 1)) return 0L;  // also NaN
    return n >= HoleGridTable::kSize - 1 ? static_cast<long>(HoleGridTable::kSize - 1) : static_cast<long>(std::floor(n));
  };
  return {bound(acrossText), bound(downText), alongRows};
}

StripEdit CutStrip(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  return Kept(g, b, [&] { return Cut(g, b, cx, cy); });
}

StripEdit DrillHole(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  return Kept(g, b, [&] { return Drill(g, b, cx, cy); });
}
