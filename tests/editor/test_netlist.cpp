// Netlist export: the strip check and wire-link merge, the nets, and the bytes of the three
// files, from small boards worked out by hand and from random boards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "editor/files/netlist.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/wait.h"

namespace {

const std::string kAxial = "AXIAL 0.4 AR 2 2 1 *", kCap = "CAP 0.1 AR 2 2 1 *", kTo92 = "TO92 0.1 TR 3 2 1 *",
                  kShort = "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *", kSwitch = "SW 0.2 AR 2 2 1 *";

// The lines of a file written "a|b|c", each ended by CR LF.
std::string Lines(const std::string& joined) {
  std::string out;
  for (char c : joined + "|") out += c == '|' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// A 6 x 3 board of strips along the rows, row 1 cut after column 3 (its right part is strip
// 12); R1 across rows 1 and 3, R10 beside it, the wire link S1 from strip 12 to strip 3, and
// C5 alone on strip 2.
const std::string kLinkTango = Lines("[|R1|AXIAL|1K||||]|[|R10|AXIAL|22K||||]|[|C5|CAP|10u||||]|"
                                     "(|N00001|R1-1|R10-1|)|(|N00012|R10-2|R1-2|C5-2|)|(|N00002|C5-1|)");
const std::string kLinkList = Lines("R1-1,1|R10-1,1|R10-2,12|R1-2,12|C5-2,12|C5-1,2");
const std::string kLinkOrcad = Lines(
    "( {OrCAD OCB II Netlist Format}|( 00000000 AXIAL R1 1K| ( 1 00000001 )|)|"
    "( 00000001 AXIAL R10 22K| ( 1 00000001 )| ( 2 00000012 )|)|( 00000002 CAP C5 10u| ( 1 00000002 )|)|"
    "( 00000003 AXIAL R1 1K| ( 2 00000012 )|)|( 00000004 CAP C5 10u| ( 2 00000012 )|)|)");

class NetlistExport : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:\\inst";
    folder.Write("inst/Brantel.dat", "");
  }
  std::string File(const std::string& name) { return folder.Read("inst/" + name); }
  bool Has(const std::string& name) { return folder.Exists("inst/" + name); }
  double Strip(int a, int d) { return m().HoleGrid(a, d, KelmNet).Num(); }
  void LinkBoard() {
    Board(6, 3);
    for (int a = 4; a <= 6; ++a) m().HoleGrid(a, 1, KelmNet) = 12;
    parttest::PlacePart(m(), {{1, 1}, {1, 3}}, kAxial, "R1", "1K");
    parttest::PlacePart(m(), {{2, 1}, {4, 1}}, kAxial, "R10", "22K");
    parttest::PlacePart(m(), {{5, 1}, {6, 3}}, kShort, "S1");
    parttest::PlacePart(m(), {{3, 2}, {2, 3}}, kCap, "C5", "10u");
  }
};

TEST_F(NetlistExport, BoardWithAWireLinkByteForByteAndTheSameTwice) {
  LinkBoard();
  for (int round = 0; round < 2; ++round) {
    f().Tango.Action()->trigger();
    f().OrcadPcb2_Click();
    f().ExportList();
    EXPECT_EQ(kLinkTango, File("Tango.net"));
    EXPECT_EQ(kLinkOrcad, File("Orcad.net"));
    EXPECT_EQ(kLinkList, File("List.net"));
    // The link's far strip now has the number of its first end, all over the board.
    for (int a = 1; a <= 6; ++a)
      EXPECT_EQ((std::vector<double>{a <= 3 ? 1.0 : 12.0, 2, 12}),
                (std::vector<double>{Strip(a, 1), Strip(a, 2), Strip(a, 3)}));
    folder.Write("inst/List.net", "an older and longer pin list\r\n\r\n\r\n");
  }
  f().Tangoin_Click();  // read back without a word
  EXPECT_TRUE(responder.Seen().empty());
  EXPECT_FALSE(Has("Tango.net.tmp"));
}

