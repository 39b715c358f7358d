// What the fuzz targets share: a folder of their own mapped as drive C: and made the current
// folder, and a check that stops the run with a message when an invariant does not hold.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/paths.h"

namespace fuzzing {

inline const std::string& Folder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / ("brantel-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    vb::SetDrive('C', path.string());
    vb::SetCurrentHostFolder(path.string());
    return path.string();
  }();
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
