// The outline of one placed part, computed from its record and its pin ring without drawing
// anything: Form1::DrawComp draws what OutlineOf returns.
#pragma once

#include <string>
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

// Computes the outline of the part whose first pin is (x1, y1). (x3, y3) is a second hole of
// the part, or (x1, y1) for a one-pin part; it is overwritten with pin 2 (or, for a one-pin
// part, with the hole to the right of the pin, column 1 past the last column). Fills and
// then empties m.PinListX/Y and clears PrevPinX/PrevPinY for style "M".
Outline OutlineOf(Module1& m, const std::string& record, const Value& x1, const Value& y1, Value& x3,
                  Value& y3, const OutlineView& view);

// Sizes PinListX/PinListY to 101 entries and fills them with the (across, down) of the pins of
// the ring that starts at (x, y), pin (x, y) first. Returns the number of pins stored.
int BuildPinList(Module1& m, const Value& x, const Value& y);

// Mean screen position of the pins of the ring through (x, y); clears PrevPinX/PrevPinY.
void MeanXY(Module1& m, const Value& x, const Value& y, double& mx, double& my);
