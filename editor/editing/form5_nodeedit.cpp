#include "editor/editing/form5_nodeedit.h"

#include <cmath>
#include <string>

#include "editor/editing/strips.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {

// Node Edit's boxes: the field each shows, its label, and whether it is a number.
struct NodeBox {
  HoleField field;
  const char* label;
  bool number;
};
constexpr NodeBox kNodeBoxes[8] = {
    {PinNumber, "Pin Number", true},   {CompName, "Comp Name", false},  {CompValue, "Comp Value", false},
    {CompPackage, "Comp Package", false}, {NetName, "Net Name", false},  {NetNumber, "Net Number", true},
    {KelmNet, "Kelm Net", true},       {CompOffset, "Comp Offset", true},
};

constexpr const char* kDiagLabels[20] = {
    "G X",        "G Y",        "Pin Nymber", "?",           "Comp Name",   "Comp X From", "Comp Y From",
    "Comp X Too", "Comp Y Too", "Comp Value", "Comp Packag", "Net Name",    "Net X From",  "Net Y From",
    "Net X Too",  "Label X",    "Label Y",    "KelmNet",     "Comp Offset", "XY's"};

}  // namespace

Form5::Form5(Brantel& a)
    : vb::Form(a, "Form5"),
      app(a),
      Label1(*this, "Label1", 8),
      Text7(*this, "Text7", 8),
      Command1(*this, "Command1", "Done"),
      Command2(*this, "Command2", "Cancel") {
  SetCaption("Node Edit");
  SetClientSize(3840, 3780);
  for (int i = 0; i < 8; ++i) {
    Label1(i).SetCaption(kNodeBoxes[i].label);
    Label1(i).Move(120, 150 + 360 * i, 1335, 255);
    Text7(i).Move(1560, 120 + 360 * i, 2055, 285);
  }
  Command1.Move(360, 3120, 1215, 435);
  Command2.Move(2040, 3120, 1215, 435);
  OnLoad = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

void Form5::Form_Load() {
  Module1& m = app.m;
  holeX_ = m.EditHoleX;
  holeY_ = m.EditHoleY;
  for (int i = 0; i < 8; ++i) {
    const Value& v = m.HoleGrid(holeX_, holeY_, kNodeBoxes[i].field);
    Text7(i).SetText(kNodeBoxes[i].number ? vb::Format(v) : v.Text());
  }
}

// The window is modeless and every board click names another hole in EditHoleX/EditHoleY;
// the boxes still show the hole they were filled from, so that is the hole written.
void Form5::Command1_Click() {
  Module1& m = app.m;
  auto& g = m.HoleGrid;
  const int x = holeX_, y = holeY_;
  // The part may have been deleted or the pin moved away while the window was open: a free
  // hole takes no pin data.
  if (g(x, y, CompXFrom) == Value(0) || g(x, y, CompYFrom) == Value(0) || g(x, y, CompXToo) == Value(0) ||
      g(x, y, CompYToo) == Value(0)) {
    Unload();
    return;
  }
  // Every number box is read before anything is written: a box that holds no finite number,
  // or a strip number that Save could not write back as itself, is named and the window
  // stays, the hole unchanged.
  double numbers[8] = {};
  for (int i = 0; i < 8; ++i) {
    if (!kNodeBoxes[i].number) continue;
    bool finite = true;
    try {
      numbers[i] = vb::Val(Text7(i).Text());
      finite = std::isfinite(numbers[i]);
    } catch (const vb::RuntimeError&) {
      finite = false;
    }
    if (!finite) {
      vb::MsgBox(std::string(kNodeBoxes[i].label) + " must be a number.", vb::vbExclamation, "Node Edit");
      return;
    }
    // Strips are told apart by their numbers: only numbers that are shown, saved and read
    // back exactly.
    if (kNodeBoxes[i].field == KelmNet && !IsStripNumber(numbers[i])) {
      vb::MsgBox(std::string(kNodeBoxes[i].label) + " must be a number of at most 15 significant digits.",
                 vb::vbExclamation, "Node Edit");
      return;
    }
  }
  g(x, y, PinNumber) = numbers[0];
  SetHole(m, x, y, CompName, vb::Trim(Text7(1).Text()));
  SetHole(m, x, y, CompValue, vb::Trim(Text7(2).Text()));
  SetHole(m, x, y, CompPackage, vb::Trim(Text7(3).Text()));
  g(x, y, NetName) = vb::Trim(Text7(4).Text());
  g(x, y, NetNumber) = numbers[5];
  g(x, y, KelmNet) = numbers[6];
  g(x, y, CompOffset) = numbers[7];
  app.Form1().ReDrawWhole(1);
  Unload();
}

void Form5::Command2_Click() { Unload(); }

Diags::Diags(Brantel& a)
    : vb::Form(a, "Diags"),
      app(a),
      Label21(*this, "Label21", "Component xy list "),
      Label1(*this, "Label1", 20),
      Text7(*this, "Text7", 20),
      Text6(*this, "Text6", 19) {
  SetCaption("Grid Y");
  SetClientSize(6000, 7740);
  Label21.Move(120, 60, 3000, 255);
  for (int k = 0; k < 20; ++k) {
    Label1(k).SetCaption(kDiagLabels[k]);
    Label1(k).Move(120, 420 + 360 * k, 1395, 255);
    Text7(k).Move(1560, 390 + 360 * k, 2055, 285);
    Text7(k).SetLocked(true);
  }
  for (int k = 0; k < 19; ++k) Text6(k).Move(3780, 390 + 360 * k, 2055, 285);
}

void Diags::DoDiags(const Value& across, const Value& down) {
  for (int k = 0; k < 20; ++k) Text7(k).SetText(app.m.HoleGrid(across, down, k).Text());
}
