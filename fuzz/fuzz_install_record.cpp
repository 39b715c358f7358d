// The installation record: "Brantel.dat" read line by line as the start-up window reads it,
// the value of line 9 taken after its first colon. The value is at most 99 characters, has
// no blanks around it and is a piece of its line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/board/splash.h"
#include "fuzz_support.h"
#include "platform/errors.h"
#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::Write("Brantel.dat", std::string(reinterpret_cast<const char*>(data), size));
  try {
    vb::TextReader record("Brantel.dat");
    for (int i = 1; i <= 9; ++i) {
      const std::string line = record.LineInput();
      const std::string value = InstallRecordValue(line);
      fuzzing::Check(value.size() <= 99, "value longer than 99 characters");
      fuzzing::Check(value.empty() || (value.front() != ' ' && value.back() != ' '), "blanks around the value");
      fuzzing::Check(line.find(value) != std::string::npos, "value not taken from its line");
    }
    record.Close();
  } catch (const vb::RuntimeError& e) {
    // A record that ends early: "Input past end of file", which the start-up window traps.
    fuzzing::Check(e.Number() == 62, "a record failed otherwise than by ending early");
  }
  return 0;
}
