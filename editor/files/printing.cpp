// The Printer window and its two launchers in the main window.
#include <cmath>
#include <string>

#include "editor/files/form4_printer.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "platform/strings.h"

namespace {

constexpr vb::Colour kPreviewGrey = vb::RGB(200, 200, 200);
constexpr const char* kPrintTitle = "Printer";
// Where a page goes when this machine has no printer.
constexpr const char* kPrintFile = "Brantel print.pdf";

// A scale box's text as a printer distance: a positive number, or nothing.
bool PositiveScale(const Value& scale, double* out) {
  double n = 0;
  if (scale.IsNumber()) {
    n = scale.Num();
  } else if (!vb::ParseNumber(scale.Text(), &n)) {
    return false;
  }
  if (!std::isfinite(n) || n <= 0) return false;
  *out = n;
  return true;
}

}  // namespace

Form4::Form4(Brantel& a)
    : vb::Form(a, "Form4"),
      app(a),
      Frame1(*this, "Frame1", "Print Preview"),
      Picture1(Frame1, "Picture1"),
      Check1(Frame1, "Check1", "Label Preview"),
      Command2(Frame1, "Command2", "Preview"),
      Command5(Frame1, "Command5", "Print Screen"),
      Frame2(*this, "Frame2", "Calibrate"),
      Command1(Frame2, "Command1", "Print and mearsure"),
      Label1(Frame2, "Label1", "Scale Across"),
      Text1(Frame2, "Text1", "150"),
      Label2(Frame2, "Label2", "Scale Down"),
      Text2(Frame2, "Text2", "150"),
      Command3(Frame2, "Command3", "Print an actual size image"),
      Frame3(*this, "Frame3", "Control"),
      Command4(Frame3, "Command4", "Cancel"),
      Command6(Frame3, "Command6", "Done") {
  SetCaption("Printer");
  SetClientSize(8280, 4560);

  Frame1.Move(120, 120, 4920, 4320);
  Picture1.Move(120, 300, 4680, 3300);
  Check1.Move(120, 3780, 1620, 315);
  Command2.Move(1860, 3720, 1380, 420);
  Command5.Move(3360, 3720, 1440, 420);

  Frame2.Move(5160, 120, 3000, 2880);
  Command1.Move(120, 300, 2760, 420);
  Label1.Move(120, 900, 1260, 255);
  Text1.Move(1440, 860, 1440, 315);
  Label2.Move(120, 1320, 1260, 255);
  Text2.Move(1440, 1280, 1440, 315);
  Command3.Move(120, 1860, 2760, 600);

  Frame3.Move(5160, 3120, 3000, 1320);
  Command4.Move(120, 480, 1320, 480);
  Command6.Move(1560, 480, 1320, 480);

  OnLoad = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Check1.Click = [this] { Check1_Click(); };
}

void Form4::Form_Load() {
  Text1.SetText(app.m.ScaleAcross.Text());
  Text2.SetText(app.m.ScaleDown.Text());
  Picture1.SetBackColor(kPreviewGrey);
}

void Form4::PrintBoard(const Value& mode) {
  Form1& main = app.Form1();
  double across = 0, down = 0;
  const double pitch = std::fabs(app.m.HolePitch.IsNumber() ? app.m.HolePitch.Num() : vb::Val(app.m.HolePitch.Text()));
  if (mode == 2) {
    // An actual-size print needs two scales to print at; an empty or zero-sized page
    // helps nobody.
    if (!PositiveScale(app.m.ScaleAcross, &across) || !PositiveScale(app.m.ScaleDown, &down) || pitch <= 0) {
      vb::MsgBox("Scale Across and Scale Down must be numbers greater than 0 to print at actual size. "
                 "Print the calibration page with \"Print and mearsure\" to find them.",
                 vb::vbOKOnly + vb::vbCritical, kPrintTitle);
      return;
    }
    main.Check2.SetValue(vb::vbChecked);
  }

  const vb::Picture board = main.Picture1.Image();
  Picture1.PaintPicture(board, pitch, pitch, Picture1.ScaleWidth(), Picture1.ScaleHeight());

  if (mode == 1) {
    vb::Printer().PaintPicture(board, pitch, pitch);
  } else if (mode == 2) {
    // One hole pitch on the screen becomes the scale's distance on paper. The flipped
    // view prints as it is shown.
    const double width = std::fabs(main.Picture1.ScaleWidth()) * across / pitch;
    const double height = std::fabs(main.Picture1.ScaleHeight()) * down / pitch;
    vb::Printer().PaintPicture(board, 0, 0, width, height);
    Refresh();  // shows the preview at once; the page itself is not touched
  }
}

bool Form4::EndPrintJob() {
  try {
    vb::Printer().SetFallbackPdf([folder = app.m.DataFolder] {
      return vb::HostPath(folder.empty() ? std::string(kPrintFile) : folder + "\\" + kPrintFile);
    });
    const vb::PrintResult result = vb::Printer().EndDoc();
    if (result.fallback) {
      vb::MsgBox("No printer is installed on this computer. The page was saved as " + vb::PlatformPath(result.where),
                 vb::vbOKOnly + vb::vbInformation, kPrintTitle);
    }
    return !result.where.empty();
  } catch (const vb::RuntimeError& e) {
    vb::Printer().KillDoc();  // a page that did not go out is not printed under the next one
    vb::MsgBox("The page could not be printed.\n" + e.Description(), vb::vbOKOnly + vb::vbCritical, kPrintTitle);
    return false;
  }
}

void Form4::Check1_Click() {
  Form1& main = app.Form1();
  if (Check1.Value() == vb::vbChecked) {
    main.Picture1.SetBackColor(vb::RGB(255, 255, 255));
    main.ReDrawWhole(2);
  } else {
    main.Picture1.SetBackColor(kPreviewGrey);
    main.ReDrawWhole(1);
  }
  Command2_Click();
}

void Form4::Command2_Click() { PrintBoard(0); }

void Form4::Command5_Click() {
  PrintBoard(1);
  EndPrintJob();
}

void Form4::Command3_Click() {
  Check1.SetValue(vb::vbChecked);
  PrintBoard(2);
  EndPrintJob();
}

// The calibration page: 31 rows of 11 lines, s = 100 to 250 printer units apart, each row
// labelled with its s.
void Form4::Command1_Click() {
  auto& printer = vb::Printer();
  for (int s = 100; s <= 250; s += 5) {
    for (int k = 0; k <= 10; ++k) {
      printer.Line(s * k, 100 + 200.0 * s / 5, s * k, 200 + 200.0 * s / 5, vb::RGB(0, 0, 0));
    }
    printer.Print("   " + vb::CStr(s));
  }
  printer.Print("");
  printer.Print("   Match the spacing of the lines above to the ");
  printer.Print("   hole spacing in the perforated Circuit board. ");
  printer.Print("   Then enter the value to the right in the box ");
  printer.Print("   provided on the printer window.");
  EndPrintJob();
}

void Form4::Command6_Click() {
  app.m.ScaleAcross = Text1.Text();
  app.m.ScaleDown = Text2.Text();
  Unload();
}

void Form4::Command4_Click() { Unload(); }

void Form1::Command7_Click() { app.Form4().Show(vb::vbModeless); }

void Form1::Print_Click() { Command7_Click(); }
