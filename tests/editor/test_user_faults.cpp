// The editor tried as a user would: started through its start-up window and driven by real
// clicks and key strokes, with what the user then sees on the board and in the files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QWidget>
#include <string>
#include <vector>

#include "editor/board/splash.h"
#include "editor/form1.h"
#include "platform/msgbox.h"
#include "tests/editor/user_input.h"
#include "tests/support/fixtures.h"

namespace {

using userinput::Choose;
using userinput::Click;
using userinput::Tick;

constexpr vb::Colour kStrip = vb::RGB(215, 140, 60);
constexpr vb::Colour kBoard = vb::RGB(225, 211, 160);
constexpr const char* kAsk = "The board will be cleared! Are you sure? ";
constexpr const char* kTooBig = "The board size must be less than 100 ! ";

std::string Ini(const std::string& colours, const std::string& options) {
  return "[Initalize]\r\n" + colours + "[Control]\r\n" + options + "[Printer]\r\n 150\r\n 150\r\n[Library]\r\nBrantel.lib\r\n";
}
const std::string kColours = " 3968215\r\n 10540001\r\n 0\r\n 0\r\n";

// Answers every message with OK and keeps them: for starts whose errors depend on values
// the runtime may or may not be able to hold.
class AnyMessage : public vb::Responder {
 public:
  AnyMessage() : previous_(vb::CurrentResponder()) { vb::SetResponder(this); }
  ~AnyMessage() override { vb::SetResponder(previous_); }
  int Answer(const vb::MsgBoxRequest& r) override {
    seen.push_back(r.prompt);
    return vb::vbOK;
  }
  void ShowModal(vb::Form& form) override { form.Unload(); }
  std::vector<std::string> seen;

 private:
  vb::Responder* previous_;
};

class UserTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;

  // Installs into C:\inst with this settings file in the working folder, starts the
  // program and shows the start-up window.
  void Install(const std::string* ini) {
    folder.Write("Brantel.dat", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\nFolder: C:\\inst\r\nEnd: 1\r\n");
    if (ini) folder.Write("brantel.ini", *ini);
    folder.Write("inst/keep.txt", "");
    app.Start();
    ASSERT_TRUE(app.frmSplash.Loaded());
  }
  // Starts and continues with a click on "Continue".
  Form1& Open(const std::string& ini) {
    Install(&ini);
    Click(app.frmSplash().Command1);
    EXPECT_FALSE(app.frmSplash.Loaded());
    return app.Form1();
  }
  // The colour at a point given in pitches from the centre of hole (a, d).
  vb::Colour At(int a, int d, double dx, double dy) {
    const double p = app.m.HolePitch.Num();
    return app.Form1().Picture1.Point(p * (a - 1 + dx) + app.m.ScrollX.Num(), p * (d - 1 + dy) + app.m.ScrollY.Num());
  }
  void Retype(vb::TextBox& box, const std::string& text) {
    userinput::Clear(box, box.Text().size());
    ASSERT_EQ("", box.Text());
    userinput::Type(box, text);
    ASSERT_EQ(text, box.Text());
  }
};

// A start-up that fails half-way (here a colour no 32-bit number holds) still shows the main
// window and closes the start-up window; closing the main window then ends the program.
TEST_F(UserTest, StartupErrorLeavesNoProgramWithoutAWindow) {
  Install(nullptr);
  app.m.TraceColour = 1e12;
  {
    AnyMessage any;
    Click(app.frmSplash().Command1);
  }
  EXPECT_FALSE(app.frmSplash.Loaded());
  ASSERT_TRUE(app.Form1.Loaded());
  EXPECT_TRUE(app.Form1().Visible());
  app.Form1().TopWidget()->close();
  EXPECT_TRUE(app.Ended());
}

TEST_F(UserTest, ClosingTheStartupWindowTakesAHiddenMainWindowAlong) {
  Install(nullptr);
  app.Form1();  // loaded but never shown, as a failed start left it
  ASSERT_TRUE(app.Form9.Loaded());
  app.frmSplash().TopWidget()->close();
  EXPECT_FALSE(app.Form1.Loaded());
  EXPECT_FALSE(app.Form9.Loaded());
  EXPECT_TRUE(app.Ended());
}

// Colours from the settings file are drawn as colours: their low 24 bits.
TEST_F(UserTest, SettingsColoursAreDrawnAsTheirLow24Bits) {
  Form1& f = Open(Ini("-1\r\n 10000000000\r\n 5\r\n-6\r\n", " 1\r\n 1\r\n"));
  EXPECT_EQ(Value(16777215), app.m.TraceColour);
  EXPECT_EQ(Value(779264), app.m.BoardColour);  // 10000000000 - 596 * 2^24
  EXPECT_EQ(vb::vbWhite, At(5, 5, 0.3, 0));
  EXPECT_EQ(vb::RGB(0, 228, 11), At(5, 5, 0.3, 0.375));
  Click(f.Command12);
  EXPECT_EQ(Ini(" 16777215\r\n 779264\r\n 5\r\n-6\r\n", " 1\r\n 1\r\n"), folder.Read("inst/brantel.ini"));
}

// Only 0 and 1 are board options: 2 (grey) and 1.5 (rounded to 2) leave the design values,
// the strips are drawn, and Exit writes the options back as ticks.
TEST_F(UserTest, OptionValuesOtherThanZeroOrOneAreIgnored) {
  Form1& f = Open(Ini(kColours, " 2\r\n1.5\r\n"));
  EXPECT_EQ(1, f.Check1.Value());
  EXPECT_EQ(1, f.Check3.Value());
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0.3, 0.375));
  Click(f.Command12);
  EXPECT_EQ(Ini(kColours, " 1\r\n 1\r\n"), folder.Read("inst/brantel.ini"));
}

