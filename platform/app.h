// The running program: the window runtime's application object, the set of loaded
// windows, and the slots that create a window on first use.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

class QObject;

namespace vb {

class Form;

// Starts the host's window system. One per process, created by main() or by the test runner.
class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Handles pending window events (the runtime's DoEvents).
  static void DoEvents();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The program's version numbers and title (the runtime's App object). The version is the
// suite's until a program sets its own.
int AppMajor();
int AppMinor();
int AppRevision();
void SetAppVersion(int major, int minor, int revision);
const std::string& AppTitle();
void SetAppTitle(const std::string& title);

// One program: owns the bookkeeping of its loaded windows. The program ends when none of
// its windows is loaded and none of its handlers is running: a handler may unload its own
// window and then show another.
class Program {
 public:
  Program();
  virtual ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  int LoadedCount() const { return static_cast<int>(loaded_.size()); }
  bool IsLoaded(const Form* form) const;
  // True once a window has been loaded, every window has been unloaded again and no
  // handler is running.
  bool Ended() const { return everLoaded_ && loaded_.empty() && depth_ == 0; }
  // True while a handler of the program runs (or a modal window waits).
  bool Busy() const { return depth_ > 0; }

  // Runs the event loop until the program ends. Returns at once when it already has.
  int Run();
  // Runs a nested event loop until the window is hidden or unloaded (a modal window).
  void RunModal(Form& form);
  // The program's window that has the focus, else the last one shown that is still
  // visible; never except. Null when there is none.
  Form* ActiveForm(const Form* except = nullptr) const;

  // Runs a handler that the user started (a click, a key). A run-time error that no
  // handler trapped is reported in a message box and the program goes on.
  void Dispatch(const std::function<void()>& handler) const;

  // Window bookkeeping, used by Form.
  void Attach(Form* form);
  void Detach(Form* form);
  // Keeps an unloaded window alive until the event that unloaded it has returned.
  void Retire(std::unique_ptr<Form> form);
  void CollectRetired();

 private:
  void EndIfDone();
  std::vector<Form*> loaded_;
  std::vector<std::unique_ptr<Form>> retired_;
  bool everLoaded_ = false;
  int depth_ = 0;  // handlers and modal loops running; retired windows wait for 0
  void* loop_ = nullptr;  // the running event loop, while Run is active
  std::unique_ptr<QObject> context_;
};

// Holds one window of a program. Touching the window through the slot loads it (its
// Form_Load runs) when it is not loaded; unloading discards it, so that the next touch
// gives a window with its design values again. Never keep a reference to the window
// across an unload.
template <class F, class Owner>
class FormSlot {
 public:
  explicit FormSlot(Owner& owner) : owner_(owner) {}
  FormSlot(const FormSlot&) = delete;
  FormSlot& operator=(const FormSlot&) = delete;

  F& operator()() {
    if (!form_) {
      auto made = std::make_unique<F>(owner_);
      F* raw = made.get();
      form_ = std::move(made);
      raw->SetRelease([this] { Release(); });
      raw->Load();
      return *raw;
    }
    return static_cast<F&>(*form_);
  }
  F* operator->() { return &(*this)(); }

  bool Loaded() const { return form_ != nullptr; }
  // Unloading a window that is not loaded does nothing.
  void Unload() {
    if (form_) form_->Unload();
  }

 private:
  void Release() {
    if (!form_) return;
    Form& gone = *form_;
    static_cast<Program&>(owner_).Retire(std::move(form_));
    gone.Terminate();  // the window object is discarded: Form_Terminate
  }
  Owner& owner_;
  std::unique_ptr<Form> form_;  // the base type, so that F may still be incomplete here
};

}  // namespace vb
