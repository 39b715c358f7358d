// The window runtime's rules for lists, focus, modal windows and the end of a program,
// driven through real mouse and key events on the widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "tests/support/real_input.h"

namespace {

class RulesProgram;

class ChooserWindow : public vb::Form {
 public:
  ChooserWindow(RulesProgram& program, const std::string& name);
  vb::TextBox Text1;
  vb::ListBox List1;
  vb::CommandButton Command1;
  std::vector<std::string> log;
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
};

ChooserWindow::ChooserWindow(RulesProgram& program, const std::string& name)
    : vb::Form(program, name),
      Text1(*this, "Text1", "start"),
      List1(*this, "List1"),
      Command1(*this, "Command1", "OK") {
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
  Command1.Click = [this] { log.push_back("Command1"); };
}

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

  // Code that sets ListIndex runs Click as well; the same index again does not.
  w.log.clear();
  w.List1.SetListIndex(2);
  w.List1.SetListIndex(2);
  EXPECT_EQ((std::vector<std::string>{"Click 2"}), w.log);
  EXPECT_TRUE(static_cast<QListWidget*>(w.List1.Widget())->item(2)->isSelected());
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

}  // namespace
