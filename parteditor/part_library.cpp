#include "parteditor/part_library.h"

#include <cmath>

#include "platform/errors.h"
#include "platform/strings.h"
#include "platform/value.h"
#include "shared/line_encoder.h"

namespace moravint {

namespace {

// The lines of a text file; a line end at the very end starts no further line.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(pos));
      break;
    }
    lines.emplace_back(bytes.substr(pos, end - pos));
    pos = end + 1;
    if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  return lines;
}

bool IsEndLine(const std::string& line) { return vb::Trim(line) == "*"; }

std::string EntryOf(const std::vector<std::string>& lines) {
  std::string entry;
  for (std::size_t i = 0; i < lines.size() && i < 2; ++i) entry += lines[i] + " ";
  return entry;
}

}  // namespace

LibraryContents ReadLibrary(std::string_view bytes) {
  LibraryContents lib;
  std::vector<std::string> current;
  auto store = [&] {
    std::string record;
    for (const auto& line : current) record += line + " ";
    lib.records.push_back(record);
    lib.entries.push_back(EntryOf(current));
    current.clear();
  };
  for (const std::string& raw : SplitLines(bytes)) {
    // Key 0 shifts nothing, so decoding cannot fail.
    const std::string line = DecodeStr(raw, 0);
    if (IsEndLine(line)) {
      current.push_back("*");
      store();
    } else {
      current.push_back(line);
    }
  }
  // After the last "*", a name and a pitch alone are no record; a record that lost only its
  // "*" has more and is kept.
  bool content = false;
  for (std::size_t i = 2; i < current.size(); ++i) content = content || !vb::Trim(current[i]).empty();
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

std::vector<std::string> RecordLines(const std::string& record) {
  std::vector<std::string> words = RecordWords(record);
  std::vector<std::string> lines;
  bool ended = false;
  for (const auto& w : words) {
    if (w == "*") {
      ended = true;
      break;
    }
    lines.push_back(w);
  }
  // A record without its "*" still ends with the blank of its last line.
  if (!ended && !lines.empty() && lines.back().empty()) lines.pop_back();
  lines.push_back("*");
  return lines;
}

std::string LibraryBytes(const std::vector<std::string>& records) {
  std::string bytes;
  for (const auto& record : records)
    for (const auto& line : RecordLines(record)) bytes += EncodeStr(line, 0) + "\r\n";
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
