// The layout editor's program-wide state: the board grid, the view geometry, colours,
// settings values and the edit state that the windows share.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/value.h"

using vb::Value;

// Field numbers of one hole record.
enum HoleField {
  HoleX = 0, HoleY = 1, PinNumber = 2, PartFit = 3, CompName = 4, CompXFrom = 5, CompYFrom = 6,
  CompXToo = 7, CompYToo = 8, CompValue = 9, CompPackage = 10, NetName = 11, NetNumber = 12,
  NetYFrom = 13, NetXToo = 14, LabelX = 15, LabelY = 16, KelmNet = 17, CompOffset = 18, XYs = 19
};

// The board: 101 x 101 holes of 20 loosely typed fields, allocated once for the whole run.
// Column 0 and row 0 belong to no hole; hole (0, 0) is the scratch record of SetHole.
class HoleGridTable {
 public:
  static constexpr int kSize = 101;
  static constexpr int kFields = 20;
  HoleGridTable() : cells_(new Value[kSize * kSize * kFields]) {}
  // An index outside 0..100 or a field outside 0..19 is run-time error 9.
  Value& operator()(long across, long down, long field);
  const Value& operator()(long across, long down, long field) const;
  Value& operator()(const Value& across, const Value& down, long field) {
    return (*this)(Index(across), Index(down), field);
  }

 private:
  static long Index(const Value& v);
  std::unique_ptr<Value[]> cells_;
};

struct Module1 {
  // Board grid and geometry.
  HoleGridTable HoleGrid;
  Value HolesAcross = 15;
  Value HolesDown = 15;
  Value HolePitch;  // empty until the first fit
  Value ScrollX;
  Value ScrollY;
  Value PitchDivisor = 10;
  Value SizeDivisor = 0.4;
  std::array<int, 4> RedrawRect{0, 0, 0, 0};  // xmin, ymin, xmax, ymax; all 0 = empty

  // Start-up.
  std::string DataFolder;

  // Settings file values.
  Value TraceColour;
  Value BoardColour;
  Value SpareColour;
  Value PartColour;
  Value ScaleAcross;
  Value ScaleDown;
  std::array<std::string, 11> LibraryList{};

  // View.
  Value LastHoleX = 1;
  Value LastHoleY = 1;
  std::string ViewSide = "-Component side";

  // Edit modes.
  bool PlacingPart = false;
  bool MovingPin = false;
  bool BlockMoving = false;
  bool DeletingPart = false;
  bool SlidingPart = false;
  bool CuttingStrip = false;
  bool Drilling = false;

  // Placement state (16-bit integers in the original runtime).
  int PinNumber = 0;
  int FirstPinX = 0, FirstPinY = 0;  // pin 1 of the part being placed
  int PrevPinX = 0, PrevPinY = 0;    // the pin placed last; 0, 0 = none
  int LastPinScreenX = 0, LastPinScreenY = 0;
  // The strip segment last found under the pointer in cut mode (the hole right of or below
  // it); it is what the cut preview restores when the pointer leaves the strip.
  int TraceX = 0, TraceY = 0;

  // The part picked in the Add Component window.
  std::string CurrentPart;
  int PinCount = 0;  // pins still to place
  Value LastReference;
  // The records of the part library last read, one text per record; the last entry is a
  // spare that stays empty for a well-formed library.
  std::vector<Value> CompRecords;

  // Hit-test results.
  int EditHoleX = 0, EditHoleY = 0;    // the hole clicked
  int HoverHoleX = 0, HoverHoleY = 0;  // the hole last under the pointer
  bool OnTrace = false;
  bool OnLabel = false;

  // Pointer position at a label grab and after each drag step.
  Value DragStartX;
  Value DragStartY;

  // Loop flag that several routines use for their own loops.
  bool DoneFlag = false;

  // Pins of the part being drawn (across, down), filled by BuildPinList.
  std::vector<Value> PinListX;
  std::vector<Value> PinListY;
};

class Brantel;

// Tests that every pin of the part whose pin 1 is (x, y) lands on the board when moved by
// (dx, dy). On success x, y come back as pin 1; on a refusal block-move mode ends, the board
// is repainted, the pick is dropped, x, y come back 0, 0 and the user is told.
void CheckBlockMove(Brantel& app, int& x, int& y, int dx, int dy);
