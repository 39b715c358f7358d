// Netlist export: the strip check and wire-link merge, the nets, and the bytes of the three
// files, from small boards worked out by hand and from random boards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "editor/files/netlist.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"

namespace {

const std::string kAxial = "AXIAL 0.4 AR 2 2 1 *";
const std::string kCap = "CAP 0.1 AR 2 2 1 *";
const std::string kTo92 = "TO92 0.1 TR 3 2 1 *";
const std::string kShort = "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *";
const std::string kSwitch = "SW 0.2 AR 2 2 1 *";

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(l) + "\r\n";
  return out;
}

class NetlistExport : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:\\inst";
    folder.Write("inst/Brantel.dat", "");
  }
  std::string File(const std::string& name) { return folder.Read("inst/" + name); }
  bool Has(const std::string& name) { return folder.Exists("inst/" + name); }
  double Strip(int a, int d) { return m().HoleGrid(a, d, KelmNet).Num(); }

  // A 6 x 3 strip board along the rows, row 1 cut between columns 3 and 4 (its right part is
  // strip 12); R1 across rows 1 and 3, R10 beside it, the wire link S1 from strip 12 to strip
  // 3, and C5 alone on strip 2.
  void LinkBoard() {
    Board(6, 3);
    for (int a = 4; a <= 6; ++a) m().HoleGrid(a, 1, KelmNet) = 12;
    parttest::PlacePart(m(), {{1, 1}, {1, 3}}, kAxial, "R1", "1K");
    parttest::PlacePart(m(), {{2, 1}, {4, 1}}, kAxial, "R10", "22K");
    parttest::PlacePart(m(), {{5, 1}, {6, 3}}, kShort, "S1");
    parttest::PlacePart(m(), {{3, 2}, {2, 3}}, kCap, "C5", "10u");
  }
};

const std::string kLinkTango = Lines({"[", "R1", "AXIAL", "1K", "", "", "", "]",     //
                                      "[", "R10", "AXIAL", "22K", "", "", "", "]",   //
                                      "[", "C5", "CAP", "10u", "", "", "", "]",      //
                                      "(", "N00001", "R1-1", "R10-1", ")",           //
                                      "(", "N00012", "R10-2", "R1-2", "C5-2", ")",   //
                                      "(", "N00002", "C5-1", ")"});
const std::string kLinkList = Lines({"R1-1,1", "R10-1,1", "R10-2,12", "R1-2,12", "C5-2,12", "C5-1,2"});
const std::string kLinkOrcad = Lines({"( {OrCAD OCB II Netlist Format}",  //
                                      "( 00000000 AXIAL R1 1K", " ( 1 00000001 )", ")",
                                      "( 00000001 AXIAL R10 22K", " ( 1 00000001 )", " ( 2 00000012 )", ")",
                                      "( 00000002 CAP C5 10u", " ( 1 00000002 )", ")",
                                      "( 00000003 AXIAL R1 1K", " ( 2 00000012 )", ")",
                                      "( 00000004 CAP C5 10u", " ( 2 00000012 )", ")",  //
                                      ")"});

TEST_F(NetlistExport, BoardWithAWireLinkGivesTheThreeFilesByteForByte) {
  LinkBoard();
  f().Tango.Action()->trigger();
  f().OrcadPcb2.Action()->trigger();
  f().ExportList();
  EXPECT_EQ(kLinkTango, File("Tango.net"));
  EXPECT_EQ(kLinkOrcad, File("Orcad.net"));
  EXPECT_EQ(kLinkList, File("List.net"));
  EXPECT_TRUE(responder.Seen().empty());
  EXPECT_FALSE(Has("Tango.net.tmp"));

  // The link's far strip now carries the number of its first end, everywhere on the board.
  for (int a = 1; a <= 6; ++a) {
    EXPECT_EQ(a <= 3 ? 1 : 12, Strip(a, 1));
    EXPECT_EQ(2, Strip(a, 2));
    EXPECT_EQ(12, Strip(a, 3));
  }

  // Exporting again gives the same files; old contents are replaced.
  folder.Write("inst/List.net", "old pin list that is longer than the new one\r\n");
  f().Tango_Click();
  f().OrcadPcb2_Click();
  f().ExportList();
  EXPECT_EQ(kLinkTango, File("Tango.net"));
  EXPECT_EQ(kLinkOrcad, File("Orcad.net"));
  EXPECT_EQ(kLinkList, File("List.net"));

  // And the import reads the export back without a word.
  f().Tangoin_Click();
  EXPECT_TRUE(responder.Seen().empty());
}

