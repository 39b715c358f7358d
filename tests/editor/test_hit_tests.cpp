// The hole, strip-segment and label hit tests: strict bounds, the last hit in scan order,
// the remembered pair, and the direct hole and segment tests against the full scans.
#include <gtest/gtest.h>

#include <random>

#include "editor/editing/hit_tests.h"
#include "editor/files/form3_saveload.h"
#include "editor/form1.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"

namespace {

class HitTest : public EditorTest {
 protected:
  void SetUp() override {
    Board(15, 15);
    m().ScrollX = 37;
    m().ScrollY = 51;
  }
  double CX(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleX).Num()) + m().ScrollX.Num(); }
  double CY(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleY).Num()) + m().ScrollY.Num(); }
};

TEST_F(HitTest, HoleSquaresAndSegmentBandsAreStrict) {
  const double r = (m().HolePitch / m().PitchDivisor).Num(), q = (m().HolePitch / m().PitchDivisor / m().SizeDivisor).Num();
  const double cx = CX(4, 6), cy = CY(4, 6), midX = (CX(1, 3) + CX(2, 3)) / 2, midY = (CY(5, 2) + CY(5, 3)) / 2;
  struct Case {
    const char* what;
    int test;  // 0 hole, 1 segment along rows, 2 segment along columns
    double x, y;
    int hitX, hitY;
    const char* across = "15";
    const char* down = "15";
  };
  const Case cases[] = {
      {"hole centre", 0, cx, cy, 4, 6},
      {"hole, just inside a corner", 0, cx + 0.99 * r, cy - 0.99 * r, 4, 6},
      {"hole, on the left bound", 0, cx - r, cy, 0, 0},
      {"hole, on the lower bound", 0, cx, cy + r, 0, 0},
      {"between holes", 0, (cx + CX(5, 6)) / 2, cy, 0, 0},
      {"empty size box scans nothing", 0, cx, cy, 0, 0, ""},
      {"rows: column 1 has no segment, column 2 answers", 1, midX, CY(1, 3), 2, 3},
      {"rows: on the band's upper edge", 1, midX, CY(1, 3) - q, 0, 0},
      {"rows: a quarter pitch from the hole", 1, CX(1, 3) + q, CY(1, 3), 0, 0},
      {"rows: last segment of the board", 1, (CX(14, 15) + CX(15, 15)) / 2, CY(15, 15) + 0.9 * q, 15, 15},
      {"rows: a board one hole across", 1, midX, CY(1, 3), 0, 0, "1"},
      {"columns: between rows 2 and 3", 2, CX(5, 2), midY, 5, 3},
      {"columns: on the lower hole's edge", 2, CX(5, 2), CY(5, 3) - q, 0, 0},
      {"columns: a board one hole down", 2, CX(5, 2), midY, 0, 0, "15", "1"},
  };
  for (const Case& c : cases) {
    m().HolesAcross = vb::Val(c.across);  // the board as built: the boxes are not read
    m().HolesDown = vb::Val(c.down);
    f().Text1.SetText("30");
    int hx = -1, hy = -1, lastX = 9, lastY = 8;
    if (c.test == 0) {
      f().OnaHole(c.x, c.y, hx, hy, lastX, lastY);
    } else {
      f().Check1.SetValue(c.test == 1);
      m().OnTrace = !c.hitX;
      f().OnaTrace(c.x, c.y, hx, hy, lastX, lastY);
      EXPECT_EQ(m().OnTrace, c.hitX != 0) << c.what;
    }
    EXPECT_EQ(std::pair(hx, hy), std::pair(c.hitX, c.hitY)) << c.what;
    // A miss keeps the remembered pair; a hit replaces it.
    EXPECT_EQ(std::pair(lastX, lastY), c.hitX ? std::pair(c.hitX, c.hitY) : std::pair(9, 8)) << c.what;
  }
}

