// Waiting in tests for something that happens outside the test's own code (another process,
// a window system, a timer): poll for the event itself, never for a fixed time. A wait that
// never ends is a hang, and CTest's time-out for each test (tests/CMakeLists.txt) ends it;
// no test reads a clock.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace testsupport {

// The time-out handed to Qt's own waits for another process, and to watchdogs that end a
// modal wait: far beyond any ordinary wait however busy the machine is, and below CTest's
// time-out, so that a hang fails the test with its own message.
inline constexpr int kHangLimitMs = 120 * 1000;

// Polls until `ready` holds, running `between` (a short sleep when none is given) between two
// polls.
inline void WaitFor(const std::function<bool()>& ready, const std::function<void()>& between = {}) {
  while (!ready()) {
    if (between) {
      between();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
}

}  // namespace testsupport
