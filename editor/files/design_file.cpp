// The design file's writer and its checking reader.
#include "editor/files/design_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "editor/editing/strips.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {

constexpr int kRecordFields = 19;  // fields 0 to 18 on the hole's line
constexpr int kMaxHoles = HoleGridTable::kSize - 1;
constexpr double kLargestNumber = 1e15;  // whole numbers below it are written as integers
// The largest number of fifteen significant digits; beyond it the writer writes seventeen.
constexpr double kLargestFifteenDigits = 1.79769313486231e308;

// The slot of a text field among the four, or -1.
int TextSlot(int k) {
  switch (k) {
    case CompName: return 0;
    case CompValue: return 1;
    case CompPackage: return 2;
    case NetName: return 3;
    default: return -1;
  }
}
bool IsLinkField(int k) { return k >= CompXFrom && k <= CompYToo; }

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::string HoleName(int a, int d) { return "hole (" + std::to_string(a) + ", " + std::to_string(d) + ")"; }

// Strips are told apart by their numbers: the reader and the writer take only numbers that
// are written and read back as themselves.
std::string StripProblem(int a, int d) {
  return "the strip number of " + HoleName(a, d) + " is not a number of at most 15 significant digits";
}

// The lines of a text: ended by CR LF, LF or a lone CR; a last line without an end counts.
class Lines {
 public:
  explicit Lines(const std::string& bytes) : s_(bytes) {}
  bool Next(std::string_view& line) {
    if (pos_ >= s_.size()) return false;
    line = vb::NextLine(s_, pos_);
    ++number_;
    return true;
  }
  int Number() const { return number_; }

 private:
  const std::string& s_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

// Val, with a number too large for the runtime (its overflow) read as not a number.
double SafeVal(const std::string& text) {
  try {
    return vb::Val(text);
  } catch (const vb::RuntimeError&) {
    return std::nan("");
  }
}

// Val of a field's text; plain decimals (what the writer writes) take the short way.
double FieldNumber(std::string_view text) {
  if (text.empty()) return 0;
  std::size_t i = text[0] == '-' ? 1 : 0;
  bool digits = false, point = false, plain = i < text.size();
  for (std::size_t j = i; j < text.size() && plain; ++j) {
    const char c = text[j];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      plain = false;
    }
  }
  if (plain && digits && text.size() - i <= 16) {
    // At most fifteen digits make a whole number below 2^53, and a power of ten up to 10^22 is
    // exact, so one division rounds exactly as reading the decimal does.
    static constexpr double kTens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t whole = 0;
    int decimals = -1;
    for (std::size_t j = i; j < text.size(); ++j) {
      if (text[j] == '.') {
        decimals = 0;
      } else {
        whole = whole * 10 + static_cast<std::uint64_t>(text[j] - '0');
        if (decimals >= 0) ++decimals;
      }
    }
    const double v = static_cast<double>(whole) / kTens[decimals < 0 ? 0 : decimals];
    return i == 1 ? -v : v;
  }
  if (plain && digits && text.size() < 40) {
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec == std::errc() && r.ptr == text.data() + text.size()) return v;
  }
  return SafeVal(std::string(text));
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

bool DesignNameAccepted(const std::string& name) {
  const int dot = vb::InStr(name, ".");
  const std::string ext = vb::Trim(dot > 0 ? vb::Mid(name, dot + 1, 99) : name);
  return ext == "vcd" || ext == "VCD";
}

void AppendDesignNumber(double n, std::string& out) {
  if (!std::isfinite(n) || n == 0) {
    out += '0';
    return;
  }
  char buf[64];
  if (std::fabs(n) < kLargestNumber && n == std::trunc(n)) {
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(n));
    out.append(buf, r.ptr);
    return;
  }
  // Fifteen significant digits, then written out without an exponent. Next to the largest
  // double, fifteen digits would round past it and read back as an overflow: all seventeen
  // are written there.
  const int precision = std::fabs(n) > kLargestFifteenDigits ? 16 : 14;
  const char* end = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::scientific, precision).ptr;
  const char* p = buf;
  if (*p == '-') {
    out += '-';
    ++p;
  }
  const char* e = std::find(p, end, 'e');
  char digits[24];
  std::size_t count = 0;
  for (const char* c = p; c < e; ++c) {
    if (*c != '.') digits[count++] = *c;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  int exp = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exp);
  if (exp >= 0) {
    const std::size_t whole = static_cast<std::size_t>(exp) + 1;
    if (count <= whole) {
      out.append(digits, count);
      out.append(whole - count, '0');
    } else {
      out.append(digits, whole);
      out += '.';
      out.append(digits + whole, count - whole);
    }
  } else {
    out += "0.";
    out.append(static_cast<std::size_t>(-exp - 1), '0');
    out.append(digits, count);
  }
}

std::string DesignNumber(double n) {
  std::string out;
  AppendDesignNumber(n, out);
  return out;
}

