// The part library file: one token per line, each record ended by a line "*". Reading it
// gives the record texts (every line followed by one blank) and the list texts (name and
// pitch) of the Add Component window. Plain functions; no window is needed.
#pragma once

#include <string>
#include <vector>

#include "platform/value.h"

struct LibraryContents {
  // Entries 0 to N, N being the number of "*" lines; entry N is a spare that stays empty
  // for a well-formed library.
  std::vector<vb::Value> records;
  // The list text of every record read: its first two lines, each followed by a blank.
  std::vector<std::string> listTexts;
  // How many entries from 0 on were filled, in file order (what the listing writes).
  int stored = 0;
  // The reading stopped part-way (the file ended where a further line was expected): what
  // was read before stays, and the caller still tells the user.
  bool cutShort = false;
};

// Reads the whole library. A file that cannot be opened, or holds no line, raises the file
// error (53, 62...) and returns nothing; one that ends where a further line is expected
// returns what was read before, marked cutShort.
LibraryContents ReadLibrary(const std::string& platformPath);

// The words of a record text for the pick: up to 18 texts, each ended by a blank; the text
// after the last blank is not a word. Missing words are empty.
std::vector<std::string> PickWords(const std::string& record);

// The reference after a given one: its trailing digits plus one ("R9" gives "R10", "U" gives
// "U1", "R007" gives "R8").
std::string NextReference(const std::string& reference);
