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

Value& HoleGridTable::operator()(long across, long down, long field) {
  CheckIndex(across, down, field);
  return cells_[(across * kSize + down) * kFields + field];
}

const Value& HoleGridTable::operator()(long across, long down, long field) const {
  CheckIndex(across, down, field);
  return cells_[(across * kSize + down) * kFields + field];
}

long HoleGridTable::Index(const Value& v) { return vb::CLng(v); }
