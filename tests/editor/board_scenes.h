// Boards used by the image comparison tests and the benchmarks: the default part records,
// parts placed pin by pin the way placement leaves them, and cut strips.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editor/module1.h"
#include "platform/strings.h"
#include "tests/editor/library_records.h"
#include "tests/editor/part_helpers.h"

namespace scenes {

// The twelve records of the default part library, in library order.
using libtest::DefaultRecords;

inline std::string Word(const std::string& record, int i) {
  const auto words = SplitRecord(record);
  return i < static_cast<int>(words.size()) ? words[i] : std::string();
}

// Holes between neighbouring rows of a part: its pin pitch in tenths of an inch.
inline int PitchHoles(const std::string& record) {
  const int n = static_cast<int>(vb::Round(vb::Val(Word(record, 1)) * 10));
  return n < 1 ? 1 : n;
}

// The pins of a record placed with pin 1 at (a, d): a single row runs down (or across);
// a dual-row part runs down its first row and back up the second, the pitch to its right.
inline std::vector<std::pair<int, int>> PinsOf(const std::string& record, int a, int d, bool across = false) {
  const int pins = static_cast<int>(vb::Val(Word(record, 3)));
  const int pitch = PitchHoles(record);
  const bool dual = Word(record, 2).substr(0, 1) == "D";
  std::vector<std::pair<int, int>> out;
  if (pins == 2) {
    out.push_back({a, d});
    out.push_back(across ? std::make_pair(a + pitch, d) : std::make_pair(a, d + pitch));
  } else if (dual) {
    const int half = pins / 2;
    for (int i = 0; i < half; ++i) out.push_back({a, d + i});
    for (int i = half - 1; i >= 0; --i) out.push_back({a + pitch, d + i});
  } else {
    for (int i = 0; i < pins; ++i) out.push_back(across ? std::make_pair(a + i, d) : std::make_pair(a, d + i));
  }
  return out;
}

inline void Place(Module1& m, const std::string& record, int a, int d, const std::string& reference,
                  bool across = false) {
  parttest::PlacePart(m, PinsOf(record, a, d, across), record, reference);
}

// Every default record on a board of at least 30 x 30 holes, in three bands: pins running
// down, then the two-pin records turned across.
inline void EveryDefaultRecord(Module1& m) {
  const auto& records = DefaultRecords();
  int a = 3;
  for (size_t i = 0; i < records.size(); ++i) {
    Place(m, records[i], a, 3, "U" + std::to_string(i + 1));
    a += vb::Val(Word(records[i], 3)) > 2 && Word(records[i], 2)[0] == 'D' ? PitchHoles(records[i]) + 2 : 2;
  }
  int row = 17;
  int col = 3;
  for (size_t i = 0; i < records.size(); ++i) {
    if (vb::Val(Word(records[i], 3)) != 2) continue;
    Place(m, records[i], col, row, "A" + std::to_string(i + 1), true);
    col += PitchHoles(records[i]) + 3;
    if (col > 24) {
      col = 3;
      row += 4;
    }
  }
}

// Two hundred two-pin parts spread over a 100 x 100 board, the two-pin default records in turn.
inline void TwoHundredParts(Module1& m) {
  std::vector<std::string> twoPin;
  for (const auto& r : DefaultRecords())
    if (vb::Val(Word(r, 3)) == 2) twoPin.push_back(r);
  for (int k = 0; k < 200; ++k) {
    const std::string& record = twoPin[k % twoPin.size()];
    Place(m, record, 2 + (k % 20) * 5, 2 + (k / 20) * 10, "R" + std::to_string(k + 1), k % 3 == 2);
  }
}

// Cut strips and a strip split in two, away from the board's first and last columns and
// first row.
inline void Cuts(Module1& m) {
  for (auto [a, d] : std::vector<std::pair<int, int>>{{5, 5}, {9, 3}, {7, 14}, {12, 9}})
    m.HoleGrid(a, d, KelmNet) = 0;
  m.HoleGrid(10, 11, KelmNet) = 0;
  for (int a = 8; a <= 14; ++a) m.HoleGrid(a, 12, KelmNet) = 99;
}

}  // namespace scenes
