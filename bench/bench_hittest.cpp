// The hole under the pointer on a 100 x 100 board: the direct test that every pointer move
// runs, against the full scan of the board, over pointer positions spread across the board.
#include <benchmark/benchmark.h>

#include <memory>

#include "editor/editing/hit_tests.h"

namespace {

constexpr int kSide = 100;
constexpr double kPitch = 281;

std::unique_ptr<HoleGridTable> Board() {
  auto g = std::make_unique<HoleGridTable>();
  for (int d = 1; d <= kSide; ++d)
    for (int a = 1; a <= kSide; ++a) {
      (*g)(a, d, HoleX) = kPitch * (a - 1);
      (*g)(a, d, HoleY) = kPitch * (d - 1);
    }
  return g;
}

HitScan Extent() { return HitScan{kSide, kSide, kPitch / 10, 500, 500}; }

// Pointer positions over the board, a few on holes.
double PointX(int i) { return 500 + (i * 37 % (kSide * 10)) * kPitch / 10; }
double PointY(int i) { return 500 + (i * 53 % (kSide * 10)) * kPitch / 10; }

void HoverDirect(benchmark::State& state) {
  const auto g = Board();
  const HitScan s = Extent();
  HoleLattice lattice;
  int i = 0;
  for (auto _ : state) {
    ++i;
    const BoardHit hit = lattice.Update(*g, s.across, s.down) ? lattice.Hole(s, PointX(i), PointY(i)) : BoardHit{};
    benchmark::DoNotOptimize(hit);
  }
}
BENCHMARK(HoverDirect)->Unit(benchmark::kMicrosecond);

void HoverFullScan(benchmark::State& state) {
  const auto g = Board();
  const HitScan s = Extent();
  int i = 0;
  for (auto _ : state) {
    ++i;
    benchmark::DoNotOptimize(ScanHole(*g, s, PointX(i), PointY(i)));
  }
}
BENCHMARK(HoverFullScan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
