// The Save/Load window: saving and opening designs through it, the name rules, the flipped
// view, failures that must leave the old file or the board alone, and the window's life.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <random>
#include <string>
#include <vector>

#include "editor/files/design_file.h"
#include "editor/files/form3_saveload.h"
#include "editor/form1.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"
#include "tests/editor/user_input.h"
#include "tests/support/list_clicks.h"
#include "tests/support/real_input.h"
#include "tests/support/unprivileged.h"

namespace {

namespace fs = std::filesystem;

// Every field of every hole of the table, and what the main window shows of the board.
struct BoardState {
  std::vector<Value> fields;
  std::string across, down, caption;
  int horizontal = 0;
  bool operator==(const BoardState& o) const {
    if (across != o.across || down != o.down || caption != o.caption || horizontal != o.horizontal) return false;
    for (size_t i = 0; i < fields.size(); ++i) {
      // Screen positions and label offsets are written with the runtime's fifteen digits and
      // then rescaled by Zoom All: they may differ in their last bit.
      const int k = static_cast<int>(i % 20);
      const bool scaled = k == HoleX || k == HoleY || k == LabelX || k == LabelY;
      if (scaled && fields[i].IsNumber() && o.fields[i].IsNumber() &&
          std::fabs(fields[i].Num() - o.fields[i].Num()) <= 1e-9 * (1 + std::fabs(fields[i].Num()))) {
        continue;
      }
      if (fields[i].kind() != o.fields[i].kind() || fields[i] != o.fields[i]) {
        ADD_FAILURE() << "hole (" << i / 20 % 101 << ", " << i / 20 / 101 << ") field " << i % 20 << ": "
                      << fields[i] << " / " << o.fields[i];
        return false;
      }
    }
    return true;
  }
};

class SaveLoadTest : public EditorTest {
 protected:
  void SetUp() override {
    folder.Write("Brantel/readme.txt", "x");
    m().DataFolder = "C:\\Brantel";
    Board(15, 15);
  }

  Form3& w() { return app.Form3(); }

  void OpenWindow() { f().Command8.PerformClick(); }
  void Save(const std::string& name) {
    OpenWindow();
    w().Text1.SetText(name);
    w().Command2.PerformClick();
  }
  void Open(const std::string& name) {
    OpenWindow();
    w().Text1.SetText(name);
    w().Command1.PerformClick();
  }

  BoardState State() {
    BoardState s;
    s.fields.reserve(101 * 101 * 20);
    for (int d = 0; d <= 100; ++d) {
      for (int a = 0; a <= 100; ++a) {
        for (int k = 0; k < 20; ++k) s.fields.push_back(m().HoleGrid(a, d, k));
      }
    }
    s.across = f().Text1.Text();
    s.down = f().Text2.Text();
    s.caption = f().Caption();
    s.horizontal = f().Check1.Value();
    return s;
  }

