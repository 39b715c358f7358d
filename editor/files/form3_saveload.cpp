// The Save/Load window and its launchers in the main window. Save writes the whole design
// to a temporary file beside the target and replaces the target only when every byte is
// written; Open reads and checks the whole file before it changes anything.
#include "editor/files/form3_saveload.h"

#include <array>
#include <utility>
#include <vector>

#include "editor/board/repaint_batch.h"
#include "editor/files/design_file.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {

constexpr vb::Colour kProgressColour = vb::RGB(0, 0, 150);
constexpr vb::Colour kWhite = vb::RGB(255, 255, 255);

// The progress box of a load: after each hole a box one hundredth of the width wide is
// filled at x, and x moves on by a tenth of that, so the bar fills in dark blue over 1000
// holes, is wiped in white over the next 1000, and so on. Boxes that a later box covers
// anyway are not painted: every fifth box and the last of each pass paint the same bar, and
// since every pass paints the boxes of the pass before it, only the last whole pass and the
// one after it are painted, when the load has finished (nothing is shown in between).
class Progress {
 public:
  explicit Progress(vb::PictureBox& box) : box_(box) {
    box_.SetBackColor(kWhite);
    box_.Cls();
    u_ = box_.ScaleWidth() / 100;
    height_ = box_.ScaleHeight();
  }
  void Advance() {
    const bool passEnds = x_ + u_ / 10 > 100 * u_;
    if (step_ % 5 == 0 || passEnds) {
      pass_.push_back(x_);
      pending_ = false;
    } else {
      pending_ = true;
      pendingX_ = x_;
    }
    x_ += u_ / 10;
    ++step_;
    if (passEnds) {
      x_ = 0;
      step_ = 0;
      previous_.swap(pass_);
      pass_.clear();
      previousColour_ = colour_;
      colour_ = toggle_ ? kWhite : kProgressColour;
      toggle_ = !toggle_;
    }
  }
  void Finish() {
    for (double x : previous_) box_.FilledBox(x, 0, x + u_, height_, previousColour_);
    for (double x : pass_) box_.FilledBox(x, 0, x + u_, height_, colour_);
    if (pending_) box_.FilledBox(pendingX_, 0, pendingX_ + u_, height_, colour_);
  }

 private:
  vb::PictureBox& box_;
  double u_ = 0, height_ = 0, x_ = 0, pendingX_ = 0;
  int step_ = 0;
  bool pending_ = false;
  std::vector<double> pass_, previous_;
  vb::Colour colour_ = kProgressColour, previousColour_ = kProgressColour;
  bool toggle_ = true;
};

}  // namespace

