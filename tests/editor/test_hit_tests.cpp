// The hole, strip-segment and label hit tests: their strict bounds, the last hit in scan
// order, the remembered pair, and the direct hole and segment tests against the full scans.
#include <gtest/gtest.h>

#include <random>

#include "editor/editing/hit_tests.h"
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
  double R() { return m().HolePitch.Num() / 10; }
};

struct Probe {
  const char* what;
  double dx, dy;  // offset from the centre of hole (4, 6), in hit half-widths
  int hitX, hitY;
};

TEST_F(HitTest, HoleSquareIsStrictAndMissesKeepTheRememberedPair) {
  ASSERT_GT(R(), 2);
  const Probe probes[] = {
      {"centre", 0, 0, 4, 6},          {"just inside left", -0.99, 0, 4, 6}, {"just inside corner", 0.99, -0.99, 4, 6},
      {"left bound", -1, 0, 0, 0},      {"right bound", 1, 0, 0, 0},          {"top bound", 0, -1, 0, 0},
      {"bottom bound", 0, 1, 0, 0},     {"corner", 1, 1, 0, 0},               {"between holes", 5, 0, 0, 0},
  };
  for (const Probe& p : probes) {
    int hx = -1, hy = -1, lastX = 9, lastY = 8;
    f().OnaHole(CX(4, 6) + p.dx * R(), CY(4, 6) + p.dy * R(), hx, hy, lastX, lastY);
    EXPECT_EQ(hx, p.hitX) << p.what;
    EXPECT_EQ(hy, p.hitY) << p.what;
    EXPECT_EQ(lastX, p.hitX ? p.hitX : 9) << p.what;
    EXPECT_EQ(lastY, p.hitY ? p.hitY : 8) << p.what;
  }
}

TEST_F(HitTest, SegmentsBetweenHolesAlongRowsAndColumns) {
  const double q = (m().HolePitch / m().PitchDivisor / m().SizeDivisor).Num();  // the band's half-width
  const double midX = (CX(1, 3) + CX(2, 3)) / 2, midY = CY(1, 3);
  struct Case {
    const char* what;
    int horizontal;
    double x, y;
    int hitX, hitY;
  };
  const Case cases[] = {
      {"rows: column 1 has no segment; between 1 and 2 is column 2", 1, midX, midY, 2, 3},
      {"rows: band edge above", 1, midX, midY - q, 0, 0},
      {"rows: near the hole (quarter pitch kept clear)", 1, CX(1, 3) + q, midY, 0, 0},
      {"rows: last column", 1, (CX(14, 15) + CX(15, 15)) / 2, CY(15, 15) + q * 0.9, 15, 15},
      {"columns: between rows 2 and 3 of column 5", 0, CX(5, 2), (CY(5, 2) + CY(5, 3)) / 2, 5, 3},
      {"columns: between columns is not a segment", 0, midX, (CY(5, 2) + CY(5, 3)) / 2, 0, 0},
      {"columns: band edge on the lower hole", 0, CX(5, 2), CY(5, 3) - q, 0, 0},
  };
  for (const Case& c : cases) {
    f().Check1.SetValue(c.horizontal);
    int hx = -1, hy = -1, keepX = 0, keepY = 0;
    m().OnTrace = !c.hitX;
    f().OnaTrace(c.x, c.y, hx, hy, keepX, keepY);
    EXPECT_EQ(hx, c.hitX) << c.what;
    EXPECT_EQ(hy, c.hitY) << c.what;
    EXPECT_EQ(m().OnTrace, c.hitX != 0) << c.what;
  }
}

