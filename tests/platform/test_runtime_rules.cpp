// The window runtime's rules for lists, focus, modal windows and the end of a program,
// driven through real mouse and key events on the widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "tests/support/real_input.h"
#include "tests/support/wait.h"

namespace {

class RulesProgram;

class ChooserWindow : public vb::Form {
 public:
  ChooserWindow(RulesProgram& program, const std::string& name);
  vb::TextBox Text1;
  vb::ListBox List1;
  vb::CommandButton Command1;
  std::vector<std::string> log;
  RulesProgram& program;
};

template <int N>
class NumberedWindow : public ChooserWindow {
 public:
  explicit NumberedWindow(RulesProgram& program) : ChooserWindow(program, "Form" + std::to_string(N)) {}
};

class RulesProgram : public vb::Program {
 public:
  vb::FormSlot<NumberedWindow<1>, RulesProgram> Form1{*this};
  vb::FormSlot<NumberedWindow<2>, RulesProgram> Form2{*this};
  std::vector<std::string> events;  // window life, in order
};

ChooserWindow::ChooserWindow(RulesProgram& p, const std::string& name)
    : vb::Form(p, name),
      Text1(*this, "Text1", "start"),
      List1(*this, "List1"),
      Command1(*this, "Command1", "OK"),
      program(p) {
  SetScaleMode(vb::vbPixels);
  Text1.Move(10, 10, 120, 24);
  Text1.SetTabIndex(0);
  List1.Move(10, 44, 120, 90);
  for (const char* s : {"R1 resistor", "C4 capacitor", "T2 transistor"}) List1.AddItem(s);
  Command1.Move(10, 150, 80, 28);
  SetClientSize(200, 200);
  List1.Click = [this] { log.push_back("Click " + std::to_string(List1.ListIndex())); };
  List1.MouseUp = [this](int button, int shift, double x, double y) {
    log.push_back("MouseUp " + std::to_string(button) + " " + std::to_string(shift));
    EXPECT_GE(x, 0);
    EXPECT_GE(y, 0);
  };
  List1.DblClick = [this] { log.push_back("DblClick " + std::to_string(List1.ListIndex())); };
  Command1.Click = [this] { log.push_back("Command1"); };
  OnLoad = [this] { program.events.push_back(Name() + " Load"); };
  OnUnload = [this] { program.events.push_back(Name() + " Unload"); };
  OnTerminate = [this] { program.events.push_back(Name() + " Terminate"); };
}

// Ends a nested or main loop that a broken rule would leave running.
class Watchdog {
 public:
  explicit Watchdog(RulesProgram& p) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [&p] {
      ADD_FAILURE() << "the wait did not end";
      p.Form2.Unload();
      p.Form1.Unload();
    });
    timer_.start(testsupport::kHangLimitMs);
  }

 private:
  QTimer timer_;
};

QPoint RowCentre(vb::ListBox& list, int row) {
  auto* w = static_cast<QListWidget*>(list.Widget());
  return w->visualItemRect(w->item(row)).center();
}