// The Horizontal option and "Remove all cuts" repaint the board at once.
TEST_F(UserTest, BoardOptionsRepaintTheBoard) {
  Form1& f = Open(Ini(kColours, " 1\r\n 1\r\n"));
  ASSERT_EQ(kBoard, At(5, 5, 0, 0.3));  // between two rows: board
  Choose(f.Horizontal);
  EXPECT_EQ(0, f.Check1.Value());
  EXPECT_EQ(kStrip, At(5, 5, 0, 0.3));  // strips run down now
  EXPECT_EQ(kBoard, At(5, 5, 0.3, 0));
  Tick(f.Check1);
  EXPECT_TRUE(f.Horizontal.Checked());
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));
  EXPECT_EQ(kBoard, At(5, 5, 0, 0.3));

  app.m.HoleGrid(5, 5, KelmNet) = 0;  // a cut left of hole (5, 5)
  Click(f.Command6);                   // "Re Draw"
  ASSERT_EQ(kBoard, At(5, 5, -0.56, 0));
  Choose(f.ResetKelm);
  EXPECT_EQ(Value(5), app.m.HoleGrid(5, 5, KelmNet));
  EXPECT_EQ(kStrip, At(5, 5, -0.56, 0));
}

// Sizes the grid cannot hold are refused by "Build" with the size message; the board stays.
TEST_F(UserTest, BuildTakesOnlyWholeSizesFromOneToOneHundred) {
  Form1& f = Open(Ini(kColours, " 1\r\n 1\r\n"));
  app.m.HoleGrid(16, 3, CompName) = "OLD";  // beyond the board: never drawn
  struct Case {
    std::string typed, after;
  };
  for (const Case& c : {Case{"100.6", "100"}, Case{"100.5", "100"}, Case{"15.7", "15"}, Case{"-1", "15"},
                        Case{"0", "15"}, Case{"abc", "15"}}) {
    SCOPED_TRACE(c.typed);
    Retype(f.Text1, c.typed);
    responder.Expect(kAsk, "Warning", vb::vbYes, vb::vbYesNo + vb::vbCritical);
    responder.Expect(kTooBig, "Error", vb::vbOK, vb::vbOKOnly + vb::vbCritical);
    Click(f.Command2);
    EXPECT_EQ(c.after, f.Text1.Text());
    EXPECT_EQ(Value(15), app.m.HolesAcross);
    EXPECT_EQ(Value("OLD"), app.m.HoleGrid(16, 3, CompName));
    Click(f.Command6);  // the board still repaints
  }
  EXPECT_TRUE(responder.Done());

  // "150" typed and Zoom All: refused the same way, the board keeps its size.
  Retype(f.Text2, "150");
  responder.Expect(kTooBig, "Error", vb::vbOK, vb::vbOKOnly + vb::vbCritical);
  Click(f.Command15);
  EXPECT_EQ("100", f.Text2.Text());
  EXPECT_EQ(Value(15), app.m.HolesDown);
  EXPECT_EQ(kStrip, At(5, 5, 0.3, 0));

  // A whole size is taken, 100 included.
  Retype(f.Text1, "16");
  responder.Expect(kAsk, "Warning", vb::vbYes);
  Click(f.Command2);
  EXPECT_EQ(Value(16), app.m.HolesAcross);
  EXPECT_EQ(Value(100), app.m.HolesDown);
  EXPECT_EQ(Value(""), app.m.HoleGrid(16, 3, CompName));
  EXPECT_TRUE(responder.Done());
}

// Every caption of the main window's frames shows whole at the default window size.
TEST_F(UserTest, CaptionsAreReadableAtTheDefaultSize) {
  Form1& f = Open(Ini(kColours, " 1\r\n 1\r\n"));
  for (const vb::Control* frame : {static_cast<const vb::Control*>(&f.Frame1), static_cast<const vb::Control*>(&f.Frame3)}) {
    const QWidget* box = frame->Widget();
    for (const QWidget* w : box->findChildren<QWidget*>()) {
      const auto* check = qobject_cast<const QCheckBox*>(w);
      const auto* label = qobject_cast<const QLabel*>(w);
      if (!(check && !check->text().isEmpty()) && !(label && !label->text().isEmpty())) continue;
      const QString text = check ? check->text() : label->text();
      SCOPED_TRACE(text.toStdString());
      EXPECT_LE(w->sizeHint().width(), w->width());
      EXPECT_LE(w->mapTo(box, QPoint(w->width(), 0)).x(), box->width());
    }
  }
}

}  // namespace