TEST_F(NetlistExport, StripsDownTheColumnsAndPartsNamedSByteForByte) {
  Board(3, 2);
  f().Check1.SetValue(vb::vbUnchecked);  // strip = column
  parttest::PlacePart(m(), {{1, 1}, {2, 1}, {3, 1}}, kTo92, "Q1", "BC547");
  parttest::PlacePart(m(), {{2, 2}, {3, 2}}, kSwitch, "sw1", "ON");
  f().Tango_Click();
  f().OrcadPcb2_Click();
  f().ExportList();
  EXPECT_EQ(Lines("[|Q1|TO92|BC547||||]|(|N00001|Q1-1|)|(|N00002|Q1-2|sw1-1|)|(|N00003|Q1-3|sw1-2|)"),
            File("Tango.net"));
  EXPECT_EQ(Lines("( {OrCAD OCB II Netlist Format}|( 00000000 TO92 Q1 BC547| ( 1 00000001 )| ( 2 00000002 )|"
                  " ( 3 00000003 )|)|( 00000001 SW sw1 ON| ( 1 00000002 )| ( 2 00000003 )|)|)"),
            File("Orcad.net"));
  EXPECT_EQ(Lines("Q1-1,1|Q1-2,2|sw1-1,2|Q1-3,3|sw1-2,3"), File("List.net"));
}

TEST_F(NetlistExport, RefusalsWriteNothing) {
  Board(5, 5);
  const int box = vb::vbOKOnly | vb::vbCritical;
  responder.Expect("No components to process", "Export error", vb::vbOK, box);
  f().Tango_Click();
  parttest::PlacePart(m(), {{1, 1}, {1, 4}}, kShort, "S1");  // a wire link is no component
  responder.Expect("No components to process", "Export error", vb::vbOK, box);
  f().OrcadPcb2_Click();
  EXPECT_EQ(1, Strip(5, 4));  // ...but it has merged strip 4 into strip 1
  parttest::PlacePart(m(), {{2, 2}, {3, 2}}, kAxial, "R4", "1M");
  f().ExportNetlist(7);  // no such format: nothing written, nothing said

  // A hole without a strip ends the pass: S9 before it has merged strip 5 into strip 3 all
  // over the board, S8 after it merges nothing.
  parttest::PlacePart(m(), {{4, 3}, {4, 5}}, kShort, "S9");
  parttest::PlacePart(m(), {{3, 4}, {5, 5}}, kShort, "S8");
  m().HoleGrid(2, 4, KelmNet) = 0;
  const std::string noStrips = "Must be Kelm or \"Drill\" must be set to \"Cut\"";
  responder.Expect(noStrips, "Critical", vb::vbOK, box);
  f().ExportList();
  EXPECT_EQ(3, Strip(1, 5));
  EXPECT_EQ(1, Strip(3, 4));
  f().Check4.SetValue(vb::vbChecked);  // a pad board
  responder.Expect(noStrips, "Critical", vb::vbOK, box);
  f().Tango_Click();
  EXPECT_TRUE(responder.Done());
  EXPECT_FALSE(Has("Tango.net") || Has("List.net") || Has("Orcad.net"));
}

TEST_F(NetlistExport, AWriteThatFailsKeepsTheOldFileAndSaysSo) {
  Board(3, 3);
  parttest::PlacePart(m(), {{1, 1}, {2, 2}}, kAxial, "R1", "1K");
  folder.Write("inst/Tango.net", "old netlist\r\n");
  {
    const testsupport::FileSizeLimit full(16);  // the netlist is longer: the disk fills up while it is written
    responder.Expect("The netlist could not be written to C:\\inst\\Tango.net:\r\nDevice I/O error",
                     "Export error", vb::vbOK, vb::vbOKOnly | vb::vbCritical);
    f().Tango_Click();
  }
  EXPECT_EQ("old netlist\r\n", File("Tango.net"));
  EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.HostFile("inst")), {}));
  m().DataFolder = "C:\\gone";
  responder.Expect("The netlist could not be written to C:\\gone\\Orcad.net:\r\nPath not found", "Export error");
  f().OrcadPcb2_Click();
  EXPECT_FALSE(folder.Exists("gone"));
}

