// Strip numbers after cuts, rejoins, drills and restores: the numbers of the usual cases, and
// for any sequence of them on any board the rule that equal numbers mean joined copper.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "editor/editing/strips.h"
#include "editor/files/design_file.h"
#include "platform/strings.h"

namespace {

long N(const HoleGridTable& g, long a, long d) { return static_cast<long>(g(a, d, KelmNet).Num()); }

// A board numbered afresh (one number per strip), with a fence beside it that no edit may touch.
void Number(HoleGridTable& g, const StripBoard& b) {
  for (long d = 1; d <= b.down + 1; ++d)
    for (long a = 1; a <= b.across + 1; ++a)
      g(a, d, KelmNet) = a > b.across || d > b.down ? -7L : b.alongRows ? d : a;
}

TEST(Strips, TheUsualCasesKeepTheirNumbersInBothDirections) {
  for (bool rows : {true, false}) {
    HoleGridTable g;
    const StripBoard b{15, 15, rows};
    Number(g, b);
    // After an edit (and whether it changed something): strip s, the first hole of the next
    // strip and the last hole of the board.
    auto after = [&](StripEdit done, long s) {
      std::string t = done == StripEdit::Changed ? "" : "unchanged ";
      for (long p = 1; p <= 15; ++p) t += std::to_string(rows ? N(g, p, s) : N(g, s, p)) + " ";
      return t + "| " + std::to_string(rows ? N(g, 1, s + 1) : N(g, s + 1, 1)) + " " + std::to_string(N(g, 15, 15));
    };
    auto cut = [&](long p, long s) { return rows ? CutStrip(g, b, p, s) : CutStrip(g, b, s, p); };
    auto drill = [&](long p, long s) { return rows ? DrillHole(g, b, p, s) : DrillHole(g, b, s, p); };
    SCOPED_TRACE(rows ? "rows" : "columns");
    EXPECT_EQ(after(cut(5, 3), 3), "3 3 3 3 4 4 4 4 4 4 4 4 4 4 4 | 5 16");
    EXPECT_EQ(after(cut(5, 3), 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 | 4 15");
    EXPECT_EQ(after(drill(5, 3), 3), "3 3 3 3 0 4 4 4 4 4 4 4 4 4 4 | 5 16");
    EXPECT_EQ(after(drill(5, 3), 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 | 4 15");  // joined again
    EXPECT_EQ(after(drill(15, 3), 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 0 | 5 16");  // later strips only
    EXPECT_EQ(after(drill(1, 6), 6), "0 7 7 7 7 7 7 7 7 7 7 7 7 7 7 | 8 16");  // nothing else moves
    for (StripEdit done : {cut(2, 6), cut(1, 7), cut(16, 7)})
      EXPECT_EQ(after(done, 6), "unchanged 0 7 7 7 7 7 7 7 7 7 7 7 7 7 7 | 8 16");

    // A rejoin and a restore give the piece exactly the number of the piece before it, also
    // where adding the difference would not (1.1 + (0.1 - 1.1) is not 0.1).
    for (long p = 1; p <= 15; ++p) (rows ? g(p, 1, KelmNet) : g(1, p, KelmNet)) = 0.1;
    auto number = [&](long p, long s) { return (rows ? g(p, s, KelmNet) : g(s, p, KelmNet)).Num(); };
    EXPECT_EQ(cut(5, 1), StripEdit::Changed);
    EXPECT_EQ(std::vector<double>({number(4, 1), number(5, 1), number(1, 2)}), std::vector<double>({0.1, 1.1, 3}));
    EXPECT_EQ(cut(5, 1), StripEdit::Changed);
    EXPECT_EQ(std::vector<double>({number(4, 1), number(5, 1), number(1, 2)}), std::vector<double>({0.1, 0.1, 2}));
    EXPECT_EQ(drill(5, 1), StripEdit::Changed);
    EXPECT_EQ(std::vector<double>({number(5, 1), number(6, 1), number(1, 2)}), std::vector<double>({0, 1.1, 3}));
    EXPECT_EQ(drill(5, 1), StripEdit::Changed);
    EXPECT_EQ(std::vector<double>({number(5, 1), number(6, 1), number(1, 2)}), std::vector<double>({0.1, 0.1, 2}));
  }
}

// The copper worked out on its own: per strip the drilled holes and the cut segments (the
// segment before each hole); holes are joined along a strip unless cut or drilled, and a
// restored hole has copper on both sides again.
struct Copper {
  long strips, length;
  std::map<std::pair<long, long>, bool> drilled, cut;
  void CutAt(long s, long p) {
    if (p > 1 && !drilled[{s, p}] && !drilled[{s, p - 1}]) cut[{s, p}] = !cut[{s, p}];
  }
  void DrillAt(long s, long p) {
    if (drilled[{s, p}]) cut[{s, p}] = cut[{s, p + 1}] = false;
    drilled[{s, p}] = !drilled[{s, p}];
  }
  // A piece per hole in scan order, 0 for a drilled hole.
  std::map<std::pair<long, long>, long> Pieces() {
    std::map<std::pair<long, long>, long> piece;
    long next = 0;
    for (long s = 1; s <= strips; ++s)
      for (long p = 1; p <= length; ++p)
        piece[{s, p}] = drilled[{s, p}] ? 0 : p > 1 && !drilled[{s, p - 1}] && !cut[{s, p}] ? piece[{s, p - 1}] : ++next;
    return piece;
  }
};

// Boards numbered afresh from 1; boards whose strips carry whole numbers near the largest
// that Save gives back, rising or typed in any order; boards of fractions; and boards of
// numbers that one more or one less does not keep apart or keep at all (1E-20 beside 2E-20,
// 9E+15, 1E+300), each strip its own number. After every edit equal numbers mean exactly one
// piece of copper and every number is written and read back as itself; an edit that could not
// keep that is refused whole, and only where the numbers leave it no room.
TEST(Strips, NumbersFollowTheCopperThroughAnySequenceOfEdits) {
  std::mt19937 random(20261209);
  auto pick = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  // Every whole number up to 10^15 comes back from Save; 10^15 + 1, of sixteen digits, does not.
  const double largest = 1e15;
  const std::vector<double> odd = {1e-20, 2e-20, 3e-5, 0.1, 0.3, 0.7, -0.5, 1, 2.5, 123456789012345, 9e15 - 10,
                                   9e15, 1e15, -1e300, 1e300, 5e-324, 1.79769313486231e308};
  long undone = 0, refused = 0, oddKept = 0, oddRefused = 0;
  for (int board = 0; board < 250; ++board) {
    const StripBoard b{pick(1, 14), pick(1, 14), board % 2 == 0};
    HoleGridTable g;
    Number(g, b);
    Copper copper{b.alongRows ? b.down : b.across, b.alongRows ? b.across : b.down, {}, {}};
    // Boards 50 to 99 rise to a few cuts below the largest whole number; boards 100 to 149
    // have strips numbered at random near both ends of that range; boards 150 to 199 have
    // fractions; boards 200 on the numbers above. From 150 on, every other pair of boards
    // rises and the others are typed in any order; no two strips alike.
    const int kind = board / 50;
    const bool rising = kind == 1 || ((kind == 3 || kind == 4) && board / 2 % 2 == 0);
    if (kind >= 1) {
      std::vector<double> n;
      std::set<double> taken;
      const double base = largest - static_cast<double>(copper.strips + pick(0, 40));
      // Numbers rise from above 0 (a negative one first is taken as typed in any order).
      std::vector<double> pool = odd;
      if (rising) pool.erase(std::remove_if(pool.begin(), pool.end(), [](double x) { return x < 0; }), pool.end());
      std::shuffle(pool.begin(), pool.end(), random);
      // 1E-20 and 2E-20 side by side: one more makes them both 1.
      std::swap(*std::find(pool.begin(), pool.end(), 2e-20), pool[1]);
      std::swap(*std::find(pool.begin(), pool.end(), 1e-20), pool[0]);
      for (long s = 1; s <= copper.strips; ++s) {
        double x = 0;
        if (kind == 1) {
          x = base + static_cast<double>(s);
        } else if (kind == 2) {
          do x = pick(0, 1) ? largest - static_cast<double>(pick(20, 80)) : -largest + static_cast<double>(pick(0, 60));
          while (!taken.insert(x).second);
        } else if (kind == 3) {
          x = 2.25 * static_cast<double>(s) - 1.75 + 0.5 * static_cast<double>(pick(0, 1));  // 0.5, 2.75, 5.5, ...
        } else {
          x = pool[static_cast<std::size_t>(s - 1)];  // at least fifteen numbers for fourteen strips
        }
        n.push_back(x);
      }
      if (rising) {
        std::sort(n.begin(), n.end());
      } else if (kind >= 3) {
        std::shuffle(n.begin(), n.end(), random);
      }
      for (long s = 1; s <= copper.strips; ++s)
        for (long p = 1; p <= copper.length; ++p)
          g(b.alongRows ? p : s, b.alongRows ? s : p, KelmNet) = n[static_cast<std::size_t>(s - 1)];
    }
    auto all = [&] {
      std::vector<double> v;
      for (long d = 1; d <= b.down + 1; ++d)
        for (long a = 1; a <= b.across + 1; ++a) v.push_back(g(a, d, KelmNet).Num());
      return v;
    };
    for (int i = 0; i < 400; ++i) {
      const long s = pick(1, copper.strips), p = pick(1, copper.length);
      const long a = b.alongRows ? p : s, d = b.alongRows ? s : p;
      const bool isCut = pick(0, 1) == 0, twice = pick(0, 9) == 0;
      const std::vector<double> before = all();
      // A drill is given back exactly when the hole lay inside a piece, a cut always.
      const bool inside = p > 1 && p < copper.length && !copper.drilled[{s, p}] && !copper.drilled[{s, p - 1}] &&
                          !copper.drilled[{s, p + 1}] && !copper.cut[{s, p}] && !copper.cut[{s, p + 1}];
      for (int round = 0; round < (twice && (isCut || inside) ? 2 : 1); ++round) {
        const std::string step = "board " + std::to_string(board) + " step " + std::to_string(i) +
                                 (isCut ? " cut " : " drill ") + std::to_string(a) + "," + std::to_string(d);
        const std::vector<double> was = all();
        const StripEdit done = isCut ? CutStrip(g, b, a, d) : DrillHole(g, b, a, d);
        if (done == StripEdit::Refused) {
          // Whole numbers leave no room only at the very top of the range, fractions of a few
          // binary digits never; a refused edit changes nothing.
          if (kind <= 2) {
            ASSERT_GE(*std::max_element(was.begin(), was.end()), largest - 1) << step;
          }
          ASSERT_NE(kind, 3) << step;
          ASSERT_EQ(all(), was) << step << " refused";
          ++refused;
          if (kind == 4) ++oddRefused;
          break;
        }
        if (kind == 4 && done == StripEdit::Changed) ++oddKept;
        if (isCut) {
          copper.CutAt(s, p);
        } else {
          copper.DrillAt(s, p);
        }
        // Drilled holes carry 0; equal numbers exactly for the same piece; numbers rise in
        // scan order on a board that rose; every number is written and read back as itself;
        // the fence stays.
        std::map<long, double> numberOf;
        std::map<double, long> pieceOf;
        double last = -std::numeric_limits<double>::infinity();
        for (auto [at, piece] : copper.Pieces()) {
          const auto [hs, hp] = at;
          const double n = (b.alongRows ? g(hp, hs, KelmNet) : g(hs, hp, KelmNet)).Num();
          ASSERT_TRUE(IsStripNumber(n)) << step << " " << n;
          ASSERT_EQ(vb::Val(DesignNumber(n)), n) << step << " " << DesignNumber(n);
          ASSERT_EQ(n == 0, piece == 0) << step << " hole " << hs << "/" << hp;
          if (piece == 0) continue;
          if (rising) {
            ASSERT_GE(n, last) << step;
          }
          last = n;
          ASSERT_EQ(numberOf.emplace(piece, n).first->second, n) << step << " one piece, two numbers";
          ASSERT_EQ(pieceOf.emplace(n, piece).first->second, piece) << step << " two pieces share " << n;
        }
        for (long x = 1; x <= b.across + 1; ++x) ASSERT_EQ(N(g, x, b.down + 1), -7) << step;
        for (long y = 1; y <= b.down; ++y) ASSERT_EQ(N(g, b.across + 1, y), -7) << step;
        // Only rising numbers come back: the others are names, and a cut names a new piece.
        if (round == 1 && rising) {
          ASSERT_EQ(all(), before) << step << " twice";
          ++undone;
        }
      }
    }
  }
  EXPECT_GT(undone, 1000);
  EXPECT_GT(refused, 100);
  EXPECT_GT(oddKept, 1000);
  EXPECT_GT(oddRefused, 100);
}

}  // namespace
