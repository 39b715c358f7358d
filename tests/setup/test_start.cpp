// Start-up: the setup list reader, the agreement window and the install window's load.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <random>

#include "platform/app.h"
#include "setup/setup_script.h"
#include "tests/support/real_input.h"
#include "tests/setup/setup_fixture.h"

namespace {

TEST(SetupScriptTest, LinesEndAsSequentialInputEndsThem) {
  const setup::SetupScript s = setup::ParseSetupScript("[Setup]\r\nA b\nlabel\rD:\\x\r\n\r\nlast");
  EXPECT_EQ(s.lines, (std::vector<std::string>{"[Setup]", "A b", "label", "D:\\x", "", "last"}));
  EXPECT_TRUE(s.HasFiles());
  EXPECT_EQ(s.Files(), (std::vector<std::string>{"", "last"}));
  EXPECT_EQ(s.Caption(), "A b");
  EXPECT_EQ(setup::ParseSetupScript("").LineCount(), 0);
  EXPECT_EQ(setup::ParseSetupScript("[Setup]\r\n").LineCount(), 1);
  EXPECT_FALSE(setup::ParseSetupScript("[Setup]\r\na\r\nb\r\n").HasHead());
  EXPECT_FALSE(setup::ParseSetupScript("[setup]\r\na\r\nb\r\nc\r\nd\r\n").Recognised());
  EXPECT_FALSE(setup::ParseSetupScript("[Setup] \r\na\r\nb\r\nc\r\nd\r\n").Recognised());
}

// Any bytes give lines that, joined by the line end, give the bytes back (less a final
// line end), and none of them holds a line end.
TEST(SetupScriptTest, AnyBytesSplitIntoLinesWithoutLoss) {
  std::mt19937 rng(20261209);
  const char alphabet[] = {'\r', '\n', '[', 'S', ']', ' ', '\0', '\xff', 'a'};
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int n = static_cast<int>(rng() % 40);
    for (int i = 0; i < n; ++i) bytes += alphabet[rng() % sizeof alphabet];
    const setup::SetupScript s = setup::ParseSetupScript(bytes);
    std::string normalised;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
      normalised += bytes[i] == '\r' ? '\n' : bytes[i];
    }
    std::string joined;
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
      EXPECT_EQ(s.lines[i].find_first_of("\r\n"), std::string::npos);
      joined += (i ? "\n" : "") + s.lines[i];
    }
    if (!normalised.empty() && normalised.back() == '\n') normalised.pop_back();
    ASSERT_EQ(joined, normalised) << round;
    EXPECT_EQ(s.Files().size(), s.lines.size() >= 5 ? s.lines.size() - 4 : 0u);
  }
}

TEST_F(SetupTest, AnyKeyAgreesAndIDoNotAgreeEnds) {
  for (int key : {int('x'), 13, int(' ')}) {
    Start();
    EXPECT_TRUE(app->ULA().Visible());
    EXPECT_EQ(app->ULA().Command1.Caption(), "I agree");
    EXPECT_EQ(app->ULA().lblProductName.Caption(), "Install System");
    // A key typed into the agreement text reaches the window.
    app->ULA().TopWidget()->activateWindow();
    QApplication::processEvents();
    app->ULA().Text1.SetFocus();
    testsupport::KeyClick(app->ULA().Text1.Widget(), key == 13 ? Qt::Key_Return : key == ' ' ? Qt::Key_Space : Qt::Key_X,
                          Qt::NoModifier, QString(QChar(key)));
    EXPECT_FALSE(app->ULA.Loaded()) << key;
    ASSERT_TRUE(app->Form1.Loaded());
    EXPECT_TRUE(app->Form1().Visible());
    EXPECT_EQ(app->Form1().Caption(), "Brantel Setup");
    app->Form1().Command1.PerformClick();
    EXPECT_TRUE(app->Ended());
  }
  Start();
  EXPECT_EQ(app->ULA().Command2.Caption(), "I do not agree");
  app->ULA().Command2.PerformClick();
  EXPECT_FALSE(app->Form1.Loaded());
  EXPECT_TRUE(app->Ended());
}

// Tab and the arrow keys move about the agreement without agreeing, so a keyboard user
// reaches "I do not agree".
TEST_F(SetupTest, TabReachesIDoNotAgreeWithoutAgreeing) {
  Start();
  ULA& u = app->ULA();
  u.TopWidget()->activateWindow();
  QApplication::processEvents();
  u.Text1.SetFocus();
  for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left})
    testsupport::KeyClick(u.TopWidget(), arrow);
  ASSERT_TRUE(app->ULA.Loaded());
  for (int tab = 0; tab < 4 && !u.Command2.Widget()->hasFocus(); ++tab) {
    testsupport::KeyClick(u.TopWidget(), Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    ASSERT_TRUE(app->ULA.Loaded()) << "Tab " << tab + 1 << " agreed";
  }
  EXPECT_TRUE(u.Command2.Widget()->hasFocus());
  EXPECT_FALSE(app->Form1.Loaded());
  u.Command2.PerformClick();
  EXPECT_FALSE(app->Form1.Loaded());
  EXPECT_TRUE(app->Ended());
}

