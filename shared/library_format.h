// The part library's text layout, as both programs read it.
#pragma once

#include <string_view>

// A line that ends a record: one "*" with only blanks around it.
inline bool IsRecordEndLine(std::string_view line) {
  const std::size_t b = line.find_first_not_of(' ');
  return b != std::string_view::npos && line[b] == '*' && line.find_first_not_of(' ', b + 1) == std::string_view::npos;
}
