#pragma once
// Starting other programs the way the runtime's Shell does.
//
// Command lines written for the original system are mapped to the host:
//   ...\IExplore[.exe] <address>  -> the host's web browser ($BROWSER, else
//                                     xdg-open) with the address
//   calc[.exe]                    -> the first host calculator found on PATH
//                                     (gnome-calculator, kcalc, galculator, xcalc)
// Any other program is looked up as a platform path, then on PATH (with
// ".exe" dropped). Unquoted program paths may contain blanks, as the original
// system allows ("C:\Program Files\x\y.exe arg").
//
// The program is started detached; Shell does not wait. A program that cannot
// be found or started raises 53 "File not found". windowStyle (0..6, else 5)
// has no effect on this host.

#include <functional>
#include <string>
#include <vector>

namespace vb {

using ShellHook = std::function<long(const std::string& commandLine, int windowStyle)>;

// Returns a nonzero task id (the process id).
long Shell(const std::string& commandLine, int windowStyle = 1);

// While a hook is set (tests), Shell hands the command line to it instead of
// starting anything; the hook may throw RuntimeError to simulate a failure.
void SetShellHook(ShellHook hook);
void ResetShellHook();

// Activating a started program and typing keys into it go through an X11 key
// sender (xdotool) when one is found on PATH and a display is open; otherwise
// both raise 5 "Invalid procedure call or argument". AppActivate raises 5 too
// when no window of the task appears within a few seconds.
void AppActivate(long taskId);
// The runtime's key notation: characters stand for themselves; "+", "^" and "%"
// hold Shift, Ctrl and Alt for the next key or the group in parentheses; named
// keys in braces ("{ENTER}", "{F4}", "{+}" for the plus key, "{X 3}" repeats);
// "~" is Enter. With wait, returns only after the keys have been sent.
// Malformed notation raises 5.
void SendKeys(const std::string& keys, bool wait = false);

// The X11 key names (xdotool's) of a key string, one entry per key press with
// its modifiers joined by "+": "%{F4}" gives {"alt+F4"}, "1{+}" gives {"1", "plus"}.
std::vector<std::string> KeyNames(const std::string& keys);

// While a hook is set (tests), AppActivate and SendKeys hand their call to it
// instead of the key sender; the hook may throw RuntimeError.
struct KeySenderCall {
  enum Kind { Activate, Keys } kind = Keys;
  long taskId = 0;
  std::string keys;
  bool wait = false;
};
using KeySenderHook = std::function<void(const KeySenderCall&)>;
void SetKeySenderHook(KeySenderHook hook);
void ResetKeySenderHook();

}  // namespace vb
