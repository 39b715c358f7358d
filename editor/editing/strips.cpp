// Strip cuts and drills over the board grid.
#include "editor/editing/strips.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "editor/files/design_file.h"
#include "platform/errors.h"
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

// Runs fn on the number of every copper hole from p on in scan order (p itself only when
// inclusive); drilled holes are passed over.
template <class Fn>
void ForEachCopperFrom(HoleGridTable& g, const StripBoard& b, StripPos p, bool inclusive, Fn fn) {
  const long strips = StripCount(b), length = StripLength(b);
  for (long strip = p.strip; strip <= strips; ++strip) {
    long pos = 1;
    if (strip == p.strip) pos = inclusive ? p.pos : p.pos + 1;
    for (; pos <= length; ++pos) {
      Value& n = Number(g, b, strip, pos);
      if (n != Value(0)) fn(n);
    }
  }
}

// Adds s to the number of every copper hole from p on in scan order (p itself only when
// inclusive); drilled holes keep their 0.
void Shift(HoleGridTable& g, const StripBoard& b, StripPos p, bool inclusive, const Value& step) {
  if (step == Value(0)) return;
  ForEachCopperFrom(g, b, p, inclusive, [&](Value& n) { n = n + step; });
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

// The difference of two strip numbers, a number; one beyond the range of numbers raises an
// overflow, which refuses the edit.
Value Difference(const Value& to, const Value& from) { return to - from; }

// A rejoin on numbers that rise: the holes from p on numbered `from` take exactly `to`, and
// every later number moves by the same step. (With fractions, from + (to - from) need not be
// to, and the piece would not join.)
void ShiftJoining(HoleGridTable& g, const StripBoard& b, StripPos p, bool inclusive, const Value& from,
                  const Value& to) {
  const Value was = from, now = to;  // the arguments may be holes of the board
  const Value step = Difference(now, was);
  ForEachCopperFrom(g, b, p, inclusive, [&](Value& n) { n = n == was ? now : n + step; });
}

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

// What an edit did, for the check that keeps it or undoes it.
struct Done {
  bool changed = false;
  // The two holes on either side of the edit: those of a cut segment, or the neighbours of a
  // drilled or restored hole. A split must leave them on different numbers; a join gives them
  // one number, and the old numbers joinA and joinB are the only two that may become one.
  enum class Sides { Left, Parted, Joined } sides = Sides::Left;
  StripPos first, second;
  Value joinA, joinB;
  // The hole drilled (its number becomes 0) or restored (it takes a number), pos 0 for none.
  // A restored hole joins the copper numbered joinA before the edit, or with `alone` forms a
  // piece of its own, whose number no other hole may share.
  StripPos hole;
  bool alone = false;
};

Done Cut(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  Done done;
  if (!OnBoard(b, cx, cy)) return done;
  const StripPos p = PosOf(b, cx, cy);
  if (p.pos < 2) return done;  // the first hole of a strip has no segment before it
  const Value before = Number(g, b, p.strip, p.pos - 1);
  const Value here = Number(g, b, p.strip, p.pos);
  if (before == Value(0) || here == Value(0)) return done;
  done.changed = true;
  done.first = {p.strip, p.pos - 1};
  done.second = p;
  const bool rising = Rising(g, b);
  if (before == here) {
    done.sides = Done::Sides::Parted;
    if (rising) {
      Shift(g, b, p, true, Value(1));
    } else {
      NewNumberForRun(g, b, p);
    }
    return done;
  }
  done.sides = Done::Sides::Joined;
  done.joinA = before;
  done.joinB = here;
  if (rising) {
    ShiftJoining(g, b, p, true, here, before);
  } else {
    Renumber(g, b, here, before);
  }
  return done;
}

Done Drill(HoleGridTable& g, const StripBoard& b, long cx, long cy) {
  Done done;
  if (!OnBoard(b, cx, cy)) return done;
  const StripPos p = PosOf(b, cx, cy);
  const long length = StripLength(b);
  const bool hasBefore = p.pos > 1, hasAfter = p.pos < length;
  const Value here = Number(g, b, p.strip, p.pos);
  const Value before = hasBefore ? Number(g, b, p.strip, p.pos - 1) : Value(0);
  const Value after = hasAfter ? Number(g, b, p.strip, p.pos + 1) : Value(0);
  const bool rising = Rising(g, b);
  done.changed = true;
  done.hole = p;

  if (here != Value(0)) {
    // Drill. Only a hole joined to the hole before it leaves copper on that side that the
    // rest of its piece must be told apart from.
    const bool joinedBefore = before == here;
    if (joinedBefore && after == here) {
      done.sides = Done::Sides::Parted;
      done.first = {p.strip, p.pos - 1};
      done.second = {p.strip, p.pos + 1};
    }
    Number(g, b, p.strip, p.pos) = 0;
    if (rising) {
      if (joinedBefore) Shift(g, b, p, false, Value(1));
    } else if (joinedBefore && after == here) {
      NewNumberForRun(g, b, {p.strip, p.pos + 1});
    }
    return done;
  }

  // Restore: the hole joins the copper beside it.
  const bool copperBefore = before != Value(0), copperAfter = after != Value(0);
  if (copperBefore || copperAfter) {
    done.sides = Done::Sides::Joined;
    done.first = copperBefore ? StripPos{p.strip, p.pos - 1} : p;
    done.second = copperAfter ? StripPos{p.strip, p.pos + 1} : p;
    done.joinA = done.joinB = copperBefore ? before : after;
  }
  if (copperBefore && copperAfter) {
    done.joinB = after;
    Number(g, b, p.strip, p.pos) = before;
    if (rising) {
      ShiftJoining(g, b, p, false, after, before);
    } else if (after != before) {
      Renumber(g, b, after, before);
    }
  } else if (copperBefore) {
    Number(g, b, p.strip, p.pos) = before;
  } else if (copperAfter) {
    Number(g, b, p.strip, p.pos) = after;
  } else if (rising) {
    // A piece of its own between the pieces before and after it.
    done.alone = true;
    const Value own = LastNumberBefore(g, b, p) + Value(1);
    const Value next = FirstNumberAfter(g, b, p);
    Number(g, b, p.strip, p.pos) = own;
    if (next != Value(0) && next <= own) Shift(g, b, p, false, Difference(own + Value(1), next));
  } else {
    done.alone = true;
    Number(g, b, p.strip, p.pos) = Highest(g, b) + Value(1);
  }
  return done;
}

// Runs an edit and keeps it only when its numbers still tell the copper apart; otherwise every
// hole gets its number back. Kept: every number it changed is a strip number; no copper hole
// but a drilled one took 0 and no drilled hole but a restored one took a number; a split left
// its two sides apart and a join gave them one number; and no two holes whose numbers differed
// before share one now, but for the two numbers the edit joins (numbers that were equal before
// may stay equal: typed by hand, they name one net on purpose). An edit whose arithmetic
// overflows is not kept either.
template <class Edit>
StripEdit Kept(HoleGridTable& g, const StripBoard& b, Edit edit) {
  const long strips = StripCount(b), length = StripLength(b);
  std::vector<Value> was;
  was.reserve(static_cast<std::size_t>(strips * length));
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos) was.push_back(Number(g, b, strip, pos));
  auto undo = [&] {
    std::size_t i = 0;
    for (long strip = 1; strip <= strips; ++strip)
      for (long pos = 1; pos <= length; ++pos) Number(g, b, strip, pos) = was[i++];
    return StripEdit::Refused;
  };
  Done done;
  try {
    done = edit();
  } catch (const vb::RuntimeError&) {
    return undo();
  }
  if (!done.changed) return StripEdit::Unchanged;

  // Each copper hole's number now, beside the number it had (for a restored hole: the number
  // of the copper it joins; for one that is a piece of its own: none).
  struct Held {
    double now, key;
    bool alone;
  };
  std::vector<Held> held;
  held.reserve(was.size());
  const double joinA = done.joinA.Num(), joinB = done.joinB.Num();
  std::size_t i = 0;
  for (long strip = 1; strip <= strips; ++strip)
    for (long pos = 1; pos <= length; ++pos, ++i) {
      const Value& n = Number(g, b, strip, pos);
      const bool edited = strip == done.hole.strip && pos == done.hole.pos;
      const double now = n.Num(), old = was[i].Num();
      if (n != was[i] && !IsStripNumber(now)) return undo();
      if ((now == 0) != (old == 0) && !edited) return undo();
      if (now == 0) continue;
      double key = edited && old == 0 ? joinA : old;
      if (key == joinB) key = joinA;
      held.push_back({now, key, edited && done.alone});
    }
  if (done.sides != Done::Sides::Left) {
    const bool same = Number(g, b, done.first.strip, done.first.pos) == Number(g, b, done.second.strip, done.second.pos);
    if (same != (done.sides == Done::Sides::Joined)) return undo();
  }
  std::sort(held.begin(), held.end(), [](const Held& x, const Held& y) { return x.now < y.now; });
  for (std::size_t k = 1; k < held.size(); ++k) {
    const Held &x = held[k - 1], &y = held[k];
    if (x.now == y.now && (x.key != y.key || x.alone || y.alone)) return undo();
  }
  return StripEdit::Changed;
}

}  // namespace

bool IsStripNumber(double n) { return DesignNumberReadsBack(n); }

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