TEST(ListBox, FocusAndRightClicksSelectNothingOnlyUserPicksClick) {
  RulesProgram p;
  auto& w = p.Form1();
  w.Show();
  QApplication::processEvents();
  w.Text1.SetFocus();
  testsupport::KeyClick(w.Text1.Widget(), Qt::Key_Tab);  // the focus moves on to the list
  ASSERT_EQ(w.List1.Widget(), QApplication::focusWidget());
  w.List1.SetFocus();
  EXPECT_EQ(-1, w.List1.ListIndex());
  EXPECT_TRUE(w.log.empty());

  // A right click selects nothing; Ctrl with the right button arrives as Button 2, Shift 2.
  auto* viewport = static_cast<QListWidget*>(w.List1.Widget())->viewport();
  testsupport::MouseClick(viewport, Qt::RightButton, Qt::NoModifier, RowCentre(w.List1, 1));
  testsupport::MouseClick(viewport, Qt::RightButton, Qt::ControlModifier, RowCentre(w.List1, 2));
  EXPECT_EQ(-1, w.List1.ListIndex());
  EXPECT_EQ((std::vector<std::string>{"MouseUp 2 0", "MouseUp 2 2"}), w.log);
  EXPECT_EQ("", w.List1.Text());

  // A left click picks; arrow keys move the choice and stop at the ends.
  w.log.clear();
  testsupport::MouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, RowCentre(w.List1, 1));
  EXPECT_EQ(1, w.List1.ListIndex());
  EXPECT_EQ("C4 capacitor", w.List1.Text());
  testsupport::KeyClick(w.List1.Widget(), Qt::Key_Down);
  testsupport::KeyClick(w.List1.Widget(), Qt::Key_Down);  // already the last entry
  testsupport::KeyClick(w.List1.Widget(), Qt::Key_Home);
  EXPECT_EQ((std::vector<std::string>{"Click 1", "MouseUp 1 5", "Click 2", "Click 0"}), w.log);
  EXPECT_EQ(0, static_cast<QListWidget*>(w.List1.Widget())->currentRow());

  // A double click picks the entry, then runs DblClick.
  w.log.clear();
  testsupport::MouseDoubleClick(viewport, RowCentre(w.List1, 1));
  EXPECT_EQ((std::vector<std::string>{"Click 1", "MouseUp 1 0", "DblClick 1", "MouseUp 1 0"}), w.log);

  // Code that sets ListIndex runs Click as well; the same index again does not.
  w.log.clear();
  w.List1.SetListIndex(2);
  w.List1.SetListIndex(2);
  EXPECT_EQ((std::vector<std::string>{"Click 2"}), w.log);
  EXPECT_TRUE(static_cast<QListWidget*>(w.List1.Widget())->item(2)->isSelected());
}

// What the list shows: the text of every row, the highlighted rows and the text of its top row.
struct ListView {
  std::vector<std::string> rows;
  std::vector<int> highlighted;
  std::string top;
};

ListView ViewOf(vb::ListBox& list) {
  auto* w = static_cast<QListWidget*>(list.Widget());
  QApplication::processEvents();
  ListView v;
  for (int i = 0; i < w->count(); ++i) {
    v.rows.push_back(w->item(i)->text().toStdString());
    if (w->item(i)->isSelected()) v.highlighted.push_back(i);
  }
  if (QListWidgetItem* top = w->itemAt(3, 3)) v.top = top->text().toStdString();
  return v;
}

