// Test helpers for placed parts: hole positions for a board, and a closed pin ring written
// the way placement leaves it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editor/board/part_record.h"
#include "editor/module1.h"
#include "platform/strings.h"

namespace parttest {

// Hole positions of an across x down board at the given pitch, hole (1, 1) at (0, 0), as the
// grid's BuildArray leaves them; also the board size and pitch values.
inline void SetBoard(Module1& m, int across, int down, double pitch) {
  m.HolesAcross = across;
  m.HolesDown = down;
  m.HolePitch = pitch;
  for (int d = 1; d <= down; ++d) {
    for (int a = 1; a <= across; ++a) {
      m.HoleGrid(a, d, HoleX) = pitch * (a - 1);
      m.HoleGrid(a, d, HoleY) = pitch * (d - 1);
    }
  }
}

// Writes a closed ring of pins (across, down), pin 1 first: pin number, fit flag, reference,
// first pin, next pin, value, part name, the label offsets 100/100, offset 0, and the record
// on pin 1.
inline void PlacePart(Module1& m, const std::vector<std::pair<int, int>>& pins, const std::string& record,
                      const std::string& reference = "R1", const std::string& value = "") {
  const std::vector<std::string> words = SplitRecord(record);
  const auto word = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };
  const auto [fx, fy] = pins.front();
  for (size_t i = 0; i < pins.size(); ++i) {
    const auto [a, d] = pins[i];
    const auto [na, nd] = pins[(i + 1) % pins.size()];
    m.HoleGrid(a, d, PinNumber) = static_cast<int>(i + 1);
    m.HoleGrid(a, d, PartFit) = vb::Val(word(5));
    m.HoleGrid(a, d, CompName) = reference;
    m.HoleGrid(a, d, CompXFrom) = fx;
    m.HoleGrid(a, d, CompYFrom) = fy;
    m.HoleGrid(a, d, CompXToo) = na;
    m.HoleGrid(a, d, CompYToo) = nd;
    m.HoleGrid(a, d, CompValue) = value;
    m.HoleGrid(a, d, CompPackage) = word(0);
    m.HoleGrid(a, d, LabelX) = 100;
    m.HoleGrid(a, d, LabelY) = 100;
    m.HoleGrid(a, d, CompOffset) = 0;
    m.HoleGrid(a, d, XYs) = i == 0 ? Value(record) : Value("");
  }
}

}  // namespace parttest
