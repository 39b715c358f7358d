// The line encoder: a key and a line. Encoding fails only with error 5 (a code past 0..255)
// or 6 (a key past a long); when it succeeds, decoding gives the line back, and key 0 leaves
// the line as it is.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "platform/errors.h"
#include "shared/line_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  vb::Value key;
  std::size_t used = 1;
  if (data[0] == 0xFF && size >= 9) {
    double wide = 0;
    std::memcpy(&wide, data + 1, sizeof wide);
    key = wide;
    used = 9;
  } else if (data[0] == 0xFE) {
    key = std::string("  12 ");  // a text key, as a box hands it over
  } else {
    key = static_cast<int>(static_cast<std::int8_t>(data[0]));
  }
  const std::string line(reinterpret_cast<const char*>(data + used), size - used);
  std::string encoded;
  try {
    encoded = EncodeStr(line, key);
  } catch (const vb::RuntimeError& e) {
    fuzzing::Check(e.Number() == 5 || e.Number() == 6 || e.Number() == 13, "encoding failed with another error");
    return 0;
  }
  fuzzing::Check(encoded.size() == line.size(), "encoding changed the length");
  fuzzing::Check(DecodeStr(encoded, key) == line, "decoding did not give the line back");
  if (key == vb::Value(0)) fuzzing::Check(encoded == line, "key 0 changed the line");
  return 0;
}