  // A 20 x 12 board with vertical strips, a cut, and parts of every package class.
  void DesignWithParts() {
    f().Check1.SetValue(vb::vbUnchecked);
    Board(20, 12);
    parttest::PlacePart(m(), {{2, 2}, {5, 2}}, "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *", "R1", "4,7K");
    parttest::PlacePart(m(), {{2, 5}, {2, 6}, {2, 7}, {5, 7}, {5, 6}, {5, 5}},
                        "Dip6 0.3 DR 6 1 0 A 0 0 9 0 B 9 0 9 6 C 9 6 0 6 *", "IC1", "say \"hi\"");
    parttest::PlacePart(m(), {{8, 2}, {9, 2}, {10, 2}}, "Zip 0.1 ZO 3 1 0 C 0 0 3 3 *", "Q1", "BC547");
    parttest::PlacePart(m(), {{8, 5}, {9, 5}, {9, 6}, {8, 6}}, "Quad 0.1 QM 4 1 0 G 0 0 3 0 *", "U2", "");
    parttest::PlacePart(m(), {{12, 2}, {14, 2}}, "Ind 0.2 IR 2 1 1 *", "L1", "10uH");  // no shape operation
    parttest::PlacePart(m(), {{12, 5}, {16, 5}}, "Fuse 0.4 FR 2 1 1 D 0 0 0 12 *", "F1", "1A");
    m().HoleGrid(2, 2, NetName) = "GND, \"main\"";
    m().HoleGrid(2, 2, NetNumber) = 7;
    m().HoleGrid(3, 3, NetYFrom) = 0.5;
    m().HoleGrid(3, 3, NetXToo) = -3;
    m().HoleGrid(12, 5, CompOffset) = 2;
    m().HoleGrid(4, 9, KelmNet) = 99;  // a cut strip
    f().Command15_Click();
  }
};

TEST_F(SaveLoadTest, SavedDesignOpensAsTheSameBoardAfterAFreshStart) {
  DesignWithParts();
  const QImage before = f().Picture1.Image().Image().copy();
  Save("Board.vcd");
  EXPECT_FALSE(app.Form3.Loaded());  // a completed save unloads the window
  const std::string bytes = folder.Read("Brantel/Board.vcd");
  EXPECT_EQ(0u, bytes.find(" 0 \r\n20\r\n12\r\n"));
  EXPECT_NE(std::string::npos, bytes.find("|1|1|R1|2|2|5|2|4,7K|Axial|GND, \"main\"|7|0|0|"));
  EXPECT_NE(std::string::npos, bytes.find("\r\nAxial 0.3 AR 2 2 1 \r\nA 0 0 0 .5 \r\nA 0 .5 0 0\r\n***\r\n"));
  EXPECT_NE(std::string::npos, bytes.find("|1|1|L1|12|2|14|2|10uH|Ind||0|0|0|"));
  EXPECT_NE(std::string::npos, bytes.find("\r\nInd 0.2 IR 2 1 1 \r\n***\r\n"));
  EXPECT_NE(std::string::npos, bytes.find("||0|0.5|-3|"));
  EXPECT_EQ(0u, bytes.rfind("***\r\n") + 5 - bytes.size());
  const BoardState saved = State();

  // A new program, as after quitting and starting again.
  app.Form3.Unload();
  app.Form1.Unload();
  m().DataFolder = "C:\\Brantel";
  Board(15, 15);
  ASSERT_FALSE(State() == saved);
  Open("Board.vcd");

  EXPECT_TRUE(app.Form3.Loaded());
  EXPECT_FALSE(w().Visible());
  EXPECT_EQ("Brantel -Board.vcd", f().Caption());
  EXPECT_EQ(vb::vbUnchecked, f().Check1.Value());
  EXPECT_EQ("20", f().Text1.Text());
  EXPECT_EQ("12", f().Text2.Text());
  BoardState loaded = State();
  loaded.caption = saved.caption;
  EXPECT_TRUE(loaded == saved);
  EXPECT_EQ(Value("0.5"), m().HoleGrid(3, 3, NetYFrom));
  EXPECT_TRUE(m().HoleGrid(2, 2, CompValue).IsText());
  EXPECT_EQ("", m().CurrentPart);  // Open forgets the part picked before
  // The restored board looks exactly like the saved one.
  EXPECT_TRUE(f().Picture1.Image().Image() == before);
  // The progress box ran over the 240 holes in dark blue.
  EXPECT_EQ(vb::RGB(0, 0, 150), w().Picture1.Point(w().Picture1.ScaleWidth() / 10, w().Picture1.ScaleHeight() / 2));
  EXPECT_EQ(vb::RGB(255, 255, 255), w().Picture1.Point(w().Picture1.ScaleWidth() / 2, w().Picture1.ScaleHeight() / 2));
}

// Whatever finite numbers the fields hold, tiny or huge, negative or fractional (strip
// numbers: of at most fifteen significant digits), Open reads back what Save wrote: fields 2
// to 14 and 17 to 19 of every hole come back as they were.
TEST_F(SaveLoadTest, EveryFiniteFieldValueSavedOpensUnchanged) {
  std::mt19937 rng(2207);
  auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
  // Fifteen significant digits, as the runtime shows numbers, at any scale.
  auto number = [&]() -> double {
    switch (pick(0, 4)) {
      case 0: return pick(-100, 100);
      case 1: return pick(-999, 999) / 8.0;
      default: {
        const long long digits = std::uniform_int_distribution<long long>(1, 999999999999999LL)(rng);
        const std::string text = (pick(0, 1) ? "-" : "") + std::to_string(digits) + "e" + std::to_string(pick(-310, 290));
        return std::strtod(text.c_str(), nullptr);
      }
    }
  };
  // Strip numbers are numbers of at most fifteen significant digits: whole ones, or any.
  auto strip = [&]() -> double {
    if (pick(0, 1)) return number();
    long long top = 1;
    for (int digits = pick(1, 15); digits > 0; --digits) top *= 10;
    const long long n = std::uniform_int_distribution<long long>(0, top - 1)(rng);
    return static_cast<double>(pick(0, 1) ? -n : n);
  };
  const std::string letters = "AbZ09 ,\"x-.";
  auto text = [&]() {
    std::string t;
    for (int n = pick(0, 8); n > 0; --n) t += letters[static_cast<std::size_t>(pick(0, static_cast<int>(letters.size()) - 1))];
    return t;
  };
  const std::string parts[] = {"", "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *", "Ind 0.2 IR 2 1 1 *"};
  for (int round = 0; round < 4; ++round) {
    Board(12, 9);
    auto& g = m().HoleGrid;
    for (int d = 1; d <= 9; ++d) {
      for (int a = 1; a <= 12; ++a) {
        for (int k : {PinNumber, PartFit, NetNumber, NetYFrom, NetXToo, CompOffset}) g(a, d, k) = number();
        g(a, d, KelmNet) = strip();
        for (int k : {CompName, CompValue, CompPackage, NetName}) g(a, d, k) = text();
        for (int k : {CompXFrom, CompXToo}) g(a, d, k) = pick(0, 12);
        for (int k : {CompYFrom, CompYToo}) g(a, d, k) = pick(0, 9);
        g(a, d, XYs) = parts[static_cast<std::size_t>(pick(0, 2))];
      }
    }
    g(3, 3, NetNumber) = 1e16;
    g(4, 4, HoleX) = 3.5e17;  // a position after many zoom steps
    g(5, 5, NetXToo) = -1.7976931348623157e308;  // fifteen digits of it would overflow
    g(6, 6, KelmNet) = 999999999999999.0;  // the largest whole numbers of fifteen digits
    g(7, 7, KelmNet) = -999999999999999.0;
    g(8, 8, KelmNet) = 9e15;  // and large ones and fractions
    g(9, 9, KelmNet) = 0.5;
    const BoardState saved = State();
    Save("Fields.vcd");
    ASSERT_FALSE(app.Form3.Loaded()) << "round " << round;
    Board(5, 5);
    Open("Fields.vcd");
    ASSERT_EQ("Brantel -Fields.vcd", f().Caption()) << "round " << round;
    const BoardState loaded = State();
    for (int d = 1; d <= 9; ++d) {
      for (int a = 1; a <= 12; ++a) {
        for (int k = PinNumber; k <= XYs; ++k) {
          if (k == LabelX || k == LabelY) continue;
          const std::size_t i = static_cast<std::size_t>((d * 101 + a) * 20 + k);
          ASSERT_TRUE(saved.fields[i].kind() == loaded.fields[i].kind() && saved.fields[i] == loaded.fields[i])
              << "hole (" << a << ", " << d << ") field " << k << ": " << saved.fields[i] << " / " << loaded.fields[i];
        }
      }
    }
    app.Form3.Unload();
  }
}

// Strip numbers that an earlier version saved, fractions and numbers beyond fifteen digits of
// whole numbers among them: the design opens, saves them back as the file held them, and
// opens again as the same board.
TEST_F(SaveLoadTest, FractionalAndLargeStripNumbersOpenAndSaveBackAsTheyWere) {
  const std::string strips[] = {"0.5", "0.5", "9000000000000000", "-2.25", "0.00000000000000000001", "1" + std::string(300, '0')};
  const double numbers[] = {0.5, 0.5, 9e15, -2.25, 1e-20, 1e300};
  std::string bytes = " 1 \r\n3\r\n2\r\n";
  for (const std::string& n : strips) bytes += "0|0|0|0||0|0|0|0||||0|0|0|100|100|" + n + "|0|\r\n***\r\n";
  folder.Write("Brantel/Strips.vcd", bytes);
  auto use = [&](const std::string& name, bool save) {
    userinput::Click(f().Command8);
    userinput::Clear(w().Text1, w().Text1.Text().size());
    userinput::Type(w().Text1, name);
    userinput::Click(save ? w().Command2 : w().Command1);
  };
  // Field 17 of every hole record of a file.
  auto field17 = [&](const std::string& name) {
    std::vector<std::string> out;
    const std::string text = folder.Read("Brantel/" + name);
    for (std::size_t p = 0, end; (end = text.find("\r\n", p)) != std::string::npos; p = end + 2) {
      const std::string line = text.substr(p, end - p);
      if (std::count(line.begin(), line.end(), '|') != 19) continue;
      std::size_t bar = 0;
      for (int k = 0; k < 17; ++k) bar = line.find('|', bar) + 1;
      out.push_back(line.substr(bar, line.find('|', bar) - bar));
    }
    return out;
  };

  use("Strips.vcd", false);
  EXPECT_EQ("Brantel -Strips.vcd", f().Caption());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(m().HoleGrid(1 + i % 3, 1 + i / 3, KelmNet), Value(numbers[i])) << i;
  const BoardState opened = State();
  use("Again.vcd", true);
  EXPECT_FALSE(app.Form3.Loaded());
  EXPECT_EQ(field17("Again.vcd"), std::vector<std::string>(std::begin(strips), std::end(strips)));

  Board(15, 15);
  use("Again.vcd", false);
  EXPECT_EQ("Brantel -Again.vcd", f().Caption());
  const BoardState reopened = State();
  for (int d = 1; d <= 2; ++d) {
    for (int a = 1; a <= 3; ++a) {
      for (int k = PinNumber; k <= XYs; ++k) {
        const std::size_t i = static_cast<std::size_t>((d * 101 + a) * 20 + k);
        EXPECT_TRUE(opened.fields[i].kind() == reopened.fields[i].kind() && opened.fields[i] == reopened.fields[i])
            << "hole (" << a << ", " << d << ") field " << k << ": " << opened.fields[i] << " / " << reopened.fields[i];
      }
    }
  }
  use("Third.vcd", true);
  EXPECT_EQ(folder.Read("Brantel/Third.vcd"), folder.Read("Brantel/Again.vcd"));
  EXPECT_TRUE(responder.Done());
}

TEST_F(SaveLoadTest, NamesThePatternsAndTheWindowThatStaysOpen) {
  folder.Write("Brantel/Brantel.lib", "Axial\r\n0.3\r\nAR\r\n2\r\n2\r\n1\r\n*\r\n");
  for (const std::string name : {"*.vcd", "*.net", "board.Vcd", "my.board.vcd", "board"}) {
    f().Command1.PerformClick();  // Place Component opens the Add Component window
    ASSERT_TRUE(app.Form2.Loaded());
    Save(name);
    ASSERT_TRUE(app.Form3.Loaded()) << name;  // refused silently: the window stays
    EXPECT_TRUE(w().Visible());
    EXPECT_FALSE(app.Form2.Loaded()) << name;  // and the Add Component window closes
  }
  EXPECT_EQ((std::vector<std::string>{"Brantel.lib", "readme.txt"}), vb::ListFiles("C:\\Brantel"));

  Save("  Spaced.vcd  ");
  Save("UPPER.VCD");
  EXPECT_EQ((std::vector<std::string>{"Brantel.lib", "readme.txt", "Spaced.vcd", "UPPER.VCD"}),
            vb::ListFiles("C:\\Brantel"));

  Open("  Spaced.vcd  ");
  EXPECT_EQ("Brantel -  Spaced.vcd  ", f().Caption());  // the name as typed

  // Names the file system of the original platform refuses are reported, not written.
  responder.Expect("The design could not be saved in C:\\Brantel\\what?.vcd:\r\nBad file name or number", "Error");
  Save("what?.vcd");
  EXPECT_TRUE(w().Visible());
  responder.Expect("The design could not be opened from C:\\Brantel\\a<b.vcd:\r\nBad file name or number", "Error");
  w().Text1.SetText("a<b.vcd");
  w().Command1.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"Brantel.lib", "readme.txt", "Spaced.vcd", "UPPER.VCD"}),
            vb::ListFiles("C:\\Brantel"));

  for (const std::string name : {"*.vcd", "*anything"}) {
    responder.Expect("A file name must be selected!", "Warning", vb::vbCancel, vb::vbOKCancel + vb::vbCritical);
    Open(name);
    EXPECT_FALSE(w().Visible());
  }
  EXPECT_TRUE(responder.Done());
}

