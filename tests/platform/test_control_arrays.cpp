// Control arrays: controls of one kind sharing a name and handlers that get the index.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/control_array.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "tests/support/real_input.h"

namespace {

class NodeWindow : public vb::Form {
 public:
  explicit NodeWindow(vb::Program& program)
      : vb::Form(program, "Form5"), Text7(*this, "Text7", 8), Command(*this, "Command", 2, "Done") {
    SetScaleMode(vb::vbPixels);
    Text7.ForEach([](int i, vb::TextBox& box) { box.Move(10, 10 + 30 * i, 100, 24); });
    Command(0).Move(120, 10, 70, 28);
    Command(1).Move(120, 50, 70, 28);
    Command(1).SetCaption("Cancel");
    SetClientSize(200, 260);
    Text7.On(&vb::TextBox::Change, [this](int index) {
      log.push_back("Change(" + std::to_string(index) + ") " + Text7(index).Text());
    });
    Text7.On(&vb::TextBox::KeyPress, [this](int index, int& key) {
      if (index == 5 && key >= 'a' && key <= 'z') key -= 32;  // box 5 takes capitals
    });
    Command.On(&vb::CommandButton::Click, [this](int index) { log.push_back("Click(" + std::to_string(index) + ")"); });
  }
  vb::ControlArray<vb::TextBox> Text7;
  vb::ControlArray<vb::CommandButton> Command;
  std::vector<std::string> log;
};

class NodeProgram : public vb::Program {
 public:
  vb::FormSlot<NodeWindow, vb::Program> Form5{*this};
};

TEST(ControlArray, HandlersGetTheIndexOfTheControlTheUserUsed) {
  NodeProgram p;
  auto& w = p.Form5();
  w.Show();
  QApplication::processEvents();
  ASSERT_EQ(8, w.Text7.Count());
  EXPECT_EQ(0, w.Text7.LBound());
  EXPECT_EQ(7, w.Text7.UBound());
  EXPECT_EQ(3, w.Text7(3).Index());
  EXPECT_EQ("Text7", w.Text7(3).Name());

  w.Text7(3).SetFocus();
  testsupport::KeyClick(w.Text7(3).Widget(), Qt::Key_Q, Qt::NoModifier, "q");
  w.Text7(5).SetFocus();
  testsupport::KeyClick(w.Text7(5).Widget(), Qt::Key_W, Qt::NoModifier, "w");
  testsupport::MouseClick(w.Command(1));
  w.Text7(0).SetText("12");
  EXPECT_EQ((std::vector<std::string>{"Change(3) q", "Change(5) W", "Click(1)", "Change(0) 12"}), w.log);

  // A missing element is error 340; a loaded one gets the array's handlers.
  try {
    w.Text7(8);
    ADD_FAILURE() << "element 8 exists";
  } catch (const vb::RuntimeError& e) {
    EXPECT_EQ(340, e.Number());
  }
  EXPECT_THROW(w.Text7.Load(7), vb::RuntimeError);
  w.Text7.Load(8);
  w.Text7(8).Move(10, 250, 100, 24);
  w.log.clear();
  w.Text7(8).SetText("new");
  EXPECT_EQ((std::vector<std::string>{"Change(8) new"}), w.log);
  w.Text7.Unload(8);
  EXPECT_FALSE(w.Text7.Exists(8));
  EXPECT_EQ(7, w.Text7.UBound());
}

}  // namespace
