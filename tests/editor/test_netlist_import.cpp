// Reading a Tango netlist back: the block check, its messages, and that nothing changes.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <random>

#include "editor/files/netlist.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"

namespace {

using netlist::ReadTangoNetlist;
using netlist::TangoCheck;

const std::string kNetlist =
    "[\r\nR1\r\nAXIAL\r\n1K\r\n\r\n\r\n\r\n]\r\n"
    "[\r\nC5\r\nCAP\r\n10u\r\n\r\n\r\n\r\n]\r\n"
    "(\r\nN00001\r\nR1-1\r\nC5-1\r\n)\r\n"
    "(\r\nN00012\r\nR1-2\r\n)\r\n";

class NetlistImport : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:\\inst";
    folder.Write("inst/Brantel.dat", "");
    Board(4, 4);
    parttest::PlacePart(m(), {{1, 1}, {3, 2}}, "AXIAL 0.4 AR 2 2 1 *", "R7", "2K2");
  }
  // Every field of every board hole, as text.
  std::string Grid() {
    std::string all;
    for (int d = 0; d <= 4; ++d)
      for (int a = 0; a <= 4; ++a)
        for (int k = 0; k < HoleGridTable::kFields; ++k) all += m().HoleGrid(a, d, k).Text() + "|";
    return all;
  }
  // Imports the file with these bytes (none: no file); the board and the file stay as they were.
  void Import(const std::string* bytes) {
    if (bytes) folder.Write("inst/Tango.net", *bytes);
    const std::string before = Grid();
    f().Tangoin_Click();
    EXPECT_EQ(before, Grid());
    if (bytes) {
      EXPECT_EQ(*bytes, folder.Read("inst/Tango.net"));
    }
    EXPECT_TRUE(responder.Done());
  }
};

TEST_F(NetlistImport, TheImportItemsCannotBeChosen) {
  EXPECT_FALSE(f().Tangoin.Enabled());
  EXPECT_FALSE(f().OcadPCB2in.Enabled());
  EXPECT_FALSE(f().Tangoin.Action()->isEnabled());
  EXPECT_FALSE(f().OcadPCB2in.Action()->isEnabled());
  f().Tangoin.Action()->trigger();  // no file: a chosen item would say so
  f().OcadPCB2in.Action()->trigger();
  EXPECT_TRUE(responder.Seen().empty());
}

TEST_F(NetlistImport, MessagesForEachKindOfBadFile) {
  // A well-formed file, and one whose spare block lines hold text, read without a word.
  Import(&kNetlist);
  const std::string filled = "[\r\nR1\r\nAXIAL\r\n1K\r\nnote\r\n[\r\n(\r\nmore\r\n]\n(\nN00003\nR1-1\n)";
  Import(&filled);

  const int box = vb::vbOKOnly | vb::vbCritical;
  responder.Expect("Net list format error", "Import error", vb::vbOK, box);
  const std::string noBracket = "R1\r\n" + kNetlist;
  Import(&noBracket);
  responder.Expect("Net list format error", "Import error", vb::vbOK, box);
  const std::string badAfterBlock = "[\r\nR1\r\nAXIAL\r\n1K\r\n]\r\nN00001\r\n";
  Import(&badAfterBlock);

  responder.Expect("The netlist C:\\inst/Tango.net ends inside a block", "Import error", vb::vbOK, box);
  const std::string openComponent = "[\r\nR1\r\nAXIAL\r\n1K\r\n\r\n";
  Import(&openComponent);
  responder.Expect("The netlist C:\\inst/Tango.net ends inside a block", "Import error");
  const std::string openNet = kNetlist + "(\r\nN00002\r\nR1-1\r\n";
  Import(&openNet);

  responder.Expect("The netlist C:\\inst/Tango.net is empty", "Import error", vb::vbOK, box);
  const std::string empty;
  Import(&empty);

  std::filesystem::remove(folder.HostFile("inst/Tango.net"));
  responder.Expect("The netlist C:\\inst/Tango.net was not found", "Import error", vb::vbOK, box);
  Import(nullptr);
  std::filesystem::create_directories(folder.HostFile("inst/Tango.net"));
  responder.Expect("The netlist C:\\inst/Tango.net could not be read:\r\nPath/File access error", "Import error");
  Import(nullptr);
}

TEST(TangoReader, ReadsEveryBlockHoweverMany) {
  auto r = ReadTangoNetlist(kNetlist);
  EXPECT_EQ(TangoCheck::Ok, r.check);
  EXPECT_EQ((std::vector<std::string>{"R1", "C5"}), r.references);
  EXPECT_EQ((std::vector<std::string>{"AXIAL", "CAP"}), r.packages);
  EXPECT_EQ((std::vector<std::string>{"1K", "10u"}), r.values);
  EXPECT_EQ((std::vector<std::string>{"N00001", "N00012"}), r.netNames);

  std::string big;
  for (int i = 0; i < 250; ++i) big += "[\nU" + std::to_string(i) + "\nDIP\nV\n\n\n\n]\n";
  for (int i = 0; i < 240; ++i) big += "(\nN" + std::to_string(i) + "\nU" + std::to_string(i) + "-1\n)\n";
  r = ReadTangoNetlist(big);
  EXPECT_EQ(TangoCheck::Ok, r.check);
  ASSERT_EQ(250u, r.references.size());
  EXPECT_EQ("U249", r.references.back());
  ASSERT_EQ(240u, r.netNames.size());
  EXPECT_EQ("N239", r.netNames.back());
}

// Any bytes at all are read without a crash, and every cut of a good file is either whole
// or an unclosed block, never a format error.
TEST(TangoReader, RandomBytesAndTruncationsNeverCrash) {
  for (std::size_t n = 0; n <= kNetlist.size(); ++n) {
    const auto r = ReadTangoNetlist(std::string_view(kNetlist).substr(0, n));
    ASSERT_NE(TangoCheck::FormatError, r.check) << n;
    ASSERT_EQ(n == 0, r.check == TangoCheck::Empty) << n;
    ASSERT_EQ(r.references.size(), r.packages.size());
    ASSERT_EQ(r.references.size(), r.values.size());
  }
  std::mt19937 rng(77);
  const std::string pieces[] = {"[", "]", "(", ")", "\r", "\n", "\r\n", "R1", "", "N00001", std::string(1, '\0')};
  for (int round = 0; round < 5000; ++round) {
    std::string bytes;
    const int length = static_cast<int>(rng() % 60);
    for (int i = 0; i < length; ++i) {
      if (rng() % 4 == 0)
        bytes += static_cast<char>(rng() % 256);
      else
        bytes += pieces[rng() % std::size(pieces)];
    }
    const auto r = ReadTangoNetlist(bytes);
    ASSERT_EQ(r.references.size(), r.values.size());
    ASSERT_LE(r.references.size() + r.netNames.size(), bytes.size());
  }
}

}  // namespace
