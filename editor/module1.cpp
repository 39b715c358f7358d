#include "editor/module1.h"

#include "platform/errors.h"
#include "platform/strings.h"

namespace {
void CheckIndex(long across, long down, long field) {
  if (across < 0 || across >= HoleGridTable::kSize || down < 0 || down >= HoleGridTable::kSize || field < 0 ||
      field >= HoleGridTable::kFields)
    throw vb::RuntimeError(9);
}
}  // namespace

// Field by field, each field row by row: the drawing and the board loops walk one or two
// fields of neighbouring holes, which then lie side by side.
Value& HoleGridTable::operator()(long across, long down, long field) {
  CheckIndex(across, down, field);
  return cells_[(field * kSize + down) * kSize + across];
}

const Value& HoleGridTable::operator()(long across, long down, long field) const {
  CheckIndex(across, down, field);
  return cells_[(field * kSize + down) * kSize + across];
}

long HoleGridTable::Index(const Value& v) { return vb::CLng(v); }
