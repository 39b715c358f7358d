#include "parteditor/part_library.h"

#include <cmath>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/value.h"
#include "shared/library_format.h"

namespace moravint {

namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

LibraryContents ReadLibrary(std::string_view bytes) {
  LibraryContents lib;
  // The record being read: its lines so far, each followed by a blank, the first two of them
  // (its list entry), and whether any line after those two holds more than blanks.
  std::string record;
  std::string entry;
  int lines = 0;
  bool content = false;
  auto add = [&](std::string_view line) {
    record.append(line).push_back(' ');
    if (lines < 2) entry.append(line).push_back(' ');
    content = content || (lines >= 2 && !IsBlank(line));
    ++lines;
  };
  auto store = [&] {
    lib.records.push_back(std::move(record));
    lib.entries.push_back(std::move(entry));
    record.clear();
    entry.clear();
    lines = 0;
    content = false;
  };
  // Lines end in CR LF, LF or a lone CR; a line end at the very end starts no further line.
  // The line decoder with key 0 shifts nothing, so every line is its own decoding.
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::string_view line = vb::NextLine(bytes, pos);
    if (IsRecordEndLine(line)) {
      add("*");
      store();
    } else {
      add(line);
    }
  }
  // After the last "*", a name and a pitch alone are no record; a record that lost only its
  // "*" has more and is kept.
  if (content) store();
  return lib;
}

std::vector<std::string> RecordWords(const std::string& record) {
  std::vector<std::string> words;
  std::size_t p = 0;
  while (true) {
    const std::size_t blank = record.find(' ', p);
    if (blank == std::string::npos) {
      words.push_back(record.substr(p));
      return words;
    }
    words.push_back(record.substr(p, blank - p));
    p = blank + 1;
  }
}

std::string LibraryBytes(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string_view record : records) {
    // The record's words up to the first word "*", one to a line, then "*". Key 0 of the line
    // encoder shifts nothing, so every line is written as it is.
    bool ended = false;
    bool lastEmpty = false;
    std::size_t p = 0;
    for (;;) {
      const std::size_t blank = record.find(' ', p);
      const std::string_view word = record.substr(p, blank == std::string_view::npos ? blank : blank - p);
      if (word == "*") {
        ended = true;
        break;
      }
      bytes.append(word).append("\r\n");
      lastEmpty = word.empty();
      if (blank == std::string_view::npos) break;
      p = blank + 1;
    }
    // A record without its "*" still ends with the blank of its last line.
    if (!ended && lastEmpty) bytes.resize(bytes.size() - 2);
    bytes.append("*\r\n");
  }
  return bytes;
}

double SnapToGrid(double v, double step) {
  double s = vb::Int(v / step) * step;
  const double whole = vb::Round(step);
  const double r = std::fmod(vb::Round(v), whole);
  if (r > 0) s += step / 2;
  return s;
}

double StepFromText(const std::string& text) {
  double step = 0;
  if (!vb::ParseNumber(text, &step) || !(step >= 1) || !std::isfinite(step)) return 0;
  return step;
}

std::string RecordCoordinate(double picture, double origin) {
  return vb::Trim(vb::Str((vb::Int(picture) - origin) / 20));
}

bool PictureCoordinate(const std::string& text, double origin, double* picture) {
  double v = 0;
  if (!BoxNumber(text, &v) || !std::isfinite(origin + 20 * v)) return false;
  *picture = origin + 20 * v;
  return true;
}

bool CoordinateReadsBack(double picture, double origin) {
  if (!std::isfinite(picture)) return false;
  const std::string text = RecordCoordinate(picture, origin);
  double back = 0;
  return PictureCoordinate(text, origin, &back) && RecordCoordinate(back, origin) == text;
}

bool BoxNumber(const std::string& text, double* out) {
  try {
    *out = vb::Val(text);
    return true;
  } catch (const vb::RuntimeError& e) {
    if (e.Number() != 6) throw;
    return false;
  }
}

vb::Colour StyleColour(const std::string& style) {
  static const vb::Colour colours[] = {
      vb::RGB(0, 0, 0),     vb::RGB(128, 128, 0), vb::RGB(255, 0, 0),     vb::RGB(255, 128, 0),
      vb::RGB(255, 255, 0), vb::RGB(0, 255, 0),   vb::RGB(0, 0, 255),     vb::RGB(128, 0, 255),
      vb::RGB(192, 192, 192), vb::RGB(255, 255, 255)};
  if (style.size() == 1 && style[0] >= 'A' && style[0] <= 'J') return colours[style[0] - 'A'];
  if (style == "S") return vb::RGB(240, 240, 240);
  return vb::RGB(0, 0, 0);
}

}  // namespace moravint