TEST(ListBox, ItemsAddedAndRemovedByCodeKeepTheChosenEntryAndTheScrolledViewWithoutClick) {
  RulesProgram p;
  auto& w = p.Form1();
  for (int i = 10; i < 40; ++i) w.List1.AddItem("X" + std::to_string(i) + " spare");
  w.Show();
  QApplication::processEvents();
  auto* list = static_cast<QListWidget*>(w.List1.Widget());
  testsupport::MouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(w.List1, 1));
  ASSERT_EQ((std::vector<std::string>{"Click 1", "MouseUp 1 0"}), w.log);
  // The user pages the list down twice through its scroll bar: the chosen entry scrolls away.
  QScrollBar* bar = list->verticalScrollBar();
  for (int i = 0; i < 2; ++i) {
    testsupport::MouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 20));
  }
  const std::string top = ViewOf(w.List1).top;
  ASSERT_NE("", top);
  ASSERT_NE("C4 capacitor", top);
  ASSERT_NE("R1 resistor", top);
  w.log.clear();

  // Above the chosen entry, below it, at the end, and the entry itself renamed.
  w.List1.AddItem("D1 diode", 0);
  w.List1.RemoveItem(1);
  w.List1.AddItem("L3 coil", 1);
  w.List1.RemoveItem(4);
  w.List1.AddItem("Z9 last");
  w.List1.SetList(2, "C5 capacitor");
  std::vector<std::string> rows{"D1 diode", "L3 coil", "C5 capacitor", "T2 transistor"};
  for (int i = 11; i < 40; ++i) rows.push_back("X" + std::to_string(i) + " spare");
  rows.push_back("Z9 last");
  ListView v = ViewOf(w.List1);
  EXPECT_EQ(rows, v.rows);
  EXPECT_EQ(2, w.List1.ListIndex());
  EXPECT_EQ("C5 capacitor", w.List1.Text());
  EXPECT_EQ(std::vector<int>{2}, v.highlighted);
  EXPECT_EQ(2, list->currentRow());
  EXPECT_EQ(top, v.top);  // the rows above the view changed in number not at all
  EXPECT_TRUE(w.log.empty());

  // Removing the chosen entry leaves nothing chosen and nothing highlighted.
  w.List1.RemoveItem(2);
  v = ViewOf(w.List1);
  EXPECT_EQ(-1, w.List1.ListIndex());
  EXPECT_EQ("", w.List1.Text());
  EXPECT_EQ(std::vector<int>{}, v.highlighted);
  EXPECT_EQ(-1, list->currentRow());
  EXPECT_EQ(static_cast<size_t>(w.List1.ListCount()), v.rows.size());
  EXPECT_TRUE(w.log.empty());

  // The next click picks the row under the pointer; Clear empties list and choice.
  list->scrollToTop();
  testsupport::MouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(w.List1, 2));
  EXPECT_EQ((std::vector<std::string>{"Click 2", "MouseUp 1 0"}), w.log);
  EXPECT_EQ("T2 transistor", w.List1.Text());
  EXPECT_EQ(std::vector<int>{2}, ViewOf(w.List1).highlighted);
  w.List1.Clear();
  w.List1.AddItem("Q7 regulator");
  v = ViewOf(w.List1);
  EXPECT_EQ(std::vector<std::string>{"Q7 regulator"}, v.rows);
  EXPECT_EQ(std::vector<int>{}, v.highlighted);
  EXPECT_EQ(-1, w.List1.ListIndex());
  EXPECT_EQ(2u, w.log.size());

  // A sorted list puts each new entry in its place; the chosen entry moves along.
  w.List1.SetSorted(true);
  w.List1.AddItem("M2 motor");
  testsupport::MouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(w.List1, 1));
  w.List1.AddItem("A5 amplifier");
  w.List1.AddItem("N4 fuse");
  v = ViewOf(w.List1);
  EXPECT_EQ((std::vector<std::string>{"A5 amplifier", "M2 motor", "N4 fuse", "Q7 regulator"}), v.rows);
  EXPECT_EQ(std::vector<int>{3}, v.highlighted);
  EXPECT_EQ("Q7 regulator", w.List1.Text());
  EXPECT_EQ(3, w.List1.ListIndex());
  EXPECT_EQ("Click 1", w.log.at(2));
  EXPECT_EQ(4u, w.log.size());
}

TEST(Controls, SetFocusNeedsAVisibleEnabledControlAndWaitsForItsWindow) {
  RulesProgram p;
  auto& w = p.Form1();
  w.Command1.SetFocus();  // the window is not shown yet: the focus waits for Show
  w.Show();
  QApplication::processEvents();
  EXPECT_EQ(w.Command1.Widget(), QApplication::focusWidget());
  w.Text1.SetEnabled(false);
  try {
    w.Text1.SetFocus();
    ADD_FAILURE() << "a disabled control took the focus";
  } catch (const vb::RuntimeError& e) {
    EXPECT_EQ(5, e.Number());
  }
  w.List1.SetVisible(false);
  EXPECT_THROW(w.List1.SetFocus(), vb::RuntimeError);
  EXPECT_EQ(w.Command1.Widget(), QApplication::focusWidget());
  w.Command1.Refresh();
  w.Refresh();
}

TEST(ModalWindow, BlocksTheWindowBelowAndHideOrUnloadEndsTheWait) {
  RulesProgram p;
  auto& below = p.Form1();
  below.Show();
  QApplication::processEvents();
  std::vector<std::string> seen;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(p.Form2().ShownModal());
    QApplication::processEvents();  // the modal window is shown and active
    testsupport::MouseClick(p.Form1().Command1);  // refused while the modal window waits
    testsupport::MouseClick(p.Form2().Command1);
    seen = p.Form1().log;
    p.Form2().Hide();
  });
  p.Form2().Show(vb::vbModal);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ((std::vector<std::string>{"Command1"}), p.Form2().log);
  EXPECT_TRUE(p.Form2.Loaded());  // hidden, still loaded
  EXPECT_FALSE(p.Form2().Visible());
  EXPECT_FALSE(p.Form2().ShownModal());
  testsupport::MouseClick(below.Command1);  // the wait is over: the window takes clicks again
  EXPECT_EQ((std::vector<std::string>{"Command1"}), below.log);

  // The modal window's own button unloads it: Show returns, the window is gone.
  p.Form2().Command1.Click = [&p] { p.Form2.Unload(); };
  Watchdog watchdog(p);
  QTimer::singleShot(0, [&] { testsupport::MouseClick(p.Form2().Command1); });
  p.events.clear();
  p.Form2().Show(vb::vbModal);
  EXPECT_FALSE(p.Form2.Loaded());
  EXPECT_EQ((std::vector<std::string>{"Form2 Unload", "Form2 Terminate"}), p.events);
  testsupport::MouseClick(below.Command1);
  EXPECT_EQ(2u, below.log.size());
}