// The user opens File > Export and clicks Orcad PCB II with the mouse.
TEST_F(NetlistExport, MouseThroughTheFileMenu) {
  LinkBoard();
  f().Show();
  const auto click = [](QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  };
  QMenu* fileMenu = f().File.Action()->menu();
  QMenu* exportMenu = f().Export.Action()->menu();
  ASSERT_TRUE(fileMenu && exportMenu);
  fileMenu->popup(QPoint(20, 20));
  QApplication::processEvents();
  click(fileMenu, fileMenu->actionGeometry(f().Export.Action()).center());
  for (int i = 0; i < 100 && !exportMenu->isVisible(); ++i) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  ASSERT_TRUE(exportMenu->isVisible());
  click(exportMenu, exportMenu->actionGeometry(f().OrcadPcb2.Action()).center());
  QApplication::processEvents();
  EXPECT_EQ(kLinkOrcad, File("Orcad.net"));
  EXPECT_FALSE(Has("Tango.net"));
}

TEST_F(NetlistExport, StripsDownTheColumnsByteForByte) {
  Board(3, 2);
  f().Check1.SetValue(vb::vbUnchecked);  // strips run down: strip = column
  parttest::PlacePart(m(), {{1, 1}, {2, 1}, {3, 1}}, kTo92, "Q1", "BC547");
  parttest::PlacePart(m(), {{2, 2}, {3, 2}}, kAxial, "R2", "470");
  f().Tango_Click();
  f().OrcadPcb2_Click();
  f().ExportList();
  EXPECT_EQ(Lines({"[", "Q1", "TO92", "BC547", "", "", "", "]",  //
                   "[", "R2", "AXIAL", "470", "", "", "", "]",   //
                   "(", "N00001", "Q1-1", ")",                   //
                   "(", "N00002", "Q1-2", "R2-1", ")",           //
                   "(", "N00003", "Q1-3", "R2-2", ")"}),
            File("Tango.net"));
  EXPECT_EQ(Lines({"( {OrCAD OCB II Netlist Format}",                                                 //
                   "( 00000000 TO92 Q1 BC547", " ( 1 00000001 )", " ( 2 00000002 )", " ( 3 00000003 )", ")",  //
                   "( 00000001 AXIAL R2 470", " ( 1 00000002 )", " ( 2 00000003 )", ")",             //
                   ")"}),
            File("Orcad.net"));
  EXPECT_EQ(Lines({"Q1-1,1", "Q1-2,2", "R2-1,2", "Q1-3,3", "R2-2,3"}), File("List.net"));
}

TEST_F(NetlistExport, PartsNamedSGetNoComponentBlockButKeepTheirPins) {
  Board(4, 2);
  parttest::PlacePart(m(), {{1, 1}, {2, 2}}, kSwitch, "S2", "ON");
  parttest::PlacePart(m(), {{3, 1}, {4, 2}}, kSwitch, "sw1", "OFF");
  f().Tango_Click();
  EXPECT_EQ(Lines({"(", "N00001", "S2-1", "sw1-1", ")", "(", "N00002", "S2-2", "sw1-2", ")"}), File("Tango.net"));
  // A file without component blocks is still one the import accepts.
  f().Tangoin_Click();
  EXPECT_TRUE(responder.Seen().empty());
}

