// Makes the large seeds of the fuzz corpora with the layout editor itself, run from an
// installed folder (tools/fuzz-seeds stages one with the installer): a 15 x 15 and a 100 x 100
// design with parts placed through the Add Component window and board clicks, cut strips and
// net names typed into Node Edit, saved through the Save/Load window; and the settings file
// Exit writes after the colours, the options and the printer scales were changed, once as
// installed and once with the library list filled by hand to its eleven names.
// Usage: fuzz_make_seeds INSTALLED_HOST_FOLDER OUTPUT_FOLDER
// The installed folder must be "<drive>/Brantel", installed as C:\Brantel.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "editor/board/form9_colours.h"
#include "editor/board/splash.h"
#include "editor/brantel.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/editing/form5_nodeedit.h"
#include "editor/files/design_file.h"
#include "editor/files/form3_saveload.h"
#include "editor/files/form4_printer.h"
#include "editor/form1.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace {

namespace fs = std::filesystem;

// The Shift bit of a click.
constexpr int kShift = 1;

const char* const kBuildQuestion = "The board will be cleared! Are you sure? ";

// What the generator is doing, for its messages.
std::string doing = "starting";

// Build's question is answered Yes; any other message means a click went wrong.
class Answers : public vb::Responder {
 public:
  int Answer(const vb::MsgBoxRequest& request) override {
    if (request.prompt != kBuildQuestion) {
      std::fprintf(stderr, "fuzz_make_seeds: unexpected message \"%s\" (%s) while %s\n", request.prompt.c_str(),
                   request.title.c_str(), doing.c_str());
      std::exit(1);
    }
    return vb::vbYes;
  }
  void ShowModal(vb::Form& form) override { form.Unload(); }
};

void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz_make_seeds: %s\n", what.c_str());
  std::exit(1);
}

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Session {
 public:
  explicit Session(Brantel& program) : app(program) {}

  Form1& f() { return app.Form1(); }
  Module1& m() { return app.m; }

  void Build(int across, int down) {
    f().Text1.SetText(std::to_string(across));
    f().Text2.SetText(std::to_string(down));
    f().Command2.PerformClick();
  }

  void Horizontal(bool on) { f().Check1.SetValue(on ? vb::vbChecked : vb::vbUnchecked); }

  // Place Component, the part picked by name, its reference and value typed, Place Part.
  void Pick(const std::string& name, const std::string& reference, const std::string& value) {
    f().Command1.PerformClick();
    Form2& w = app.Form2();
    w.Text1.SetText(reference);
    w.Text2.SetText(value);
    int found = -1;
    for (int i = 0; i < w.List1.ListCount(); ++i)
      if (w.List1.List(i).rfind(name + " ", 0) == 0) found = i;
    if (found < 0) Fail("the library lists no " + name);
    w.List1.SetListIndex(found);
    w.Command2.PerformClick();
  }

  double X(double a, double d) const { return Coordinate(a, d, HoleX) + app.m.ScrollX.Num(); }
  double Y(double a, double d) const { return Coordinate(a, d, HoleY) + app.m.ScrollY.Num(); }

  // A left click over a hole, or between two holes for a fractional position: the pointer
  // moves there, the button goes down and up.
  void Click(double a, double d, int shift = 0) {
    f().Picture1_MouseMove(0, shift, X(a, d), Y(a, d));
    f().Picture1_MouseDown(vb::vbLeftButton, shift, X(a, d), Y(a, d));
    f().Picture1_MouseUp(vb::vbLeftButton, shift, X(a, d), Y(a, d));
    vb::Application::DoEvents();
  }

  // A part placed by a click on its first pin; a two-pin part's second pin is clicked next.
  void Place(const std::string& name, const std::string& reference, const std::string& value,
             std::pair<int, int> first, std::pair<int, int> second = {0, 0}, int shift = 0) {
    doing = "placing " + reference + " (" + name + ") at " + std::to_string(first.first) + "," +
            std::to_string(first.second);
    Pick(name, reference, value);
    Click(first.first, first.second, shift);
    if (second.first != 0) Click(second.first, second.second, shift);
    if (m().PlacingPart) Fail("placing " + reference + " did not finish");
    if (m().HoleGrid(first.first, first.second, CompName) != Value(vb::UCase(reference)))
      Fail(reference + " is not on the board");
  }

  // Cut Trace, then each segment clicked (Shift keeps the tool for the next one).
  void Cut(const std::vector<std::pair<double, double>>& segments) {
    doing = "cutting strips";
    f().Command9.PerformClick();
    if (!m().CuttingStrip) Fail("Cut Trace did not start cutting");
    for (std::size_t i = 0; i < segments.size(); ++i)
      Click(segments[i].first, segments[i].second, i + 1 < segments.size() ? kShift : 0);
    if (m().CuttingStrip) Fail("the last cut did not end the tool");
  }

  // A click on a pin opens Node Edit: the net name typed and Done.
  void NameNet(int a, int d, const std::string& net) {
    doing = "naming the net of " + std::to_string(a) + "," + std::to_string(d);
    Click(a, d);
    if (!app.Form5.Loaded() || !app.Form5().Visible()) Fail("Node Edit did not open");
    Form5& w = app.Form5();
    w.Text7(4).SetText(net);
    w.Command1.PerformClick();
    if (m().HoleGrid(a, d, NetName) != Value(net)) Fail("the net name " + net + " was not stored");
  }

  // Save through the Save/Load window; the file must read back as a design.
  std::string Save(const std::string& name) {
    f().Command8.PerformClick();
    app.Form3().Text1.SetText(name);
    app.Form3().Command2.PerformClick();
    const std::string bytes = ReadHostFile(install / name);
    Design design;
    DesignProblem problem;
    if (!ReadDesignText(bytes, design, problem))
      Fail(name + " does not read back: line " + std::to_string(problem.line) + ": " + problem.what);
    return bytes;
  }

  Brantel& app;
  fs::path install;

 private:
  double Coordinate(double a, double d, int field) const {
    const int a0 = static_cast<int>(a), d0 = static_cast<int>(d);
    const int a1 = a0 + (a > a0 ? 1 : 0), d1 = d0 + (d > d0 ? 1 : 0);
    return vb::Int((app.m.HoleGrid(a0, d0, field).Num() + app.m.HoleGrid(a1, d1, field).Num()) / 2);
  }
};

