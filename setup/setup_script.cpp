#include "setup/setup_script.h"

namespace setup {

std::vector<std::string> SetupScript::Files() const {
  if (lines.size() < 5) return {};
  return std::vector<std::string>(lines.begin() + 4, lines.end());
}

SetupScript ParseSetupScript(const std::string& bytes) {
  SetupScript script;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
      script.lines.push_back(bytes.substr(pos));
      break;
    }
    script.lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 1;
    if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  return script;
}

}  // namespace setup
