#include "platform/errortrap.h"

#include <algorithm>
#include <exception>

namespace vb {

ErrorTrap::ErrorTrap(std::initializer_list<int> passOver, std::initializer_list<int> report, Reporter reporter)
    : passOver_(passOver), report_(report), reporter_(std::move(reporter)) {}

bool ErrorTrap::operator()(const std::function<void()>& statement) {
  if (ended_) return false;
  try {
    statement();
  } catch (const RuntimeError& e) {
    Handle(e);
  } catch (const std::exception&) {
    // Anything that is not a run-time error of the runtime has no number to go on with.
    lastError_ = -1;
    ended_ = true;
  }
  return !ended_;
}

void ErrorTrap::Handle(const RuntimeError& error) {
  lastError_ = error.Number();
  const auto has = [&](const std::vector<int>& list) {
    return std::find(list.begin(), list.end(), error.Number()) != list.end();
  };
  if (has(passOver_)) return;
  if (has(report_)) {
    if (reporter_) {
      try {
        reporter_(error);
      } catch (const RuntimeError&) {
        ended_ = true;  // an error inside the report itself is not trapped again
      }
    }
    return;
  }
  ended_ = true;
}

}  // namespace vb