TEST_F(SaveLoadTest, SizeTypedButNotBuiltIsWhatIsSaved) {
  f().Text1.SetText("17");
  Save("typed.vcd");
  const std::string bytes = folder.Read("Brantel/typed.vcd");
  EXPECT_EQ(0u, bytes.find(" 1 \r\n17\r\n15\r\n"));
  size_t entries = 0;
  for (size_t p = bytes.find("***\r\n"); p != std::string::npos; p = bytes.find("***\r\n", p + 1)) ++entries;
  EXPECT_EQ(17u * 15u, entries);
  // Holes never built were reset with the whole grid by the last build: none is saved empty.
  EXPECT_EQ(std::string::npos, bytes.find("\r\n|||||||||||||||||||\r\n***\r\n"));
}

TEST_F(SaveLoadTest, FlippedViewIsTurnedBackBeforeSavingAndOpening) {
  DesignWithParts();
  const QImage component = f().Picture1.Image().Image().copy();
  f().Flip_Click();
  ASSERT_LT(f().Picture1.ScaleWidth(), 0);
  Save("flip.vcd");
  EXPECT_GT(f().Picture1.ScaleWidth(), 0);
  EXPECT_TRUE(f().Flip.Enabled());
  f().Flip_Click();
  Open("flip.vcd");
  EXPECT_GT(f().Picture1.ScaleWidth(), 0);
  EXPECT_TRUE(f().Flip.Enabled());
  EXPECT_TRUE(f().Picture1.Image().Image() == component);
}

