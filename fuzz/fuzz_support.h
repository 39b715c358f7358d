// What the fuzz targets share: a folder of their own mapped as drive C: and made the current
// folder, removed again when the run exits, and a check that stops the run with a message
// when an invariant does not hold.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/paths.h"

namespace fuzzing {

// The folder of this process, made on first use. It goes when the run exits (libFuzzer ends
// a run with exit: static objects are destroyed, the later made first, so a target's
// objects that use the folder are gone before it). A run stopped by a crash or a signal
// leaves it for the report; the next process of the same number starts it afresh.
class ScratchFolder {
 public:
  ScratchFolder() : path_(std::filesystem::temp_directory_path() / ("brantel-fuzz-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    vb::SetDrive('C', path_.string());
    vb::SetCurrentHostFolder(path_.string());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

inline const std::string& Folder() {
  static const ScratchFolder scratch;
  static const std::string folder = scratch.Path();
  return folder;
}

inline void Write(const std::string& name, const std::string& bytes) {
  std::ofstream out(Folder() + "/" + name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string Read(const std::string& name) {
  std::ifstream in(Folder() + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace fuzzing
