// Windows and controls: the event order and the window life the programs rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"

#include <QAction>
#include "tests/support/fixtures.h"

namespace {

class TestProgram;

class OptionsWindow : public vb::Form {
 public:
  explicit OptionsWindow(TestProgram& program);
  vb::CheckBox Check3;
  vb::CheckBox Check4;
  vb::TextBox Text1;
  vb::ScrollBar VScroll1;
  vb::PictureBox Picture1;
  vb::MenuItem Board;
  vb::MenuItem Kelm;
  std::vector<std::string> log;
  int loads = 0;
};

class TestProgram : public vb::Program {
 public:
  vb::FormSlot<OptionsWindow, TestProgram> Options{*this};
  vb::FormSlot<OptionsWindow, TestProgram> Other{*this};
  int totalLoads = 0;
};

OptionsWindow::OptionsWindow(TestProgram& program)
    : vb::Form(program, "Options"),
      Check3(*this, "Check3", "Kelm"),
      Check4(*this, "Check4", "Pads"),
      Text1(*this, "Text1", "draft"),
      VScroll1(*this, "VScroll1", vb::ScrollBar::Vertical),
      Picture1(*this, "Picture1"),
      Board(*this, "Board", "Board"),
      Kelm(Board, "Kelm", "Kelm/Pads") {
  OnLoad = [this, &program] {
    ++loads;
    ++program.totalLoads;
    log.push_back("load");
  };
  // The pair that sets each other: the second assignment of each finds the value set.
  Check3.Click = [this] {
    log.push_back("Check3=" + std::to_string(Check3.Value()));
    Check4.SetValue(Check3.Value() == 1 ? 0 : 1);
  };
  Check4.Click = [this] {
    log.push_back("Check4=" + std::to_string(Check4.Value()));
    Check3.SetValue(Check4.Value() == 1 ? 0 : 1);
  };
  Text1.Change = [this] {
    log.push_back("Change:" + Text1.Text());
    if (Text1.Text().size() > 3) Text1.SetText(Text1.Text().substr(0, 3));  // re-enters
  };
  VScroll1.Change = [this] { log.push_back("Scroll=" + std::to_string(VScroll1.Value())); };
  // Design values, set after the handlers: none of them may run while designing.
  Check3.SetValue(vb::vbChecked);
  Text1.SetText("design");
  VScroll1.SetMin(255);
  VScroll1.SetMax(0);
  VScroll1.SetValue(100);
}

TEST(Forms, CheckBoxClickRunsAtOnceOnlyOnChangeAndCascadesStop) {
  TestProgram p;
  auto& w = p.Options();
  // Only Form_Load ran: the design values set in the constructor ran no handler.
  EXPECT_EQ((std::vector<std::string>{"load"}), w.log);
  EXPECT_EQ(1, w.Check3.Value());
  EXPECT_EQ(0, w.Check4.Value());
  EXPECT_EQ(100, w.VScroll1.Value());
  w.log.clear();
  w.Check4.SetValue(1);
  EXPECT_EQ((std::vector<std::string>{"Check4=1", "Check3=0"}), w.log);
  EXPECT_EQ(0, w.Check3.Value());
  w.log.clear();
  w.Check4.SetValue(1);  // no change, no click
  EXPECT_TRUE(w.log.empty());
  w.Check3.PerformClick();  // a user click ticks the clear box
  EXPECT_EQ(1, w.Check3.Value());
  EXPECT_EQ(0, w.Check4.Value());
  EXPECT_THROW(w.Check3.SetValue(3), vb::RuntimeError);
}

TEST(Forms, TextChangeRunsOnEveryChangeAndMayReEnter) {
  TestProgram p;
  auto& w = p.Options();
  w.log.clear();
  w.Text1.SetText("abcdef");
  EXPECT_EQ((std::vector<std::string>{"Change:abcdef", "Change:abc"}), w.log);
  EXPECT_EQ("abc", w.Text1.Text());
  w.log.clear();
  w.Text1.SetText("abc");
  EXPECT_TRUE(w.log.empty());
}

TEST(Forms, KeyPressSeesTheKeyBeforeTheBox) {
  TestProgram p;
  auto& w = p.Options();
  w.Text1.SetText("");
  w.Text1.KeyPress = [&](int& k) {
    if (w.Text1.Text() == "ab") w.Text1.SetText("X");  // rewrites the text first
    if (k == 'z') k = 0;                              // swallows the key
  };
  for (char c : std::string("abzc")) w.Text1.TypeKey(c);
  EXPECT_EQ("Xc", w.Text1.Text());
}

TEST(Forms, ImplicitLoadRunsFormLoadOnceAndUnloadDiscardsState) {
  TestProgram p;
  EXPECT_FALSE(p.Options.Loaded());
  p.Options().Text1.SetText("typed");
  p.Options().Check3.SetValue(0);
  EXPECT_EQ(1, p.Options().loads);
  EXPECT_EQ(1, p.totalLoads);
  EXPECT_EQ(1, p.LoadedCount());
  p.Options.Unload();
  EXPECT_FALSE(p.Options.Loaded());
  p.Options.Unload();  // not loaded: nothing happens
  EXPECT_EQ("design", p.Options().Text1.Text());
  EXPECT_EQ(1, p.Options().Check3.Value());
  EXPECT_EQ(2, p.totalLoads);
}

TEST(Forms, ProgramEndsWhenItsLastWindowIsUnloaded) {
  TestProgram p;
  EXPECT_FALSE(p.Ended());
  p.Options().Show();
  p.Other().Show();
  p.Options().Unload();  // a window unloading itself
  EXPECT_FALSE(p.Ended());
  p.Other().HandleClose();  // the close box
  EXPECT_TRUE(p.Ended());
  EXPECT_EQ(0, p.Run());  // returns at once
}

TEST(Forms, ScrollBarChangeAndReversedRange) {
  TestProgram p;
  auto& w = p.Options();
  w.log.clear();
  w.VScroll1.SetValue(200);
  w.VScroll1.SetValue(200);
  EXPECT_EQ((std::vector<std::string>{"Scroll=200"}), w.log);
  EXPECT_THROW(w.VScroll1.SetValue(256), vb::RuntimeError);
  EXPECT_THROW(w.VScroll1.SetValue(-1), vb::RuntimeError);
}

TEST(Forms, MenuItemsKeepCaptionCheckAndEnabled) {
  TestProgram p;
  auto& w = p.Options();
  int clicks = 0;
  w.Kelm.Click = [&] { ++clicks; };
  w.Kelm.SetChecked(true);
  w.Kelm.SetCaption("Drill");
  w.Kelm.SetEnabled(false);
  EXPECT_TRUE(w.Kelm.Checked());
  EXPECT_EQ("Drill", w.Kelm.Caption());
  EXPECT_FALSE(w.Kelm.Enabled());
  ASSERT_EQ(1u, w.Board.Items().size());
  w.Kelm.SetEnabled(true);
  w.Kelm.Action()->trigger();
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(w.Kelm.Checked());  // a click leaves the check mark to the handler
}

TEST(PictureBox, MirroredScaleMapsDrawingAndPointer) {
  TestProgram p;
  auto& w = p.Options();
  auto& pic = w.Picture1;
  pic.SetBorder(false);
  pic.Move(0, 0, 100 * 15, 50 * 15);  // the window is twip-scaled: 100 x 50 pixels
  ASSERT_EQ(100, pic.InnerWidthPx());
  EXPECT_DOUBLE_EQ(1500, pic.ScaleWidth());
  pic.SetBackColor(vb::vbWhite);
  const double W = pic.ScaleWidth();
  pic.SetScaleLeft(W);
  pic.SetScaleWidth(-W);
  pic.FilledBox(0, 0, 150, 150, vb::RGB(255, 0, 0));  // 10 x 10 pixels at the logical left
  EXPECT_EQ(vb::RGB(255, 0, 0), pic.Image().PixelAt(95, 5));  // shown at the right edge
  EXPECT_EQ(vb::vbWhite, pic.Image().PixelAt(5, 5));
  EXPECT_EQ(vb::RGB(255, 0, 0), pic.Point(75, 75));
  double seenX = -1, seenY = -1;
  pic.MouseDown = [&](int, int, double x, double y) {
    seenX = x;
    seenY = y;
  };
  pic.PointerDown(vb::vbLeftButton, 0, 95, 5);
  EXPECT_DOUBLE_EQ(75, seenX);
  EXPECT_DOUBLE_EQ(75, seenY);
  // Unmirrored again.
  pic.SetScaleLeft(0);
  pic.SetScaleWidth(W);
  pic.PointerDown(vb::vbLeftButton, 0, 95, 5);
  EXPECT_DOUBLE_EQ(1425, seenX);
}

TEST(PictureBox, DrawingPersistsUntilClearedAndFollowsItsProperties) {
  TestProgram p;
  auto& pic = p.Options().Picture1;
  pic.SetBorder(false);
  pic.Move(0, 0, 60 * 15, 60 * 15);
  pic.SetBackColor(vb::RGB(200, 200, 200));
  pic.SetFillStyle(vb::vbFSSolid);
  pic.SetFillColor(vb::RGB(0, 0, 255));
  pic.Circle(450, 450, 150, vb::RGB(0, 0, 0));
  EXPECT_EQ(vb::RGB(0, 0, 255), pic.Point(450, 450));
  EXPECT_EQ(vb::RGB(200, 200, 200), pic.Point(100, 100));
  pic.SetFillStyle(vb::vbFSTransparent);
  pic.Circle(150, 150, 60, vb::RGB(0, 0, 0));
  EXPECT_EQ(vb::RGB(200, 200, 200), pic.Point(150, 150));  // an unfilled circle
  pic.SetDrawWidth(3);
  pic.Line(0, 750, 885, 750, vb::RGB(0, 255, 0));
  EXPECT_EQ(vb::RGB(0, 255, 0), pic.Point(300, 765));  // three pixels wide
  pic.SetCurrentX(30);
  pic.SetCurrentY(30);
  pic.SetFontSize(10);
  pic.SetForeColor(vb::vbBlack);
  const double y0 = pic.CurrentY();
  pic.Print("R1");
  EXPECT_GT(pic.CurrentY(), y0);
  pic.Cls();
  EXPECT_EQ(vb::RGB(200, 200, 200), pic.Point(450, 450));
  EXPECT_DOUBLE_EQ(0, pic.CurrentX());
}

TEST(MsgBox, ScriptedResponderAnswersAndRecords) {
  testsupport::ScriptedResponder responder;
  responder.Expect("The board will be cleared! Are you sure? ", "Warning", vb::vbNo, vb::vbYesNo + vb::vbCritical);
  EXPECT_EQ(vb::vbNo, vb::MsgBox("The board will be cleared! Are you sure? ", vb::vbYesNo + vb::vbCritical, "Warning"));
  ASSERT_EQ(1u, responder.Seen().size());
  EXPECT_TRUE(responder.Done());
}

TEST(MsgBox, UnhandledErrorInAUserEventIsReportedNotFatal) {
  testsupport::ScriptedResponder responder;
  vb::SetAppTitle("Brantel");
  responder.Expect("Run-time error '53':\r\n\r\nFile not found", "Brantel");
  TestProgram p;
  auto& w = p.Options();
  w.Check3.Click = [] { throw vb::RuntimeError(53); };
  w.Check3.PerformClick();
  EXPECT_TRUE(p.Options.Loaded());
}

}  // namespace