TEST(ProgramEnd, AHandlerThatUnloadsItsWindowAndShowsAnotherDoesNotEndTheProgram) {
  RulesProgram p;
  p.Form1().Command1.Click = [&p] {  // "I agree"
    p.Form1.Unload();
    EXPECT_FALSE(p.Ended());  // no window, but this handler still runs
    p.Form2().Show();
  };
  p.Form1().Show();
  bool runningAfterSwap = false;
  QTimer::singleShot(0, [&] { testsupport::MouseClick(p.Form1().Command1); });
  QTimer::singleShot(50, [&] {
    runningAfterSwap = p.Form2.Loaded() && p.Form2().Visible() && !p.Ended();
    p.Form2().TopWidget()->close();  // the close box
  });
  Watchdog watchdog(p);
  EXPECT_EQ(0, p.Run());
  EXPECT_TRUE(runningAfterSwap);
  EXPECT_TRUE(p.Ended());
  EXPECT_EQ((std::vector<std::string>{"Form1 Load", "Form1 Unload", "Form1 Terminate", "Form2 Load", "Form2 Unload",
                                      "Form2 Terminate"}),
            p.events);
}

TEST(ProgramEnd, TerminateMayUnloadOtherWindowsWithoutLoadingAny) {
  RulesProgram p;
  p.Form1().OnTerminate = [&p] {
    p.events.push_back("Form1 Terminate");
    p.Form2.Unload();
    p.Form1.Unload();  // already gone: nothing happens, nothing is loaded
  };
  p.Form2().Show();
  p.Form1().Show();
  p.events.clear();
  p.Form1().TopWidget()->close();
  EXPECT_EQ((std::vector<std::string>{"Form1 Unload", "Form1 Terminate", "Form2 Unload", "Form2 Terminate"}),
            p.events);
  EXPECT_FALSE(p.Form1.Loaded());
  EXPECT_FALSE(p.Form2.Loaded());
  EXPECT_TRUE(p.Ended());
}

}  // namespace

