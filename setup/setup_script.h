// The setup list "Setup.ini" of the installation medium: "[Setup]", the install window's
// caption, the text of its label, the proposed destination, then one file name a line.
#pragma once

#include <string>
#include <vector>

namespace setup {

struct SetupScript {
  // The lines as sequential input reads them (CR LF, LF or a lone CR end a line; a last
  // line without an end counts). An empty file has no lines.
  std::vector<std::string> lines;

  // Line 1 is exactly "[Setup]".
  bool Recognised() const { return !lines.empty() && lines[0] == "[Setup]"; }
  // Recognised and long enough to set up the install window (lines 2 to 4).
  bool HasHead() const { return Recognised() && lines.size() >= 4; }
  // Recognised and naming at least one file (line 5 on).
  bool HasFiles() const { return Recognised() && lines.size() >= 5; }
  int LineCount() const { return static_cast<int>(lines.size()); }
  std::string Caption() const { return Line(2); }
  std::string Label() const { return Line(3); }
  std::string Destination() const { return Line(4); }
  // Lines 5 to the last, in order.
  std::vector<std::string> Files() const;

 private:
  std::string Line(std::size_t n) const { return n <= lines.size() ? lines[n - 1] : std::string(); }
};

// Splits the bytes of a setup list into lines. Takes any bytes and never fails.
SetupScript ParseSetupScript(const std::string& bytes);

}  // namespace setup
