#include "platform/app.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {

std::string& TitleStore() {
  static std::string title = "Brantel";
  return title;
}

// Hands key presses to the window first when the window asked for them (KeyPreview).
class KeyPreviewFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    auto* top = dynamic_cast<FormWidget*>(widget->window());
    if (!top || top != widget) {
      // Only the first receiver of the key (the focused widget) is previewed.
      if (!top || !widget->hasFocus()) return false;
    }
    Form& form = top->OwnerForm();
    if (!form.KeyPreview()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int k = KeyAsciiOf(key->key(), key->text());
    if (k == 0) return false;
    form.PreviewKey(k);
    return k == 0 || !form.IsLoaded();
  }
};

// The offscreen window system (tests, CI) reports every window call it cannot carry out;
// those notes say nothing about the program and are dropped.
QtMessageHandler previousHandler = nullptr;
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

struct Application::Impl {
  QApplication app;
  KeyPreviewFilter filter;
  Impl(int& argc, char** argv) : app(argc, argv) {
    app.installEventFilter(&filter);
    previousHandler = qInstallMessageHandler(QuietMessages);
  }
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
  QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

void Application::DoEvents() { QCoreApplication::processEvents(); }

namespace {
int versionParts[3] = {SUITE_VERSION_MAJOR, SUITE_VERSION_MINOR, SUITE_VERSION_PATCH};
}  // namespace

int AppMajor() { return versionParts[0]; }
int AppMinor() { return versionParts[1]; }
int AppRevision() { return versionParts[2]; }
void SetAppVersion(int major, int minor, int revision) {
  versionParts[0] = major;
  versionParts[1] = minor;
  versionParts[2] = revision;
}
const std::string& AppTitle() { return TitleStore(); }
void SetAppTitle(const std::string& title) { TitleStore() = title; }

// ---- Program ----

Program::Program() : context_(std::make_unique<QObject>()) {}

Program::~Program() {
  retired_.clear();
}

bool Program::IsLoaded(const Form* form) const {
  return std::find(loaded_.begin(), loaded_.end(), form) != loaded_.end();
}

void Program::Attach(Form* form) {
  everLoaded_ = true;
  if (!IsLoaded(form)) loaded_.push_back(form);
}

void Program::Detach(Form* form) {
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), form), loaded_.end());
  EndIfDone();
}

void Program::EndIfDone() {
  // A handler that is still running may load another window: the program goes on.
  if (Ended() && loop_) static_cast<QEventLoop*>(loop_)->quit();
}

Form* Program::ActiveForm(const Form* except) const {
  if (QWidget* active = QApplication::activeWindow()) {
    if (auto* top = dynamic_cast<FormWidget*>(active)) {
      Form* f = &top->OwnerForm();
      if (f != except && IsLoaded(f)) return f;
    }
  }
  for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it)
    if (*it != except && (*it)->Visible()) return *it;
  return nullptr;
}

void Program::Retire(std::unique_ptr<Form> form) {
  retired_.push_back(std::move(form));
  QTimer::singleShot(0, context_.get(), [this] { CollectRetired(); });
}

void Program::CollectRetired() {
  if (depth_ == 0) retired_.clear();
}

int Program::Run() {
  if (Ended() || loaded_.empty()) return 0;
  QEventLoop loop;
  loop_ = &loop;
  loop.exec();
  loop_ = nullptr;
  CollectRetired();
  return 0;
}

void Program::RunModal(Form& form) {
  if (!form.IsLoaded() || !form.Visible()) return;
  QEventLoop loop;
  form.SetModalLoop(&loop);  // Hide and Unload end the wait
  ++depth_;
  loop.exec();
  --depth_;
  // Unloaded windows are kept until no handler runs, so the window is still there.
  form.SetModalLoop(nullptr);
  if (depth_ == 0 && !retired_.empty()) QTimer::singleShot(0, context_.get(), [this] { CollectRetired(); });
  EndIfDone();
}

void Program::Dispatch(const std::function<void()>& handler) const {
  auto* self = const_cast<Program*>(this);
  ++self->depth_;
  try {
    handler();
  } catch (const RuntimeError& e) {
    MsgBox("Run-time error '" + std::to_string(e.Number()) + "':\r\n\r\n" + e.Description(), vbCritical);
  } catch (const std::exception& e) {
    MsgBox(std::string("Unexpected error: ") + e.what(), vbCritical);
  }
  --self->depth_;
  if (self->depth_ == 0 && !self->retired_.empty())
    QTimer::singleShot(0, context_.get(), [self] { self->CollectRetired(); });
  self->EndIfDone();
}

}  // namespace vb
