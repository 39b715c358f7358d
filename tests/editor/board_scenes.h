// Boards used by the image comparison tests and the benchmarks: the default part records,
// parts placed pin by pin the way placement leaves them, and cut strips.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editor/module1.h"
#include "platform/strings.h"
#include "tests/editor/part_helpers.h"

namespace scenes {

// The twelve records of the default part library, in library order.
inline const std::vector<std::string>& DefaultRecords() {
  static const std::vector<std::string> records = {
      "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 9.5 A 1 9.5 0 9.5 A 0 9.5 0 10 A 0 10 0 9.5 A 0 9.5 -1 9.5 "
      "A -1 9.5 -1 .5 A -1 .5 0 .5 A 0 .5 0 0 *",
      "Radial 0.1 AR 2 2 1 A 0 0 0 1.5 A 0 1.5 -1 1 A -1 1 -1.5 0 A -1.5 0 -1 -1 A -1 -1 0 -1.5 A 0 -1.5 1 -1 "
      "A 1 -1 1.5 0 A 1.5 0 1 1 A 1 1 0 1.5 A 0 1.5 0 2 A 0 2 0 1.5 A 0 1.5 0 0 *",
      "JMP 0.2 AO 2 2 0 S 0 0 -1 -1 A -1 -1 1 -1 A 1 -1 1 4 A 1 4 -1 4 A -1 4 -1 -1 S -1 -1 0 0 *",
      "Disk 0.1 AR 2 2 1 A 0 0 0 .5 A 0 .5 .5 .5 A .5 .5 1 1.5 A 1 1.5 1 2.5 A 1 2.5 .5 3.5 A .5 3.5 0 3.5 "
      "A 0 3.5 0 4 A 0 4 0 3.5 A 0 3.5 0 3.5 A 0 3.5 -.5 3.5 A -.5 3.5 -1 2.5 A -1 2.5 -1 1.5 A -1 1.5 -.5 .5 "
      "A -.5 .5 0 .5 A 0 .5 0 0 *",
      "Con5 0.1 AO 5 2 0 S 0 0 0 -1 A 0 -1 1 -1 A 1 -1 1 13 A 1 13 -1 13 A -1 13 -1 -1 A -1 -1 0 -1 S 0 -1 0 0 *",
      "Con2x5 0.1 DO 10 2 0 S 0 0 -1.5 -1.5 A -1.5 -1.5 4.5 -1.5 A 4.5 -1.5 4.5 13.5 A 4.5 13.5 -1.5 13.5 "
      "A -1.5 13.5 -1.5 -1.5 *",
      "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *",
      "Res1K 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 1.15 B 1 1.15 -1 1.15 B -1 1.15 -1 1.3 B -1 1.3 1 1.3 "
      "B 1 1.3 1 1.5 B 1 1.5 -1 1.5 B -1 1.5 -1 1.65 B -1 1.65 1 1.65 A 1 1.65 1 1.8 A 1 1.8 -1 1.8 A -1 1.8 -1 2 "
      "A -1 2 1 2 A 1 2 1 2.15 A 1 2.15 -1 2.15 A -1 2.15 -1 2.3 A -1 2.3 1 2.3 A 1 2.3 1 2.5 C 1 2.5 -1 2.5 "
      "C -1 2.5 -1 2.65 C -1 2.65 1 2.65 C 1 2.65 1 2.8 C 1 2.8 -1 2.8 C -1 2.8 -1 3 C -1 3 1 3 A 1 3 1 5.15 "
      "A 1 5.15 0 5.15 A 0 5.15 0 5.3 A 0 5.3 0 5.15 A 0 5.15 -1 5.15 A -1 5.15 -1 3 C -1 3 1 3 C 1 3 1 2.8 "
      "C 1 2.8 -1 2.8 C -1 2.8 -1 2.65 C -1 2.65 1 2.65 C 1 2.65 1 2.5 C 1 2.5 -1 2.5 A -1 2.5 -1 2.3 "
      "A -1 2.3 1 2.3 A 1 2.3 1 2.15 A 1 2.15 -1 2.15 A -1 2.15 -1 2 A -1 2 1 2 A 1 2 1 1.8 A 1 1.8 -1 1.8 "
      "A -1 1.8 -1 1.65 B -1 1.65 1 1.65 B 1 1.65 1 1.5 B 1 1.5 -1 1.5 B -1 1.5 -1 1.3 B -1 1.3 1 1.3 "
      "B 1 1.3 1 1.15 B 1 1.15 -1 1.15 A -1 1.15 -1 .5 A -1 .5 0 .5 A 0 .5 0 0 *",
      "ResSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 1 A 1 1 -1 1.5 A -1 1.5 1 2 A 1 2 -1 2.5 A -1 2.5 1 3 A 1 3 -1 3.5 "
      "A -1 3.5 1 4 A 1 4 -1 4.5 A -1 4.5 1 5 A 1 5 0 5.5 A 0 5.5 0 6 *",
      "CapSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1.5 .5 A 1.5 .5 -1.5 .5 S -1.5 .5 -1.5 1 A -1.5 1 1.5 1 A 1.5 1 0 1 "
      "A 0 1 0 3 *",
      "IndSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 1 A 1 1 -1 1 A -1 1 -1 1.5 A -1 1.5 1 1.5 A 1 1.5 1 2 "
      "A 1 2 -1 2 A -1 2 -1 2.5 A -1 2.5 1 2.5 A 1 2.5 1 3 A 1 3 -1 3 A -1 3 -1 3.5 A -1 3.5 1 3.5 A 1 3.5 1 4 "
      "A 1 4 -1 4 A -1 4 -1 4.5 A -1 4.5 0 4.5 A 0 4.5 0 5 *",
      "Dip6 0.3 DO 6 2 0 A 0 0 1 0 A 1 0 1 3 A 1 3 0 3 A 0 3 1 3 A 1 3 1 6 A 1 6 0 6 A 0 6 1 6 A 1 6 1 6.5 "
      "A 1 6.5 8 6.5 A 8 6.5 8 6 A 8 6 9 6 A 9 6 8 6 A 8 6 8 3 A 8 3 9 3 A 9 3 8 3 A 8 3 8 0 A 8 0 9 0 A 9 0 8 0 "
      "A 8 0 8 -.5 A 8 -.5 1 -.5 A 1 -.5 1 0 A 1 0 1.5 0 A 1.5 0 1.5 -.5 A 1.5 -.5 1 -.5 A 1 -.5 1 0 A 1 0 0 0 *",
  };
  return records;
}

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
