// The part library, as the two programs read it. The part editor's reader takes any bytes;
// what it reads writes out, and the written library reads back as itself. The layout editor's
// reader takes any file: it raises "Input past end of file" (62) for an empty file, and
// otherwise fills the list, marking it cut short when the file ends where a record needs a
// further line. The file is there and readable, so no other error may come.
// (A last record without its "*" gets one when written, so the bytes settle after one
// writing.)
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "editor/editing/library.h"
#include "fuzz_support.h"
#include "parteditor/part_library.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const moravint::LibraryContents read = moravint::ReadLibrary(bytes);
  const std::string written = moravint::LibraryBytes(read.records);
  const moravint::LibraryContents again = moravint::ReadLibrary(written);
  fuzzing::Check(again.records.size() == read.records.size(), "a written library has other records");
  fuzzing::Check(moravint::LibraryBytes(again.records) == written, "writing twice gives other bytes");
  fuzzing::Check(moravint::ReadLibrary(moravint::LibraryBytes(again.records)).records == again.records,
                 "a written library reads back otherwise");

  fuzzing::Write("Fuzz.lib", bytes);
  try {
    const LibraryContents listed = ReadLibrary("Fuzz.lib");
    fuzzing::Check(!bytes.empty(), "an empty library was read");
    fuzzing::Check(listed.cutShort || (listed.stored >= 1 && !listed.listTexts.empty()), "a library was read with nothing listed");
    fuzzing::Check(static_cast<std::size_t>(listed.stored) <= listed.records.size(), "more records stored than read");
    fuzzing::Check(listed.listTexts.size() <= listed.records.size(), "more list texts than records");
  } catch (const vb::RuntimeError& e) {
    if (e.Number() != 62) std::fprintf(stderr, "run-time error %d: %s\n", e.Number(), e.Description().c_str());
    fuzzing::Check(e.Number() == 62, "the library reader raised an error other than 62");
  }
  return 0;
}
