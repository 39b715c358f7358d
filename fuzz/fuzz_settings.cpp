// The settings file, read by the main window as it loads: any file must leave the window
// usable (no error escapes the reader, the board repaints), and the file written, read and
// written again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "editor/brantel.h"
#include "editor/form1.h"
#include "fuzz_support.h"
#include "platform/app.h"

namespace {

struct Editor {
  Editor() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    fuzzing::Folder();
    application = std::make_unique<vb::Application>(argc, argv);
    program = std::make_unique<Brantel>();
    program->m.DataFolder = "C:\\";
    program->Form1();
  }
  int argc = 1;
  char name[8] = "fuzz";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<vb::Application> application;
  std::unique_ptr<Brantel> program;
};

Editor& TheEditor() {
  static Editor editor;
  return editor;
}

// The values the reader may set, back at their start values; the options as designed.
void Reset(Brantel& app) {
  Module1& m = app.m;
  m.TraceColour = Value();
  m.BoardColour = Value();
  m.SpareColour = Value();
  m.PartColour = Value();
  m.ScaleAcross = Value();
  m.ScaleDown = Value();
  m.LibraryList = {};
  app.Form1().Check1.SetValue(1);
  app.Form1().Check3.SetValue(1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Brantel& app = *TheEditor().program;
  Form1& f = app.Form1();
  Reset(app);
  fuzzing::Write("brantel.ini", std::string(reinterpret_cast<const char*>(data), size));
  f.ReadSettings();
  f.Picture1.Cls();
  RefreshBoard(app);
  f.WriteSettings();
  const std::string first = fuzzing::Read("brantel.ini");
  Reset(app);
  f.ReadSettings();
  f.WriteSettings();
  const std::string second = fuzzing::Read("brantel.ini");
  fuzzing::Check(first == second, "settings written, read and written again differ");
  return 0;
}
