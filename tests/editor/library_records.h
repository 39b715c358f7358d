// The twelve records of the default part library, and a writer of library files in the
// library's own layout (one token per line, CR LF, each record ended by "*").
#pragma once

#include <string>
#include <vector>

namespace libtest {

inline const std::vector<std::string>& DefaultRecords() {
  static const std::vector<std::string> records = {
      "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 9.5 A 1 9.5 0 9.5 A 0 9.5 0 10 A 0 10 0 9.5 A 0 9.5 -1 9.5 A -1 9.5 -1 .5 A -1 .5 0 .5 A 0 .5 0 0 *",
      "Radial 0.1 AR 2 2 1 A 0 0 0 1.5 A 0 1.5 -1 1 A -1 1 -1.5 0 A -1.5 0 -1 -1 A -1 -1 0 -1.5 A 0 -1.5 1 -1 A 1 -1 1.5 0 A 1.5 0 1 1 A 1 1 0 1.5 A 0 1.5 0 2 A 0 2 0 1.5 A 0 1.5 0 0 *",
      "JMP 0.2 AO 2 2 0 S 0 0 -1 -1 A -1 -1 1 -1 A 1 -1 1 4 A 1 4 -1 4 A -1 4 -1 -1 S -1 -1 0 0 *",
      "Disk 0.1 AR 2 2 1 A 0 0 0 .5 A 0 .5 .5 .5 A .5 .5 1 1.5 A 1 1.5 1 2.5 A 1 2.5 .5 3.5 A .5 3.5 0 3.5 A 0 3.5 0 4 A 0 4 0 3.5 A 0 3.5 0 3.5 A 0 3.5 -.5 3.5 A -.5 3.5 -1 2.5 A -1 2.5 -1 1.5 A -1 1.5 -.5 .5 A -.5 .5 0 .5 A 0 .5 0 0 *",
      "Con5 0.1 AO 5 2 0 S 0 0 0 -1 A 0 -1 1 -1 A 1 -1 1 13 A 1 13 -1 13 A -1 13 -1 -1 A -1 -1 0 -1 S 0 -1 0 0 *",
      "Con2x5 0.1 DO 10 2 0 S 0 0 -1.5 -1.5 A -1.5 -1.5 4.5 -1.5 A 4.5 -1.5 4.5 13.5 A 4.5 13.5 -1.5 13.5 A -1.5 13.5 -1.5 -1.5 *",
      "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *",
      "Res1K 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 1.15 B 1 1.15 -1 1.15 B -1 1.15 -1 1.3 B -1 1.3 1 1.3 B 1 1.3 1 1.5 B 1 1.5 -1 1.5 B -1 1.5 -1 1.65 B -1 1.65 1 1.65 A 1 1.65 1 1.8 A 1 1.8 -1 1.8 A -1 1.8 -1 2 A -1 2 1 2 A 1 2 1 2.15 A 1 2.15 -1 2.15 A -1 2.15 -1 2.3 A -1 2.3 1 2.3 A 1 2.3 1 2.5 C 1 2.5 -1 2.5 C -1 2.5 -1 2.65 C -1 2.65 1 2.65 C 1 2.65 1 2.8 C 1 2.8 -1 2.8 C -1 2.8 -1 3 C -1 3 1 3 A 1 3 1 5.15 A 1 5.15 0 5.15 A 0 5.15 0 5.3 A 0 5.3 0 5.15 A 0 5.15 -1 5.15 A -1 5.15 -1 3 C -1 3 1 3 C 1 3 1 2.8 C 1 2.8 -1 2.8 C -1 2.8 -1 2.65 C -1 2.65 1 2.65 C 1 2.65 1 2.5 C 1 2.5 -1 2.5 A -1 2.5 -1 2.3 A -1 2.3 1 2.3 A 1 2.3 1 2.15 A 1 2.15 -1 2.15 A -1 2.15 -1 2 A -1 2 1 2 A 1 2 1 1.8 A 1 1.8 -1 1.8 A -1 1.8 -1 1.65 B -1 1.65 1 1.65 B 1 1.65 1 1.5 B 1 1.5 -1 1.5 B -1 1.5 -1 1.3 B -1 1.3 1 1.3 B 1 1.3 1 1.15 B 1 1.15 -1 1.15 A -1 1.15 -1 .5 A -1 .5 0 .5 A 0 .5 0 0 *",
      "ResSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 1 A 1 1 -1 1.5 A -1 1.5 1 2 A 1 2 -1 2.5 A -1 2.5 1 3 A 1 3 -1 3.5 A -1 3.5 1 4 A 1 4 -1 4.5 A -1 4.5 1 5 A 1 5 0 5.5 A 0 5.5 0 6 *",
      "CapSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1.5 .5 A 1.5 .5 -1.5 .5 S -1.5 .5 -1.5 1 A -1.5 1 1.5 1 A 1.5 1 0 1 A 0 1 0 3 *",
      "IndSCH 0.2 AR 2 2 1 A 0 0 0 .5 A 0 .5 1 .5 A 1 .5 1 1 A 1 1 -1 1 A -1 1 -1 1.5 A -1 1.5 1 1.5 A 1 1.5 1 2 A 1 2 -1 2 A -1 2 -1 2.5 A -1 2.5 1 2.5 A 1 2.5 1 3 A 1 3 -1 3 A -1 3 -1 3.5 A -1 3.5 1 3.5 A 1 3.5 1 4 A 1 4 -1 4 A -1 4 -1 4.5 A -1 4.5 0 4.5 A 0 4.5 0 5 *",
      "Dip6 0.3 DO 6 2 0 A 0 0 1 0 A 1 0 1 3 A 1 3 0 3 A 0 3 1 3 A 1 3 1 6 A 1 6 0 6 A 0 6 1 6 A 1 6 1 6.5 A 1 6.5 8 6.5 A 8 6.5 8 6 A 8 6 9 6 A 9 6 8 6 A 8 6 8 3 A 8 3 9 3 A 9 3 8 3 A 8 3 8 0 A 8 0 9 0 A 9 0 8 0 A 8 0 8 -.5 A 8 -.5 1 -.5 A 1 -.5 1 0 A 1 0 1.5 0 A 1.5 0 1.5 -.5 A 1.5 -.5 1 -.5 A 1 -.5 1 0 A 1 0 0 0 *",
  };
  return records;
}

// The record of the default library whose name is the given one.
inline std::string Record(const std::string& name) {
  for (const auto& r : DefaultRecords())
    if (r.compare(0, name.size() + 1, name + " ") == 0) return r;
  return {};
}

// The file text of records given in memory form (tokens joined by single blanks).
inline std::string LibraryText(const std::vector<std::string>& records) {
  std::string text;
  for (const auto& r : records) {
    size_t pos = 0;
    for (;;) {
      const size_t blank = r.find(' ', pos);
      text += r.substr(pos, blank == std::string::npos ? std::string::npos : blank - pos) + "\r\n";
      if (blank == std::string::npos) break;
      pos = blank + 1;
    }
  }
  return text;
}

}  // namespace libtest
