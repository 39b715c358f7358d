#include "editor/editing/library.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {
bool EndsRecord(const std::string& line) { return vb::Trim(line) == "*"; }
}  // namespace

LibraryContents ReadLibrary(const std::string& platformPath) {
  LibraryContents lib;
  vb::TextReader count(platformPath);
  int n = 0;
  do {
    if (EndsRecord(count.LineInput())) ++n;
  } while (!count.Eof());
  count.Close();
  lib.records.assign(static_cast<size_t>(n) + 1, vb::Value(std::string()));

  vb::TextReader in(platformPath);
  size_t i = 0;
  auto store = [&](const std::string& rec) {
    if (i < lib.records.size()) {
      lib.records[i] = rec;
      lib.stored = static_cast<int>(i) + 1;
    }
  };
  try {
    std::string rec = in.LineInput() + " ";
    rec += in.LineInput() + " ";
    for (;;) {
      lib.listTexts.push_back(rec);
      for (;;) {
        const std::string line = in.LineInput();
        rec += line + " ";
        if (in.Eof()) {
          store(rec);
          return lib;
        }
        if (EndsRecord(line)) break;
      }
      store(rec);
      ++i;
      rec = in.LineInput() + " ";
      rec += in.LineInput() + " ";
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
