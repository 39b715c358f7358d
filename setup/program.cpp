#include "setup/program.h"

#include "platform/app.h"
#include "platform/controls.h"

namespace {

// Shown until the installer's own windows are built.
class PlaceholderWindow : public vb::Form {
 public:
  explicit PlaceholderWindow(vb::Program& program)
      : vb::Form(program, "Form1"), Label1(*this, "Label1", "The installer is not available in this build.") {
    SetCaption("Brantel Setup");
    SetClientSize(5400, 1200);
    Label1.Move(240, 240, 4920, 600);
  }
  vb::Label Label1;
};

class Setup : public vb::Program {
 public:
  vb::FormSlot<PlaceholderWindow, vb::Program> Form1{*this};
};

}  // namespace

int RunSetup() {
  vb::SetAppTitle("setup");
  Setup program;
  program.Form1().Show();
  return program.Run();
}
