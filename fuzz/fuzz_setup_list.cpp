// The installer's setup list: any bytes split into lines without harm; the lines never
// hold a line end, and the checks on them agree with each other.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "setup/setup_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const setup::SetupScript script = setup::ParseSetupScript(bytes);
  std::size_t kept = 0;
  for (const std::string& line : script.lines) {
    fuzzing::Check(line.find_first_of("\r\n") == std::string::npos, "a line holds a line end");
    kept += line.size();
  }
  fuzzing::Check(kept <= bytes.size(), "more text than the file holds");
  if (script.HasFiles()) fuzzing::Check(script.HasHead(), "files without the head");
  if (script.HasHead()) fuzzing::Check(script.Recognised(), "a head without [Setup]");
  return 0;
}