bool DesignNumberReadsBack(double n) {
  if (!std::isfinite(n)) return false;
  // Whole numbers below 10^15 are written as their digits, which the reader takes exactly.
  if (std::fabs(n) < kLargestNumber && n == std::trunc(n)) return true;
  if (std::fabs(n) > kLargestFifteenDigits) return false;
  std::string text;
  AppendDesignNumber(n, text);
  return FieldNumber(text) == n;
}

int DesignLoopBound(const std::string& sizeText) {
  // A whole number of holes, as the board's size boxes hold it when the board is built.
  const double v = SafeVal(sizeText);
  if (!(v >= 1 && v <= kMaxHoles) || v != std::floor(v)) return -1;
  return static_cast<int>(v);
}

namespace {

// Appends the part text lines; false when a line would read back as the end mark "***".
bool PartLines(const std::string& record, std::string& out) {
  if (record == "*") return true;
  const bool ended = record.size() >= 2 && record.compare(record.size() - 2, 2, " *") == 0;
  std::string_view body(record);
  if (ended) body.remove_suffix(2);
  std::vector<std::string_view> words;
  std::size_t p = 0;
  while (p < body.size()) {
    const std::size_t q = body.find(' ', p);
    const std::size_t end = q == std::string_view::npos ? body.size() : q;
    if (end > p) words.push_back(body.substr(p, end - p));
    p = end + 1;
  }
  if (words.empty()) return true;
  bool ok = true;
  auto emit = [&](std::size_t from, std::size_t to, bool lastBlank) {
    std::string line;
    for (std::size_t i = from; i < to; ++i) {
      line.append(words[i]);
      if (i + 1 < to || lastBlank) line += ' ';
    }
    if (TrimBlanks(line) == "***") ok = false;
    out += line;
    out += "\r\n";
  };
  const std::size_t header = std::min<std::size_t>(6, words.size());
  emit(0, header, true);
  for (std::size_t i = header; i < words.size(); i += 5) {
    const std::size_t to = std::min(words.size(), i + 5);
    emit(i, to, to < words.size());
  }
  return ok;
}

}  // namespace

void AppendPartText(const std::string& record, std::string& out) { PartLines(record, out); }

std::string BuildDesignText(HoleGridTable& grid, const DesignHeader& header, std::string& out) {
  const int across = DesignLoopBound(header.across);
  const int down = DesignLoopBound(header.down);
  if (across < 1 || down < 1) return "the board size must be 1 to 100 holes each way";
  if (HasLineBreak(header.across) || HasLineBreak(header.down)) return "the board size holds a line break";
  out.clear();
  out.reserve(static_cast<std::size_t>(across) * static_cast<std::size_t>(down) * 64 + 64);
  out += vb::Str(header.horizontal) + " \r\n";
  out += header.across + "\r\n";
  out += header.down + "\r\n";
  for (int d = 1; d <= down; ++d) {
    for (int a = 1; a <= across; ++a) {
      for (int k = 0; k < kRecordFields; ++k) {
        const Value& v = grid(a, d, k);
        if (v.IsNumber()) {
          if (k == KelmNet && !IsStripNumber(v.Num())) return StripProblem(a, d);
          AppendDesignNumber(v.Num(), out);
        } else if (v.IsText()) {
          const std::string& t = v.Text();
          if (t.find_first_of("|\r\n") != std::string::npos) {
            return HoleName(a, d) + " holds a \"|\" or a line break in field " + std::to_string(k);
          }
          out += t;
        }
        out += '|';
      }
      out += "\r\n";
      Value& part = grid(a, d, XYs);
      if (!part.IsEmpty()) {
        const std::string trimmed = vb::Trim(part.Text());
        if (!trimmed.empty()) {
          if (!part.IsText() || part.Text() != trimmed) part = trimmed;
          if (HasLineBreak(trimmed)) return HoleName(a, d) + " holds a line break in its part record";
          if (!PartLines(trimmed, out)) return HoleName(a, d) + " holds a part record with a line \"***\"";
        }
      }
      out += "***\r\n";
    }
  }
  return "";
}

