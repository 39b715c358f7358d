// The default part library, the data files and the shortcut template.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/board/part_record.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "setup/data_tables.h"
#include "setup/setup_script.h"
#include "shared/line_encoder.h"
#include "tests/setup/setup_fixture.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF";
    if (end == std::string::npos) break;
    out.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

// The layout editor's library reading: list entries of name and pitch, and the records.
void ReadLibrary(const std::string& path, std::vector<std::string>* list, std::vector<std::string>* records) {
  vb::TextReader in(path);
  std::string rec = in.LineInput() + " ";
  rec += in.LineInput() + " ";
  for (;;) {
    list->push_back(rec);
    std::string line;
    do {
      line = in.LineInput();
      rec += line + " ";
      if (in.Eof()) {
        records->push_back(rec);
        return;
      }
    } while (vb::Trim(line) != "*");
    records->push_back(rec);
    rec = in.LineInput() + " ";
    rec += in.LineInput() + " ";
    if (in.Eof()) return;
  }
}

TEST_F(SetupTest, DefaultLibraryReadsBackAsTwelveRecords) {
  Form1& f = Agreed();
  fs::create_directories(drive.HostFile("Brantel"));
  drive.Write("Brantel/Brantel.lib", std::string(5000, 'x'));  // replaced, not extended
  f.BuildPart();
  std::vector<std::string> list, records;
  ReadLibrary("C:\\Brantel\\Brantel.lib", &list, &records);
  ASSERT_EQ(list.size(), 12u);
  EXPECT_EQ(list.front(), "Axial 0.3 ");
  EXPECT_EQ(list[6], "Short 0.2 ");
  EXPECT_EQ(list.back(), "Dip6 0.3 ");
  ASSERT_EQ(records.size(), 12u);
  // Header words, then five words a drawing step, then "*".
  const int steps[] = {10, 12, 6, 15, 7, 5, 2, 58, 12, 7, 19, 26};
  const char* packages[] = {"AR", "AR", "AO", "AR", "AO", "DO", "AR", "AR", "AR", "AR", "AR", "DO"};
  for (std::size_t i = 0; i < 12; ++i) {
    const std::vector<std::string> words = SplitRecord(vb::Trim(records[i]));
    EXPECT_EQ(words.size(), 6u + 5u * static_cast<unsigned>(steps[i]) + 1u) << list[i];
    EXPECT_EQ(words[2], packages[i]) << list[i];
    EXPECT_EQ(words.back(), "*");
  }
  const std::vector<std::string> lines = CrLfLines(drive.Read("Brantel/Brantel.lib"));
  const auto shortAt = std::find(lines.begin(), lines.end(), "Short");
  ASSERT_NE(shortAt, lines.end());
  EXPECT_EQ(std::vector<std::string>(shortAt, shortAt + 17),
            (std::vector<std::string>{"Short", "0.2", "AR", "2", "2", "1", "E", "0", "0", "0", "3", "E", "0", "3", "0",
                                      "0", "*"}));
  EXPECT_EQ(lines.back(), "*");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 0);
}