TEST_F(SetupTest, InstallWindowTakesItsHeadFromTheSetupList) {
  const struct {
    std::string script;
    std::string caption, label, destination;
  } cases[] = {
      {"[Setup]\r\nBrantel Setup\r\nThe suite\r\nD:\\Tools\\Suite\r\nBrantel\r\n", "Brantel Setup", "The suite",
       "D:\\Brantel"},
      {"[Setup]\r\nOther Thing\r\nx\r\n\r\n", "Other Thing", "x", "C:\\Brantel"},
      {"[Setup]\r\nA B\r\nx\r\n:oops\r\n", "A B", "x", "C:\\Brantel"},
      {"[Setup]\r\nA B\r\nx\r\n/srv\\x\r\n", "A B", "x", "C:\\Brantel"},
      {"[setup]\r\nBrantel Setup\r\nThe suite\r\nD:\\x\r\n", "OMRA Setup", "None", ""},
      {"[Setup] \r\nBrantel Setup\r\nThe suite\r\nD:\\x\r\n", "OMRA Setup", "None", ""},
  };
  for (const auto& c : cases) {
    WriteMedium(c.script);
    Form1& f = Agreed();
    EXPECT_EQ(f.Caption(), c.caption) << c.script;
    EXPECT_EQ(f.Label3.Caption(), c.label) << c.script;
    EXPECT_EQ(f.Text2.Text(), c.destination) << c.script;
    // The source box names the folder the installer started in.
    EXPECT_EQ(f.Text1.Text(), "C:\\medium");
    EXPECT_EQ(f.Label4.Caption(), "For Windows 9x/XP");
    EXPECT_EQ(f.Command4.Caption(), "Install ");
    EXPECT_EQ(f.Picture1.Image().PixelAt(5, 5), vb::RGB(255, 255, 255));
    EXPECT_FALSE(f.Dir1.Enabled());
    f.Command1.PerformClick();
  }
}

TEST_F(SetupTest, AMissingOrShortSetupListIsReportedAtLoad) {
  std::filesystem::remove(drive.HostFile("medium/Setup.ini"));
  responder.Expect("File not found in C:\\medium\\Setup.ini", "Error Manager", vb::vbOK, vb::vbOKOnly);
  Form1& f = Agreed();
  EXPECT_EQ(f.Caption(), "OMRA Setup");
  f.Command1.PerformClick();
  WriteMedium("[Setup]\r\nBrantel Setup\r\nlabel\r\n");
  responder.Expect("Input past end of file in C:\\medium\\Setup.ini", "Error Manager");
  Form1& g = Agreed();
  EXPECT_EQ(g.Caption(), "OMRA Setup");  // nothing is taken from a list that is cut short
  EXPECT_EQ(g.Text2.Text(), "");
}

// The destination box keeps the form drive letter, ":\Brantel", whatever is typed.
TEST_F(SetupTest, DestinationBoxKeepsOnlyTheDriveLetter) {
  Form1& f = Agreed();
  auto* edit = static_cast<QLineEdit*>(f.Text2.Widget());
  auto type = [&](int cursor, Qt::Key key, const QString& text) {
    edit->setCursorPosition(cursor);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
  };
  type(0, Qt::Key_E, "E");
  EXPECT_EQ(f.Text2.Text(), "E:\\Brantel");
  type(1, Qt::Key_Backspace, "");
  EXPECT_EQ(f.Text2.Text(), "C:\\Brantel");
  type(10, Qt::Key_X, "x");
  EXPECT_EQ(f.Text2.Text(), "C:\\Brantel");
  f.Text2.SetText("d:\\elsewhere");
  EXPECT_EQ(f.Text2.Text(), "d:\\Brantel");
  EXPECT_EQ(edit->text().toStdString(), "d:\\Brantel");
}

// Only a letter may stand first in the destination box: typing anything else there, or over
// the whole box, is refused and the box keeps the drive it had.
TEST_F(SetupTest, DestinationBoxRefusesAnythingButADriveLetter) {
  Form1& f = Agreed();
  auto* edit = static_cast<QLineEdit*>(f.Text2.Widget());
  edit->setFocus();
  auto type = [&](int cursor, Qt::Key key, const QString& text) {
    edit->setCursorPosition(cursor);
    testsupport::KeyClick(edit, key, Qt::NoModifier, text);
  };
  type(0, Qt::Key_G, "g");
  ASSERT_EQ(f.Text2.Text(), "g:\\Brantel");
  type(0, Qt::Key_Slash, "/");
  EXPECT_EQ(f.Text2.Text(), "g:\\Brantel");
  type(0, Qt::Key_7, "7");
  EXPECT_EQ(f.Text2.Text(), "g:\\Brantel");
  type(0, Qt::Key_unknown, QString::fromUtf8("\xc3\xa9"));
  EXPECT_EQ(f.Text2.Text(), "g:\\Brantel");
  edit->selectAll();
  testsupport::KeyClick(edit, Qt::Key_Period, Qt::NoModifier, ".");
  EXPECT_EQ(f.Text2.Text(), "g:\\Brantel");
  EXPECT_EQ(edit->text().toStdString(), "g:\\Brantel");
  type(0, Qt::Key_K, "K");
  EXPECT_EQ(edit->text().toStdString(), "K:\\Brantel");
}

}  // namespace
