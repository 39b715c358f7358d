// The part library file and the drawing arithmetic of the part editor as plain functions
// over plain data: reading and writing the library's bytes, splitting a record into words,
// snapping to the grid, the record's coordinate texts and the style colours.
#pragma once

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

// The grid step a text gives, or 0 when it gives none: only a number of at least 1 is a step.
double StepFromText(const std::string& text);

// One record coordinate: the picture coordinate as a whole number, measured from the origin
// in record units (20 picture units), in print form without its leading blank ("0", "-1",
// ".5").
std::string RecordCoordinate(double picture, double origin);

// The number Val reads from a box's text, or false when it is too large for any number
// ("1e400"), where Val itself would raise "Overflow".
bool BoxNumber(const std::string& text, double* out);

// Pen colour of a style letter: "A" to "J" the resistor colour code, "S" the picture's
// background, anything else black.
vb::Colour StyleColour(const std::string& style);

}  // namespace moravint
