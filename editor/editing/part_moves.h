// Walks over the pin ring of a placed part: every pin names the part's pin 1 in fields 5
// and 6 (the owner key) and the next pin in fields 7 and 8; the last pin's next is pin 1.
// Each walk goes at most once round the ring, whatever the links hold.
#pragma once

#include <functional>
#include <vector>

#include "editor/module1.h"

struct HolePos {
  long x = 0;
  long y = 0;
  bool operator==(const HolePos&) const = default;
};

// The pins met from (x, y) following the next links, each once; the walk ends when it comes
// back to a hole met before, at a link of 0, 0 or at a link outside the grid.
std::vector<HolePos> RingFrom(const HoleGridTable& g, HolePos start);

// Pin 1 of the part that holds hole h (its owner key).
HolePos OwnerOf(const HoleGridTable& g, HolePos h);

// True when hole h holds a pin: it names an owner or a next pin.
bool IsPin(const HoleGridTable& g, HolePos h);

// The pins a Delete on pin h removes: h itself, then every pin met on the walks from h and
// from its owner (pin 1), each once. A ring that is whole gives all its pins; a ring left
// open, or damaged by an older version, gives what either walk reaches, and a pin no walk
// reaches goes alone.
std::vector<HolePos> PinsToDelete(const HoleGridTable& g, HolePos h);

// Copies the pin record of hole from to the free hole to (fields 2 to 16, 18 and 19; the
// strip number stays with the hole) and relinks the ring: the pin whose next link names from
// now names to, and when from was pin 1 every pin of the ring takes to as its owner key. On a
// ring that is open (its last pin names no next pin) the pin before from is found from pin 1.
// The old hole keeps its record; the caller clears it.
void MovePinRecord(HoleGridTable& g, HolePos from, HolePos to);

// Moves the whole part whose pin 1 is pin1 by (dx, dy). Every target hole must lie in the
// grid and be free or a hole of the part itself; otherwise nothing moves and the result is
// false. The old holes are cleared through clear, which keeps their strip numbers.
bool MovePartBy(HoleGridTable& g, HolePos pin1, long dx, long dy, const std::function<void(long, long)>& clear);
