#include "setup/shortcut_template.h"

#include <initializer_list>

namespace setup {

namespace {

class Bytes {
 public:
  void U8(unsigned v) { out_.push_back(static_cast<char>(v & 0xFF)); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Raw(std::initializer_list<unsigned> bytes) {
    for (unsigned b : bytes) U8(b);
  }
  void Text(const std::string& s) { out_ += s; }
  void Zeros(std::size_t n) { out_.append(n, '\0'); }
  // An ANSI string of the string data: its length in characters, then the characters.
  void Counted(const std::string& s) {
    U16(static_cast<unsigned>(s.size()));
    Text(s);
  }
  // A file entry item of the ID list: a folder (0x31) or a file (0x32), with its name.
  void FileItem(unsigned type, std::uint32_t size, unsigned attributes, const std::string& name) {
    std::string padded = name + '\0';
    if (padded.size() % 2 != 0) padded += '\0';
    U16(static_cast<unsigned>(14 + padded.size()));
    U8(type);
    U8(0);
    U32(size);
    U16(0x5A21);  // modified: 1 September 2025 (DOS date)
    U16(0x6000);  // 12:00:00 (DOS time)
    U16(attributes);
    Text(padded);
  }
  std::size_t Size() const { return out_.size(); }
  const std::string& Out() const { return out_; }

 private:
  std::string out_;
};

constexpr std::uint32_t kHasLinkTargetIDList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;

// The volume label fills the volume ID up to the local base path.
const char* const kVolumeLabel = "BRANTEL STRIPBOARD LAYOUT 3.4";

}  // namespace

std::string MakeShortcutTemplate(char drive, std::uint32_t programSize) {
  const std::string d(1, drive);
  Bytes b;
  // Shell link header (76 bytes).
  b.U32(0x4C);
  b.Raw({0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46});
  b.U32(kHasLinkTargetIDList | kHasLinkInfo | kHasName | kHasRelativePath | kHasWorkingDir);
  b.U32(0x20);  // archive
  for (int t = 0; t < 3; ++t) {  // creation, access and write time: 1 September 2025, 12:00 UTC
    b.U32(0x6C1E8000u);
    b.U32(0x01DC1B2Cu);
  }
  b.U32(programSize);
  b.U32(0);  // icon index
  b.U32(1);  // show normal
  b.U16(0);  // no hot key
  b.Zeros(10);

  // Target ID list: this computer, the drive, the folder, the program.
  Bytes items;
  items.U16(0x14);
  items.Raw({0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D});
  items.U16(0x19);
  items.U8(0x2F);
  items.Text(d + ":\\");
  items.Zeros(0x19 - 6);
  items.FileItem(0x31, 0, 0x10, "Brantel");
  items.FileItem(0x32, programSize, 0x20, "Brantel");
  items.U16(0);  // terminal item
  b.U16(static_cast<unsigned>(items.Size()));
  b.Text(items.Out());

  // Link information: the volume and the local base path.
  const std::string label = std::string(kVolumeLabel) + '\0';
  const std::string basePath = d + ":\\Brantel\\Brantel" + '\0';
  const std::uint32_t headerSize = 0x1C;
  const std::uint32_t volumeSize = 16 + static_cast<std::uint32_t>(label.size());
  const std::uint32_t baseOffset = headerSize + volumeSize;
  const std::uint32_t suffixOffset = baseOffset + static_cast<std::uint32_t>(basePath.size());
  const std::uint32_t infoSize = suffixOffset + 1;
  b.U32(infoSize);
  b.U32(headerSize);
  b.U32(1);  // volume ID and local base path
  b.U32(headerSize);
  b.U32(baseOffset);
  b.U32(0);  // no network path
  b.U32(suffixOffset);
  b.U32(volumeSize);
  b.U32(3);  // fixed drive
  b.U32(0x1958A0C3u);
  b.U32(0x10);
  b.Text(label);
  b.Text(basePath);
  b.U8(0);  // empty common path suffix

  // String data (8-bit): name, relative path, working folder.
  b.Counted("Strip board layout");
  b.Counted(".\\Brantel");
  b.Counted(d + ":\\Brantel");
  b.U32(0);  // no extra data
  return b.Out();
}

}  // namespace setup
