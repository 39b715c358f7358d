// Runs the installer's install sequence from a medium without a display: agrees, presses
// "Install " and exits, answering every message on the terminal. The scripts use it to
// stage an installation folder.
// Usage: stage_install MEDIUM_FOLDER [DESTINATION]
//   MEDIUM_FOLDER a platform path such as M:\medium; DESTINATION the folder typed into the
//   destination box (the setup list's proposal when left out).
#include <cstdio>
#include <string>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "setup/form1.h"
#include "setup/form4.h"
#include "setup/program.h"
#include "setup/ula.h"

namespace {

// Prints each message and answers it with its first button; a chooser takes its first
// profile.
class TerminalResponder : public vb::Responder {
 public:
  int Answer(const vb::MsgBoxRequest& request) override {
    std::fprintf(stderr, "stage_install: %s: %s\n", request.title.c_str(), request.prompt.c_str());
    ++messages;
    switch (request.buttons & 7) {
      case vb::vbYesNo:
      case vb::vbYesNoCancel: return vb::vbYes;
      case vb::vbAbortRetryIgnore: return vb::vbIgnore;
      case vb::vbRetryCancel: return vb::vbCancel;
      default: return vb::vbOK;
    }
  }
  void ShowModal(vb::Form& form) override {
    if (auto* chooser = dynamic_cast<Form4*>(&form); chooser && chooser->List1.ListCount() > 0) {
      chooser->List1.SetListIndex(0);
      chooser->List1_DblClick();
    }
    form.Unload();
  }
  int messages = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: stage_install MEDIUM_FOLDER [DESTINATION]\n");
    return 2;
  }
  const std::string medium = argv[1];
  const std::string destination = argc == 3 ? argv[2] : "";
  vb::Application application(argc, argv);
  try {
    vb::ChDir(medium);
  } catch (const vb::RuntimeError& e) {
    std::fprintf(stderr, "stage_install: %s: %s\n", medium.c_str(), e.Description().c_str());
    return 1;
  }
  TerminalResponder responder;
  vb::SetResponder(&responder);
  vb::SetAppTitle("setup");
  std::string status;
  std::string folder;
  {
    Setup program;
    program.Start();
    program.ULA().Command1.PerformClick();
    Form1& install = program.Form1();
    if (!destination.empty()) install.Text2.SetText(destination);
    install.Command4.PerformClick();
    status = install.Text5.Text();
    folder = install.Text2.Text();
    install.Command1.PerformClick();
  }
  vb::SetResponder(nullptr);
  if (status != "Click EXIT to continue" || responder.messages > 0) {
    std::fprintf(stderr, "stage_install: the installation into %s did not complete\n", folder.c_str());
    return 1;
  }
  std::fprintf(stderr, "stage_install: installed into %s\n", folder.c_str());
  return 0;
}