// Makes a folder unwritable, also for a user who may write anywhere.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& host) : host_(host) {
    fs::permissions(host, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(host.c_str(), W_OK) == 0) {
      fd_ = ::open(host.c_str(), O_RDONLY | O_DIRECTORY);
      int flags = 0;
      if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
        flags |= FS_IMMUTABLE_FL;
        immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
      }
    }
  }
  ~ReadOnlyFolder() {
    if (immutable_) {
      int flags = 0;
      ::ioctl(fd_, FS_IOC_GETFLAGS, &flags);
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
    }
    if (fd_ >= 0) ::close(fd_);
    fs::permissions(host_, fs::perms::owner_all);
  }
  bool Works() const { return immutable_ || ::access(host_.c_str(), W_OK) != 0; }

 private:
  std::string host_;
  int fd_ = -1;
  bool immutable_ = false;
};

TEST_F(SaveLoadTest, FailedSaveKeepsTheOldFileAndSaysSo) {
  folder.Write("Brantel/old.vcd", "the old design");
  {
    ReadOnlyFolder readOnly(folder.HostFile("Brantel"));
    if (!readOnly.Works()) GTEST_SKIP() << "no way to make a folder read-only here";
    responder.Expect("The design could not be saved in C:\\Brantel\\old.vcd:\r\nPath/File access error", "Error");
    Save("old.vcd");
    EXPECT_TRUE(app.Form3.Loaded());
    EXPECT_TRUE(w().Visible());
  }
  EXPECT_EQ("the old design", folder.Read("Brantel/old.vcd"));
  EXPECT_EQ((std::vector<std::string>{"old.vcd", "readme.txt"}), vb::ListFiles("C:\\Brantel"));

  // A size the reader would refuse is not written either.
  f().Text1.SetText("0");
  responder.Expect("The design could not be saved in C:\\Brantel\\old.vcd:\r\nthe board size must be 1 to 100 holes each way",
                   "Error");
  w().Command2.PerformClick();
  EXPECT_EQ("the old design", folder.Read("Brantel/old.vcd"));
}

// Every entry of a host folder, hidden ones too, sorted.
std::vector<std::string> Entries(const std::string& host) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(host)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A file's permission bits in octal, as chmod takes them ("0644").
std::string ModeOf(const std::string& host) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(fs::status(host).permissions() & fs::perms::mask));
  return text;
}

// A design saved under a name by hand: the Save/Load button clicked, the name typed in
// place of the pattern, Save clicked.
void SaveByHand(Form1& main, Form3& window, const std::string& name) {
  testsupport::MouseClick(main.Command8);
  userinput::Clear(window.Text1, window.Text1.Text().size());
  userinput::Type(window.Text1, name);
  testsupport::MouseClick(window.Command2);
}

// A design kept in another folder and linked into the data folder is saved through the link:
// the file it leads to gets the design, the link stays, and nothing is left beside either. A
// link that leads nowhere gets the design where it points; one into a missing folder is
// refused as a missing folder is.
TEST_F(SaveLoadTest, SaveOverALinkWritesTheFileItLeadsTo) {
  f().Show();
  folder.Write("kept/shared.vcd", "the design before");
  fs::permissions(folder.HostFile("kept/shared.vcd"), static_cast<fs::perms>(0640));
  fs::create_symlink("../kept/shared.vcd", folder.HostFile("Brantel/shared.vcd"));
  fs::create_symlink("../kept/ahead.vcd", folder.HostFile("Brantel/ahead.vcd"));
  fs::create_symlink("../gone/nowhere.vcd", folder.HostFile("Brantel/nowhere.vcd"));

  // Saved by hand through the link `name` with a net number of its own: the link stays as it
  // was and the file it leads to holds the design.
  const auto saveThrough = [&](const std::string& name, int net) {
    m().HoleGrid(4, 5, NetNumber) = net;
    SaveByHand(f(), w(), name);
    EXPECT_FALSE(app.Form3.Loaded()) << name;
    ASSERT_TRUE(fs::is_symlink(folder.HostFile("Brantel/" + name))) << name;
    EXPECT_EQ("../kept/" + name, fs::read_symlink(folder.HostFile("Brantel/" + name)).string());
    EXPECT_NE(std::string::npos, folder.Read("kept/" + name).find("|" + std::to_string(net) + "|")) << name;
  };
  saveThrough("shared.vcd", 83);
  EXPECT_EQ("0640", ModeOf(folder.HostFile("kept/shared.vcd")));
  saveThrough("ahead.vcd", 29);
  EXPECT_NE(std::string::npos, folder.Read("Brantel/ahead.vcd").find("|29|"));  // read through the link

  m().HoleGrid(4, 5, NetNumber) = 17;
  responder.Expect("The design could not be saved in C:\\Brantel\\nowhere.vcd:\r\nPath not found", "Error");
  SaveByHand(f(), w(), "nowhere.vcd");
  EXPECT_TRUE(w().Visible());
  EXPECT_TRUE(fs::is_symlink(folder.HostFile("Brantel/nowhere.vcd")));
  EXPECT_FALSE(fs::exists(folder.HostFile("gone")));

  EXPECT_EQ((std::vector<std::string>{"ahead.vcd", "nowhere.vcd", "readme.txt", "shared.vcd"}),
            Entries(folder.HostFile("Brantel")));
  EXPECT_EQ((std::vector<std::string>{"ahead.vcd", "shared.vcd"}), Entries(folder.HostFile("kept")));
  EXPECT_EQ((std::vector<std::string>{"Brantel", "kept"}), Entries(folder.Host()));
  EXPECT_TRUE(responder.Done());
}

