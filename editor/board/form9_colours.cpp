// The Board Color window. Three bars set red, green and blue of the board or the trace
// colour; every movement stores the colour at once and redraws a small strip-board preview.
#include "editor/board/form9_colours.h"

#include <cmath>

#include "editor/form1.h"
#include "platform/strings.h"

namespace {

// The low 24 bits of a stored colour. Colours come from a hand-editable settings file, so
// anything may arrive here: values beyond 32 bits, fractions or texts must not stop the
// window.
long LowBits(const Value& colour) {
  double n = 0;
  if (colour.IsNumber()) {
    n = colour.Num();
  } else if (colour.IsText()) {
    n = vb::Val(colour.Text());
  }
  if (!std::isfinite(n) || std::fabs(n) > 9.0e18) return 0;
  return static_cast<long>(std::llround(n) & 0xFFFFFF);
}

}  // namespace

Form9::Form9(Brantel& a)
    : vb::Form(a, "Form9"),
      app(a),
      Label2(*this, "Label2", "Editing the board color"),
      Picture1(*this, "Picture1"),
      Picture2(*this, "Picture2"),
      Picture3(*this, "Picture3"),
      Picture4(*this, "Picture4"),
      VScroll1(*this, "VScroll1"),
      VScroll2(*this, "VScroll2"),
      VScroll3(*this, "VScroll3"),
      Command2(*this, "Command2", "Cancel"),
      Command3(*this, "Command3", "Edit Trace"),
      Command1(*this, "Command1", "Done"),
      Text1(*this, "Text1"),
      Text2(*this, "Text2"),
      Text3(*this, "Text3") {
  SetCaption("Board Color");
  SetClientSize(3405, 3240);

  Label2.Move(120, 120, 3165, 240);  // wide enough for the caption in any font
  Picture1.Move(120, 360, 2055, 1815);
  int left = 2280;
  for (vb::PictureBox* p : {&Picture2, &Picture3, &Picture4}) {
    p->Move(left, 360, 255, 255);
    left += 360;
  }
  left = 2280;
  for (vb::VScrollBar* bar : {&VScroll1, &VScroll2, &VScroll3}) {
    bar->Move(left, 600, 255, 1575);
    bar->SetMin(255);  // the top of a bar is full
    bar->SetMax(0);
    bar->SetSmallChange(1);
    bar->SetLargeChange(1);
    bar->SetValue(0);
    left += 360;
  }
  Command2.Move(120, 2280, 975, 495);
  Command3.Move(1200, 2280, 975, 495);
  Command1.Move(2280, 2280, 975, 495);
  left = 120;
  for (vb::TextBox* t : {&Text1, &Text2, &Text3}) {
    t->Move(left, 2880, 735, 285);
    left += 840;
  }

  OnLoad = [this] { Form_Load(); };
  VScroll1.Change = [this] { VScroll1_Change(); };
  VScroll2.Change = [this] { VScroll2_Change(); };
  VScroll3.Change = [this] { VScroll3_Change(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

void Form9::Form_Load() {
  Picture2.SetBackColor(vb::vbBlack);
  Picture3.SetBackColor(vb::vbBlack);
  Picture4.SetBackColor(vb::vbBlack);
  EditingBoard = true;
  int blue = 0, green = 0, red = 0;
  ConVert(app.m.BoardColour, blue, green, red);
  VScroll1.SetValue(red);
  VScroll2.SetValue(green);
  VScroll3.SetValue(blue);
}

void Form9::ConVert(const Value& Colour, int& Blue, int& Green, int& Red) {
  const long c = LowBits(Colour);
  Red = static_cast<int>(c & 255);
  Green = static_cast<int>((c & 65280) / 256);
  Blue = static_cast<int>((c & 16711680) / 65536);
}

void Form9::VScroll1_Change() {
  Text1.SetText(vb::Format(VScroll1.Value()));
  Picture2.SetBackColor(vb::RGB(VScroll1.Value(), 0, 0));
  StoreAndDraw();
}

void Form9::VScroll2_Change() {
  Text2.SetText(vb::Format(VScroll2.Value()));
  Picture3.SetBackColor(vb::RGB(0, VScroll2.Value(), 0));
  StoreAndDraw();
}

void Form9::VScroll3_Change() {
  Text3.SetText(vb::Format(VScroll3.Value()));
  Picture4.SetBackColor(vb::RGB(0, 0, VScroll3.Value()));
  StoreAndDraw();
}

void Form9::StoreAndDraw() {
  const long colour = vb::RGB(VScroll1.Value(), VScroll2.Value(), VScroll3.Value());
  if (EditingBoard) {
    app.m.BoardColour = colour;
  } else {
    app.m.TraceColour = colour;
  }
  Drawit();
}

void Form9::Drawit() {
  const double w = Picture1.ScaleWidth();
  const double h = Picture1.ScaleHeight();
  Picture1.FilledBox(100, 100, w - 100, h - 100, LowBits(app.m.BoardColour));
  const long trace = LowBits(app.m.TraceColour);
  for (double y : {200.0, 550.0, 900.0, 1250.0}) Picture1.FilledBox(100, y, w - 100, y + 200, trace);
}

void Form9::Command3_Click() {
  EditingBoard = !EditingBoard;
  int blue = 0, green = 0, red = 0;
  if (EditingBoard) {
    Command3.SetCaption("Edit Trace");
    Label2.SetCaption("Editing the board color");
    ConVert(app.m.BoardColour, blue, green, red);
  } else {
    Command3.SetCaption("Edit Board");
    Label2.SetCaption("Editing the trace color");
    ConVert(app.m.TraceColour, blue, green, red);
  }
  VScroll1.SetValue(red);
  VScroll2.SetValue(green);
  VScroll3.SetValue(blue);
}

void Form9::Command1_Click() {
  RefreshBoard(app);
  Unload();
}

void Form9::Command2_Click() { Unload(); }

void Form1::BColors_Click() {
  Form9& colours = app.Form9();
  colours.Show(vb::vbModeless);
  colours.Command3_Click();
}
