// Ring walks of the delete, move-pin and block-move actions.
#include "editor/editing/part_moves.h"

#include <algorithm>
#include <array>

#include "platform/strings.h"

namespace {

constexpr int kCopied[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19};

bool InGrid(HolePos h) { return h.x >= 1 && h.x < HoleGridTable::kSize && h.y >= 1 && h.y < HoleGridTable::kSize; }

HolePos NextOf(const HoleGridTable& g, HolePos h) {
  return {vb::CLng(g(h.x, h.y, CompXToo)), vb::CLng(g(h.x, h.y, CompYToo))};
}

bool IsFree(const HoleGridTable& g, HolePos h) {
  return g(h.x, h.y, CompXFrom) == Value(0) && g(h.x, h.y, CompYFrom) == Value(0);
}

}  // namespace

std::vector<HolePos> RingFrom(const HoleGridTable& g, HolePos start) {
  std::vector<HolePos> ring;
  if (!InGrid(start)) return ring;
  std::vector<bool> met(HoleGridTable::kSize * HoleGridTable::kSize, false);
  for (HolePos h = start; InGrid(h) && !met[h.x * HoleGridTable::kSize + h.y]; h = NextOf(g, h)) {
    met[h.x * HoleGridTable::kSize + h.y] = true;
    ring.push_back(h);
  }
  return ring;
}

HolePos OwnerOf(const HoleGridTable& g, HolePos h) {
  return {vb::CLng(g(h.x, h.y, CompXFrom)), vb::CLng(g(h.x, h.y, CompYFrom))};
}

bool IsPin(const HoleGridTable& g, HolePos h) {
  return InGrid(h) && (!IsFree(g, h) || g(h.x, h.y, CompXToo) != Value(0) || g(h.x, h.y, CompYToo) != Value(0));
}

std::vector<HolePos> PinsToDelete(const HoleGridTable& g, HolePos h) {
  std::vector<HolePos> pins{h};
  for (const HolePos start : {h, OwnerOf(g, h)}) {
    for (const HolePos& p : RingFrom(g, start)) {
      if (IsPin(g, p) && std::find(pins.begin(), pins.end(), p) == pins.end()) pins.push_back(p);
    }
  }
  return pins;
}

void MovePinRecord(HoleGridTable& g, HolePos from, HolePos to) {
  for (int k : kCopied) g(to.x, to.y, k) = g(from.x, from.y, k);
  const bool ownerMoves = OwnerOf(g, from) == from;
  // Once round the ring from the moved pin: its predecessor is the pin that still names the
  // old hole as its next.
  auto relink = [&](HolePos p) {
    if (NextOf(g, p) != from) return false;
    g(p.x, p.y, CompXToo) = to.x;
    g(p.x, p.y, CompYToo) = to.y;
    return true;
  };
  for (const HolePos& p : RingFrom(g, to)) {
    if (ownerMoves) {
      g(p.x, p.y, CompXFrom) = to.x;
      g(p.x, p.y, CompYFrom) = to.y;
    }
    if (relink(p)) return;
  }
  // An open ring ends before it comes back round: the pin before from lies between pin 1
  // and from. Pin 1 itself has no pin before it.
  if (ownerMoves) return;
  for (const HolePos& p : RingFrom(g, OwnerOf(g, to))) {
    if (p == to || relink(p)) return;
  }
}

bool MovePartBy(HoleGridTable& g, HolePos pin1, long dx, long dy, const std::function<void(long, long)>& clear) {
  const std::vector<HolePos> pins = RingFrom(g, pin1);
  if (pins.empty()) return false;
  for (const HolePos& s : pins) {
    const HolePos t{s.x + dx, s.y + dy};
    if (!InGrid(t)) return false;
    if (!IsFree(g, t) && std::find(pins.begin(), pins.end(), t) == pins.end()) return false;
  }
  // The records are taken first, so that a target among the part's own holes is written
  // only after its old content was read.
  std::vector<std::array<Value, std::size(kCopied)>> records(pins.size());
  for (std::size_t i = 0; i < pins.size(); ++i)
    for (std::size_t j = 0; j < std::size(kCopied); ++j) records[i][j] = g(pins[i].x, pins[i].y, kCopied[j]);
  for (const HolePos& s : pins) clear(s.x, s.y);
  auto moved = [](const Value& v, long d) { return v == Value(0) ? v : v + Value(d); };
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const HolePos t{pins[i].x + dx, pins[i].y + dy};
    for (std::size_t j = 0; j < std::size(kCopied); ++j) g(t.x, t.y, kCopied[j]) = records[i][j];
    g(t.x, t.y, CompXFrom) = moved(records[i][3], dx);
    g(t.x, t.y, CompYFrom) = moved(records[i][4], dy);
    g(t.x, t.y, CompXToo) = moved(records[i][5], dx);
    g(t.x, t.y, CompYToo) = moved(records[i][6], dy);
  }
  return true;
}
