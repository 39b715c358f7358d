// The part record as the board drawing reads it: the word split, the package-code letters,
// the colour letters of an outline op, and the two angle helpers of the outline placement.
// Plain functions over plain data; no window is needed.
#pragma once

#include <string>
#include <vector>

#include "platform/color.h"

// Word slots of one split record (0 to 2000).
constexpr int kRecordWordSlots = 2001;
// The last word of a record keeps at most this many characters.
constexpr int kRecordLastWordLength = 99;

// Splits a record at single blanks. Two adjacent blanks give an empty word, a trailing blank
// gives an empty last word, and the text after the last blank (at most 99 characters) is the
// last word. Words past slot 2000 are dropped: a longer record keeps its first 2001 words.
std::vector<std::string> SplitRecord(const std::string& record);

// The two letters of a package code as the drawing compares them: the first and the second
// character, each empty when the word is shorter.
struct PackageLetters {
  std::string placement;  // letter 1: "A", "D", "Z", "Q", "I", "F"
  std::string style;      // letter 2: "R", "O", "M"
};
PackageLetters ReadPackageCode(const std::string& word);

// Pen colour of an outline op letter: the resistor colour code "A" (0) to "J" (9), black for
// any other word. "A" draws grey RGB(200,200,200) while the board view is flipped (the board
// picture's scale width below 0).
vb::Colour GetColor(const std::string& letter, bool flipped);

// Angle of the vector (dx, dy) in radians, from the downward y axis toward the x axis, in
// (-pi/2, 3 pi/2].
double Atn2(double dy, double dx);

// Signs that orient an outline by the direction from (ax, ay) to (bx, by). Outputs that no
// matching step names keep the values they came in with.
void Quadrant(double ax, double bx, double ay, double by, int& o1, int& o2, int& o3, int& o4);
