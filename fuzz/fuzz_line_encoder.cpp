// The line encoder, held to what its header promises: character i of the result has the code
// of character i of the line plus the key (encoding) or minus it (decoding); when a code
// leaves 0..255 the call fails with run-time error 5. Nothing else may fail, and what
// encodes decodes back. The keys are whole numbers as the header speaks of them: a byte
// (-128..127), a long from the next four bytes (first byte 0xFF), or the text of a byte's
// number with blanks around it as a box hands it over (first byte 0xFE).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "platform/errors.h"
#include "shared/line_encoder.h"

namespace {

// The line shifted by `by` as the header describes it; nothing when a code leaves 0..255.
std::optional<std::string> Shifted(const std::string& line, std::int64_t by) {
  std::string out;
  for (const char ch : line) {
    const std::int64_t code = static_cast<unsigned char>(ch) + by;
    if (code < 0 || code > 255) return std::nullopt;
    out.push_back(static_cast<char>(code));
  }
  return out;
}

// The call's result, or nothing when it failed with error 5; any other error stops the run.
template <typename Call>
std::optional<std::string> Run(Call call, const char* what) {
  try {
    return call();
  } catch (const vb::RuntimeError& e) {
    if (e.Number() == 5) return std::nullopt;
    std::fprintf(stderr, "%s: run-time error %d: %s\n", what, e.Number(), e.Description().c_str());
    fuzzing::Check(false, "the line encoder failed with an error other than 5");
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  vb::Value key;
  std::int64_t by = 0;
  std::size_t used = 1;
  if (data[0] == 0xFF && size >= 5) {
    std::int32_t wide = 0;
    std::memcpy(&wide, data + 1, sizeof wide);
    key = static_cast<double>(wide);
    by = wide;
    used = 5;
  } else if (data[0] == 0xFE && size >= 2) {
    by = static_cast<std::int8_t>(data[1]);
    key = std::string("  ") + std::to_string(by) + " ";
    used = 2;
  } else {
    by = static_cast<std::int8_t>(data[0]);
    key = static_cast<int>(by);
  }
  const std::string line(reinterpret_cast<const char*>(data + used), size - used);

  const std::optional<std::string> encoded = Run([&] { return EncodeStr(line, key); }, "EncodeStr");
  fuzzing::Check(encoded == Shifted(line, by), "encoding is not the line plus the key");
  const std::optional<std::string> decoded = Run([&] { return DecodeStr(line, key); }, "DecodeStr");
  fuzzing::Check(decoded == Shifted(line, -by), "decoding is not the line minus the key");
  if (encoded) {
    fuzzing::Check(Run([&] { return DecodeStr(*encoded, key); }, "DecodeStr") == line,
                   "decoding did not give the line back");
  }
  return 0;
}
