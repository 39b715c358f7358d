// Helpers shared by the test suites: a scripted message-box responder, a temporary
// folder mapped as drive C:, and a recorder for programs the code starts.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/msgbox.h"

namespace testsupport {

// Answers message boxes from a script. A message nobody expected fails the test.
class ScriptedResponder : public vb::Responder {
 public:
  ScriptedResponder();
  ~ScriptedResponder() override;

  // The next message must have this prompt and title; it is answered with answer.
  void Expect(const std::string& prompt, const std::string& title, int answer = vb::vbOK,
              int buttons = -1);
  // The next modal window is handed to this action (which must unload it).
  void ExpectModal(std::function<void(vb::Form&)> action);

  int Answer(const vb::MsgBoxRequest& request) override;
  void ShowModal(vb::Form& form) override;

  const std::vector<vb::MsgBoxRequest>& Seen() const { return seen_; }
  // Every scripted message and window was used.
  bool Done() const { return messages_.empty() && modals_.empty(); }

 private:
  struct Expected {
    std::string prompt, title;
    int answer, buttons;
  };
  std::deque<Expected> messages_;
  std::deque<std::function<void(vb::Form&)>> modals_;
  std::vector<vb::MsgBoxRequest> seen_;
};

// A fresh folder, removed again at the end; drive C: points at it while it lives and the
// current folder is set to it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Host() const { return host_; }
  std::string HostFile(const std::string& name) const { return host_ + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::string host_;
  std::string previousCwd_;
};

// Records the command lines given to Shell instead of starting programs.
class ShellRecorder {
 public:
  ShellRecorder();
  ~ShellRecorder();
  const std::vector<std::string>& Commands() const { return commands_; }
  void FailNext() { fail_ = true; }

 private:
  std::vector<std::string> commands_;
  bool fail_ = false;
};

}  // namespace testsupport
