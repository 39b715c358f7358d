// Strip numbers after cuts, rejoins, drills and restores: the numbers of the usual cases, and
// for any sequence of them on any board the rule that equal numbers mean joined copper.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "editor/editing/strips.h"

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

// Boards numbered afresh from 1, and boards whose strips carry numbers near the largest ones,
// rising or typed in any order (each strip its own number): after every edit equal numbers
// mean exactly one piece of copper, every number is a strip number, and an edit that would
// have taken a number beyond the largest is refused whole.
TEST(Strips, NumbersFollowTheCopperThroughAnySequenceOfEdits) {
  std::mt19937 random(20261209);
  auto pick = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  const long largest = static_cast<long>(kLargestStripNumber);
  long undone = 0, refused = 0;
  for (int board = 0; board < 150; ++board) {
    const StripBoard b{pick(1, 14), pick(1, 14), board % 2 == 0};
    HoleGridTable g;
    Number(g, b);
    Copper copper{b.alongRows ? b.down : b.across, b.alongRows ? b.across : b.down, {}, {}};
    // Boards 50 to 99 rise to a few cuts below the largest number; boards 100 on have
    // strips numbered at random near both ends of the range, no two alike.
    const bool rising = board < 100;
    if (board >= 50) {
      std::set<long> taken;
      const long base = largest - copper.strips - pick(0, 40);
      for (long s = 1; s <= copper.strips; ++s) {
        long n = base + s;
        if (!rising) {
          do n = pick(0, 1) ? largest - pick(20, 80) : -largest + pick(0, 60);
          while (!taken.insert(n).second);
        }
        for (long p = 1; p <= copper.length; ++p) g(b.alongRows ? p : s, b.alongRows ? s : p, KelmNet) = n;
      }
    }
    auto all = [&] {
      std::vector<long> v;
      for (long d = 1; d <= b.down + 1; ++d)
        for (long a = 1; a <= b.across + 1; ++a) v.push_back(N(g, a, d));
      return v;
    };
    for (int i = 0; i < 400; ++i) {
      const long s = pick(1, copper.strips), p = pick(1, copper.length);
      const long a = b.alongRows ? p : s, d = b.alongRows ? s : p;
      const bool isCut = pick(0, 1) == 0, twice = pick(0, 9) == 0;
      const std::vector<long> before = all();
      // A drill is given back exactly when the hole lay inside a piece, a cut always.
      const bool inside = p > 1 && p < copper.length && !copper.drilled[{s, p}] && !copper.drilled[{s, p - 1}] &&
                          !copper.drilled[{s, p + 1}] && !copper.cut[{s, p}] && !copper.cut[{s, p + 1}];
      for (int round = 0; round < (twice && (isCut || inside) ? 2 : 1); ++round) {
        const std::string step = "board " + std::to_string(board) + " step " + std::to_string(i) +
                                 (isCut ? " cut " : " drill ") + std::to_string(a) + "," + std::to_string(d);
        const std::vector<long> was = all();
        const StripEdit done = isCut ? CutStrip(g, b, a, d) : DrillHole(g, b, a, d);
        if (done == StripEdit::Refused) {
          // Only an edit at the very top of the range may be refused, and it changes nothing.
          ASSERT_GE(*std::max_element(was.begin(), was.end()), largest - 1) << step;
          ASSERT_EQ(all(), was) << step << " refused";
          ++refused;
          break;
        }
        if (isCut) {
          copper.CutAt(s, p);
        } else {
          copper.DrillAt(s, p);
        }
        // Drilled holes carry 0; equal numbers exactly for the same piece; numbers rise in
        // scan order on a board that rose; every number is whole and within the range; the
        // fence stays.
        std::map<long, long> numberOf, pieceOf;
        long last = 0;
        for (auto [at, piece] : copper.Pieces()) {
          const auto [hs, hp] = at;
          const Value& held = b.alongRows ? g(hp, hs, KelmNet) : g(hs, hp, KelmNet);
          ASSERT_TRUE(IsStripNumber(held.Num())) << step << " " << held;
          const long n = static_cast<long>(held.Num());
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
}

}  // namespace
