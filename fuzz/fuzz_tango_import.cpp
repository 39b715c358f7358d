// The Tango netlist check: any bytes are read without harm, and an accepted file gives one
// package and one value for every reference.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/files/netlist.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const netlist::TangoContents read =
      netlist::ReadTangoNetlist(std::string_view(reinterpret_cast<const char*>(data), size));
  if (read.check == netlist::TangoCheck::Ok) {
    fuzzing::Check(read.packages.size() == read.references.size(), "a reference without its package");
    fuzzing::Check(read.values.size() == read.references.size(), "a reference without its value");
  }
  if (size == 0) fuzzing::Check(read.check == netlist::TangoCheck::Empty, "an empty file was not empty");
  return 0;
}
