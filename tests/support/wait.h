// Waiting in tests for something that happens outside the test's own code (another process,
// a window system, a timer): poll for the event itself, never for a fixed time.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace testsupport {

// How long a wait may last before the test takes it for a hang. No ordinary wait comes near
// it, however busy the machine is; it only keeps a real hang from running until CTest's own
// time-out.
inline constexpr std::chrono::seconds kHangLimit{120};
inline constexpr int kHangLimitMs = static_cast<int>(std::chrono::milliseconds(kHangLimit).count());

// Polls until `ready` holds, running `between` (a short sleep when none is given) between two
// polls. False only when the hang limit passed first.
inline bool WaitUntil(const std::function<bool()>& ready, const std::function<void()>& between = {}) {
  const auto end = std::chrono::steady_clock::now() + kHangLimit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    if (between) {
      between();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  return true;
}

}  // namespace testsupport