TEST_F(HitTest, OneHoleBoardsHaveNoSegmentsAndEmptyBoxesScanNothing) {
  int hx = 0, hy = 0, lx = 0, ly = 0;
  const double midX = (CX(1, 3) + CX(2, 3)) / 2;
  f().Text1.SetText("1");  // one hole across, strips along rows
  f().OnaTrace(midX, CY(1, 3), hx, hy, lx, ly);
  EXPECT_FALSE(m().OnTrace);
  f().Text1.SetText("15");
  f().Text2.SetText("1");  // one hole down, strips along columns
  f().Check1.SetValue(0);
  f().OnaTrace(CX(1, 1), (CY(1, 1) + CY(1, 2)) / 2, hx, hy, lx, ly);
  EXPECT_FALSE(m().OnTrace);
  f().Text2.SetText("");
  f().OnaHole(CX(1, 1), CY(1, 1), hx, hy, lx, ly);
  EXPECT_EQ(hx, 0);
  EXPECT_EQ(lx, 0);
}

// The board loops take their extent from the size boxes at the time of the call: holes that
// were never built lie at position 0 and answer there, the last one in scan order winning.
TEST_F(HitTest, SizeBoxChangedWithoutRebuildingChangesTheExtentAtOnce) {
  int hx = 0, hy = 0, lx = 0, ly = 0;
  f().Text1.SetText("10");
  f().OnaHole(CX(12, 2), CY(12, 2), hx, hy, lx, ly);
  EXPECT_EQ(hx, 0);
  f().Text1.SetText("20");
  f().Text2.SetText("17");
  f().OnaHole(CX(12, 2), CY(12, 2), hx, hy, lx, ly);
  EXPECT_EQ(hx, 12);
  EXPECT_EQ(hy, 2);
  f().OnaHole(CX(1, 1), CY(1, 1), hx, hy, lx, ly);  // (1, 1) and every unbuilt hole sit at 0, 0
  EXPECT_EQ(hx, 20);
  EXPECT_EQ(hy, 17);
}

TEST_F(HitTest, LabelBoxesAndOverlappingLabels) {
  auto& g = m().HoleGrid;
  const double s = R() * 2;
  int hx = 0, hy = 0, lx = 0, ly = 0;
  // An empty hole's box lies at the reset offset 100, 100.
  f().onalabel(CX(2, 2) + 100 + s / 2, CY(2, 2) + 100 + s / 2, hx, hy, lx, ly);
  EXPECT_TRUE(m().OnLabel);
  EXPECT_EQ(hx, 2);
  f().onalabel(CX(2, 2) + 100, CY(2, 2) + 100 + s / 2, hx, hy, lx, ly);  // on the corner's edge
  EXPECT_FALSE(m().OnLabel);
  EXPECT_EQ(hx, 0);
  // Labels of (3, 7) and (9, 5) dragged onto one spot: the lower hole wins; in one row the
  // right-hand one.
  const double tx = CX(6, 6), ty = CY(6, 6);
  g(3, 7, LabelX) = tx - CX(3, 7);
  g(3, 7, LabelY) = ty - CY(3, 7);
  g(9, 5, LabelX) = tx - CX(9, 5) - s / 4;
  g(9, 5, LabelY) = ty - CY(9, 5) - s / 4;
  f().onalabel(tx + s / 2, ty + s / 2, hx, hy, lx, ly);
  EXPECT_EQ(hx, 3);
  EXPECT_EQ(hy, 7);
  g(11, 7, LabelX) = tx - CX(11, 7);
  g(11, 7, LabelY) = ty - CY(11, 7);
  f().onalabel(tx + s / 2, ty + s / 2, hx, hy, lx, ly);
  EXPECT_EQ(hx, 11);
  EXPECT_EQ(lx, 11);
  EXPECT_EQ(ly, 7);
}

