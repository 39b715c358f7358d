// The runtime's "On Error" handling by error number, one statement at a time. A sequence
// runs each of its statements through the trap; the trap decides by the error number what
// a failing statement leads to: pass over it, report it and go on, or end the sequence.
//
//   vb::ErrorTrap trap({75, 76, 58}, {53}, [&](const vb::RuntimeError& e) { ... });
//   trap([&] { vb::MkDir(folder); });      // an existing folder (75) is passed over
//   trap([&] { vb::FileCopy(a, b); });     // a missing file (53) is reported
//   if (trap.Ended()) return;              // any other error ended the sequence
//
// Once the sequence has ended, further statements do not run.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/errors.h"

namespace vb {

class ErrorTrap {
 public:
  using Reporter = std::function<void(const RuntimeError&)>;

  ErrorTrap(std::initializer_list<int> passOver, std::initializer_list<int> report, Reporter reporter);

  // Runs one statement. Returns true when the sequence goes on after it (the statement ran,
  // or its error was passed over or reported); false once the sequence has ended.
  bool operator()(const std::function<void()>& statement);

  bool Ended() const { return ended_; }
  // The number of the last error the trap saw (0 when none); the error that ended the
  // sequence when it has ended.
  int LastError() const { return lastError_; }

 private:
  void Handle(const RuntimeError& error);

  std::vector<int> passOver_;
  std::vector<int> report_;
  Reporter reporter_;
  bool ended_ = false;
  int lastError_ = 0;
};

}  // namespace vb
