// Strip numbers after cuts, rejoins, drills and restores: the numbers of the usual cases, and
// for any sequence of them on any board the rule that equal numbers mean joined copper.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <random>
#include <string>
#include <vector>

#include "editor/editing/strips.h"
#include "editor/module1.h"

namespace {

// A fresh strip board numbered as a new board is: one number per strip.
void Number(HoleGridTable& g, const StripBoard& b) {
  for (long d = 1; d <= b.down; ++d)
    for (long a = 1; a <= b.across; ++a) g(a, d, KelmNet) = b.alongRows ? d : a;
}

long N(const HoleGridTable& g, long a, long d) { return static_cast<long>(g(a, d, KelmNet).Num()); }

// Row d (or column a) as text, for readable failures.
std::string Line(const HoleGridTable& g, const StripBoard& b, long index) {
  std::string s;
  const long length = b.alongRows ? b.across : b.down;
  for (long p = 1; p <= length; ++p)
    s += std::to_string(b.alongRows ? N(g, p, index) : N(g, index, p)) + (p < length ? " " : "");
  return s;
}

// A whole strip of 15 holes numbered n.
std::string Whole(long n) {
  std::string t;
  for (int i = 0; i < 15; ++i) t += std::to_string(n) + (i < 14 ? " " : "");
  return t;
}

TEST(Strips, TheUsualCasesKeepTheirNumbersInBothDirections) {
  for (bool rows : {true, false}) {
    SCOPED_TRACE(rows ? "strips along rows" : "strips along columns");
    HoleGridTable g;
    const StripBoard b{15, 15, rows};
    Number(g, b);
    // Hole (along, strip) of the direction under test.
    auto at = [&](long along, long strip) { return rows ? N(g, along, strip) : N(g, strip, along); };
    auto cut = [&](long along, long strip) { return rows ? CutStrip(g, b, along, strip) : CutStrip(g, b, strip, along); };
    auto drill = [&](long along, long strip) { return rows ? DrillHole(g, b, along, strip) : DrillHole(g, b, strip, along); };

    // The cut between the 4th and 5th hole of strip 3, and the same click again.
    ASSERT_TRUE(cut(5, 3));
    EXPECT_EQ(Line(g, b, 3), "3 3 3 3 4 4 4 4 4 4 4 4 4 4 4");
    EXPECT_EQ(Line(g, b, 2), "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");
    for (long s = 4; s <= 15; ++s) EXPECT_EQ(at(1, s), s + 1) << s;
    ASSERT_TRUE(cut(5, 3));
    for (long s = 1; s <= 15; ++s) EXPECT_EQ(Line(g, b, s), Whole(s)) << s;

    // Drilling the 5th hole of strip 3 splits it; restoring it joins it again.
    ASSERT_TRUE(drill(5, 3));
    EXPECT_EQ(Line(g, b, 3), "3 3 3 3 0 4 4 4 4 4 4 4 4 4 4");
    EXPECT_EQ(at(7, 9), 10);
    ASSERT_TRUE(drill(5, 3));
    EXPECT_EQ(Line(g, b, 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3");
    EXPECT_EQ(at(7, 9), 9);

    // The last hole of a strip: only the later strips move up.
    ASSERT_TRUE(drill(15, 3));
    EXPECT_EQ(Line(g, b, 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 0");
    EXPECT_EQ(at(1, 4), 5);
    EXPECT_EQ(at(15, 15), 16);
    ASSERT_TRUE(drill(15, 3));  // restored: it joins the hole before it
    EXPECT_EQ(Line(g, b, 3), "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3");
    EXPECT_EQ(at(1, 4), 5);

    // The first hole of a strip: nothing else changes; restored it joins the strip again.
    ASSERT_TRUE(drill(1, 6));
    EXPECT_EQ(Line(g, b, 6), "0 7 7 7 7 7 7 7 7 7 7 7 7 7 7");
    EXPECT_EQ(at(1, 5), 6);
    EXPECT_EQ(at(1, 7), 8);
    ASSERT_TRUE(drill(1, 6));
    EXPECT_EQ(Line(g, b, 6), "7 7 7 7 7 7 7 7 7 7 7 7 7 7 7");

    // A cut beside a drilled hole has no copper to cut or join: nothing changes.
    ASSERT_TRUE(drill(8, 10));
    const std::string drilled = Line(g, b, 10);
    EXPECT_EQ(drilled, "11 11 11 11 11 11 11 0 12 12 12 12 12 12 12");
    EXPECT_FALSE(cut(8, 10));
    EXPECT_FALSE(cut(9, 10));
    EXPECT_EQ(Line(g, b, 10), drilled);
    // A later cut moves the pieces after it, but a drilled hole keeps its 0.
    ASSERT_TRUE(cut(3, 10));
    EXPECT_EQ(Line(g, b, 10), "11 11 12 12 12 12 12 0 13 13 13 13 13 13 13");
    // No segment before the first hole of a strip, and none off the board.
    EXPECT_FALSE(cut(1, 10));
    EXPECT_FALSE(cut(16, 10));
    EXPECT_FALSE(drill(0, 10));
  }
}

// The copper worked out on its own: per strip the drilled holes and the cut segments (the
// segment before each hole), joined along a strip unless cut or drilled.
struct Copper {
  StripBoard b;
  std::vector<char> drilled, cut;  // indexed [strip * 101 + pos]
  explicit Copper(StripBoard board) : b(board), drilled(101 * 101, 0), cut(101 * 101, 0) {}
  long Length() const { return b.alongRows ? b.across : b.down; }
  long Strips() const { return b.alongRows ? b.down : b.across; }
  char& Drilled(long strip, long pos) { return drilled[strip * 101 + pos]; }
  char& Cut(long strip, long pos) { return cut[strip * 101 + pos]; }

  void CutAt(long strip, long pos) {
    if (pos < 2 || Drilled(strip, pos) || Drilled(strip, pos - 1)) return;
    Cut(strip, pos) = !Cut(strip, pos);
  }
  // A restored hole has copper again on both sides.
  void DrillAt(long strip, long pos) {
    if (!Drilled(strip, pos)) {
      Drilled(strip, pos) = 1;
      return;
    }
    Drilled(strip, pos) = 0;
    Cut(strip, pos) = 0;
    if (pos < Length()) Cut(strip, pos + 1) = 0;
  }
  // A piece number per hole in scan order, 0 for a drilled hole.
  std::vector<long> Pieces() {
    std::vector<long> piece(101 * 101, 0);
    long next = 0;
    for (long s = 1; s <= Strips(); ++s)
      for (long p = 1; p <= Length(); ++p) {
        if (Drilled(s, p)) continue;
        const bool joined = p > 1 && !Drilled(s, p - 1) && !Cut(s, p);
        piece[s * 101 + p] = joined ? piece[s * 101 + p - 1] : ++next;
      }
    return piece;
  }
};

// Numbers and copper agree: a drilled hole has 0, two holes share a number exactly when the
// copper joins them, and the numbers rise in scan order. Holes off the board are untouched.
void ExpectAgree(const HoleGridTable& g, Copper& c, const std::string& step) {
  const std::vector<long> piece = c.Pieces();
  std::map<long, long> numberOfPiece, pieceOfNumber;
  long last = 0;
  for (long s = 1; s <= c.Strips(); ++s)
    for (long p = 1; p <= c.Length(); ++p) {
      const long a = c.b.alongRows ? p : s, d = c.b.alongRows ? s : p;
      const long n = N(g, a, d), k = piece[s * 101 + p];
      ASSERT_EQ(n == 0, k == 0) << step << " hole " << a << "," << d;
      if (k == 0) continue;
      ASSERT_GE(n, last) << step << " numbers fall at " << a << "," << d;
      last = n;
      auto [i, newPiece] = numberOfPiece.emplace(k, n);
      ASSERT_EQ(i->second, n) << step << " one piece, two numbers at " << a << "," << d;
      auto [j, newNumber] = pieceOfNumber.emplace(n, k);
      ASSERT_EQ(j->second, k) << step << " two pieces share number " << n << " at " << a << "," << d;
    }
  for (long d = 1; d <= c.b.down + 1; ++d) {
    ASSERT_EQ(N(g, c.b.across + 1, d), -7) << step;
  }
  for (long a = 1; a <= c.b.across; ++a) {
    ASSERT_EQ(N(g, a, c.b.down + 1), -7) << step;
  }
}

TEST(Strips, NumbersFollowTheCopperThroughAnySequenceOfEdits) {
  std::mt19937 random(20261209);
  auto pick = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  long steps = 0, undone = 0;
  for (int board = 0; board < 120; ++board) {
    const StripBoard b{pick(1, 14), pick(1, 14), board % 2 == 0};
    HoleGridTable g;
    Number(g, b);
    // A fence of values beside the board that no edit may touch.
    for (long d = 1; d <= b.down + 1; ++d) g(b.across + 1, d, KelmNet) = -7;
    for (long a = 1; a <= b.across; ++a) g(a, b.down + 1, KelmNet) = -7;
    Copper copper(b);
    const long length = copper.Length();
    for (int i = 0; i < 400; ++i, ++steps) {
      const long strip = pick(1, copper.Strips()), pos = pick(1, length);
      const long a = b.alongRows ? pos : strip, d = b.alongRows ? strip : pos;
      const bool isCut = pick(0, 1) == 0;
      std::vector<long> before;
      // Now and then the same click twice: it must give back the numbers exactly.
      const bool twice = pick(0, 9) == 0;
      if (twice)
        for (long y = 1; y <= b.down; ++y)
          for (long x = 1; x <= b.across; ++x) before.push_back(N(g, x, y));
      const std::string step = "board " + std::to_string(board) + " (" + std::to_string(b.across) + "x" +
                               std::to_string(b.down) + (b.alongRows ? " rows" : " columns") + ") step " +
                               std::to_string(i) + (isCut ? " cut " : " drill ") + std::to_string(a) + "," +
                               std::to_string(d);
      if (isCut) {
        CutStrip(g, b, a, d);
        copper.CutAt(strip, pos);
      } else {
        DrillHole(g, b, a, d);
        copper.DrillAt(strip, pos);
      }
      ExpectAgree(g, copper, step);
      if (HasFatalFailure()) return;
      if (!twice) continue;
      // A drill is given back only when the hole lay inside a piece; a cut always.
      const bool inside = pos > 1 && pos < length && !copper.Drilled(strip, pos - 1) &&
                          !copper.Drilled(strip, pos + 1) && !copper.Cut(strip, pos) && !copper.Cut(strip, pos + 1);
      if (!isCut && !(copper.Drilled(strip, pos) && inside)) continue;
      if (isCut) {
        CutStrip(g, b, a, d);
        copper.CutAt(strip, pos);
      } else {
        DrillHole(g, b, a, d);
        copper.DrillAt(strip, pos);
      }
      ExpectAgree(g, copper, step + " again");
      if (HasFatalFailure()) return;
      std::vector<long> after;
      for (long y = 1; y <= b.down; ++y)
        for (long x = 1; x <= b.across; ++x) after.push_back(N(g, x, y));
      ASSERT_EQ(after, before) << step << " twice";
      ++undone;
    }
  }
  EXPECT_GT(undone, 1000);
  EXPECT_EQ(steps, 120 * 400);
}

// Boards whose strips were joined into nets of several strips, as the netlist export does
// for the two ends of a wire link (every hole of the far strip takes the near strip's
// number). Any edit may then join only the nets its copper joins, and the numbers along every
// strip still show its cuts and drills.
TEST(Strips, EditsOnJoinedNetsJoinOnlyWhatTheCopperJoins) {
  std::mt19937 random(7411);
  auto pick = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  long joins = 0;
  for (int board = 0; board < 100; ++board) {
    const StripBoard b{pick(2, 12), pick(2, 12), board % 2 == 0};
    HoleGridTable g;
    Number(g, b);
    Copper copper(b);
    const long length = copper.Length(), strips = copper.Strips();
    auto number = [&](long strip, long pos) { return b.alongRows ? N(g, pos, strip) : N(g, strip, pos); };
    for (int link = 0; link < 3 && strips > 1; ++link) {
      const long near = number(pick(1, strips), 1), far = number(pick(1, strips), 1);
      for (long y = 1; y <= b.down; ++y)
        for (long x = 1; x <= b.across; ++x)
          if (N(g, x, y) == far) g(x, y, KelmNet) = near;
    }
    for (int i = 0; i < 300; ++i) {
      const long strip = pick(1, strips), pos = pick(1, length);
      const long a = b.alongRows ? pos : strip, d = b.alongRows ? strip : pos;
      const bool isCut = pick(0, 1) == 0;
      const std::string step = "board " + std::to_string(board) + " step " + std::to_string(i) +
                               (isCut ? " cut " : " drill ") + std::to_string(a) + "," + std::to_string(d);
      std::map<std::pair<long, long>, long> before;
      for (long s = 1; s <= strips; ++s)
        for (long q = 1; q <= length; ++q) before[{s, q}] = number(s, q);
      // The nets this step's copper may join: both sides of a rejoined cut or of a restore.
      std::vector<long> joinable;
      if (isCut && pos > 1 && !copper.Drilled(strip, pos) && !copper.Drilled(strip, pos - 1) && copper.Cut(strip, pos))
        joinable = {before[{strip, pos - 1}], before[{strip, pos}]};
      if (!isCut && copper.Drilled(strip, pos)) {
        if (pos > 1) joinable.push_back(before[{strip, pos - 1}]);
        if (pos < length) joinable.push_back(before[{strip, pos + 1}]);
      }
      if (isCut) {
        CutStrip(g, b, a, d);
        copper.CutAt(strip, pos);
      } else {
        DrillHole(g, b, a, d);
        copper.DrillAt(strip, pos);
      }
      std::map<long, std::vector<long>> sources;  // number now -> numbers its holes had
      for (long s = 1; s <= strips; ++s)
        for (long q = 1; q <= length; ++q) {
          const long n = number(s, q);
          ASSERT_EQ(n == 0, copper.Drilled(s, q) != 0) << step << " hole " << s << "/" << q;
          if (q > 1 && n != 0 && number(s, q - 1) != 0) {
            ASSERT_EQ(n == number(s, q - 1), !copper.Cut(s, q)) << step << " segment before " << s << "/" << q;
          }
          const long was = before[{s, q}];
          if (n == 0 || was == 0) continue;
          auto& from = sources[n];
          if (std::find(from.begin(), from.end(), was) == from.end()) from.push_back(was);
        }
      for (const auto& [n, from] : sources) {
        if (from.size() < 2) continue;
        ++joins;
        for (long was : from) {
          ASSERT_NE(std::find(joinable.begin(), joinable.end(), was), joinable.end())
              << step << ": number " << n << " took in net " << was << " that no copper joined";
        }
      }
    }
  }
  EXPECT_GT(joins, 500);
}

}  // namespace