// A design file that may not be written, in a folder that may, is never replaced: the save,
// by a user the file's permission bits bind, is refused and leaves nothing behind. A design
// saved over keeps its permission bits.
TEST_F(SaveLoadTest, ReadOnlyDesignIsRefusedAndASavedOverDesignKeepsItsMode) {
  f().Show();
  folder.Write("Brantel/locked.vcd", "a locked design");
  fs::permissions(folder.HostFile("Brantel/locked.vcd"), static_cast<fs::perms>(0444));
  fs::permissions(folder.HostFile("Brantel"), static_cast<fs::perms>(0777));  // anyone may write the folder
  m().HoleGrid(6, 3, NetNumber) = 61;
  responder.Expect("The design could not be saved in C:\\Brantel\\locked.vcd:\r\nPath/File access error", "Error");
  testsupport::AsUnprivileged([&] { SaveByHand(f(), w(), "locked.vcd"); });
  EXPECT_TRUE(w().Visible());
  EXPECT_EQ("a locked design", folder.Read("Brantel/locked.vcd"));
  EXPECT_EQ("0444", ModeOf(folder.HostFile("Brantel/locked.vcd")));
  EXPECT_EQ((std::vector<std::string>{"locked.vcd", "readme.txt"}), Entries(folder.HostFile("Brantel")));
  testsupport::MouseClick(w().Command3);

  const struct {
    std::string name, mode;
  } kept[] = {{"private.vcd", "0600"}, {"tool.vcd", "0755"}};
  for (const auto& [name, mode] : kept) {
    folder.Write("Brantel/" + name, "an older design");
    fs::permissions(folder.HostFile("Brantel/" + name), static_cast<fs::perms>(std::stoi(mode, nullptr, 8)));
    SaveByHand(f(), w(), name);
    EXPECT_FALSE(app.Form3.Loaded()) << name;
    EXPECT_NE(std::string::npos, folder.Read("Brantel/" + name).find("|61|")) << name;
    EXPECT_EQ(mode, ModeOf(folder.HostFile("Brantel/" + name))) << name;
  }
  EXPECT_EQ((std::vector<std::string>{"locked.vcd", "private.vcd", "readme.txt", "tool.vcd"}),
            Entries(folder.HostFile("Brantel")));
  EXPECT_TRUE(responder.Done());
}

// A design whose holes all lie at one screen position (fields 0 and 1 damaged) opens with its
// holes laid out at the pitch Zoom All fits, and a board built afterwards shows too.
TEST_F(SaveLoadTest, ADesignWithItsHolesOnOnePositionOpensLaidOut) {
  f().Show();
  Board(12, 9);
  Save("stacked.vcd");
  std::string bytes = folder.Read("Brantel/stacked.vcd");
  std::string stacked;
  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line, '\n');) {
    if (std::count(line.begin(), line.end(), '|') == 19) line = "480|240|" + line.substr(line.find('|', line.find('|') + 1) + 1);
    stacked += line + "\n";
  }
  folder.Write("Brantel/stacked.vcd", stacked);
  const auto holePixel = [&](int a, int d) {
    const double x = m().HoleGrid(a, d, HoleX).Num() + m().ScrollX.Num(), y = m().HoleGrid(a, d, HoleY).Num() + m().ScrollY.Num();
    return f().Picture1.Point(x + m().HolePitch.Num() / 10 * 1.8, y);  // on a hole's ring
  };
  Board(15, 15);
  const vb::Colour ring = holePixel(5, 5), background = f().Picture1.BackColor();
  ASSERT_NE(ring, background);
  Open("stacked.vcd");
  EXPECT_GT(m().HolePitch.Num(), 0);
  EXPECT_NEAR(m().HoleGrid(5, 4, HoleX).Num(), 4 * m().HolePitch.Num(), 1e-6);
  EXPECT_NEAR(m().HoleGrid(5, 4, HoleY).Num(), 3 * m().HolePitch.Num(), 1e-6);
  EXPECT_EQ(holePixel(5, 4), ring);
  f().Text1.SetText("10");
  responder.Expect("The board will be cleared! Are you sure? ", "Warning", vb::vbYes);
  f().Command2_Click();  // Build
  EXPECT_EQ(holePixel(9, 8), ring);
  EXPECT_TRUE(responder.Done());
}

