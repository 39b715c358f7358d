#pragma once
// Writing a whole file at once, safely: the bytes go to a temporary file beside the target,
// which replaces the target only when every byte is on the disk. A failure leaves the old
// file as it was and raises RuntimeError: 76 when the folder does not exist, 75 when it may
// not be written (or the target is a folder), 61 when the disk is full, 57 for other I/O
// failures.

#include <string>

namespace vb {

void WriteWholeFile(const std::string& platformPath, const std::string& bytes);

}  // namespace vb