// The extent is the board that is built: a size box changed without a build is not read, so
// holes never built (lying at 0, 0) never answer.
TEST_F(HitTest, SizeBoxChangedWithoutRebuildingAndOverlappingLabels) {
  int hx = 0, hy = 0, lx = 0, ly = 0;
  f().Text1.SetText("10");
  f().OnaHole(CX(12, 2), CY(12, 2), hx, hy, lx, ly);
  EXPECT_EQ(std::pair(hx, hy), std::pair(12, 2));
  f().Text1.SetText("20");
  f().Text2.SetText("17");
  f().OnaHole(CX(13, 3), CY(13, 3), hx, hy, lx, ly);
  EXPECT_EQ(std::pair(hx, hy), std::pair(13, 3));
  f().OnaHole(CX(1, 1), CY(1, 1), hx, hy, lx, ly);
  EXPECT_EQ(std::pair(hx, hy), std::pair(1, 1));
  f().Text1.SetText("15");
  f().Text2.SetText("15");

  // Label boxes: an empty hole's lies at the reset offsets; its corner edge misses.
  auto& g = m().HoleGrid;
  const double s = (m().HolePitch / m().PitchDivisor).Num() * 2;
  f().onalabel(CX(2, 2) + 100 + s / 2, CY(2, 2) + 100 + s / 2, hx, hy, lx, ly);
  EXPECT_TRUE(m().OnLabel);
  EXPECT_EQ(hx, 2);
  f().onalabel(CX(2, 2) + 100, CY(2, 2) + 100 + s / 2, hx, hy, lx, ly);
  EXPECT_FALSE(m().OnLabel);
  // Labels dragged onto one spot: the lower hole wins, in one row the right-hand one.
  const double tx = CX(6, 6), ty = CY(6, 6);
  for (auto [a, d] : {std::pair(3, 7), std::pair(9, 5), std::pair(11, 7), std::pair(2, 7)}) {
    g(a, d, LabelX) = tx - CX(a, d) - s / 4;
    g(a, d, LabelY) = ty - CY(a, d) - s / 4;
  }
  f().onalabel(tx + s / 2, ty + s / 2, hx, hy, lx, ly);
  EXPECT_EQ(std::pair(hx, hy), std::pair(11, 7));
  EXPECT_EQ(std::pair(lx, ly), std::pair(11, 7));
}