namespace {

class NotesWindow : public vb::Form {
 public:
  explicit NotesWindow(vb::Program& program)
      : vb::Form(program, "Notes"), Text1(*this, "Text1", "first"), Text2(*this, "Text2") {
    SetScaleMode(vb::vbPixels);
    Text1.Move(10, 10, 200, 80);
    Text1.SetMultiLine(true);
    Text1.SetScrollBars(vb::vbSBVertical);
    Text1.SetBackColor(vb::RGB(255, 255, 192));
    Text1.SetForeColor(vb::RGB(0, 0, 128));
    Text2.Move(10, 100, 200, 24);
    Text2.SetBackColor(vb::RGB(0, 64, 0));
    Text2.SetForeColor(vb::RGB(255, 255, 0));
    Text2.SetLocked(true);
    Text2.SetText("shown only");
    SetClientSize(220, 140);
    Text1.Change = [this] { changes.push_back(Text1.Text()); };
    Text2.Change = [this] { changes.push_back("Text2 " + Text2.Text()); };
  }
  vb::TextBox Text1;
  vb::TextBox Text2;
  std::vector<std::string> changes;
};

class NotesProgram : public vb::Program {
 public:
  vb::FormSlot<NotesWindow, vb::Program> Notes{*this};
};

TEST(TextBox, MultiLineKeepsCrLfColoursShowAndLockedBoxesRefuseTyping) {
  NotesProgram p;
  auto& w = p.Notes();
  w.Show();
  QApplication::processEvents();
  EXPECT_EQ("first", w.Text1.Text());  // the design text survives the change of kind
  EXPECT_TRUE(w.changes.empty());
  w.Text1.SetText("Part list\r\nR1 10k");
  auto* edit = w.Text1.Widget();
  ASSERT_NE(nullptr, qobject_cast<QPlainTextEdit*>(edit));
  EXPECT_EQ(QStringLiteral("Part list\nR1 10k"), static_cast<QPlainTextEdit*>(edit)->toPlainText());
  w.Text1.SetFocus();
  QApplication::processEvents();
  testsupport::KeyClick(edit, Qt::Key_End, Qt::ControlModifier);
  testsupport::KeyClick(edit, Qt::Key_Return, Qt::NoModifier, "\r");
  testsupport::KeyClick(edit, Qt::Key_C, Qt::NoModifier, "C");
  testsupport::KeyClick(edit, Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_EQ("Part list\r\nR1 10k\r\nC2", w.Text1.Text());
  EXPECT_EQ((std::vector<std::string>{"Part list\r\nR1 10k", "Part list\r\nR1 10k\r\n", "Part list\r\nR1 10k\r\nC",
                                      "Part list\r\nR1 10k\r\nC2"}),
            w.changes);

  // The locked box takes the focus but not the keys; code still sets its text.
  w.changes.clear();
  w.Text2.SetFocus();
  testsupport::KeyClick(w.Text2.Widget(), Qt::Key_X, Qt::NoModifier, "x");
  w.Text2.TypeKey('y');
  EXPECT_EQ("shown only", w.Text2.Text());
  EXPECT_TRUE(w.changes.empty());

  // The colours are what the boxes show: an empty corner of each, and the text's colour.
  const QImage one = edit->grab().toImage();
  EXPECT_EQ(QColor(255, 255, 192), one.pixelColor(one.width() / 3, one.height() - 6));
  const QImage two = w.Text2.Widget()->grab().toImage();
  EXPECT_EQ(QColor(0, 64, 0), two.pixelColor(two.width() - 8, two.height() / 2));
  bool yellowText = false;
  for (int x = 0; x < two.width() / 2; ++x)
    for (int y = 0; y < two.height(); ++y) yellowText |= two.pixelColor(x, y) == QColor(255, 255, 0);
  EXPECT_TRUE(yellowText);
  EXPECT_EQ(vb::RGB(0, 0, 128), w.Text1.ForeColor());
}

// The bytes 0x80 to 0x9F of the programs' text are their Windows-1252 letters on the screen,
// from the keyboard and in host names; the five bytes the code page leaves open stay as they are.
TEST(TextBox, TheHighBytesAreWindows1252LettersOnScreenFromTheKeyboardAndOnTheHost) {
  const char16_t letters[32] = {u'€', 0x81,  u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š',
                                u'‹', u'Œ',  0x8D, u'Ž', 0x8F,  0x90, u'‘', u'’', u'“', u'”', u'•',
                                u'–', u'—',  u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ'};
  RulesProgram p;
  auto& w = p.Form1();
  w.Show();
  QApplication::processEvents();
  auto* edit = static_cast<QLineEdit*>(w.Text1.Widget());
  std::vector<int> keys;
  w.Text1.KeyPress = [&keys](int& k) { keys.push_back(k); };
  w.Text1.SetFocus();
  QApplication::processEvents();
  for (int i = 0; i < 32; ++i) {
    const std::string byte(1, static_cast<char>(0x80 + i));
    const QString letter(QChar(letters[i]));
    const bool open = letters[i] == 0x80 + i;
    SCOPED_TRACE(0x80 + i);
    EXPECT_EQ(letter.toUtf8().toStdString(), vb::HostName(byte));
    EXPECT_EQ(byte, vb::TextName(letter.toUtf8().toStdString()));
    w.Text1.SetText(byte);
    EXPECT_EQ(letter.toStdString(), edit->text().toStdString());
    w.Text1.SetText("");
    testsupport::KeyClick(edit, letters[i], Qt::NoModifier, letter);
    EXPECT_EQ(std::vector<int>{0x80 + i}, keys);
    // The box takes a typed letter; the open bytes are control characters, which it does not.
    EXPECT_EQ(open ? "" : byte, w.Text1.Text());
    keys.clear();
  }
}

}  // namespace
