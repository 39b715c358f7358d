// Reading a Tango netlist back: the block check, its messages, and that nothing changes.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <random>

#include "editor/files/netlist.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"

namespace {

using netlist::ReadTangoNetlist;
using netlist::TangoCheck;

const std::string kNetlist =
    "[\r\nR1\r\nAXIAL\r\n1K\r\n\r\n\r\n\r\n]\r\n[\r\nC5\r\nCAP\r\n10u\r\n\r\n\r\n\r\n]\r\n"
    "(\r\nN00001\r\nR1-1\r\nC5-1\r\n)\r\n(\r\nN00012\r\nR1-2\r\n)\r\n";

class NetlistImport : public EditorTest {
 protected:
  // Imports a file with these bytes (none: no file); the board and the file stay as they were.
  void Import(const std::string* bytes) {
    if (bytes) folder.Write("inst/Tango.net", *bytes);
    const auto grid = [this] {
      std::string all;
      for (int i = 0; i < 5 * 5 * HoleGridTable::kFields; ++i) all += m().HoleGrid(i % 5, i / 5 % 5, i / 25).Text() + "|";
      return all;
    };
    const std::string before = grid();
    f().Tangoin_Click();
    EXPECT_EQ(before, grid());
    EXPECT_EQ(bytes ? *bytes : std::string(), bytes ? folder.Read("inst/Tango.net") : std::string());
    EXPECT_TRUE(responder.Done());
  }
};

TEST_F(NetlistImport, TheImportItemsCannotBeChosen) {
  for (vb::MenuItem* item : {&f().Tangoin, &f().OcadPCB2in}) {
    EXPECT_FALSE(item->Enabled());
    EXPECT_FALSE(item->Action()->isEnabled());
    item->Action()->trigger();  // would complain about the missing file if it ran
  }
  EXPECT_TRUE(responder.Seen().empty());
}

TEST_F(NetlistImport, MessagesForEachKindOfBadFileAndNothingChanges) {
  m().DataFolder = "C:\\inst";
  Board(4, 4);
  parttest::PlacePart(m(), {{1, 1}, {3, 2}}, "AXIAL 0.4 AR 2 2 1 *", "R7", "2K2");
  // Good files: as exported; spare block lines holding text; no component blocks at all.
  const std::string good[] = {kNetlist, "[\r\nR1\r\nAXIAL\r\n1K\r\nnote\r\n[\r\n(\r\n]\n(\nN00003\nR1-1\n)",
                              "(\r\nN00002\r\nS2-1\r\n)\r\n"};
  for (const std::string& bytes : good) Import(&bytes);

  const int box = vb::vbOKOnly | vb::vbCritical;
  const std::string bad[] = {"R1\r\n" + kNetlist, "[\r\nR1\r\nAXIAL\r\n1K\r\n]\r\nN00001\r\n"};
  for (const std::string& bytes : bad) {
    responder.Expect("Net list format error", "Import error", vb::vbOK, box);
    Import(&bytes);
  }
  const std::string open[] = {"[\r\nR1\r\nAXIAL\r\n1K\r\n\r\n", kNetlist + "(\r\nN00002\r\nR1-1\r\n"};
  for (const std::string& bytes : open) {
    responder.Expect("The netlist C:\\inst\\Tango.net ends inside a block", "Import error", vb::vbOK, box);
    Import(&bytes);
  }
  responder.Expect("The netlist C:\\inst\\Tango.net is empty", "Import error", vb::vbOK, box);
  const std::string empty;
  Import(&empty);
  std::filesystem::remove(folder.HostFile("inst/Tango.net"));
  responder.Expect("The netlist C:\\inst\\Tango.net was not found", "Import error", vb::vbOK, box);
  Import(nullptr);
  std::filesystem::create_directories(folder.HostFile("inst/Tango.net"));
  responder.Expect("The netlist C:\\inst\\Tango.net could not be read:\r\nPath/File access error", "Import error");
  Import(nullptr);
}

// Any bytes are read without a crash, and every cut of a good file is either whole or an
// unclosed block, never a format error.
TEST(TangoReader, RandomBytesAndTruncationsNeverCrash) {
  const auto whole = ReadTangoNetlist(kNetlist);
  EXPECT_EQ("R1 AXIAL 1K C5 CAP 10u N00001 N00012",
            whole.references[0] + " " + whole.packages[0] + " " + whole.values[0] + " " + whole.references[1] + " " +
                whole.packages[1] + " " + whole.values[1] + " " + whole.netNames[0] + " " + whole.netNames[1]);
  for (std::size_t n = 0; n <= kNetlist.size(); ++n) {
    const auto r = ReadTangoNetlist(std::string_view(kNetlist).substr(0, n));
    ASSERT_NE(TangoCheck::FormatError, r.check) << n;
    ASSERT_EQ(n == 0, r.check == TangoCheck::Empty) << n;
  }
  std::mt19937 rng(77);
  const std::string pieces[] = {"[", "]", "(", ")", "\r", "\n", "\r\n", "R1", "", std::string(1, '\0')};
  for (int round = 0; round < 5000; ++round) {
    std::string bytes;
    for (int i = static_cast<int>(rng() % 60); i > 0; --i)
      bytes += rng() % 4 == 0 ? std::string(1, static_cast<char>(rng() % 256)) : pieces[rng() % std::size(pieces)];
    const auto r = ReadTangoNetlist(bytes);
    ASSERT_EQ(r.references.size(), r.values.size());
    ASSERT_LE(r.references.size() + r.netNames.size(), bytes.size());
  }
}

}  // namespace
