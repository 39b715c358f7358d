// Benchmarks of the layout editor's board: repaints, zoom, scrolling, building a board, the
// settings file, design files and netlists, run the way the program runs them: the
// installation is read, Continue opens the main window, and the handlers of its buttons do the
// work, the window system's events included. A step that draws ends when the board picture's
// widget has painted what it drew, as the user sees it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "editor/board/splash.h"
#include "editor/editing/form8_pindata.h"
#include "editor/brantel.h"
#include "editor/files/form3_saveload.h"
#include "editor/form1.h"
#include "bench/bench_main.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "tests/editor/board_scenes.h"
#include "tests/support/paint_counter.h"

namespace {

namespace fs = std::filesystem;

constexpr vb::Colour kStrip = vb::RGB(215, 140, 60);
constexpr vb::Colour kBoard = vb::RGB(225, 215, 160);

// Every question is answered Yes; the board is cleared without asking.
class YesResponder : public vb::Responder {
 public:
  int Answer(const vb::MsgBoxRequest&) override { return vb::vbYes; }
  void ShowModal(vb::Form& form) override { form.Unload(); }
};

// An installation folder of its own, mapped as drive C: and made the current folder.
class Installation {
 public:
  Installation() {
    folder_ = fs::temp_directory_path() / ("brantel-bench-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    vb::SetDrive('C', folder_.string());
    vb::SetCurrentHostFolder(folder_.string());
    std::ofstream record(folder_ / "Brantel.dat", std::ios::binary);
    for (int i = 1; i <= 8; ++i) record << "Line" << i << ": x\r\n";
    record << "Folder: C:\\\r\n";
    std::ofstream settings(folder_ / "brantel.ini", std::ios::binary);
    settings << "[Initalize]\r\n " << kStrip << "\r\n " << kBoard << "\r\n 0\r\n 0\r\n[Control]\r\n 1\r\n 1\r\n"
             << "[Printer]\r\n 120.5\r\n 118.25\r\n[Library]\r\nBrantel.lib\r\nextra.lib\r\nmore.lib\r\n";
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

 private:
  fs::path folder_;
};

// The program started and continued past its start-up window: the main window is shown with
// its 15 x 15 board.
class Editor {
 public:
  Editor() {
    vb::SetResponder(&yes_);
    program_ = std::make_unique<Brantel>();
    program_->Start();
    program_->frmSplash().Continue();
    vb::Application::DoEvents();
    f().Picture1.Widget()->installEventFilter(&painted_);
  }
  ~Editor() {
    if (QWidget* w = f().Picture1.Widget()) w->removeEventFilter(&painted_);
    program_.reset();
    vb::SetResponder(nullptr);
  }

  // Ends a step that drew on the board: the events it left are handled and the board
  // picture's widget has painted. The widget asks for its paint from the event pass that
  // follows the drawing, so one pass alone would leave the paint to the next step. False when
  // no paint came within a second.
  bool Shown() {
    const int before = painted_.paints;
    vb::Application::DoEvents();
    QElapsedTimer waited;
    waited.start();
    while (painted_.paints == before) {
      if (waited.elapsed() > 1000) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
  }
  // For the steps of a benchmark: a step whose drawing was never shown stops the benchmark.
  void Shown(benchmark::State& state) {
    if (!Shown()) state.SkipWithError("the board picture did not paint");
  }
  Brantel& app() { return *program_; }
  Form1& f() { return program_->Form1(); }
  Module1& m() { return program_->m; }

  // A new board through "Build", then parts placed pin by pin and the board repainted.
  void Board(int size, int parts) {
    f().Text1.SetText(std::to_string(size));
    f().Text2.SetText(std::to_string(size));
    f().Command2_Click();
    Place(size, parts);
    f().Picture1.Cls();
    RefreshBoard(app());
    Shown();
  }

  // Zooms in the given number of steps about hole (a, d), as a user clicking "Zoom in" does
  // after pointing at a part there.
  void ZoomIn(int steps, int a, int d) {
    m().LastHoleX = a;
    m().LastHoleY = d;
    for (int i = 0; i < steps; ++i) f().Command13_Click();
    Shown();
  }

 private:
  // Two-pin parts in rows four holes apart and columns two holes apart (five and ten on the
  // 100 x 100 board, as the image tests place them).
  void Place(int size, int parts) {
    if (size >= 100 && parts == 200) {
      scenes::TwoHundredParts(m());
      return;
    }
    std::vector<std::string> twoPin;
    for (const auto& r : scenes::DefaultRecords())
      if (vb::Val(scenes::Word(r, 3)) == 2) twoPin.push_back(r);
    const int columns = (size - 2) / 2;
    for (int k = 0; k < parts; ++k) {
      const int a = 2 + (k % columns) * 2, d = 2 + (k / columns) * 4;
      if (d + 3 > size) break;
      scenes::Place(m(), twoPin[k % twoPin.size()], a, d, "R" + std::to_string(k + 1));
    }
  }

  YesResponder yes_;
  std::unique_ptr<Brantel> program_;
  testsupport::PaintCounter painted_;
};


void FullRepaint(benchmark::State& state) {
  Editor e;
  e.Board(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    e.f().Picture1.Cls();
    RefreshBoard(e.app());
    e.Shown(state);
  }
}
BENCHMARK(FullRepaint)->Args({15, 0})->Args({50, 0})->Args({50, 200})->Args({100, 0})->Args({100, 200})
    ->ArgNames({"size", "parts"})->Unit(benchmark::kMillisecond)->UseRealTime();

// The repaint after an edit of one part: its rectangle, widened by one hole.
void PartialRepaint(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  for (auto _ : state) {
    SetHole(e.m(), 52, 52, 0, std::string());
    auto r = e.m().RedrawRect;
    e.f().ReDrawFT(r[0], r[1], r[2], r[3], 0);
    e.Shown(state);
  }
}
BENCHMARK(PartialRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void ZoomAll(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  for (auto _ : state) {
    e.f().Command15_Click();
    e.Shown(state);
  }
}
BENCHMARK(ZoomAll)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step in, or out again, about a part's first pin.
void ZoomStep(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.m().LastHoleX = 52;
  e.m().LastHoleY = 52;
  bool in = true;
  for (auto _ : state) {
    if (in) e.f().Command13_Click();
    else e.f().Command14_Click();
    in = !in;
    e.Shown(state);
  }
}
BENCHMARK(ZoomStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// The full repaint after 30 steps in about the middle of the board: few holes show, most of
// the board lies off the picture.
void ZoomedRepaint(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.ZoomIn(30, 52, 52);
  for (auto _ : state) {
    e.f().Picture1.Cls();
    RefreshBoard(e.app());
    e.Shown(state);
  }
}
BENCHMARK(ZoomedRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// One click on a scroll arrow of the zoomed-in board, right and back again in turn.
void ScrollStep(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.ZoomIn(30, 52, 52);
  const int start = e.f().HScroll1.Value();
  bool right = true;
  for (auto _ : state) {
    e.f().HScroll1.SetValue(right ? start + 100 : start);
    right = !right;
    e.Shown(state);
  }
}
BENCHMARK(ScrollStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// The centre of hole (a, d) on the board picture, in its units.
double CentreX(Module1& m, int a, int d) { return vb::Int(m.HoleGrid(a, d, HoleX).Num()) + m.ScrollX.Num(); }
double CentreY(Module1& m, int a, int d) { return vb::Int(m.HoleGrid(a, d, HoleY).Num()) + m.ScrollY.Num(); }

// One pointer move without a button: the hit test, the hover circle and the Pin Data window
// (shown, as a user watching it has it), alternately on a part's pin and between holes.
void PointerMove(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.app().Form8().Show();
  const double pitch = e.m().HolePitch.Num();
  const double x = CentreX(e.m(), 52, 52), y = CentreY(e.m(), 52, 52);
  bool on = true;
  for (auto _ : state) {
    e.f().Picture1_MouseMove(0, 0, on ? x : x + pitch / 2, y);
    on = !on;
    e.Shown(state);
  }
}
BENCHMARK(PointerMove)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One click of Cut Trace on a strip segment in the middle of the board, cutting it and joining
// it again in turn: the renumbering, its check and the whole board repainted.
void CutClick(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.m().CuttingStrip = true;
  const auto& g = e.m().HoleGrid;
  e.f().CutClick(51, 50, 1);  // Shift held: the mode stays on
  if (g(51, 50, KelmNet) == g(50, 50, KelmNet)) state.SkipWithError("the segment was not cut");
  for (auto _ : state) {
    e.f().CutClick(51, 50, 1);
    e.Shown(state);
  }
}
BENCHMARK(CutClick)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of a label drag: the label moves 20 units and the whole board is repainted.
void LabelDragStep(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  Module1& m = e.m();
  int a = 0, d = 0;
  for (int dd = 1; dd <= 100 && a == 0; ++dd)
    for (int aa = 1; aa <= 100 && a == 0; ++aa)
      if (m.HoleGrid(aa, dd, CompName) != Value(std::string())) a = aa, d = dd;
  // Near the far corner of the label box, clear of the hit squares of the holes.
  const double inside = (m.HolePitch / m.PitchDivisor).Num() * 2 * 0.8;
  const double gx = CentreX(m, a, d) + m.HoleGrid(a, d, LabelX).Num() + inside;
  const double gy = CentreY(m, a, d) + m.HoleGrid(a, d, LabelY).Num() + inside;
  e.f().Picture1_MouseDown(1, 0, gx, gy);
  // Right and back: the label moves 20 units each way.
  e.f().Picture1_MouseMove(1, 0, gx + 1, gy);
  if (m.HoleGrid(a, d, LabelX) != Value(120)) state.SkipWithError("the label was not dragged");
  double x = gx + 1;
  bool right = false;
  for (auto _ : state) {
    x += right ? 1 : -1;
    right = !right;
    e.f().Picture1_MouseMove(1, 0, x, gy);
    e.Shown(state);
  }
  e.f().Picture1_MouseUp(1, 0, x, gy);
}
BENCHMARK(LabelDragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void Build100(benchmark::State& state) {
  Editor e;
  e.f().Text1.SetText("100");
  e.f().Text2.SetText("100");
  for (auto _ : state) {
    e.f().Command2_Click();
    e.Shown(state);
  }
}
BENCHMARK(Build100)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Build" of a 100 x 100 board on the 15 x 15 board the program starts with: the size changes.
void Build15To100(benchmark::State& state) {
  Editor e;
  for (auto _ : state) {
    state.PauseTiming();
    e.f().Text1.SetText("15");
    e.f().Text2.SetText("15");
    e.f().Command2_Click();
    e.Shown(state);
    e.f().Text1.SetText("100");
    e.f().Text2.SetText("100");
    state.ResumeTiming();
    e.f().Command2_Click();
    e.Shown(state);
  }
}
BENCHMARK(Build15To100)->Unit(benchmark::kMillisecond)->UseRealTime();

// Netlist export, each format (0 Tango, 1 pin list, 2 OrCAD), of the 100 x 100 board with its
// 200 parts.
void ExportNetlist(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  const Value format = static_cast<int>(state.range(0));
  for (auto _ : state) e.f().ExportNetlist(format);
}
BENCHMARK(ExportNetlist)->Arg(0)->Arg(1)->Arg(2)->ArgName("format")->Unit(benchmark::kMillisecond)->UseRealTime();

// The Tango export of the same board with 100 wire links between neighbouring strips, the
// strips numbered afresh before each export so that every one of them merges the linked strips.
void ExportNetlistWireLinks(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  std::string link;
  for (const auto& r : scenes::DefaultRecords())
    if (scenes::Word(r, 0) == "Short") link = r;
  int links = 0;
  for (int d = 8; d <= 98; d += 10) {
    for (int a = 4; a <= 94; a += 10) {
      const auto pins = scenes::PinsOf(link, a, d);
      bool free = true;
      for (auto [pa, pd] : pins) free = free && pd <= 100 && e.m().HoleGrid(pa, pd, CompXFrom) == 0;
      if (!free) continue;
      scenes::Place(e.m(), link, a, d, "LK" + std::to_string(++links));
    }
  }
  if (links != 100) state.SkipWithError("the wire links did not fit");
  for (auto _ : state) {
    state.PauseTiming();
    e.f().InitKelm();
    state.ResumeTiming();
    e.f().ExportNetlist(0);
  }
}
BENCHMARK(ExportNetlistWireLinks)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadSettings(benchmark::State& state) {
  Editor e;
  for (auto _ : state) e.f().ReadSettings();
}
BENCHMARK(ReadSettings)->Unit(benchmark::kMicrosecond)->UseRealTime();

void WriteSettings(benchmark::State& state) {
  Editor e;
  e.f().ReadSettings();
  for (auto _ : state) e.f().WriteSettings();
}
BENCHMARK(WriteSettings)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Saving and opening the full board through the Save/Load window, as the user does: the
// window opened, a name typed, Save (which closes it) or Open (which loads, Zoom All
// included, and hides it).
void SaveDesign(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  for (auto _ : state) {
    e.f().Command8_Click();
    e.app().Form3().Text1.SetText("bench.vcd");
    e.app().Form3().Command2_Click();
    vb::Application::DoEvents();
  }
}
BENCHMARK(SaveDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenDesign(benchmark::State& state) {
  Editor e;
  e.Board(100, 200);
  e.f().Command8_Click();
  e.app().Form3().Text1.SetText("bench.vcd");
  e.app().Form3().Command2_Click();
  for (auto _ : state) {
    e.f().Command8_Click();
    e.app().Form3().Text1.SetText("bench.vcd");
    e.app().Form3().Command1_Click();
    e.Shown(state);
  }
}
BENCHMARK(OpenDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return benchsupport::RunInInstallation<Installation>(argc, argv); }
