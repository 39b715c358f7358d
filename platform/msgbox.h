// Message boxes with the runtime's buttons, icons and answers. Behind them sits a
// responder: the real dialog, or a script that tests install.
#pragma once

#include <string>

namespace vb {

class Form;

enum MsgBoxStyles {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
  vbRetryCancel = 5, vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64
};
enum MsgBoxResults { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

struct MsgBoxRequest {
  std::string prompt;
  int buttons = vbOKOnly;
  std::string title;
};

class Responder {
 public:
  virtual ~Responder() = default;
  virtual int Answer(const MsgBoxRequest& request) = 0;
  // A window shown modally; the responder acts on it and unloads it.
  virtual void ShowModal(Form& form) = 0;
};

// Shows a message; the title defaults to the program's title.
int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

// Installs a responder (tests); nullptr puts the real dialogs back.
void SetResponder(Responder* responder);
Responder* CurrentResponder();

}  // namespace vb
