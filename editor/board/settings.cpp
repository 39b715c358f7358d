// The settings file "brantel.ini": colours, the two board options, the printer scales and
// the list of part libraries, read while the main window loads and written by Exit.
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {

// The lines of the settings file in the working folder, taken one by one as they are used:
// whatever follows the last line used is never split into lines. A missing or unreadable
// file has no lines; a short one ends early. Either way the values not read keep what they
// hold.
class SettingsLines {
 public:
  SettingsLines() {
    try {
      in_.emplace("brantel.ini");
    } catch (const vb::RuntimeError&) {
    }
  }
  std::optional<std::string> Next() {
    if (AtEnd()) return std::nullopt;
    try {
      return in_->LineInput();
    } catch (const vb::RuntimeError&) {
      in_.reset();
      return std::nullopt;
    }
  }
  bool AtEnd() const { return !in_ || in_->Eof(); }

 private:
  std::optional<vb::TextReader> in_;
};

// Val of a line, or nothing when the line holds a number the runtime cannot hold ("1e400",
// "&H100000000"): such a value is not used and the setting keeps its start value.
std::optional<double> Number(const std::string& line) {
  try {
    return vb::Val(line);
  } catch (const vb::RuntimeError&) {
    return std::nullopt;
  }
}

// A colour that is carried through is stored as a long; a number past the long's range is
// no colour and is not used.
bool UsableColour(double v) {
  const double r = vb::Round(v);
  return r >= -2147483648.0 && r <= 2147483647.0;
}

// An option value rounded to a whole number. Only 0 (clear) and 1 (ticked) are options;
// anything else, the grey state 2 included, is ignored and the box keeps its value.
void SetOption(vb::CheckBox& box, const std::string& line) {
  const std::optional<double> n = Number(line);
  if (!n) return;
  const double v = vb::Round(*n);
  if (v == 0 || v == 1) box.SetValue(static_cast<int>(v));
}

// A board or strip colour as read: the low 24 bits of the whole number (red, green and
// blue), so that whatever the file holds is drawn as a colour; -1 is white. A value that
// a long cannot hold keeps the colour held before.
void SetColour(Value& colour, const std::string& line) {
  const std::optional<double> n = Number(line);
  if (!n || !UsableColour(*n)) return;
  const double v = vb::Round(*n);
  double low = std::fmod(v, 16777216.0);
  if (low < 0) low += 16777216.0;
  colour = static_cast<long>(low);
}

// Str form of a stored number. The printer window stores the texts of its boxes, which may
// be no number at all: such a text is written as the number Val reads from it, and as 0 when
// even that is past the runtime's range.
std::string StrOf(const Value& v) {
  if (v.IsText()) {
    double n = 0;
    if (vb::ParseNumber(v.Text(), &n)) return vb::Str(n);
    return vb::Str(Number(v.Text()).value_or(0));
  }
  return vb::Str(v.Num());
}

}  // namespace

void Form1::ReadSettings() {
  SettingsLines file;
  auto line = file.Next();
  if (!line) return;
  if (*line == "[Initalize]") {
    for (Value* v : {&m.TraceColour, &m.BoardColour, &m.SpareColour, &m.PartColour}) {
      auto value = file.Next();
      if (!value) return;
      if (v == &m.TraceColour || v == &m.BoardColour) {
        SetColour(*v, *value);
      } else if (const std::optional<double> n = Number(*value); n && UsableColour(*n)) {
        *v = *n;  // carried through only
      }
    }
  }
  if (!(line = file.Next())) return;
  if (*line == "[Control]") {
    for (vb::CheckBox* box : {&Check1, &Check3}) {
      auto value = file.Next();
      if (!value) return;
      SetOption(*box, *value);
    }
  }
  if (!(line = file.Next())) return;
  if (*line == "[Printer]") {
    for (Value* v : {&m.ScaleAcross, &m.ScaleDown}) {
      auto value = file.Next();
      if (!value) return;
      if (const std::optional<double> n = Number(*value)) *v = *n;
    }
  }
  if (!(line = file.Next())) return;
  if (*line == "[Library]") {
    std::size_t i = 0;
    do {
      auto name = file.Next();
      if (!name) return;
      m.LibraryList[i] = *name;
      ++i;
    } while (i < m.LibraryList.size() && !file.AtEnd());
  }
}

void Form1::WriteSettings() {
  vb::TextWriter out(m.DataFolder + "\\brantel.ini");
  out.PrintLine("[Initalize]");
  out.PrintLine(StrOf(m.TraceColour));
  out.PrintLine(StrOf(m.BoardColour));
  out.PrintLine(StrOf(m.SpareColour));
  out.PrintLine(StrOf(m.PartColour));
  out.PrintLine("[Control]");
  out.PrintLine(vb::Str(Check1.Value()));
  out.PrintLine(vb::Str(Check3.Value()));
  out.PrintLine("[Printer]");
  out.PrintLine(StrOf(m.ScaleAcross));
  out.PrintLine(StrOf(m.ScaleDown));
  out.PrintLine("[Library]");
  out.PrintLine(m.LibraryList[0]);
  for (std::size_t i = 1; i < m.LibraryList.size(); ++i) {
    if (m.LibraryList[i].empty()) break;
    out.PrintLine(m.LibraryList[i]);
  }
  out.Close();
}