namespace {

// Reads the whole text, checking it; with a sink, hands it every hole entry as it goes.
bool Parse(const std::string& bytes, Design& design, DesignProblem& problem,
           const std::function<void(DesignHole&)>* sink) {
  Lines lines(bytes);
  std::string_view line;
  auto fail = [&](int at, std::string what) {
    problem.line = at;
    problem.what = std::move(what);
    return false;
  };

  if (!lines.Next(line)) return fail(0, "the file is empty");
  double horizontal = 0;
  bool number = false;
  try {
    number = vb::ParseNumber(std::string(TrimBlanks(line)), &horizontal);
  } catch (const vb::RuntimeError&) {
  }
  // The value of a check box: 0, 1, or 2 for a greyed box.
  if (!number || !(horizontal > -1 && horizontal < 3) || vb::Round(horizontal) < 0 || vb::Round(horizontal) > 2) {
    return fail(1, "the strip direction must be 0 or 1");
  }
  design.header.horizontal = static_cast<int>(vb::Round(horizontal));
  for (std::string* size : {&design.header.across, &design.header.down}) {
    if (!lines.Next(line)) return fail(lines.Number() + 1, "the file ends before the board size");
    *size = std::string(line);
    if (DesignLoopBound(*size) < 1) return fail(lines.Number(), "the board size must be 1 to 100 holes");
  }
  design.holesAcross = DesignLoopBound(design.header.across);
  design.holesDown = DesignLoopBound(design.header.down);

  design.lastPart.clear();
  std::string scratch;  // a part record laid out as Save would write it
  DesignHole entry;
  auto& numbers = entry.numbers;
  auto& texts = entry.texts;
  for (int d = 1; d <= design.holesDown; ++d) {
    for (int a = 1; a <= design.holesAcross; ++a) {
      entry.across = a;
      entry.down = d;
      if (!lines.Next(line)) return fail(lines.Number() + 1, "the file ends before " + HoleName(a, d));
      const long bars = static_cast<long>(std::count(line.begin(), line.end(), '|'));
      if (bars != kRecordFields) {
        return fail(lines.Number(), "the record of " + HoleName(a, d) + " holds " + std::to_string(bars) +
                                        " \"|\" instead of 19");
      }
      if (line.back() != '|') return fail(lines.Number(), "the record of " + HoleName(a, d) + " does not end with \"|\"");
      std::size_t p = 0;
      for (int k = 0; k < kRecordFields; ++k) {
        const std::size_t q = line.find('|', p);
        const std::string_view text = line.substr(p, q - p);
        p = q + 1;
        if (const int slot = TextSlot(k); slot >= 0) {
          texts[static_cast<std::size_t>(slot)] = text;
          continue;
        }
        const double v = FieldNumber(text);
        if (!std::isfinite(v)) {
          return fail(lines.Number(), "field " + std::to_string(k) + " of " + HoleName(a, d) + " is not a usable number");
        }
        if (IsLinkField(k) && (v < 0 || v > kMaxHoles || v != std::floor(v))) {
          return fail(lines.Number(), HoleName(a, d) + " links to a hole outside the board");
        }
        if (k == KelmNet && !IsStripNumber(v)) return fail(lines.Number(), StripProblem(a, d));
        numbers[static_cast<std::size_t>(k)] = v;
      }

      if (!lines.Next(line)) return fail(lines.Number() + 1, "the file ends before the \"***\" of " + HoleName(a, d));
      if (line == "***") {
        design.lastPart = "***";
        if (sink) {
          entry.part.clear();
          (*sink)(entry);
        }
        continue;
      }
      const int partLine = lines.Number();
      std::string part(TrimBlanks(line));
      for (;;) {
        if (!lines.Next(line)) {
          return fail(lines.Number() + 1, "the file ends before the \"***\" of " + HoleName(a, d));
        }
        if (line == "***") break;
        part += ' ';
        part.append(TrimBlanks(line));
      }
      part += " *";
      // Saving lays the words out anew, six on the first line and five on each after: a
      // record that would then hold a line "***" could never be saved back.
      scratch.clear();
      if (!PartLines(part, scratch)) return fail(partLine, HoleName(a, d) + " holds a part record with a line \"***\"");
      if (sink) {
        entry.part = part;
        (*sink)(entry);
      }
      design.lastPart = std::move(part);
    }
  }
  while (lines.Next(line)) {
    if (!TrimBlanks(line).empty()) return fail(lines.Number(), "there is more text after the last hole");
  }
  return true;
}

}  // namespace

bool ReadDesignText(const std::string& bytes, Design& design, DesignProblem& problem) {
  return Parse(bytes, design, problem, nullptr);
}

void ForEachDesignHole(const std::string& bytes, const std::function<void(DesignHole&)>& hole) {
  Design design;
  DesignProblem problem;
  if (Parse(bytes, design, problem, nullptr)) Parse(bytes, design, problem, &hole);
}

bool ReadDesignHoles(const std::string& bytes, Design& design, DesignProblem& problem, std::vector<DesignHole>& holes) {
  holes.clear();
  const std::function<void(DesignHole&)> keep = [&](DesignHole& hole) {
    if (holes.empty()) holes.reserve(static_cast<std::size_t>(design.holesAcross) * static_cast<std::size_t>(design.holesDown));
    holes.push_back(std::move(hole));
  };
  return Parse(bytes, design, problem, &keep);
}

Value DesignHole::Field(int k) const {
  if (k == XYs) return part;
  if (const int slot = TextSlot(k); slot >= 0) return std::string(texts[static_cast<std::size_t>(slot)]);
  return numbers[static_cast<std::size_t>(k)];
}

bool CheckDesignText(const std::string& bytes) {
  Design design;
  DesignProblem problem;
  return ReadDesignText(bytes, design, problem);
}
