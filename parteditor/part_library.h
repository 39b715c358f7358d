// The part library file and the drawing arithmetic of the part editor as plain functions
// over plain data: reading and writing the library's bytes, splitting a record into words,
// snapping to the grid, laying its lines, the record's coordinate texts and the style colours.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"

namespace moravint {

// The library file's name in the working folder.
inline constexpr const char* kLibraryFile = "Brantel.lib";

// What a library file holds: its records in library form (every line followed by one
// blank, the "*" line included) and the list entry of each (its first two lines, each
// followed by a blank).
struct LibraryContents {
  std::vector<std::string> records;
  std::vector<std::string> entries;
};

// Reads the bytes of a library file. Lines end in CR LF, LF or a lone CR and pass through
// the line decoder with key 0. Every line whose text, trimmed, is "*" ends a record, wherever
// it stands. Lines after the last "*" form one more record when any of them after the first
// two (the name and the pitch) holds more than blanks; otherwise they are dropped. Never
// fails: any bytes give some contents, empty bytes an empty library.
LibraryContents ReadLibrary(std::string_view bytes);

// The bytes of a whole library: every record's words up to its first word "*", then "*", one
// to a line (through the line encoder with key 0, which changes nothing), each ended by CR LF.
std::string LibraryBytes(const std::vector<std::string>& records);

// Splits a record at single blanks: two adjacent blanks give an empty word, a trailing blank
// an empty last word.
std::vector<std::string> RecordWords(const std::string& record);

// A clicked coordinate snapped to the grid: the centre of its grid cell, or the cell's lower
// edge when the rounded coordinate is a whole multiple of the step. The step is at least 1.
double SnapToGrid(double v, double step);

// Calls line(v) for v = from, from + step, from + 2 * step, ... while v is at most `to`, as a
// loop stepping up from `from` would, but only for the values from `low` to `high`: the first
// of them is found directly and the last is `high` at most, so the count never depends on how
// far `from` or `to` lie, nor on how large the step is. `step` is at least 1; `low` and
// `high` are finite.
template <class Line>
void ForEachGridLine(double from, double to, double step, double low, double high, Line line) {
  if (std::isnan(from) || std::isnan(to) || !(step > 0) || !std::isfinite(step)) return;
  double v = from;
  if (v < low) {
    // Only the remainder of the distance to `low` matters; a distance no number holds leaves
    // no way to tell it, and the lines then start at `low`.
    const double gap = low - from;
    const double rest = std::isfinite(gap) ? std::fmod(gap, step) : 0;
    v = rest == 0 ? low : low + (step - rest);
  }
  const double last = to < high ? to : high;
  for (; v <= last; v += step) {
    line(v);
    if (v + step == v) break;
  }
}

// The grid step a text gives, or 0 when it gives none: only a number of at least 1 is a step.
double StepFromText(const std::string& text);

// One record coordinate: the picture coordinate as a whole number, measured from the origin
// in record units (20 picture units), in print form without its leading blank ("0", "-1",
// ".5").
std::string RecordCoordinate(double picture, double origin);

// The picture coordinate Open takes from a record coordinate text, or false when the text
// gives none: a number too large for any number, or one whose picture position no number
// holds.
bool PictureCoordinate(const std::string& text, double origin, double* picture);

// True when the record coordinate text of a picture coordinate reads back through Open as a
// position that is written as the same text again, so that a part saved and opened keeps its
// shape. A coordinate that is no number ("1.#INF" would read back as 1) or whose text would
// read back as another number is false.
bool CoordinateReadsBack(double picture, double origin);

// The number Val reads from a box's text, or false when it is too large for any number
// ("1e400"), where Val itself would raise "Overflow".
bool BoxNumber(const std::string& text, double* out);

// Pen colour of a style letter: "A" to "J" the resistor colour code, "S" the picture's
// background, anything else black.
vb::Colour StyleColour(const std::string& style);

}  // namespace moravint