// The direct tests give exactly what the full scans give, over boards that are built,
// zoomed, scrolled, resized in the boxes without a build, opened from a file with a hole
// moved, carry dragged labels and holes moved anywhere.
TEST_F(HitTest, DirectTestsEqualTheFullScansOnRandomBoards) {
  std::mt19937 rng(20261209);
  auto uni = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto& g = m().HoleGrid;
  constexpr int kRounds = 80, kPoints = 80;
  int hits = 0, traceHits = 0, regular = 0, opened = 0;
  m().DataFolder = "C:";
  for (int round = 0; round < kRounds; ++round) {
    const int across = pick(1, 100), down = pick(1, 100);
    Board(across, down);
    int movedA = 0, movedD = 0;
    if (pick(0, 3) == 0) {  // saved, one hole moved in the file, opened
      f().Command8.PerformClick();
      app.Form3().Text1.SetText("r.vcd");
      app.Form3().Command2.PerformClick();
      int hx = 0, hy = 0, lx = 0, ly = 0;  // the pointer over the board before the open
      f().OnaHole(0, 0, hx, hy, lx, ly);
      std::string bytes = folder.Read("r.vcd");
      const int a = pick(1, across), d = pick(1, down);
      movedA = a;
      movedD = d;
      std::size_t at = bytes.find("\r\n***\r\n") + 2;
      for (int i = 0; i < (d - 1) * across + a - 1; ++i) at = bytes.find("***\r\n", at) + 5;
      const std::size_t bar = bytes.find('|', at);
      bytes.replace(at, bar - at, vb::Format(Value(vb::Val(bytes.substr(at, bar - at)) + uni(-50, 50))));
      folder.Write("r.vcd", bytes);
      f().Command8.PerformClick();
      app.Form3().Text1.SetText("r.vcd");
      app.Form3().Command1.PerformClick();
      ++opened;
    }
    for (int c = pick(0, 4); c > 0; --c) {
      switch (pick(0, 4)) {
        case 0: f().ZoomBoard(uni(0.3, 3)); break;
        case 1: f().Text1.SetText(std::to_string(pick(0, 100))); break;
        case 2: f().Text2.SetText(std::to_string(pick(0, 100))); break;
        case 3: g(pick(1, across), pick(1, down), LabelX) = uni(-3000, 3000); break;
        default:
          if (pick(0, 2) == 0) g(pick(1, across), pick(1, down), HoleX) = uni(-100, 5000);
      }
    }
    m().ScrollX = pick(-600, 600);
    m().ScrollY = pick(-600, 600);
    HitScan s{m().HolesAcross.Num(), m().HolesDown.Num(), 0, m().ScrollX.Num(), m().ScrollY.Num()};
    HoleLattice lattice;
    regular += lattice.Update(g, s.across, s.down);
    const double pitch = g(2, 1, HoleX).Num() > 0 ? g(2, 1, HoleX).Num() : m().HolePitch.Num();
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < kPoints; ++i) {  // near holes, on bounds, on segments, anywhere
      const int a = pick(1, std::max(1, static_cast<int>(s.across))), d = pick(1, std::max(1, static_cast<int>(s.down)));
      double x = vb::Int(g(a, d, HoleX).Num()) + s.scrollX, y = vb::Int(g(a, d, HoleY).Num()) + s.scrollY;
      switch (pick(0, 3)) {
        case 0: x += uni(-0.2, 0.2) * pitch; y += uni(-0.2, 0.2) * pitch; break;
        case 1: x += vb::Int(pick(-1, 1) * pitch / 10); y += pick(-1, 1) * pitch / 4; break;
        case 2: x += pitch / 2 + uni(-0.3, 0.3) * pitch; y += uni(-0.3, 0.3) * pitch; break;
        default: x = uni(-1000, 9000); y = uni(-1000, 9000);
      }
      points.emplace_back(x, y);
    }
    if (movedA != 0) {  // the moved hole's new place and its column's place in its row
      points.emplace_back(vb::Int(g(movedA, movedD, HoleX).Num()) + s.scrollX, vb::Int(g(movedA, movedD, HoleY).Num()) + s.scrollY);
      if (movedD > 1)
        points.emplace_back(vb::Int(g(movedA, movedD - 1, HoleX).Num()) + s.scrollX, vb::Int(g(movedA, movedD, HoleY).Num()) + s.scrollY);
    }
    s.size = (m().HolePitch / m().PitchDivisor).Num();
    for (auto [x, y] : points) {
      int hx = 0, hy = 0, lx = 0, ly = 0;
      f().OnaHole(x, y, hx, hy, lx, ly);
      const BoardHit hole = ScanHole(g, s, x, y);
      ASSERT_EQ(std::pair(hx, hy), std::pair(hole.x, hole.y)) << "round " << round << " at " << x << ", " << y;
      hits += hole.Hit();
    }
    s.size = (m().HolePitch / m().PitchDivisor / m().SizeDivisor).Num();
    for (int horizontal : {0, 1}) {
      f().Check1.SetValue(horizontal);
      for (auto [x, y] : points) {
        int hx = 0, hy = 0, lx = 0, ly = 0;
        f().OnaTrace(x, y, hx, hy, lx, ly);
        const BoardHit seg = ScanTrace(g, s, horizontal == 1, x, y);
        ASSERT_EQ(std::pair(hx, hy), std::pair(seg.x, seg.y)) << "round " << round << " horizontal " << horizontal;
        traceHits += seg.Hit();
      }
    }
  }
  EXPECT_GT(hits, kRounds * kPoints / 10);
  EXPECT_GT(traceHits, kRounds * kPoints / 10);
  EXPECT_GT(opened, kRounds / 8);
  EXPECT_GT(regular, kRounds / 3);  // both direct answers and scans of irregular boards
  EXPECT_LT(regular, kRounds - 5);
}

}  // namespace
