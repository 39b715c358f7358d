// The part editor's program-wide state: the drawing points, the part library in memory and
// the few values the main window and the library list share.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/value.h"

namespace moravint {

using vb::Value;

// Entries 0 to 1000 of the point arrays.
constexpr int kPointSlots = 1001;

struct Module1 {
  Value PicW;
  Value PicH;
  Value GridStep = 10;
  Value PointCount = 1;
  // Picture coordinates and segment style of the drawing points; an empty entry ends them.
  std::array<Value, kPointSlots> PtX{};
  std::array<Value, kPointSlots> PtY{};
  std::array<std::string, kPointSlots> PtStyle{};
  std::string CurStyle = "A";
  std::string CompRec;

  // The part library in memory: records 0 to LibCount, then one spare empty entry.
  std::vector<std::string> LibRecs{""};
  int LibCount = -1;
  bool EditMode = false;
  // True when "Brantel.lib" exists but could not be read: nothing may rewrite it then.
  bool LibraryUnread = false;

  Value OffX = 0;
  Value OffY = 0;
  Value LastMouseX;
  Value LastMouseY;
};

}  // namespace moravint
