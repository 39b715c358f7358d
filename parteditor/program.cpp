#include "parteditor/program.h"

#include "platform/app.h"
#include "platform/controls.h"

namespace {

// Shown until the part editor's own windows are built.
class PlaceholderWindow : public vb::Form {
 public:
  explicit PlaceholderWindow(vb::Program& program)
      : vb::Form(program, "Form1"), Label1(*this, "Label1", "The part editor is not available in this build.") {
    SetCaption("Moravint");
    SetClientSize(5400, 1200);
    Label1.Move(240, 240, 4920, 600);
  }
  vb::Label Label1;
};

class Moravint : public vb::Program {
 public:
  vb::FormSlot<PlaceholderWindow, vb::Program> Form1{*this};
};

}  // namespace

int RunMoravint() {
  vb::SetAppTitle("Moravint");
  Moravint program;
  program.Form1().Show();
  return program.Run();
}
