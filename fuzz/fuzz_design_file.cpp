// The design file reader: any bytes are checked without harm; a design it accepts gives
// exactly its holes, writes out again, and the written text is stable: reading it and
// writing it once more gives the same bytes. Every strip number read is one that Save writes
// back as itself, and it comes back as the same number from the written text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/editing/strips.h"
#include "editor/files/design_file.h"
#include "fuzz_support.h"

namespace {

// Loads the accepted text into the grid, keeping the strip numbers in file order; returns the
// number of holes handed over.
int Load(const std::string& bytes, HoleGridTable& grid, std::vector<double>* strips = nullptr) {
  int holes = 0;
  if (strips) strips->clear();
  ForEachDesignHole(bytes, [&](DesignHole& h) {
    ++holes;
    fuzzing::Check(IsStripNumber(h.numbers[KelmNet]), "a strip number that Save cannot write back was read");
    if (strips) strips->push_back(h.numbers[KelmNet]);
    for (int k = 0; k < HoleGridTable::kFields; ++k) grid(h.across, h.down, k) = h.Field(k);
  });
  return holes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Design design;
  DesignProblem problem;
  const bool accepted = ReadDesignText(bytes, design, problem);
  fuzzing::Check(accepted == CheckDesignText(bytes), "the two entry points disagree");
  static HoleGridTable grid;
  if (!accepted) {
    fuzzing::Check(Load(bytes, grid) == 0, "a refused design handed out holes");
    return 0;
  }
  fuzzing::Check(design.holesAcross >= 1 && design.holesAcross <= 100, "width outside the board");
  fuzzing::Check(design.holesDown >= 1 && design.holesDown <= 100, "height outside the board");
  std::vector<double> strips, stripsAgain;
  fuzzing::Check(Load(bytes, grid, &strips) == design.holesAcross * design.holesDown, "not one entry per hole");

  std::string written;
  fuzzing::Check(BuildDesignText(grid, design.header, written).empty(), "a design that opens cannot be saved back");
  Design again;
  fuzzing::Check(ReadDesignText(written, again, problem), "a written design does not read back");
  fuzzing::Check(again.holesAcross == design.holesAcross && again.holesDown == design.holesDown,
                 "the size changed on the way round");
  Load(written, grid, &stripsAgain);
  fuzzing::Check(stripsAgain == strips, "a strip number changed on the way round");
  std::string rewritten;
  fuzzing::Check(BuildDesignText(grid, again.header, rewritten).empty(), "a read design cannot be written");
  fuzzing::Check(rewritten == written, "writing a read design changed its bytes");
  return 0;
}