TEST_F(NetlistExport, RefusalsWriteNothing) {
  // An empty strip board, and one holding only a wire link.
  Board(5, 5);
  responder.Expect("No components to process", "Export error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  f().Tango_Click();
  parttest::PlacePart(m(), {{1, 1}, {1, 4}}, kShort, "S1");
  responder.Expect("No components to process", "Export error");
  f().OrcadPcb2_Click();
  // Another format value collects and groups but writes nothing.
  parttest::PlacePart(m(), {{2, 2}, {3, 2}}, kAxial, "R4", "1M");
  f().ExportNetlist(7);
  EXPECT_EQ(1, Strip(5, 4));  // the link merged strip 4 into strip 1 on the first try

  // A hole without a strip ends the pass there. The link S9 lies before it and has merged
  // strip 5 into strip 3 all over the board; S8 lies after it and merges nothing.
  parttest::PlacePart(m(), {{4, 3}, {4, 5}}, kShort, "S9");
  parttest::PlacePart(m(), {{3, 4}, {5, 5}}, kShort, "S8");
  m().HoleGrid(2, 4, KelmNet) = 0;
  responder.Expect("Must be Kelm or \"Drill\" must be set to \"Cut\"", "Critical", vb::vbOK,
                   vb::vbOKOnly | vb::vbCritical);
  f().ExportList();
  EXPECT_EQ(3, Strip(1, 5));
  EXPECT_EQ(3, Strip(5, 3));
  EXPECT_EQ(1, Strip(3, 4));

  // A pad board: every hole has strip 0.
  f().Check4.SetValue(vb::vbChecked);
  responder.Expect("Must be Kelm or \"Drill\" must be set to \"Cut\"", "Critical");
  f().Tango.Action()->trigger();
  EXPECT_TRUE(responder.Done());
  EXPECT_FALSE(Has("Tango.net"));
  EXPECT_FALSE(Has("List.net"));
  EXPECT_FALSE(Has("Orcad.net"));
}

TEST_F(NetlistExport, AFolderThatCannotBeWrittenKeepsTheOldFileAndSaysSo) {
  Board(3, 3);
  parttest::PlacePart(m(), {{1, 1}, {2, 2}}, kAxial, "R1", "1K");
  folder.Write("inst/Tango.net", "old netlist\r\n");
  std::filesystem::create_directories(folder.HostFile("inst/Tango.net.tmp"));  // the temporary name is taken
  responder.Expect("The netlist could not be written to C:\\inst/Tango.net:\r\nPath/File access error", "Export error",
                   vb::vbOK, vb::vbOKOnly | vb::vbCritical);
  f().Tango_Click();
  EXPECT_EQ("old netlist\r\n", File("Tango.net"));

  m().DataFolder = "C:\\gone";
  responder.Expect("The netlist could not be written to C:\\gone/Orcad.net:\r\nPath not found", "Export error");
  f().OrcadPcb2_Click();
  EXPECT_FALSE(folder.Exists("gone"));
}

TEST_F(NetlistExport, ThreeHundredPinsAreAllWrittenAndReadBack) {
  // 150 resistors, each from row d to row d + 1 of a 30 x 11 board.
  Board(30, 11);
  std::string list;
  std::map<int, std::vector<std::string>> byStrip;
  int n = 0;
  for (int d = 1; d <= 10; d += 2)
    for (int a = 1; a <= 30; ++a) {
      const std::string ref = "R" + std::to_string(++n);
      parttest::PlacePart(m(), {{a, d}, {a, d + 1}}, kAxial, ref, "1K");
    }
  ASSERT_EQ(150, n);
  f().ExportList();
  f().Tango_Click();
  const std::string written = File("List.net");
  EXPECT_EQ(300, std::count(written.begin(), written.end(), '\n'));
  EXPECT_EQ(0u, written.find("R1-1,1\r\nR2-1,1\r\n"));  // row 1's thirty pins first
  EXPECT_NE(std::string::npos, written.find("R150-1,9\r\n"));
  EXPECT_EQ("R150-2,10\r\n", written.substr(written.size() - 11));  // the very last line
  const auto back = netlist::ReadTangoNetlist(File("Tango.net"));
  EXPECT_EQ(netlist::TangoCheck::Ok, back.check);
  ASSERT_EQ(150u, back.references.size());
  EXPECT_EQ("R150", back.references.back());
  EXPECT_EQ(10u, back.netNames.size());
  EXPECT_EQ("N00010", back.netNames.back());
}

// ---- random boards, without any window ----

struct RandomBoard {
  Module1& m;
  netlist::BoardSize size;
  std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> links;
};

// A strip board with random strip numbers (cuts), two-pin parts and wire links on free holes.
void MakeRandomBoard(RandomBoard& b, std::mt19937& rng) {
  const auto rnd = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int d = 0; d <= 13; ++d)
    for (int a = 0; a <= 13; ++a)
      for (int k = 0; k < HoleGridTable::kFields; ++k) b.m.HoleGrid(a, d, k) = Value();
  const int across = 1 + rnd(12), down = 1 + rnd(12);
  b.size = {across, down};
  const int strips = 1 + rnd(20);
  for (int d = 1; d <= down; ++d)
    for (int a = 1; a <= across; ++a) b.m.HoleGrid(a, d, KelmNet) = 1 + rnd(strips);
  std::set<std::pair<int, int>> used;
  const int parts = rnd(30);
  for (int p = 0; p < parts; ++p) {
    const std::pair<int, int> h1{1 + rnd(across), 1 + rnd(down)}, h2{1 + rnd(across), 1 + rnd(down)};
    if (h1 == h2 || used.count(h1) || used.count(h2)) continue;
    used.insert(h1);
    used.insert(h2);
    if (rnd(3) == 0) {
      parttest::PlacePart(b.m, {h1, h2}, kShort, "S" + std::to_string(p));
      b.links.push_back({h1, h2});
    } else {
      parttest::PlacePart(b.m, {h1, h2}, kAxial, (rnd(4) ? "R" : "s") + std::to_string(p), "V" + std::to_string(p));
    }
  }
}