TEST_F(SetupTest, DataFilesCarryAnEncodedHeaderAndTheirTables) {
  Form1& f = Agreed();
  fs::create_directories(drive.HostFile("Brantel"));
  drive.Write("Brantel/omravid.dll", std::string(100000, 'y'));
  // Unset keys: the table lines are written as they are; only the header is shifted.
  f.BuildCdata("clients");
  f.BuildOdata("named");
  f.BuildXref("xref");
  const struct {
    const char* file;
    std::string header;
    const char* const* table;
    int count;
  } files[] = {{"cdata.dat", "clients", setup::kClientLines, 4},
               {"odata.dat", "named", setup::kNamedLines, 92},
               {"omravid.dll", "xref", setup::kXrefLines, 1458}};
  for (const auto& file : files) {
    const std::vector<std::string> lines = CrLfLines(drive.Read(std::string("Brantel/") + file.file));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(file.count) + 1) << file.file;
    EXPECT_NE(lines[0], file.header);
    EXPECT_EQ(DecodeStr(lines[0], 3), file.header);
    for (int i = 0; i < file.count; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i) + 1], file.table[i]) << file.file;
  }
  // The table shapes: 24 fields a client record, 16 a named record; 186 headed blocks and
  // 1085 rows in the cross reference, each heading followed by an empty line.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(std::count(setup::kClientLines[i], setup::kClientLines[i] + std::strlen(setup::kClientLines[i]), '$'), 24);
  for (int i = 0; i < 92; ++i) EXPECT_EQ(std::count(setup::kNamedLines[i], setup::kNamedLines[i] + std::strlen(setup::kNamedLines[i]), '$'), 16);
  int headings = 0, rows = 0;
  for (int i = 0; i < 1457; ++i) {
    const std::string line = setup::kXrefLines[i];
    if (!line.empty() && line[0] == '%') {
      ++headings;
      EXPECT_LE(line.size(), 33u);
      EXPECT_EQ(line, vb::UCase(line));
      EXPECT_EQ(std::string(setup::kXrefLines[i + 1]), "");
    } else if (!line.empty()) {
      ++rows;
    }
  }
  EXPECT_EQ(headings, 186);
  EXPECT_EQ(rows, 1085);
  EXPECT_EQ(std::string(setup::kXrefLines[1457]), "");

  // Set keys go round 0, 1, 2, 3, 0, ... over the table lines, empty lines included.
  app->m.LineKeys = {vb::Value(1.0), vb::Value(2.0), vb::Value(3.0), vb::Value(4.0)};
  f.BuildXref("xref");
  const std::vector<std::string> lines = CrLfLines(drive.Read("Brantel/omravid.dll"));
  ASSERT_EQ(lines.size(), 1459u);
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_EQ(DecodeStr(lines[i], static_cast<double>((i - 1) % 4 + 1)), setup::kXrefLines[i - 1]) << i;
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
unsigned U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned>(static_cast<unsigned char>(b[at])) | static_cast<unsigned>(static_cast<unsigned char>(b[at + 1])) << 8;
}

// The template is a whole shell link: its sections follow each other as their sizes say, and
// its three paths name the program folder on the template's drive at the three positions.
TEST(ShortcutTemplateTest, IsAShellLinkWithItsDriveLettersInPlace) {
  const std::string b = setup::MakeShortcutTemplate('Q', 123456);
  ASSERT_EQ(U32(b, 0), 0x4Cu);
  EXPECT_EQ(b.substr(4, 16), std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
  EXPECT_EQ(U32(b, 20), 0x1Fu);  // ID list, link info, name, relative path, working folder
  EXPECT_EQ(U32(b, 52), 123456u);
  // ID list: items until the zero-sized terminal item.
  const std::size_t listEnd = 78 + U16(b, 76);
  std::size_t at = 78;
  int items = 0;
  while (U16(b, at) != 0) {
    at += U16(b, at);
    ++items;
  }
  EXPECT_EQ(items, 4);
  EXPECT_EQ(at + 2, listEnd);
  // Link info: volume and local base path, as its offsets say.
  const std::size_t info = listEnd;
  EXPECT_EQ(b.substr(info + U32(b, info + 16), 19), std::string("Q:\\Brantel\\Brantel\0", 19));
  std::size_t strings = info + U32(b, info);
  std::vector<std::string> texts;
  for (int i = 0; i < 3; ++i) {
    const unsigned n = U16(b, strings);
    texts.push_back(b.substr(strings + 2, n));
    strings += 2 + n;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Strip board layout", ".\\Brantel", "Q:\\Brantel"}));
  EXPECT_EQ(U32(b, strings), 0u);
  EXPECT_EQ(strings + 4, b.size());
  std::string drives;
  for (long p : setup::kShortcutDrivePositions) drives += b[static_cast<std::size_t>(p - 1)];
  EXPECT_EQ(drives, "QQQ");
  EXPECT_EQ(std::count(b.begin(), b.end(), 'Q'), 3);
}

// The bytes of a file of this machine (the build's medium lies on no drive of the programs).
std::string HostBytes(const std::string& host) {
  std::ifstream in(host, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The build's medium holds the list, the template and the listed files.
TEST(MediumTest, TheBuildMakesACompleteMedium) {
  const std::string medium = BRANTEL_MEDIUM_DIR;
  const setup::SetupScript script = setup::ParseSetupScript(HostBytes(medium + "/Setup.ini"));
  ASSERT_TRUE(script.HasFiles());
  EXPECT_EQ(script.Caption().substr(0, 8), "Brantel ");
  EXPECT_EQ(script.Destination(), "C:\\Brantel");
  for (const std::string& file : script.Files()) EXPECT_TRUE(fs::is_regular_file(medium + "/" + file)) << file;
  EXPECT_EQ(HostBytes(medium + "/link.dat").size(), setup::MakeShortcutTemplate('C', 0).size());
  EXPECT_TRUE(fs::is_regular_file(medium + "/setup"));
}

}  // namespace
