#include "editor/board/part_record.h"

#include <cmath>

std::vector<std::string> SplitRecord(const std::string& record) {
  std::vector<std::string> words;
  std::string::size_type start = 0;
  while (static_cast<int>(words.size()) < kRecordWordSlots) {
    const std::string::size_type blank = record.find(' ', start);
    if (blank == std::string::npos) {
      words.push_back(record.substr(start, kRecordLastWordLength));
      break;
    }
    words.push_back(record.substr(start, blank - start));
    start = blank + 1;
  }
  return words;
}

PackageLetters ReadPackageCode(const std::string& word) {
  PackageLetters letters;
  if (!word.empty()) letters.placement = word.substr(0, 1);
  if (word.size() > 1) letters.style = word.substr(1, 1);
  return letters;
}

vb::Colour GetColor(const std::string& letter, bool flipped) {
  if (letter == "A") return flipped ? vb::RGB(200, 200, 200) : vb::RGB(0, 0, 0);
  if (letter == "B") return vb::RGB(128, 128, 0);
  if (letter == "C") return vb::RGB(255, 0, 0);
  if (letter == "D") return vb::RGB(255, 128, 0);
  if (letter == "E") return vb::RGB(255, 255, 0);
  if (letter == "F") return vb::RGB(0, 255, 0);
  if (letter == "G") return vb::RGB(0, 0, 255);
  if (letter == "H") return vb::RGB(128, 0, 255);
  if (letter == "I") return vb::RGB(192, 192, 192);
  if (letter == "J") return vb::RGB(255, 255, 255);
  return vb::RGB(0, 0, 0);
}

double Atn2(double dy, double dx) {
  constexpr double kPi = 3.14159265359;
  constexpr double kThreePi = 9.42477796077;
  if (dy > 0) return std::atan(dx / dy);
  if (dy < 0) return std::atan(dx / dy) + kPi;
  return dx >= 0 ? kPi / 2 : kThreePi / 2;
}

void Quadrant(double ax, double bx, double ay, double by, int& o1, int& o2, int& o3, int& o4) {
  const double dx = bx - ax;
  const double dy = by - ay;
  if (dx > 0 && dy > 0) { o1 = 1; o2 = 1; o3 = -1; o4 = 1; }
  if (dx > 0 && dy < 0) { o1 = 1; o2 = -1; o3 = 1; o4 = 1; }
  if (dx < 0 && dy > 0) { o1 = -1; o2 = 1; o3 = -1; o4 = -1; }
  if (dx < 0 && dy < 0) { o1 = -1; o2 = -1; o3 = -1; o4 = 1; }
  if (dx == 0) {
    o1 = 0;
    if (dy > 0) { o2 = 1; o3 = 1; o4 = 0; }
    if (dy < 0) { o2 = -1; o3 = -1; o4 = 0; }
  }
  if (dy == 0) {
    o2 = 0;
    if (dx > 0) { o1 = 1; o3 = 1; o4 = -1; }
    if (dx < 0) { o1 = -1; o3 = -1; o4 = 1; }
  }
}
