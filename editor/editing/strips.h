// Copper strips of a strip board: cutting and rejoining a strip between two holes, and
// drilling and restoring a hole. Every hole carries a strip number (KelmNet): holes with
// equal numbers are joined by copper, a drilled hole carries 0. The numbers rise in scan
// order (strip by strip, each from its first hole), and every change keeps it so.
#pragma once

#include "editor/module1.h"

// True when n can be a strip number: a number of at most fifteen significant digits, the
// numbers that Save writes and Open reads back as themselves (DesignNumberReadsBack). Node
// Edit shows numbers in that form too, and the netlist names nets by it, so two such numbers
// are told apart everywhere. Open, Node Edit and Save take no other, and no edit makes one.
bool IsStripNumber(double n);

// What an edit of the strips did.
enum class StripEdit {
  Unchanged,  // no number changed
  Changed,
  Refused,    // it would have given a strip a number that is not a strip number, or given
              // separate strips one number: every number is as it was
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
//
// Both refuse an edit, and leave every number as it was, when a number it gives is not a strip
// number, when a split would leave both sides on one number, or when two holes whose numbers
// differed would share one afterwards, other than the two pieces that a rejoin or a restore
// joins; numbers that were equal before (typed so by hand) stay equal.
StripEdit DrillHole(HoleGridTable& g, const StripBoard& b, long cx, long cy);
