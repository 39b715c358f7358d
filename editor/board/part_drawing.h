// The outline of one placed part, computed from its record and its pin ring without drawing
// anything: Form1::DrawComp draws what OutlineOf returns.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "editor/module1.h"
#include "platform/color.h"

// One line of an outline, in board picture units, with its pen.
struct OutlineLine {
  double x1, y1, x2, y2;
  vb::Colour colour;
  int width;  // pixels
};

// The part's reference text and where it is printed.
struct OutlineLabel {
  double x = 0, y = 0;
  double fontSize = 6;
  std::string text;
};

struct Outline {
  OutlineLabel label;
  std::vector<OutlineLine> lines;  // in drawing order, lead lines last
};

// What the outline reads from the main window besides the grid.
struct OutlineView {
  bool horizontal = true;  // the "Horizontal" option: every outline 2 pixels wide
  bool flipped = false;    // the board view is mirrored
};

// What the outline takes from a part record, read once: the words the placement reads and the
// ops in record order.
struct RecordOp {
  std::string letter;
  bool readable = false;  // all four numbers are numbers the runtime can hold
  double sx = 0, sy = 0, ex = 0, ey = 0;
};
struct ParsedRecord {
  double maxY = 0;  // the largest y2 of the ops, at least 0
  std::string placement, style;  // letters 1 and 2 of the package code
  double pinCount = 0;           // word 3
  double penWidth = 0;           // word 4
  bool fitFromStart = false;     // word 5 is the number 1
  bool fitted = false;           // word 5 is "1" once trimmed
  std::vector<RecordOp> ops;     // up to the "*" that closes the record
};
ParsedRecord ParseRecord(const std::string& record);

// The parsed records of the texts drawn, kept by their text: a record drawn again is not read
// again, and a changed text is a new key, so what comes back always belongs to the text given.
class RecordCache {
 public:
  // Valid until the next call.
  const ParsedRecord& Of(const std::string& record);

 private:
  std::unordered_map<std::string, ParsedRecord> parsed_;
};

// Computes the outline of the part whose first pin is (x1, y1). (x3, y3) is a second hole of
// the part, or (x1, y1) for a one-pin part; it is overwritten with pin 2 (or, for a one-pin
// part, with the hole to the right of the pin, column 1 past the last column). Fills and
// then empties m.PinListX/Y and clears PrevPinX/PrevPinY for style "M".
Outline OutlineOf(Module1& m, const std::string& record, const Value& x1, const Value& y1, Value& x3,
                  Value& y3, const OutlineView& view);
Outline OutlineOf(Module1& m, const ParsedRecord& record, const Value& x1, const Value& y1, Value& x3,
                  Value& y3, const OutlineView& view);

// Sizes PinListX/PinListY to 101 entries and fills them with the (across, down) of the pins of
// the ring that starts at (x, y), pin (x, y) first. Returns the number of pins stored.
int BuildPinList(Module1& m, const Value& x, const Value& y);

// Mean screen position of the pins of the ring through (x, y); clears PrevPinX/PrevPinY.
void MeanXY(Module1& m, const Value& x, const Value& y, double& mx, double& my);