TEST_F(SaveLoadTest, DamagedOrMissingFilesLeaveTheBoardAsItWas) {
  DesignWithParts();
  Save("good.vcd");
  const std::string good = folder.Read("Brantel/good.vcd");
  f().SetCaption("Brantel -before");
  const BoardState before = State();
  std::string bars18 = good;
  bars18.erase(bars18.find("|R1|"), 1);
  const std::string big = " 1 \r\n101\r\n12\r\n" + good.substr(good.find("12\r\n") + 4);
  const struct {
    std::string name, bytes, message;
  } cases[] = {
      {"short.vcd", " 1 \r\n3\r\n2\r\n|||||||||||||||||||\r\n***\r\n|||||||||||||||||||\r\n***\r\n",
       "The design could not be opened from C:\\Brantel\\short.vcd:\r\nline 8: the file ends before hole (3, 1)"},
      {"bars.vcd", bars18,
       "The design could not be opened from C:\\Brantel\\bars.vcd:\r\nline 46: the record of hole (2, 2) holds 18 \"|\" "
       "instead of 19"},
      {"big.vcd", big, "The design could not be opened from C:\\Brantel\\big.vcd:\r\nline 2: the board size must be 1 to 100 holes"},
      {"strip.vcd", " 1 \r\n2\r\n1\r\n|||||||||||||||||||\r\n***\r\n" + std::string(17, '|') + "9000000000000001||\r\n***\r\n",
       "The design could not be opened from C:\\Brantel\\strip.vcd:\r\nline 6: the strip number of hole (2, 1) is not a "
       "number of at most 15 significant digits"},
      {"missing.vcd", "", "The design could not be opened from C:\\Brantel\\missing.vcd:\r\nFile not found"},
  };
  for (const auto& c : cases) {
    if (c.name != "missing.vcd") folder.Write("Brantel/" + c.name, c.bytes);
    responder.Expect(c.message, "Error");
    Open(c.name);
    EXPECT_FALSE(w().Visible());
    EXPECT_TRUE(w().Command1.Enabled());
    EXPECT_TRUE(State() == before) << c.name;
  }

  // Random damage: a file is either read whole or leaves everything as it was.
  class Counter : public vb::Responder {
   public:
    int Answer(const vb::MsgBoxRequest& r) override {
      EXPECT_EQ("Error", r.title);
      // Open's buttons stay disabled while it runs.
      EXPECT_FALSE(window->Command1.Enabled() || window->Command2.Enabled() || window->Command3.Enabled());
      ++count;
      return vb::vbOK;
    }
    void ShowModal(vb::Form& form) override { form.Unload(); }
    int count = 0;
    Form3* window = nullptr;
  } counter;
  counter.window = &w();
  vb::SetResponder(&counter);
  std::mt19937 rng(99);
  for (int i = 0; i < 60; ++i) {
    std::string bytes = good;
    if (i % 2 == 0) {
      bytes.resize(rng() % bytes.size());
    } else {
      for (int n = 0; n < 3; ++n) bytes[rng() % bytes.size()] = "|\r\n*5x"[rng() % 6];
    }
    folder.Write("Brantel/random.vcd", bytes);
    const int messages = counter.count;
    Open("random.vcd");
    if (counter.count > messages) {
      ASSERT_TRUE(State() == before) << i;
    } else {
      EXPECT_EQ("Brantel -random.vcd", f().Caption());
      Open("good.vcd");
      f().SetCaption("Brantel -before");
      ASSERT_TRUE(State() == before);
    }
  }
  vb::SetResponder(&responder);
  EXPECT_GT(counter.count, 30);
}

TEST_F(SaveLoadTest, WindowLifeListsAndClicks) {
  testsupport::TempFolder other;
  vb::SetDrive('C', folder.Host());
  vb::SetDrive('D', other.Host());
  other.Write("Boards/d-design.vcd", "x");
  other.Write("Boards/notes.txt", "x");
  DesignWithParts();
  Save("first.vcd");
  Save("second.vcd");

  OpenWindow();
  EXPECT_EQ("Load/Save", w().Caption());
  EXPECT_EQ("*.vcd", w().Text1.Text());
  EXPECT_EQ("c:", w().Drive1.Drive());
  EXPECT_EQ("C:\\Brantel", w().Dir1.Path());
  EXPECT_EQ("C:\\Brantel", w().File1.Path());
  ASSERT_EQ(2, w().File1.ListCount());

  // Cancel unloads and makes the size boxes usable again.
  f().Text1.SetEnabled(false);
  f().Text2.SetEnabled(false);
  w().Command3.PerformClick();
  EXPECT_FALSE(app.Form3.Loaded());
  EXPECT_TRUE(f().Text1.Enabled());
  EXPECT_TRUE(f().Text2.Enabled());

  // The drive list moves the folder list, and the file list follows it.
  Board(15, 15);
  f().Open.Click();  // the menu item opens the same window
  ASSERT_TRUE(w().Visible());
  vb::Application::DoEvents();
  testsupport::PickFromDropDown(w().Drive1.Widget(), "d:");
  EXPECT_EQ("D:\\", w().Dir1.Path());
  EXPECT_EQ("D:\\", w().File1.Path());
  auto* dirs = static_cast<QListWidget*>(w().Dir1.Widget());
  testsupport::DoubleClickRow(dirs, testsupport::RowOf(dirs, "Boards"));
  EXPECT_EQ("D:\\Boards", w().File1.Path());
  EXPECT_EQ((std::vector<std::string>{"d-design.vcd"}), (std::vector<std::string>{w().File1.List(0)}));
  EXPECT_EQ(1, w().File1.ListCount());

  // Back on C:, a double click on a design loads it and hides the window.
  testsupport::PickFromDropDown(w().Drive1.Widget(), "c:");
  w().Dir1.SetPath("C:\\Brantel");
  auto* files = static_cast<QListWidget*>(w().File1.Widget());
  testsupport::ClickRow(files, testsupport::RowOf(files, "second.vcd"));
  EXPECT_EQ("second.vcd", w().Text1.Text());
  testsupport::DoubleClickRow(files, testsupport::RowOf(files, "first.vcd"));
  EXPECT_EQ("Brantel -first.vcd", f().Caption());
  EXPECT_EQ("20", f().Text1.Text());
  EXPECT_TRUE(app.Form3.Loaded());
  EXPECT_FALSE(w().Visible());

  // Reopened: the same folder, the name box reset.
  w().Dir1.SetPath("C:\\");
  OpenWindow();
  EXPECT_EQ("C:\\", w().Dir1.Path());
  EXPECT_EQ("*.vcd", w().Text1.Text());
  EXPECT_EQ("Load/Save", w().Caption());
}

