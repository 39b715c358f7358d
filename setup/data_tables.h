// The fixed line tables of the data files: client records (4 lines), named numeric records
// (92 lines) and the cross-reference list (1458 lines: 186 blocks of a "%" heading, an empty
// line and 1 to 15 rows, then an empty last line).
#pragma once

namespace setup {

extern const char* const kClientLines[];
extern const int kClientLinesCount;
extern const char* const kNamedLines[];
extern const int kNamedLinesCount;
extern const char* const kXrefLines[];
extern const int kXrefLinesCount;

// Room of the named-record table; the first kNamedLinesCount entries are filled.
constexpr int kNamedRecordRoom = 101;

}  // namespace setup
