#include "tests/support/fixtures.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace testsupport {

namespace fs = std::filesystem;

ScriptedResponder::ScriptedResponder() { vb::SetResponder(this); }

ScriptedResponder::~ScriptedResponder() {
  vb::SetResponder(nullptr);
  for (const auto& m : messages_) ADD_FAILURE() << "expected message never shown: " << m.prompt;
  if (!modals_.empty()) ADD_FAILURE() << "expected modal window never shown";
}

void ScriptedResponder::Expect(const std::string& prompt, const std::string& title, int answer, int buttons) {
  messages_.push_back({prompt, title, answer, buttons});
}

void ScriptedResponder::ExpectModal(std::function<void(vb::Form&)> action) { modals_.push_back(std::move(action)); }

int ScriptedResponder::Answer(const vb::MsgBoxRequest& request) {
  seen_.push_back(request);
  if (messages_.empty()) {
    ADD_FAILURE() << "unexpected message \"" << request.prompt << "\" titled \"" << request.title << "\"";
    return vb::vbCancel;
  }
  Expected e = messages_.front();
  messages_.pop_front();
  EXPECT_EQ(e.prompt, request.prompt);
  EXPECT_EQ(e.title, request.title);
  if (e.buttons >= 0) {
    EXPECT_EQ(e.buttons, request.buttons);
  }
  return e.answer;
}

void ScriptedResponder::ShowModal(vb::Form& form) {
  if (modals_.empty()) {
    ADD_FAILURE() << "unexpected modal window " << form.Name();
    form.Unload();
    return;
  }
  auto action = std::move(modals_.front());
  modals_.pop_front();
  action(form);
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto base = fs::temp_directory_path() /
                    ("brantel-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(base);
  fs::create_directories(base);
  host_ = base.string();
  previousCwd_ = vb::CurrentHostFolder();
  vb::SetDrive('C', host_);
  vb::SetCurrentHostFolder(host_);
}

TempFolder::~TempFolder() {
  vb::SetCurrentHostFolder(previousCwd_);
  vb::ResetDrives();
  std::error_code ec;
  fs::remove_all(host_, ec);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  fs::create_directories(fs::path(HostFile(name)).parent_path());
  std::ofstream out(HostFile(name), std::ios::binary);
  out << bytes;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(HostFile(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool TempFolder::Exists(const std::string& name) const { return fs::exists(HostFile(name)); }

ShellRecorder::ShellRecorder() {
  vb::SetShellHook([this](const std::string& commandLine, int) -> long {
    commands_.push_back(commandLine);
    if (fail_) {
      fail_ = false;
      throw vb::RuntimeError(53);
    }
    return 1;
  });
}

ShellRecorder::~ShellRecorder() { vb::ResetShellHook(); }

}  // namespace testsupport
