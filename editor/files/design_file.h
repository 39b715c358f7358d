// The design file ("*.vcd"): the strip direction, the board size as typed, and for every
// hole of the board its fields 0 to 18 on one line ("|" after each) and the part record of
// a part's first pin, ended by "***". Plain functions over plain data: the writer builds
// the whole text, the reader checks a whole text before anything of it is used.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/module1.h"

// True when a name typed into the Save/Load window names a design: the text after its
// first "." (at most 99 characters, blanks trimmed; the whole text without a ".") is
// exactly "vcd" or "VCD".
bool DesignNameAccepted(const std::string& name);

// A number as the design file writes it: plain decimal with "." and a 0 before the point
// of a value below 1, no leading blank, no exponent, at most 15 significant digits as the
// runtime shows numbers (0.5, -3, 123.75; 0.1 + 0.2 is 0.3).
std::string DesignNumber(double n);
void AppendDesignNumber(double n, std::string& out);

// True when n is a finite number that the writer above writes in at most 15 significant
// digits and the reader reads back as exactly n: the numbers of at most 15 significant
// digits, as the runtime shows them (0.5, 9E+15, 1E-20; not 0.1 + 0.2, nor 2^53).
bool DesignNumberReadsBack(double n);

// The number of holes a size box's text gives the board loops: Val of the text when that is
// a whole number from 1 to 100, else -1 (no board can be saved or loaded with it).
int DesignLoopBound(const std::string& sizeText);

// The part text lines of a trimmed part record (field 19), each ended by CR LF, appended
// to `out`: the six header words on the first line, each followed by a blank; the shape
// words five to a line, each followed by a blank except the very last word. The final "*"
// is not written; the reader adds it back. A record of fewer than six words writes all its
// words on the first line, each followed by a blank, and reads back unchanged. A record
// that is only "*" holds no part and writes nothing.
void AppendPartText(const std::string& record, std::string& out);

struct DesignHeader {
  int horizontal = 1;   // the value of the "Horizontal" box
  std::string across;   // the size boxes' texts, as they stand
  std::string down;
};

// The whole file for the board in `grid`, looping over the size the header's texts give.
// Field 19 of each hole is trimmed in the grid first, as the writer stores it. Returns ""
// and fills `out`, or the reason the board cannot be written so that it reads back (a size
// outside 1 to 100, a text holding "|" or a line break, a part line that reads as "***", a
// strip number that does not read back as itself).
std::string BuildDesignText(HoleGridTable& grid, const DesignHeader& header, std::string& out);

// The header of a design read from a file and checked whole.
struct Design {
  DesignHeader header;
  int holesAcross = 0;
  int holesDown = 0;
  // The last part text read ("***" when the last hole has none).
  std::string lastPart;
};

// One hole entry of a checked design: fields 0 to 18 as numbers (the text fields' slots
// unused), the four text fields 4, 9, 10 and 11, and the part record ("" for none).
struct DesignHole {
  int across = 0;
  int down = 0;
  std::array<double, 19> numbers{};
  std::array<std::string_view, 4> texts;
  std::string part;
  // Field k as the grid holds it: a text for 4, 9, 10, 11 and 19, else a number.
  Value Field(int k) const;
};

struct DesignProblem {
  int line = 0;  // 1-based; 0 for the file as a whole
  std::string what;
};

// Reads and checks a whole design text without keeping its holes. On success fills
// `design` and returns true; otherwise fills `problem`. Any bytes are safe to hand in.
bool ReadDesignText(const std::string& bytes, Design& design, DesignProblem& problem);

// Hands every hole entry of a text that ReadDesignText accepted to `hole`, in file order
// (row by row, across changing fastest). A text it refuses gives no holes.
void ForEachDesignHole(const std::string& bytes, const std::function<void(DesignHole&)>& hole);
// Reads and checks a whole design text in one pass, keeping its hole entries in file order
// (their texts point into `bytes`). On failure `holes` holds nothing of use and `problem`
// says why, as for ReadDesignText.
bool ReadDesignHoles(const std::string& bytes, Design& design, DesignProblem& problem, std::vector<DesignHole>& holes);

// True when the bytes are a design the reader accepts (an entry point for fuzzing).
bool CheckDesignText(const std::string& bytes);