// The twelve default parts with their pitch in holes and whether a click places all pins.
struct Kind {
  const char* name;
  int pitch;  // two-pin parts: holes between the pins
  bool oneClick;
  const char* value;
  bool dual = false;
};
const Kind kKinds[] = {
    {"Axial", 3, false, "4,7K"}, {"Radial", 1, false, "100uF"}, {"JMP", 2, false, ""},
    {"Disk", 1, false, "100nF"}, {"Con5", 0, true, "HDR5"},     {"Con2x5", 0, true, "IDC10", true},
    {"Short", 2, false, ""},     {"Res1K", 2, false, "1K"},     {"ResSCH", 2, false, "22R"},
    {"CapSCH", 2, false, "10n"}, {"IndSCH", 2, false, "10uH"},  {"Dip6", 0, true, "4N35", true},
};

// The 15 x 15 design: one of each kind, horizontal strips, two cuts and two net names.
void SmallDesign(Session& s) {
  s.Build(15, 15);
  s.Horizontal(true);
  s.Place("Axial", "R1", "4,7K", {2, 2}, {5, 2});
  s.Place("Radial", "C1", "100uF", {7, 2}, {7, 3});
  s.Place("Dip6", "IC1", "4N35", {2, 5});
  s.Place("Con5", "J1", "HDR5", {12, 2});
  s.Place("Con2x5", "J2", "IDC10", {9, 8}, {0, 0}, kShift);
  s.Place("Disk", "C2", "100nF", {6, 5}, {7, 5});
  s.Place("JMP", "S1", "", {2, 10}, {2, 12});
  s.Place("Res1K", "R2", "1K", {4, 10}, {6, 10});
  s.Place("ResSCH", "R3", "22R", {5, 13}, {7, 13});
  s.Place("CapSCH", "C3", "10n", {10, 14}, {12, 14});
  s.Place("IndSCH", "L1", "10uH", {13, 10}, {13, 12});
  s.Place("Short", "W1", "", {14, 5}, {14, 7});
  s.Cut({{3.5, 2}, {8.5, 8}});
  s.NameNet(2, 2, "VCC");
  s.NameNet(5, 13, "GND");
}

// The 100 x 100 design: 196 parts, one to a 7 x 7 cell, the kinds in turn; the upper half
// placed along horizontal strips, the lower half across vertical ones, every third part
// turned or mirrored; a row of cuts and net names along the middle.
void LargeDesign(Session& s) {
  s.Build(100, 100);
  int n = 0;
  for (int row = 0; row < 14; ++row) {
    if (row == 0) s.Horizontal(true);
    if (row == 7) s.Horizontal(false);
    for (int col = 0; col < 14; ++col, ++n) {
      const Kind& k = kKinds[n % std::size(kKinds)];
      const int a = 2 + 7 * col, d = 2 + 7 * row;
      const std::string reference = std::string(k.name).substr(0, 1) + std::to_string(n + 1);
      if (k.oneClick) {
        // The pins run down (horizontal strips) or across from the first; the second row of
        // a dual-row part lies right (or up); Shift turns both the other way. The first
        // pin is chosen so that the part stays in its cell's 6 x 6 holes.
        const bool mirrored = n % 3 == 2, dual = k.dual;
        std::pair<int, int> first{a, d};
        if (mirrored) first = {a + 5, dual && row >= 7 ? d : d + 5};
        else if (dual && row >= 7) first = {a, d + 5};
        s.Place(k.name, reference, k.value, first, {0, 0}, mirrored ? kShift : 0);
      } else if (n % 3 == 2) {
        s.Place(k.name, reference, k.value, {a, d}, {a + k.pitch, d});
      } else {
        s.Place(k.name, reference, k.value, {a, d}, {a, d + k.pitch});
      }
    }
  }
  std::vector<std::pair<double, double>> cuts;
  for (int a = 1; a <= 100; a += 3) cuts.push_back({a, 50.5});
  s.Cut(cuts);
  s.NameNet(2, 51, "GND");
  s.NameNet(9, 51, "VCC");
  s.NameNet(16, 51, "OUT, \"left\"");
}