// 150 resistors, each from row d to row d + 1, every hole cut off on its own strip: 300 pins
// in 300 nets, all written and read back.
TEST_F(NetlistExport, ThreeHundredPinsAreAllWrittenAndReadBack) {
  Board(30, 11);
  for (int i = 0; i < 330; ++i) m().HoleGrid(i % 30 + 1, i / 30 + 1, KelmNet) = 1000 + i;
  for (int n = 0; n < 150; ++n)
    parttest::PlacePart(m(), {{n % 30 + 1, n / 30 * 2 + 1}, {n % 30 + 1, n / 30 * 2 + 2}}, kAxial,
                        "R" + std::to_string(n + 1), "1K");
  f().ExportList();
  f().Tango_Click();
  const std::string list = File("List.net");
  EXPECT_EQ(300, std::count(list.begin(), list.end(), '\n'));
  EXPECT_EQ(0u, list.find("R1-1,1000\r\nR2-1,1001\r\n"));
  EXPECT_EQ("R150-2,1299\r\n", list.substr(list.size() - 13));
  const auto back = netlist::ReadTangoNetlist(File("Tango.net"));
  EXPECT_EQ(netlist::TangoCheck::Ok, back.check);
  EXPECT_EQ((std::vector<std::size_t>{150, 300}), (std::vector<std::size_t>{back.references.size(), back.netNames.size()}));
  EXPECT_EQ("R150 N01299", back.references.back() + " " + back.netNames.back());
}

// The user opens File > Export and clicks Orcad PCB II, then Tango. The user's own files and
// folders beside the netlists stay as they were, and nothing else is left there: the leftover
// of an export that was stopped is cleared by the next one.
TEST_F(NetlistExport, MouseThroughTheFileMenu) {
  LinkBoard();
  folder.Write("inst/Tango.net.tmp", "my own notes\r\n");
  folder.Write("inst/Orcad.net.tmp/kept.txt", "kept");
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  folder.Write("inst/.Tango.net.tmp-" + std::to_string(ended) + "-k1lLed", "[\r\nR1\r\n");
  f().Show();
  const auto click = [](QMenu* w, QAction* item) {
    const QPoint at = w->actionGeometry(item).center(), global = w->mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    for (QMouseEvent* e : {&move, &press, &release}) QApplication::sendEvent(w, e);
  };
  const auto exportThroughMenu = [&](QAction* item) {
    f().File.Action()->menu()->popup(QPoint(20, 20));
    click(f().File.Action()->menu(), f().Export.Action());
    testsupport::WaitFor([&] { return f().Export.Action()->menu()->isVisible(); },
                         [] {
                           QThread::msleep(5);
                           QApplication::processEvents();
                         });
    click(f().Export.Action()->menu(), item);
  };
  exportThroughMenu(f().OrcadPcb2.Action());
  EXPECT_EQ(kLinkOrcad, File("Orcad.net"));
  EXPECT_FALSE(Has("Tango.net"));
  exportThroughMenu(f().Tango.Action());
  EXPECT_EQ(kLinkTango, File("Tango.net"));
  EXPECT_TRUE(responder.Seen().empty());

  EXPECT_EQ("my own notes\r\n", File("Tango.net.tmp"));
  EXPECT_EQ("kept", File("Orcad.net.tmp/kept.txt"));
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder.HostFile("inst")))
    names.insert(e.path().filename().string());
  EXPECT_EQ((std::set<std::string>{"Brantel.dat", "Orcad.net", "Orcad.net.tmp", "Tango.net", "Tango.net.tmp"}), names);
}

