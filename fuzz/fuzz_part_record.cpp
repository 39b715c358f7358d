// A part record through the outline geometry: the record is placed on a ring of pins (the
// first byte chooses how many and where) and its outline computed. Nothing may stop the
// computation; every line has finite ends, a pen of 1 to 100 pixels and a colour of the
// table; the second hole comes back as a hole of the board. The part editor's drawing grid is
// laid around every number of the record as its loader would put the pen there, and with
// every number as the step: its lines stay within reach of the picture and never outnumber
// what the picture holds, however large the numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/board/part_drawing.h"
#include "fuzz_support.h"
#include "tests/editor/part_helpers.h"
#include "editor/board/part_record.h"
#include "parteditor/part_library.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

constexpr int kBoard = 30;

Module1& Board() {
  static const std::unique_ptr<Module1> m = [] {
    auto made = std::make_unique<Module1>();
    parttest::SetBoard(*made, kBoard, kBoard, 300);
    made->ScrollX = 500;
    made->ScrollY = 500;
    return made;
  }();
  return *m;
}

void Clear(Module1& m, const std::vector<std::pair<int, int>>& pins) {
  for (auto [a, d] : pins)
    for (int k = PinNumber; k <= XYs; ++k)
      if (k != KelmNet) m.HoleGrid(a, d, k) = Value();
}

// The pins of one ring: one to twelve pins along a row, down a column, on a diagonal, or in
// two rows the way a dual-row part lies.
std::vector<std::pair<int, int>> Ring(std::uint8_t shape) {
  const int count = 1 + shape % 12;
  const int kind = (shape / 12) % 5;
  std::vector<std::pair<int, int>> pins;
  for (int i = 0; i < count; ++i) {
    switch (kind) {
      case 0: pins.push_back({10, 10 + i}); break;
      case 1: pins.push_back({10 + i, 10}); break;
      case 2: pins.push_back({10 + i, 10 + i}); break;
      case 3: pins.push_back({15 - i, 15 - i}); break;
      default: pins.push_back(i < (count + 1) / 2 ? std::make_pair(10, 10 + i) : std::make_pair(13, 10 + count - 1 - i));
    }
  }
  return pins;
}

// The part editor's grid around a pen at `pen` with a step of `step`, as its redraw lays it on
// its picture of 900 units.
void CheckGrid(double pen, double step) {
  constexpr double kPicture = 900, kLow = -kPicture, kHigh = 2 * kPicture;
  double lines = 0;
  auto line = [&](double v) {
    fuzzing::Check(v >= kLow && v <= kHigh, "a grid line far off the picture");
    ++lines;
  };
  moravint::ForEachGridLine(pen + step / 2, kPicture, step, kLow, kHigh, line);
  moravint::ForEachGridLine(0, pen - step / 2, step, kLow, kHigh, line);
  fuzzing::Check(lines <= 2 * ((kHigh - kLow) / step + 1), "more grid lines than the picture holds");
}

// Every number among the record's first words as a pen coordinate (origin 125, 20 units to
// one record unit, as the part editor loads it) and, from 1 on, as the step.
void CheckGrids(const std::string& record) {
  std::size_t p = 0;
  for (int words = 0; words < 40 && p < record.size(); ++words) {
    std::size_t blank = record.find(' ', p);
    if (blank == std::string::npos) blank = record.size();
    double v = 0;
    try {
      v = vb::Val(record.substr(p, blank - p));
    } catch (const vb::RuntimeError&) {
      v = 0;  // too large for any number: the part editor refuses it
    }
    p = blank + 1;
    CheckGrid(125 + 20 * v, 10);
    if (v >= 1 && std::isfinite(v)) CheckGrid(125, v);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  Module1& m = Board();
  const auto pins = Ring(data[0]);
  OutlineView view;
  view.horizontal = (data[1] & 1) != 0;
  view.flipped = (data[1] & 2) != 0;
  const std::string record(reinterpret_cast<const char*>(data + 2), size - 2);
  // The ring as placement leaves it; the record goes on the first pin unchanged.
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const auto [a, d] = pins[i];
    const auto [na, nd] = pins[(i + 1) % pins.size()];
    m.HoleGrid(a, d, PinNumber) = static_cast<int>(i + 1);
    m.HoleGrid(a, d, CompName) = std::string("U1");
    m.HoleGrid(a, d, CompXFrom) = pins[0].first;
    m.HoleGrid(a, d, CompYFrom) = pins[0].second;
    m.HoleGrid(a, d, CompXToo) = na;
    m.HoleGrid(a, d, CompYToo) = nd;
    m.HoleGrid(a, d, LabelX) = 100;
    m.HoleGrid(a, d, LabelY) = 100;
    m.HoleGrid(a, d, CompOffset) = 0;
    m.HoleGrid(a, d, XYs) = i == 0 ? Value(record) : Value(std::string());
  }
  if (data[1] & 4) m.HoleGrid(pins[0].first, pins[0].second, CompOffset) = static_cast<int>(data[1] >> 3) - 16;

  const auto [x1, y1] = pins.front();
  Value x3 = x1, y3 = y1;
  if (pins.size() > 1) {
    const auto p2 = pins[1];
    const auto p3 = pins[2 % pins.size()];
    x3 = p3.first == x1 && p3.second == y1 ? p2.first : p3.first;
    y3 = p3.first == x1 && p3.second == y1 ? p2.second : p3.second;
  }
  CheckGrids(record);
  const Outline outline = OutlineOf(m, record, x1, y1, x3, y3, view);
  for (const OutlineLine& line : outline.lines) {
    fuzzing::Check(std::isfinite(line.x1) && std::isfinite(line.y1) && std::isfinite(line.x2) && std::isfinite(line.y2),
                   "a line end is not a number");
    fuzzing::Check(line.width >= 1 && line.width <= 100, "pen width out of range");
    fuzzing::Check(line.colour >= 0 && line.colour <= 0xFFFFFF, "colour out of range");
  }
  fuzzing::Check(x3.IsNumber() && y3.IsNumber() && x3.Num() >= 0 && x3.Num() <= 100 && y3.Num() >= 0 && y3.Num() <= 100,
                 "second hole off the grid");
  fuzzing::Check(std::isfinite(outline.label.x) && std::isfinite(outline.label.y), "label position not a number");
  fuzzing::Check(m.PinListX.empty() && m.PinListY.empty(), "pin list left filled");
  Clear(m, pins);
  return 0;
}