// The direct hole and segment tests give exactly what the full scans give, over boards that
// are built, zoomed, scrolled, resized in the boxes without a build, carry dragged labels and
// holes moved anywhere.
TEST_F(HitTest, DirectTestsEqualTheFullScansOnRandomBoards) {
  std::mt19937 rng(20261209);
  auto uni = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto& g = m().HoleGrid;
  int compared = 0, hits = 0, traceHits = 0;
  constexpr int kRounds = 80, kPoints = 80;
  int regular = 0;
  for (int round = 0; round < kRounds; ++round) {
    const int across = pick(1, 100), down = pick(1, 100);
    Board(across, down);
    const int changes = pick(0, 4);
    for (int c = 0; c < changes; ++c) {
      switch (pick(0, 4)) {
        case 0: f().ZoomBoard(uni(0.3, 3)); break;
        case 1:  // a size box typed without a new build
          f().Text1.SetText(std::to_string(pick(0, 100)));
          break;
        case 2: f().Text2.SetText(std::to_string(pick(0, 100))); break;
        case 3:  // a dragged label
          g(pick(1, across), pick(1, down), LabelX) = uni(-3000, 3000);
          break;
        default:  // a hole moved anywhere (a hand-made design file)
          if (pick(0, 2) == 0) g(pick(1, across), pick(1, down), HoleX) = uni(-100, 5000);
          break;
      }
    }
    m().ScrollX = pick(-600, 600);
    m().ScrollY = pick(-600, 600);
    HitScan s;
    s.across = vb::Val(f().Text1.Text());
    s.down = vb::Val(f().Text2.Text());
    s.scrollX = m().ScrollX.Num();
    s.scrollY = m().ScrollY.Num();
    const double pitch = m().HolePitch.Num() * (g(2, 1, HoleX).Num() > 0 ? g(2, 1, HoleX).Num() / m().HolePitch.Num() : 1);
    HoleLattice lattice;
    regular += lattice.Update(g, s.across, s.down);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < kPoints; ++i) {
      // Points near holes and segment bands, on their bounds, and anywhere.
      const int a = pick(1, std::max(1, static_cast<int>(s.across))), d = pick(1, std::max(1, static_cast<int>(s.down)));
      double x = vb::Int(g(a, d, HoleX).Num()) + s.scrollX, y = vb::Int(g(a, d, HoleY).Num()) + s.scrollY;
      switch (pick(0, 3)) {
        case 0: x += uni(-0.2, 0.2) * pitch; y += uni(-0.2, 0.2) * pitch; break;
        case 1: x += vb::Int(pick(-1, 1) * pitch / 10) * 1.0; y += pick(-1, 1) * pitch / 4; break;
        case 2: x += pitch / 2 + uni(-0.3, 0.3) * pitch; y += uni(-0.3, 0.3) * pitch; break;
        default: x = uni(-1000, 9000); y = uni(-1000, 9000); break;
      }
      points.emplace_back(x, y);
    }
    for (auto [x, y] : points) {
      s.size = (m().HolePitch / m().PitchDivisor).Num();
      int hx = 0, hy = 0, lx = 0, ly = 0;
      f().OnaHole(x, y, hx, hy, lx, ly);
      const BoardHit hole = ScanHole(g, s, x, y);
      ASSERT_EQ(hx, hole.x) << "round " << round << " point " << x << ", " << y;
      ASSERT_EQ(hy, hole.y) << "round " << round;
      hits += hole.Hit();
      ++compared;
    }
    // Strips along columns, then along rows (the option renumbers the strips only).
    for (int horizontal : {0, 1}) {
      f().Check1.SetValue(horizontal);
      s.size = (m().HolePitch / m().PitchDivisor / m().SizeDivisor).Num();
      for (auto [x, y] : points) {
        int hx = 0, hy = 0, lx = 0, ly = 0;
        f().OnaTrace(x, y, hx, hy, lx, ly);
        const BoardHit seg = ScanTrace(g, s, horizontal == 1, x, y);
        ASSERT_EQ(hx, seg.x) << "round " << round << " horizontal " << horizontal;
        ASSERT_EQ(hy, seg.y) << "round " << round;
        traceHits += seg.Hit();
      }
    }
  }
  EXPECT_EQ(compared, kRounds * kPoints);
  EXPECT_GT(hits, kRounds * kPoints / 10);
  EXPECT_GT(traceHits, kRounds * kPoints / 10);
  // Both the direct answers and the scans of irregular boards were compared.
  EXPECT_GT(regular, kRounds / 3);
  EXPECT_LT(regular, kRounds - 5);
}

}  // namespace