Form3::Form3(Brantel& a)
    : vb::Form(a, "Form3"),
      app(a),
      Drive1(*this, "Drive1"),
      Dir1(*this, "Dir1"),
      File1(*this, "File1"),
      Text1(*this, "Text1"),
      Command1(*this, "Command1", "Open"),
      Command2(*this, "Command2", "Save"),
      Command3(*this, "Command3", "Cancel"),
      Picture1(*this, "Picture1") {
  SetCaption("Save/Load");
  SetScaleMode(vb::vbPixels);
  SetClientSize(520, 300);

  Text1.Move(10, 10, 200, 24);
  File1.Move(10, 40, 200, 220);
  Dir1.Move(220, 10, 190, 220);
  Drive1.Move(220, 236, 190, 24);
  Command1.Move(420, 10, 90, 30);
  Command2.Move(420, 46, 90, 30);
  Command3.Move(420, 82, 90, 30);
  Picture1.Move(10, 270, 500, 20);
  Picture1.SetBackColor(kWhite);
  Picture1.SetAutoRedraw(true);

  OnLoad = [this] { Form_Load(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  File1.Click = [this] { File1_Click(); };
  File1.DblClick = [this] { File1_DblClick(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

void Form3::Form_Load() {
  // A program folder that has gone away leaves the lists on the current folder.
  const std::string& folder = app.m.DataFolder;
  try {
    Drive1.SetDrive(folder.substr(0, 2));
    Dir1.SetPath(folder);
  } catch (const vb::RuntimeError&) {
  }
  File1.SetPath(Dir1.Path());
  File1.SetFileName(Text1.Text());
}

void Form3::Drive1_Change() { Dir1.SetPath(Drive1.Drive()); }

void Form3::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void Form3::File1_Click() {
  for (int i = 0; i < File1.ListCount(); ++i) {
    if (File1.Selected(i)) {
      Text1.SetText(File1.List(i));
      return;
    }
  }
}

void Form3::File1_DblClick() {
  File1_Click();
  Command1_Click();
}

std::string Form3::DesignPath(const std::string& folder) const {
  std::string path = folder;
  if (path.empty() || path.back() != '\\') path += "\\";
  return path + vb::Trim(Text1.Text());
}

void Form3::TurnViewBack() {
  Form1& f = app.Form1();
  if (f.Picture1.ScaleWidth() < 0) {
    f.Flip.SetEnabled(false);
    f.Flip_Click();
    f.Flip.SetEnabled(true);
  }
}

void Form3::Command1_Click() {
  Command1.SetEnabled(false);
  Command2.SetEnabled(false);
  Command3.SetEnabled(false);
  TurnViewBack();
  const std::string& name = Text1.Text();
  if (!name.empty() && name[0] == '*') {
    vb::MsgBox("A file name must be selected!", vb::vbOKCancel + vb::vbCritical, "Warning");
  } else if (DesignNameAccepted(name)) {
    LoadDesign(DesignPath(Dir1.Path()));
  }
  Command1.SetEnabled(true);
  Command2.SetEnabled(true);
  Command3.SetEnabled(true);
  Hide();
}

void Form3::LoadDesign(const std::string& path) {
  // Everything is read and checked before the board is touched.
  Design design;
  DesignProblem problem;
  std::string bytes;
  try {
    bytes = vb::ReadAllBytes(path);
  } catch (const vb::RuntimeError& e) {
    problem.what = e.Description();
  }
  std::vector<DesignHole> holes;
  if (problem.what.empty() && !ReadDesignHoles(bytes, design, problem, holes) && problem.what.empty()) {
    problem.what = "the file is damaged";
  }
  if (!problem.what.empty()) {
    const std::string where = problem.line > 0 ? "line " + std::to_string(problem.line) + ": " : "";
    vb::MsgBox("The design could not be opened from " + path + ":\r\n" + where + problem.what, vb::vbCritical,
               "Error");
    return;
  }

  Form1& f = app.Form1();
  Module1& m = app.m;
  // A new size or strip direction would repaint the board on the way; it is painted once,
  // by the Zoom All at the end.
  RepaintBatch batch(f);
  f.SetCaption("Brantel -" + Text1.Text());
  f.Picture1.Cls();
  f.Check1.SetValue(design.header.horizontal);
  f.Text1.SetText(design.header.across);
  f.Text2.SetText(design.header.down);
  f.GraphicLimits(true);
  m.ScrollX = m.HolePitch / Value(2);
  m.ScrollY = m.HolePitch / Value(2);
  f.BuildArray(false);

  Progress progress(Picture1);
  HoleGridTable& grid = m.HoleGrid;
  for (DesignHole& hole : holes) {
    const int a = hole.across, d = hole.down;
    for (int k = 0; k < XYs; ++k) {
      const int slot = k == CompName ? 0 : k == CompValue ? 1 : k == CompPackage ? 2 : k == NetName ? 3 : -1;
      if (slot >= 0) {
        grid(a, d, k).SetText(hole.texts[static_cast<std::size_t>(slot)]);
      } else {
        grid(a, d, k).SetNumber(hole.numbers[static_cast<std::size_t>(k)]);
      }
    }
    grid(a, d, XYs) = std::move(hole.part);
    progress.Advance();
  }
  progress.Finish();
  // A part picked before belongs to the board that was replaced: placing ends here and the
  // next part needs a new pick.
  f.ClearModes();
  m.CurrentPart = "";
  m.PinCount = 0;
  m.PrevPinX = 0;
  m.PrevPinY = 0;
  m.FirstPinX = 0;
  m.FirstPinY = 0;
  f.Picture1.SetMousePointer(vb::vbArrow);
  f.HolesMoved();
  f.Command15_Click();
}

void Form3::Command2_Click() {
  TurnViewBack();
  const std::string& name = Text1.Text();
  if (name != "*.vcd" && name != "*.net" && DesignNameAccepted(name)) {
    Form1& f = app.Form1();
    const std::string path = DesignPath(File1.Path());
    DesignHeader header;
    header.horizontal = f.Check1.Value();
    header.across = f.Text1.Text();
    header.down = f.Text2.Text();
    std::string bytes;
    // The pins of a part not placed whole are not written. They leave the board only once
    // the design is saved, so that a Save that fails leaves the placement as it was.
    HoleGridTable& grid = app.m.HoleGrid;
    std::vector<std::pair<std::pair<long, long>, std::array<Value, HoleGridTable::kFields>>> aside;
    for (const auto& [x, y] : f.UnfinishedPins()) {
      aside.emplace_back(std::pair{x, y}, std::array<Value, HoleGridTable::kFields>{});
      for (int k = 0; k < HoleGridTable::kFields; ++k) aside.back().second[static_cast<std::size_t>(k)] = grid(x, y, k);
      f.KillGrid(x, y);
    }
    std::string problem = BuildDesignText(grid, header, bytes);
    for (const auto& [at, record] : aside)
      for (int k = 0; k < HoleGridTable::kFields; ++k) grid(at.first, at.second, k) = record[static_cast<std::size_t>(k)];
    if (problem.empty()) {
      try {
        vb::TextWriter out(path);  // written beside the target, moved over it when closed
        out.Print(bytes);
        out.Close();
      } catch (const vb::RuntimeError& e) {
        problem = e.Description();
      }
    }
    if (problem.empty()) {
      f.EndPlacing();
      Unload();
    } else {
      vb::MsgBox("The design could not be saved in " + path + ":\r\n" + problem, vb::vbCritical, "Error");
    }
  }
  app.Form2.Unload();  // the Add Component window, when it is loaded
}

void Form3::Command3_Click() {
  Form1& f = app.Form1();
  f.Text1.SetEnabled(true);
  f.Text2.SetEnabled(true);
  Unload();
}

// ---- launchers in the main window ----

void Form1::Command8_Click() {
  Form3& w = app.Form3();
  w.Text1.SetText("*.vcd");
  w.File1.SetPattern("*.vcd");
  w.SetCaption("Load/Save");
  w.Show(vb::vbModeless);
}

void Form1::Open_Click() { Command8_Click(); }
