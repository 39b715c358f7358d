#include "editor/editing/library.h"

#include <string_view>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "shared/library_format.h"

namespace {

// The lines of a file's text as "Line Input #" reads them: a line ends in CR LF, LF or a lone
// CR; a read past the end is error 62.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  bool Eof() const { return pos_ >= text_.size(); }
  std::string_view Next() {
    if (Eof()) throw vb::RuntimeError(62);
    return vb::NextLine(text_, pos_);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

LibraryContents ReadLibrary(const std::string& platformPath) {
  LibraryContents lib;
  const std::string text = vb::ReadAllBytes(platformPath);
  Lines count(text);
  int n = 0;
  do {
    if (IsRecordEndLine(count.Next())) ++n;
  } while (!count.Eof());
  lib.records.assign(static_cast<size_t>(n) + 1, vb::Value(std::string()));

  Lines in(text);
  size_t i = 0;
  std::string rec;
  auto store = [&] {
    if (i < lib.records.size()) {
      lib.records[i] = std::move(rec);
      lib.stored = static_cast<int>(i) + 1;
    }
  };
  // A record's first two lines, each followed by a blank.
  auto start = [&] {
    rec.clear();
    rec.append(in.Next()).push_back(' ');
    rec.append(in.Next()).push_back(' ');
  };
  try {
    start();
    for (;;) {
      lib.listTexts.push_back(rec);
      for (;;) {
        const std::string_view line = in.Next();
        rec.append(line).push_back(' ');
        if (in.Eof()) {
          store();
          return lib;
        }
        if (IsRecordEndLine(line)) break;
      }
      store();
      ++i;
      start();
      if (in.Eof()) return lib;
    }
  } catch (const vb::RuntimeError&) {
    lib.cutShort = true;
    return lib;
  }
}

std::vector<std::string> PickWords(const std::string& record) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (words.size() < 18) {
    const size_t blank = record.find(' ', pos);
    if (blank == std::string::npos) break;
    words.push_back(record.substr(pos, blank - pos));
    pos = blank + 1;
  }
  words.resize(18);
  return words;
}

std::string NextReference(const std::string& reference) {
  size_t cut = reference.size();
  while (cut > 0 && reference[cut - 1] >= '0' && reference[cut - 1] <= '9') --cut;
  const double number = vb::Val(reference.substr(cut)) + 1;
  return reference.substr(0, cut) + vb::Trim(vb::Str(number));
}
