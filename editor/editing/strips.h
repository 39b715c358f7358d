// Copper strips of a strip board: cutting and rejoining a strip between two holes, and
// drilling and restoring a hole. Every hole carries a strip number (KelmNet): holes with
// equal numbers are joined by copper, a drilled hole carries 0. The numbers rise in scan
// order (strip by strip, each from its first hole), and every change keeps it so.
#pragma once

#include "editor/module1.h"

// The largest strip number, and its negative the smallest: whole numbers of at most fifteen
// digits. The runtime shows numbers with fifteen significant digits, and Node Edit, the design
// file and the netlist all go by that form, so every such number is shown, saved and told
// apart from every other exactly; sums and differences of two of them are exact too. No edit
// takes a number beyond it: a cut, drill or restore that would is not made.
constexpr double kLargestStripNumber = 999999999999999.0;

// True when n can be a strip number: a whole number within the range above.
bool IsStripNumber(double n);

// The range of strip numbers in words, for messages: "from -999999999999999 to 999999999999999".
std::string StripNumberRange();

// What an edit of the strips did.
enum class StripEdit {
  Unchanged,  // no number changed
  Changed,
  Refused,    // it would have numbered a strip beyond the range: every number is as it was
};

struct StripBoard {
  long across = 0;        // board width W, 0..100
  long down = 0;          // board height H, 0..100
  bool alongRows = true;  // strips run along rows (Horizontal), else along columns
};

// The board extent from the texts of the size boxes (Val of each, kept within 0..100).
StripBoard StripBoardOf(const std::string& acrossText, const std::string& downText, bool alongRows);

// The segment between hole (cx, cy) and the hole before it on its strip, (cx - 1, cy) along
// rows or (cx, cy - 1) along columns. A joined segment is cut: the holes from (cx, cy) on
// take numbers one higher. A cut segment is joined again: the piece from (cx, cy) takes the
// number of the piece before. A segment beside a drilled hole has no copper and is left as
// it is.
StripEdit CutStrip(HoleGridTable& g, const StripBoard& b, long cx, long cy);

// Drills hole (cx, cy), or restores a drilled one. A drill inside a strip piece splits it:
// the holes after the drill take numbers one higher; a drill at the end of a piece moves
// the later pieces up by one; a drill at the start of a piece leaves every other number.
// A restore joins the hole to the copper on both sides of it; with no copper beside it the
// hole becomes a piece of its own.
StripEdit DrillHole(HoleGridTable& g, const StripBoard& b, long cx, long cy);