// Random strip boards (cuts as random strip numbers) with two-pin parts and wire links: after
// the merge the strips split the board exactly as equal strips and link ends connect it, and
// every pin is listed once, in a net of its strip, nets in the order of their first pins.
TEST(NetlistProperty, MergeJoinsExactlyTheLinkedStripsAndEveryPinIsListedOnce) {
  std::mt19937 rng(1234);
  const auto rnd = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  Module1 m;
  auto& g = m.HoleGrid;
  for (int round = 0; round < 300; ++round) {
    for (int i = 0; i < 14 * 14 * HoleGridTable::kFields; ++i) g(i % 14, i / 14 % 14, i / 196) = Value();
    const netlist::BoardSize size{1 + rnd(12), 1 + rnd(12)};
    const int strips = 1 + rnd(20);
    std::map<int, int> parent;  // connection classes of the strip numbers
    std::function<int(int)> find = [&](int x) { return parent.count(x) && parent[x] != x ? find(parent[x]) : x; };
    for (long d = 1; d <= size.down; ++d)
      for (long a = 1; a <= size.across; ++a) g(a, d, KelmNet) = 1 + rnd(strips);
    std::set<std::pair<int, int>> used;
    for (int p = rnd(30); p > 0; --p) {
      const std::pair<int, int> h1{1 + rnd(size.across), 1 + rnd(size.down)}, h2{1 + rnd(size.across), 1 + rnd(size.down)};
      if (h1 == h2 || !used.insert(h1).second || !used.insert(h2).second) continue;
      const bool link = rnd(3) == 0;
      parttest::PlacePart(m, {h1, h2}, link ? kShort : kAxial, (link ? "S" : rnd(4) ? "R" : "s") + std::to_string(p));
      if (link) parent[find(static_cast<int>(g(h1.first, h1.second, KelmNet).Num()))] =
                    find(static_cast<int>(g(h2.first, h2.second, KelmNet).Num()));
    }
    std::map<std::pair<long, long>, int> cls;
    for (long d = 1; d <= size.down; ++d)
      for (long a = 1; a <= size.across; ++a) cls[{a, d}] = find(static_cast<int>(g(a, d, KelmNet).Num()));

    ASSERT_TRUE(netlist::CheckStripsAndMergeLinks(g, size));
    std::map<double, int> classOfStrip;
    std::map<int, double> stripOfClass;
    for (const auto& [h, c] : cls) {
      const double s = g(h.first, h.second, KelmNet).Num();
      ASSERT_EQ(c, classOfStrip.try_emplace(s, c).first->second) << round;
      ASSERT_EQ(s, stripOfClass.try_emplace(c, s).first->second) << round;
    }
    const auto pins = netlist::CollectPins(g, size);
    const auto nets = netlist::GroupNets(pins);
    std::multiset<std::string> listed, collected;
    std::size_t lastFirst = 0;
    for (const auto& net : nets) {
      const auto first = std::find_if(pins.begin(), pins.end(), [&](auto& p) { return p.StripKey() == net.strip; });
      ASSERT_GE(static_cast<std::size_t>(first - pins.begin()), lastFirst);
      lastFirst = static_cast<std::size_t>(first - pins.begin()) + 1;
      for (const auto& p : net.pins) ASSERT_EQ(net.strip, p.StripKey());
      for (const auto& p : net.pins) listed.insert(p.Text());
    }
    for (const auto& p : pins) collected.insert(p.Text());
    ASSERT_EQ(collected, listed);
    const auto parts = netlist::CollectComponents(g, size);
    for (const auto& c : parts) ASSERT_EQ('R', c.reference[0]);
    const auto back = netlist::ReadTangoNetlist(netlist::TangoNetlist(parts, nets));
    ASSERT_EQ(pins.empty() && parts.empty() ? netlist::TangoCheck::Empty : netlist::TangoCheck::Ok, back.check);
    ASSERT_EQ(parts.size(), back.references.size());
    ASSERT_EQ(nets.size(), back.netNames.size());
  }
}

}  // namespace
