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

// The lines of the settings file in the working folder. A missing or unreadable file has
// no lines; a short one ends early. Either way the values not read keep what they hold.
class SettingsLines {
 public:
  SettingsLines() {
    try {
      vb::TextReader in("brantel.ini");
      while (!in.Eof()) lines_.push_back(in.LineInput());
      in.Close();
    } catch (const vb::RuntimeError&) {
    }
  }
  std::optional<std::string> Next() {
    if (next_ >= lines_.size()) return std::nullopt;
    return lines_[next_++];
  }
  bool AtEnd() const { return next_ >= lines_.size(); }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// An option value rounded to a whole number. Only 0 (clear) and 1 (ticked) are options;
// anything else, the grey state 2 included, is ignored and the box keeps its value.
void SetOption(vb::CheckBox& box, const std::string& line) {
  const double v = vb::Round(vb::Val(line));
  if (v == 0 || v == 1) box.SetValue(static_cast<int>(v));
}

// A board or strip colour as read: the low 24 bits of the whole number (red, green and
// blue), so that whatever the file holds is drawn as a colour; -1 is white. A value that
// is no finite number keeps the colour held before.
void SetColour(Value& colour, const std::string& line) {
  const double v = vb::Round(vb::Val(line));
  if (!std::isfinite(v)) return;
  double low = std::fmod(v, 16777216.0);
  if (low < 0) low += 16777216.0;
  colour = static_cast<long>(low);
}

// Str form of a stored number. The printer window stores the texts of its boxes, which may
// be no number at all: such a text is written as the number Val reads from it.
std::string StrOf(const Value& v) {
  if (v.IsText()) {
    double n = 0;
    return vb::Str(vb::ParseNumber(v.Text(), &n) ? n : vb::Val(v.Text()));
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
      } else {
        *v = vb::Val(*value);  // carried through only
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
      *v = vb::Val(*value);
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