// The progress box after a load shows the last pass over the one before it: 1500 holes wipe
// half of the blue bar in white, 2500 holes paint half of the white wiping blue again.
TEST_F(SaveLoadTest, ProgressBoxShowsTheLastPassOverThePassBefore) {
  for (const int down : {30, 50}) {
    Board(50, down);
    Save("bar.vcd");
    Open("bar.vcd");
    const auto at = [&](double share) { return w().Picture1.Point(w().Picture1.ScaleWidth() * share, w().Picture1.ScaleHeight() / 2); };
    const vb::Colour blue = vb::RGB(0, 0, 150), white = vb::RGB(255, 255, 255);
    EXPECT_EQ(at(0.25), down == 30 ? white : blue) << down;
    EXPECT_EQ(at(0.75), down == 30 ? blue : white) << down;
  }
}

TEST_F(SaveLoadTest, AFullBoardSavesAndOpensWhole) {
  Board(100, 100);
  int placed = 0;
  for (int d = 1; d <= 100 && placed < 200; d += 3) {
    for (int a = 1; a + 3 <= 100 && placed < 200; a += 5, ++placed) {
      parttest::PlacePart(m(), {{a, d}, {a + 3, d}}, "Axial 0.3 AR 2 2 1 A 0 0 0 .5 A 0 .5 0 0 *",
                          "R" + std::to_string(placed), "4,7K");
    }
  }
  ASSERT_EQ(200, placed);
  // How fast this goes is measured in bench/ (SaveDesign, OpenDesign); here the board only has
  // to come back whole.
  Save("full.vcd");
  Design design;
  DesignProblem problem;
  ASSERT_TRUE(ReadDesignText(vb::ReadAllBytes("C:\\Brantel\\full.vcd"), design, problem));
  Open("full.vcd");
  EXPECT_EQ("Axial", m().HoleGrid(96, 28, CompPackage).Text());
  EXPECT_EQ("R199", m().HoleGrid(99, 28, CompName).Text());
}

}  // namespace

// A pid that no running program holds: a child that has already ended.
static pid_t EndedPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// Names beyond ASCII cross to the host as UTF-8. A name typed key by key in the Save/Load
// window is saved under its UTF-8 name and listed back in its own letters; a design another
// program named in UTF-8 opens and is saved back under the same host name; a name with
// letters the programs' text cannot hold is shown as it is and refused as a bad name.
TEST_F(SaveLoadTest, NamesBeyondAsciiAreSavedListedAndOpenedUnderTheirUtf8Names) {
  const auto hostNames = [&] {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.HostFile("Brantel"))) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::string platine = "Platine-\xc3\xbc.vcd", gruesse = "Gr\xc3\xbc\xc3\x9f" "e.vcd";
  const std::string board = "\xe5\x9f\xba\xe6\x9d\xbf.vcd";
  folder.Write("Brantel/" + board, "not a design of ours");
  m().HoleGrid(3, 4, NetNumber) = 23;

  userinput::Click(f().Command8);
  userinput::Clear(w().Text1, w().Text1.Text().size());
  userinput::Type(w().Text1, "Platine-\xfc.vcd");
  EXPECT_EQ("Platine-\xfc.vcd", w().Text1.Text());
  userinput::Click(w().Command2);  // Save
  EXPECT_FALSE(app.Form3.Loaded());
  EXPECT_EQ((std::vector<std::string>{platine, "readme.txt", board}), hostNames());
  EXPECT_NE(std::string::npos, folder.Read("Brantel/" + platine).find("|23|"));

  // Open lists it in its own letters and opens it.
  m().HoleGrid(3, 4, NetNumber) = 0;
  userinput::Click(f().Command8);
  const auto files = [&] { return static_cast<QListWidget*>(w().File1.Widget()); };  // of the window now loaded
  ASSERT_EQ(2, files()->count());
  EXPECT_EQ(board, files()->item(0)->text().toStdString());  // "??.vcd" to the program
  EXPECT_EQ(platine, files()->item(1)->text().toStdString());
  testsupport::DoubleClickRow(files(), testsupport::RowOf(files(), platine));
  EXPECT_EQ("Brantel -Platine-\xfc.vcd", f().Caption());
  EXPECT_EQ(m().HoleGrid(3, 4, NetNumber), vb::Value(23));

  // Another program's UTF-8 name: listed, opened, and saved back under the same host name.
  folder.Write("Brantel/" + gruesse, folder.Read("Brantel/" + platine));
  m().HoleGrid(3, 4, NetNumber) = 0;
  userinput::Click(f().Command8);
  testsupport::DoubleClickRow(files(), testsupport::RowOf(files(), gruesse));
  EXPECT_EQ("Brantel -Gr\xfc\xdf" "e.vcd", f().Caption());
  EXPECT_EQ(m().HoleGrid(3, 4, NetNumber), vb::Value(23));
  m().HoleGrid(5, 6, NetNumber) = 59;
  userinput::Click(f().Command8);
  testsupport::ClickRow(files(), testsupport::RowOf(files(), gruesse));
  EXPECT_EQ("Gr\xfc\xdf" "e.vcd", w().Text1.Text());
  userinput::Click(w().Command2);
  EXPECT_FALSE(app.Form3.Loaded());
  EXPECT_EQ((std::vector<std::string>{gruesse, platine, "readme.txt", board}), hostNames());
  EXPECT_NE(std::string::npos, folder.Read("Brantel/" + gruesse).find("|59|"));

  // Letters the programs' text cannot hold: shown as they are, refused as a bad name.
  userinput::Click(f().Command8);
  testsupport::ClickRow(files(), testsupport::RowOf(files(), board));
  EXPECT_EQ("??.vcd", w().Text1.Text());
  responder.Expect("The design could not be opened from C:\\Brantel\\??.vcd:\r\nBad file name or number", "Error");
  userinput::Click(w().Command1);  // Open
  userinput::Click(f().Command8);
  testsupport::ClickRow(files(), testsupport::RowOf(files(), board));
  responder.Expect("The design could not be saved in C:\\Brantel\\??.vcd:\r\nBad file name or number", "Error");
  userinput::Click(w().Command2);
  EXPECT_EQ("not a design of ours", folder.Read("Brantel/" + board));
  EXPECT_EQ((std::vector<std::string>{gruesse, platine, "readme.txt", board}), hostNames());
  EXPECT_EQ(m().HoleGrid(5, 6, NetNumber), vb::Value(59));
  EXPECT_TRUE(responder.Done());
}

