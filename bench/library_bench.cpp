// Benchmarks of a large part library in both programs, run the way the programs run them: the
// part editor's library list filled at start-up, its Open (the list shown) and Save buttons, and
// the layout editor's Add Component window opened (library read, list filled and shown) and
// cancelled.
#include <benchmark/benchmark.h>

#include <QListWidget>
#include <QScrollBar>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "editor/board/splash.h"
#include "editor/brantel.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/form1.h"
#include "parteditor/form1.h"
#include "parteditor/form2.h"
#include "parteditor/splash.h"
#include "bench/bench_main.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "tests/editor/library_records.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 10000;

// Every question is answered Yes; a modal window is unloaded at once.
class YesResponder : public vb::Responder {
 public:
  int Answer(const vb::MsgBoxRequest&) override { return vb::vbYes; }
  void ShowModal(vb::Form& form) override { form.Unload(); }
};

// True when the list is shown and laid out: its scroll bar reaches as far as its rows need.
bool LaidOut(vb::ListBox& list) {
  auto* widget = static_cast<QListWidget*>(list.Widget());
  return widget->isVisible() && widget->verticalScrollBar()->maximum() > 0;
}

// Every question is answered Yes; a modal window returns at once and stays loaded, as after
// a user's pick, and the part editor's "Edit" window tells how many entries it lists.
class PartEditorResponder : public vb::Responder {
 public:
  int Answer(const vb::MsgBoxRequest&) override { return vb::vbYes; }
  void ShowModal(vb::Form& form) override {
    auto* edit = dynamic_cast<moravint::Form2*>(&form);
    if (!edit) return;
    vb::Application::DoEvents();  // the window is shown and its list laid out
    listed = LaidOut(edit->List1) ? edit->List1.ListCount() : 0;
  }
  int listed = 0;
};

// The records of a library of kRecords parts: the default library's parts over and over, each
// under a name of its own.
std::vector<std::string> LargeLibrary() {
  const auto& parts = libtest::DefaultRecords();
  std::vector<std::string> records;
  for (int i = 0; i < kRecords; ++i) {
    const std::string& part = parts[static_cast<size_t>(i) % parts.size()];
    records.push_back(part.substr(0, part.find(' ')) + "_" + std::to_string(i) + part.substr(part.find(' ')));
  }
  return records;
}

// The program folder C:\Brantel, made the current folder, with the installation record, the
// settings file and a library of kRecords parts.
class Installation {
 public:
  Installation() {
    drive_ = fs::temp_directory_path() / ("brantel-library-bench-" + std::to_string(getpid()));
    fs::remove_all(drive_);
    const fs::path folder = drive_ / "Brantel";
    fs::create_directories(folder);
    vb::SetDrive('C', drive_.string());
    vb::SetCurrentHostFolder(folder.string());
    std::ofstream record(folder / "Brantel.dat", std::ios::binary);
    record << "Name: Bench\r\nCompany: None\r\nSerial: 1\r\nDate: 1\r\nUser: 1\r\nDrive: C:\r\nWin: C:\\WINDOWS\r\n"
              "Sys: C:\\WINDOWS\\SYSTEM\r\nFolder: C:\\Brantel\r\n";
    std::ofstream settings(folder / "brantel.ini", std::ios::binary);
    settings << "[Initalize]\r\n 4227327\r\n 10535167\r\n 0\r\n 0\r\n[Control]\r\n 1\r\n 1\r\n"
             << "[Printer]\r\n 120\r\n 120\r\n[Library]\r\nBrantel.lib\r\n";
    std::ofstream library(folder / "Brantel.lib", std::ios::binary);
    library << libtest::LibraryText(LargeLibrary());
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(drive_, ec);
  }

 private:
  fs::path drive_;
};

// The part editor started and continued past its start-up window.
class PartEditor {
 public:
  PartEditor() {
    vb::SetResponder(&answers_);
    program_ = std::make_unique<moravint::Moravint>();
    program_->Start();
    program_->frmSplash().Command1.PerformClick();
    vb::Application::DoEvents();
  }
  ~PartEditor() {
    program_.reset();
    vb::SetResponder(nullptr);
  }
  moravint::Moravint& app() { return *program_; }
  moravint::Form1& f() { return program_->Form1(); }
  // False, and the benchmark stopped, unless the library list holds every record.
  bool Listed(benchmark::State& state, int count) {
    if (count == kRecords) return true;
    state.SkipWithError("the library list does not hold every record");
    return false;
  }
  bool Listed(benchmark::State& state) { return Listed(state, program_->Form2().List1.ListCount()); }
  // The count of entries the "Edit" window listed when it was last shown.
  int Shown() const { return answers_.listed; }

 private:
  PartEditorResponder answers_;
  std::unique_ptr<moravint::Moravint> program_;
};

// Start-up reads the library and fills the list of the "Edit" window.
void PartEditorStartupList(benchmark::State& state) {
  PartEditor e;
  for (auto _ : state) {
    e.f().GetComps();
    if (!e.Listed(state)) break;
  }
}
BENCHMARK(PartEditorStartupList)->Unit(benchmark::kMillisecond)->UseRealTime();

// Open: the library read again and listed in the "Edit" window, shown, then Cancel.
void PartEditorOpen(benchmark::State& state) {
  PartEditor e;
  for (auto _ : state) {
    e.f().Command5_Click();
    if (!e.Listed(state, e.Shown())) break;
    e.app().Form2().Command1_Click();
    vb::Application::DoEvents();
  }
}
BENCHMARK(PartEditorOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

// Save of an opened record over itself: the library written, then read and listed again.
// Opening the record (Open, a pick, Done) is not timed.
void PartEditorSave(benchmark::State& state) {
  PartEditor e;
  for (auto _ : state) {
    state.PauseTiming();
    e.f().Command5_Click();
    e.app().Form2().List1.SetListIndex(7);
    e.app().Form2().Command2_Click();  // Done: the record is loaded for editing
    vb::Application::DoEvents();
    state.ResumeTiming();
    e.f().Command2_Click();
    vb::Application::DoEvents();
    if (!e.Listed(state)) break;
  }
}
BENCHMARK(PartEditorSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// The layout editor's Add Component window opened (library read, list filled, window shown
// and laid out) and cancelled.
void AddComponentList(benchmark::State& state) {
  YesResponder yes;
  vb::SetResponder(&yes);
  {
    auto program = std::make_unique<Brantel>();
    program->Start();
    program->frmSplash().Continue();
    vb::Application::DoEvents();
    for (auto _ : state) {
      program->Form1().Command1_Click();
      vb::Application::DoEvents();
      vb::ListBox& list = program->Form2().List1;
      if (list.ListCount() != kRecords || !LaidOut(list)) {
        state.SkipWithError("the Add Component window does not list every record");
        break;
      }
      program->Form2().Command1_Click();
      vb::Application::DoEvents();
    }
  }
  vb::SetResponder(nullptr);
}
BENCHMARK(AddComponentList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return benchsupport::RunInInstallation<Installation>(argc, argv); }
