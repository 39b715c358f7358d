// Makes the installation medium: the setup list, the shortcut template, the default
// settings file and the programs, in one folder.
// Usage: make_medium OUTPUT_FOLDER BRANTEL MORAVINT SETUP
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/errors.h"
#include "platform/files.h"
#include "setup/shortcut_template.h"

namespace fs = std::filesystem;

namespace {

// Written as every writer of the suite writes: beside the target (through a symbolic link,
// to the file it leads to) and moved over it when complete.
bool WriteFile(const fs::path& path, const std::string& bytes) {
  try {
    vb::HostFileReplacement file(path.string());
    file.Write(bytes.data(), bytes.size());
    file.Commit();
    return true;
  } catch (const vb::RuntimeError&) {
    return false;
  }
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// Copper strips on a paper-based board.
std::string DefaultSettings() {
  const long strips = 215 + 256L * 140 + 65536L * 60;
  const long board = 225 + 256L * 215 + 65536L * 160;
  return Lines({"[Initalize]", " " + std::to_string(strips), " " + std::to_string(board), " 0", " 0", "[Control]", " 1",
                " 1", "[Printer]", " 150", " 150", "[Library]", "Brantel.lib"});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make_medium OUTPUT_FOLDER BRANTEL MORAVINT SETUP\n");
    return 2;
  }
  const fs::path out = argv[1];
  std::error_code ec;
  fs::create_directories(out, ec);
  if (ec) {
    std::fprintf(stderr, "make_medium: cannot create %s: %s\n", out.c_str(), ec.message().c_str());
    return 1;
  }
  bool ok = true;
  for (int i = 2; i <= 4; ++i) {
    const fs::path program = argv[i];
    fs::copy_file(program, out / program.filename(), fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::fprintf(stderr, "make_medium: cannot copy %s: %s\n", program.c_str(), ec.message().c_str());
      ok = false;
    }
  }
  const auto editorSize = static_cast<std::uint32_t>(fs::file_size(argv[2], ec));
  ok = WriteFile(out / "Setup.ini",
                 Lines({"[Setup]", "Brantel Setup", "Brantel: the layout editor and the part editor",
                        "C:\\Brantel", "Brantel", "Moravint", "brantel.ini"})) &&
       ok;
  ok = WriteFile(out / "brantel.ini", DefaultSettings()) && ok;
  ok = WriteFile(out / "link.dat", setup::MakeShortcutTemplate('C', ec ? 0 : editorSize)) && ok;
  if (!ok) std::fprintf(stderr, "make_medium: the medium in %s is incomplete\n", out.c_str());
  return ok ? 0 : 1;
}
