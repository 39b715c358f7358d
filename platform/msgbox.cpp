#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/app.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {
Responder*& ResponderStore() {
  static Responder* responder = nullptr;
  return responder;
}

struct ButtonSpec {
  QMessageBox::StandardButton qt;
  int answer;
};

std::vector<ButtonSpec> ButtonsOf(int style) {
  switch (style & 7) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
      return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
  }
}
}  // namespace

void SetResponder(Responder* responder) { ResponderStore() = responder; }
Responder* CurrentResponder() { return ResponderStore(); }

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  MsgBoxRequest request{prompt, buttons, title.empty() ? AppTitle() : title};
  if (Responder* r = ResponderStore()) return r->Answer(request);

  QMessageBox box;
  box.setWindowTitle(ToQ(request.title));
  box.setText(ToQ(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  switch (buttons & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  const auto specs = ButtonsOf(buttons);
  QMessageBox::StandardButtons set;
  for (const auto& s : specs) set |= s.qt;
  box.setStandardButtons(set);
  box.setDefaultButton(specs.front().qt);
  const int clicked = box.exec();
  for (const auto& s : specs)
    if (clicked == s.qt) return s.answer;
  // Closing the box by its close button answers Cancel where there is one, else the first.
  for (const auto& s : specs)
    if (s.answer == vbCancel) return vbCancel;
  return specs.front().answer;
}

}  // namespace vb