// A design another program named with a letter Latin-1 lacks is listed, chosen and opened in
// its own letters: "Preis-€.vcd" in the file list, the name box and the window's caption.
TEST_F(SaveLoadTest, AHostNameWithAEuroSignIsShownInItsOwnLettersInTheListBoxAndCaption) {
  m().HoleGrid(3, 4, NetNumber) = 31;
  Save("Basis.vcd");
  ASSERT_TRUE(folder.Exists("Brantel/Basis.vcd"));
  folder.Write("Brantel/Preis-€.vcd", folder.Read("Brantel/Basis.vcd"));
  m().HoleGrid(3, 4, NetNumber) = 0;

  testsupport::MouseClick(f().Command8);
  auto* files = static_cast<QListWidget*>(w().File1.Widget());
  const int row = testsupport::RowOf(files, "Preis-€.vcd");
  ASSERT_GE(row, 0);
  EXPECT_EQ("Preis-€.vcd", files->item(row)->text().toStdString());
  testsupport::ClickRow(files, row);
  EXPECT_EQ("Preis-\x80.vcd", w().Text1.Text());
  EXPECT_EQ("Preis-€.vcd", static_cast<QLineEdit*>(w().Text1.Widget())->text().toStdString());
  testsupport::DoubleClickRow(files, row);
  EXPECT_EQ("Brantel -Preis-\x80.vcd", f().Caption());
  EXPECT_EQ("Brantel -Preis-€.vcd", f().TopWidget()->windowTitle().toStdString());
  EXPECT_EQ(m().HoleGrid(3, 4, NetNumber), vb::Value(31));
}

// Saving removes what interrupted saves of the same design left behind, unless their writer
// still runs, and a name of 255 bytes (the host's longest, counted in UTF-8) is saved and
// opened back.
TEST_F(SaveLoadTest, SaveClearsLeftoversOfEndedWritersAndTakesTheLongestNames) {
  const std::string dead = ".Board.vcd.tmp-" + std::to_string(EndedPid()) + "-";
  const std::string live = ".Board.vcd.tmp-" + std::to_string(::getppid()) + "-Ab3xQz";
  folder.Write("Brantel/" + dead + "k2P9wq", "half a design");
  folder.Write("Brantel/" + dead + "Zz0aaB", "another half");
  folder.Write("Brantel/" + live, "being written");
  const std::string other = "Brantel/.Other.vcd.tmp-" + std::to_string(EndedPid()) + "-aaaaaa";
  folder.Write(other, "another design's");
  m().HoleGrid(4, 5, NetNumber) = 31;
  Save("Board.vcd");
  EXPECT_NE(std::string::npos, folder.Read("Brantel/Board.vcd").find("|31|"));
  EXPECT_FALSE(folder.Exists("Brantel/" + dead + "k2P9wq"));
  EXPECT_FALSE(folder.Exists("Brantel/" + dead + "Zz0aaB"));
  EXPECT_EQ(folder.Read("Brantel/" + live), "being written");
  EXPECT_EQ(folder.Read(other), "another design's");  // left to that design's next save

  const std::string longName = std::string(251, 'L') + ".vcd";
  ASSERT_EQ(255u, longName.size());
  m().HoleGrid(6, 7, NetNumber) = 47;
  Save(longName);
  EXPECT_FALSE(app.Form3.Loaded());
  ASSERT_TRUE(folder.Exists("Brantel/" + longName));
  EXPECT_NE(std::string::npos, folder.Read("Brantel/" + longName).find("|47|"));
  m().HoleGrid(6, 7, NetNumber) = 0;
  Open(longName);
  EXPECT_EQ(m().HoleGrid(6, 7, NetNumber), vb::Value(47));

  // Beyond ASCII the limit counts the host's UTF-8 bytes: "x", 125 "u" with umlaut and ".vcd"
  // are 130 letters and 255 bytes; one letter more is refused as a bad name.
  std::string umlauts = "x", hostUmlauts = "x";
  for (int i = 0; i < 125; ++i) {
    umlauts += "\xfc";
    hostUmlauts += "\xc3\xbc";
  }
  ASSERT_EQ(255u, (hostUmlauts + ".vcd").size());
  m().HoleGrid(6, 7, NetNumber) = 53;
  Save(umlauts + ".vcd");
  EXPECT_FALSE(app.Form3.Loaded());
  ASSERT_TRUE(folder.Exists("Brantel/" + hostUmlauts + ".vcd"));
  EXPECT_NE(std::string::npos, folder.Read("Brantel/" + hostUmlauts + ".vcd").find("|53|"));
  m().HoleGrid(6, 7, NetNumber) = 0;
  Open(umlauts + ".vcd");
  EXPECT_EQ(m().HoleGrid(6, 7, NetNumber), vb::Value(53));
  responder.Expect("The design could not be saved in C:\\Brantel\\" + umlauts + "\xfc.vcd:\r\nBad file name or number",
                   "Error");
  Save(umlauts + "\xfc.vcd");
  std::vector<std::string> withUmlauts;  // the saved design; nothing of the refused one beside it
  for (const auto& e : fs::directory_iterator(folder.HostFile("Brantel"))) {
    const std::string name = e.path().filename().string();
    if (name.find("\xc3\xbc") != std::string::npos) withUmlauts.push_back(name);
  }
  EXPECT_EQ((std::vector<std::string>{hostUmlauts + ".vcd"}), withUmlauts);
}