// Holes of equal strips, and the two ends of every wire link, are one net: after the merge
// the strips split the board exactly as these connections do, and the files list every pin.
TEST(NetlistProperty, MergeJoinsExactlyTheLinkedStripsAndEveryPinIsListedOnce) {
  std::mt19937 rng(1234);
  Module1 grid;
  for (int round = 0; round < 300; ++round) {
    RandomBoard b{grid, {}, {}};
    MakeRandomBoard(b, rng);
    const auto [across, down] = b.size;
    // Expected connection classes: union of equal strips and link ends.
    std::map<int, int> parent;
    std::function<int(int)> find = [&](int x) { return parent.count(x) && parent[x] != x ? parent[x] = find(parent[x]) : x; };
    const auto strip = [&](std::pair<int, int> h) { return static_cast<int>(b.m.HoleGrid(h.first, h.second, KelmNet).Num()); };
    for (const auto& [h1, h2] : b.links) parent[find(strip(h1))] = find(strip(h2));
    std::map<std::pair<long, long>, int> before;
    for (long d = 1; d <= down; ++d)
      for (long a = 1; a <= across; ++a) before[{a, d}] = find(strip({a, d}));

    ASSERT_TRUE(netlist::CheckStripsAndMergeLinks(b.m.HoleGrid, b.size));
    std::map<int, int> classOfStrip, stripOfClass;
    for (const auto& [h, cls] : before) {
      const int s = strip({h.first, h.second});
      ASSERT_TRUE(!classOfStrip.count(s) || classOfStrip[s] == cls) << "round " << round;
      ASSERT_TRUE(!stripOfClass.count(cls) || stripOfClass[cls] == s) << "round " << round;
      classOfStrip[s] = cls;
      stripOfClass[cls] = s;
    }

    const auto pins = netlist::CollectPins(b.m.HoleGrid, b.size);
    const auto nets = netlist::GroupNets(pins);
    std::multiset<std::string> listed, collected;
    std::set<std::string> seen;
    std::size_t lastFirst = 0;
    for (const auto& net : nets) {
      ASSERT_TRUE(seen.insert(net.strip).second);
      // Nets come in the order of their first pin.
      std::size_t first = 0;
      while (pins[first].StripKey() != net.strip) ++first;
      ASSERT_GE(first, lastFirst);
      lastFirst = first;
      for (const auto& p : net.pins) {
        ASSERT_EQ(net.strip, p.StripKey());
        listed.insert(p.Text());
      }
    }
    for (const auto& p : pins) collected.insert(p.Text());
    ASSERT_EQ(collected, listed);
    const std::string list = netlist::PinListFile(nets);
    ASSERT_EQ(static_cast<long>(pins.size()), std::count(list.begin(), list.end(), '\n'));

    // The Tango file reads back whole, one component block per part not named S/s.
    const auto parts = netlist::CollectComponents(b.m.HoleGrid, b.size);
    if (!pins.empty()) {
      const auto back = netlist::ReadTangoNetlist(netlist::TangoNetlist(parts, nets));
      ASSERT_EQ(netlist::TangoCheck::Ok, back.check) << "round " << round;
      ASSERT_EQ(parts.size(), back.references.size());
      ASSERT_EQ(nets.size(), back.netNames.size());
    }
    for (const auto& c : parts) ASSERT_TRUE(c.reference[0] == 'R');
  }
}

}  // namespace
