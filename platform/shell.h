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

namespace vb {

using ShellHook = std::function<long(const std::string& commandLine, int windowStyle)>;

// Returns a nonzero task id (the process id).
long Shell(const std::string& commandLine, int windowStyle = 1);

// While a hook is set (tests), Shell hands the command line to it instead of
// starting anything; the hook may throw RuntimeError to simulate a failure.
void SetShellHook(ShellHook hook);
void ResetShellHook();

// The host's window manager decides about focus and there is no way to feed
// keystrokes into another program's windows, so these return quietly.
void AppActivate(long taskId);
void SendKeys(const std::string& keys);

}  // namespace vb
