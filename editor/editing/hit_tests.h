// Hit tests of the board picture: the hole, the strip segment and the label box under the
// pointer. The scans follow the board loops (rows top to bottom, each row left to right; the
// last hit in scan order wins). HoleLattice answers the hole and segment tests without the
// scan when every hole of a column shares its X and every hole of a row its Y, which is how
// the board is built and zoomed; otherwise the scan runs.
#pragma once

#include <vector>

#include "editor/module1.h"

// A hit: across and down, 0, 0 for none.
struct BoardHit {
  int x = 0;
  int y = 0;
  bool Hit() const { return x != 0 || y != 0; }
};

// What a scan covers: the size boxes' values (Val of their texts), the hit half-width or
// label side, the scroll offsets.
struct HitScan {
  double across = 0;
  double down = 0;
  double size = 0;  // half-width of a hole square or segment band; side of a label box
  double scrollX = 0;
  double scrollY = 0;
};

// The full scans. Holes beyond 100 are outside the grid (run-time error 9).
BoardHit ScanHole(const HoleGridTable& g, const HitScan& s, double X, double Y);
// Strips along rows (horizontal) name a segment by its right-hand hole, else by its lower hole.
BoardHit ScanTrace(const HoleGridTable& g, const HitScan& s, bool horizontal, double X, double Y);
BoardHit ScanLabel(const HoleGridTable& g, const HitScan& s, double X, double Y);

// Column and row positions of a regular board, checked once after the board changed and
// kept until then. A change is recognised by the extent and by the positions of the first
// row, the first column and both diagonals (every build, zoom and design load moves them).
class HoleLattice {
 public:
  // Brings the lattice up to date with the board; false when the board is not regular (a
  // size box changed without a new build, holes read from a hand-made file) or lies beyond
  // the grid, and the caller must scan.
  bool Update(const HoleGridTable& g, double across, double down);
  // Hole positions were written: the next update checks the whole board again.
  void Forget() { valid_ = false; }
  BoardHit Hole(const HitScan& s, double X, double Y) const;
  BoardHit Trace(const HitScan& s, bool horizontal, double X, double Y) const;
  // How often the whole board was checked (for tests).
  int Checks() const { return checks_; }

 private:
  using Key = std::vector<double>;
  static Key KeyOf(const HoleGridTable& g, int n, int m);
  bool valid_ = false;
  bool regular_ = false;
  Key key_{};
  int n_ = 0, m_ = 0;
  std::vector<double> xs_, ys_;  // Int of the positions, 1-based, without the scroll
  int checks_ = 0;
};