// Colours, options and printer scales changed through their windows; Exit writes the file.
void ChangedSettings(Session& s) {
  s.f().BColors_Click();  // the window opens on the trace colour
  Form9& colours = s.app.Form9();
  colours.VScroll1.SetValue(30);
  colours.VScroll2.SetValue(144);
  colours.VScroll3.SetValue(255);
  colours.Command3.PerformClick();  // the board colour
  colours.VScroll1.SetValue(250);
  colours.VScroll2.SetValue(240);
  colours.VScroll3.SetValue(7);
  colours.Command1.PerformClick();
  s.f().Command7_Click();
  s.app.Form4().Text1.SetText("121.5");
  s.app.Form4().Text2.SetText("118.25");
  s.app.Form4().Command6.PerformClick();
  s.f().Check3.SetValue(vb::vbUnchecked);
  s.f().Check1.SetValue(vb::vbUnchecked);
  s.f().Command12_Click();
}

// The settings file as a user keeps it: the library list filled by hand to its eleven
// names, long ones among them, after the line "[Library]".
void FillLibraryList(const fs::path& settings) {
  static const char* const kNames[] = {
      "Brantel.lib",
      "Connectors - pin headers, sockets and screw terminal blocks, 2.54 mm and 5.08 mm pitch, straight and angled, "
      "single and dual row.lib",
      "Integrated circuits in dual in-line packages from DIP-8 to DIP-40, narrow and wide bodies.lib",
      "Resistors.lib",
      "Capacitors - ceramic disks, film boxes and electrolytic cans, radial and axial, 2.5 mm to 15 mm lead spacing, "
      "with the outlines drawn to the size of the common makes so that they can be placed close.lib",
      "Semiconductors - diodes, LEDs, transistors in TO-92, TO-126 and TO-220, regulators and bridges.lib",
      "old\\Brantel 1999.lib",
      "Relays, switches and push buttons.lib",
      "Transformers, chokes and inductors wound on ferrite cores and drums, radial and axial, shielded and open.lib",
      "Test points, jumpers and wire links from 1 to 30 holes long, for strip boards and pad boards alike, "
      "drawn with their pads at both ends so that the ends show after the board is flipped to the trace side.lib",
      "mine.lib",
  };
  std::string text = ReadHostFile(settings);
  const std::size_t list = text.find("[Library]\r\n");
  if (list == std::string::npos) Fail("the written settings file has no library list");
  text.resize(list + 11);
  for (const char* name : kNames) text += std::string(name) + "\r\n";
  std::ofstream out(settings, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) Fail("cannot write " + settings.string());
}

void WriteOut(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  const fs::path temp = path.string() + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) Fail("cannot write " + temp.string());
  }
  fs::rename(temp, path);
  std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_make_seeds INSTALLED_HOST_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const fs::path install = fs::absolute(argv[1]);
  const fs::path out = fs::absolute(argv[2]);
  if (install.filename() != "Brantel") Fail("the installed folder must be named Brantel");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  vb::Application application(argc, argv);
  vb::SetDrive('C', install.parent_path().string());
  vb::SetCurrentHostFolder(install.string());
  Answers answers;
  vb::SetResponder(&answers);
  {
    Brantel program;
    program.Start();
    program.frmSplash().Continue();
    vb::Application::DoEvents();
    if (!program.Form1.Loaded()) Fail("the main window did not open");
    Session s(program);
    s.install = install;
    SmallDesign(s);
    WriteOut(out / "design_file" / "board_15x15.vcd", s.Save("Small.vcd"));
    LargeDesign(s);
    WriteOut(out / "design_file" / "board_100x100.vcd", s.Save("Large.vcd"));
    ChangedSettings(s);
    WriteOut(out / "settings" / "changed_by_windows.ini", ReadHostFile(install / "brantel.ini"));
  }
  // Started again on a settings file whose library list was filled by hand: the list is read
  // as the main window loads, and Exit writes it back with the settings changed again.
  FillLibraryList(install / "brantel.ini");
  {
    Brantel program;
    program.Start();
    program.frmSplash().Continue();
    vb::Application::DoEvents();
    if (!program.Form1.Loaded()) Fail("the main window did not open the second time");
    Session s(program);
    s.install = install;
    ChangedSettings(s);
    WriteOut(out / "settings" / "full_library_list.ini", ReadHostFile(install / "brantel.ini"));
  }
  vb::SetResponder(nullptr);
  return 0;
}
