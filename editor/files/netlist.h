// Netlists of the board: the connections read from the grid (a net is a copper strip, a wire
// link joins the strips of its two ends) and the three file forms other design tools read
// (Tango, a plain pin list, OrCAD PCB II); and the block check of a Tango netlist read back.
// Everything here works on plain data, without any window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/module1.h"

namespace netlist {

// The holes of the board: rows 1..down, columns 1..across (never beyond the grid).
struct BoardSize {
  long across = 0;
  long down = 0;
};
// The board loop bounds from the texts of the size boxes (Val, whole part, kept to 0..100).
BoardSize BoardSizeFrom(const std::string& acrossText, const std::string& downText);

// One pin of a placed part: reference, pin number and strip number in their general text
// form, with its part's value and package.
struct PinEntry {
  std::string reference;
  std::string pin;
  std::string strip;
  std::string value;
  std::string package;

  std::string StripKey() const;  // the strip, trimmed: pins with equal keys share a net
  std::string Member() const;    // "R1-2"
  std::string Text() const;      // "R1-2,5"
};

// A net: the strip key and its pins in board order.
struct Net {
  std::string strip;
  std::vector<PinEntry> pins;
};

// A component block of the Tango netlist.
struct Component {
  std::string reference;
  std::string package;
  std::string value;
};

// One pass over the holes in board order: a hole with strip number 0 stops the pass (the
// result is false; merges made before it stay); a wire-link end ("Short") gives every hole
// on the strip of its other end its own strip number.
bool CheckStripsAndMergeLinks(HoleGridTable& grid, BoardSize board);

// Every pin with a reference that is not a wire-link end, in board order.
std::vector<PinEntry> CollectPins(const HoleGridTable& grid, BoardSize board);

// The pins regrouped net by net: nets in the order of their first pin, pins in board order.
std::vector<Net> GroupNets(const std::vector<PinEntry>& pins);

// The first pin of every part whose reference does not begin with "S" or "s", in board order.
std::vector<Component> CollectComponents(const HoleGridTable& grid, BoardSize board);

// The three file forms, every line ended by CR LF.
std::string TangoNetlist(const std::vector<Component>& components, const std::vector<Net>& nets);
std::string PinListFile(const std::vector<Net>& nets);
std::string OrcadNetlist(const std::vector<PinEntry>& pins);

// ---- reading a Tango netlist back ----

enum class TangoCheck {
  Ok,
  Empty,        // no line at all
  FormatError,  // a component block does not begin with "["
  Unclosed,     // the file ends inside a block
};

struct TangoContents {
  TangoCheck check = TangoCheck::Ok;
  std::vector<std::string> references;
  std::vector<std::string> packages;
  std::vector<std::string> values;
  std::vector<std::string> netNames;
};

// Reads the bytes of a Tango netlist and checks its block structure. Takes any bytes: it
// never throws (except when memory runs out) and never reads outside the input.
TangoContents ReadTangoNetlist(std::string_view bytes);

}  // namespace netlist
