// The Pin Data window. The pointer handler of the board fills its boxes on every move,
// whether the window is shown or not; "Hide" unloads it.
#include "editor/editing/form8_pindata.h"

#include <utility>

Form8::Form8(Brantel& a)
    : vb::Form(a, "Form8"),
      app(a),
      Label1(*this, "Label1", "Grid  X , Y"),
      Text3(*this, "Text3"),
      Label2(*this, "Label2", "Pin Number"),
      Text4(*this, "Text4"),
      Label3(*this, "Label3", "Name"),
      Text5(*this, "Text5"),
      Label4(*this, "Label4", "Value"),
      Text12(*this, "Text12"),
      Label5(*this, "Label5", "Package"),
      Text13(*this, "Text13"),
      Label6(*this, "Label6", "Kelm Net"),
      Text10(*this, "Text10"),
      Command1(*this, "Command1", "Hide") {
  SetCaption("Pin Data");
  SetClientSize(3240, 2880);

  int top = 120;
  const std::pair<vb::Label*, vb::TextBox*> rows[] = {{&Label1, &Text3},  {&Label2, &Text4},
                                                      {&Label3, &Text5},  {&Label4, &Text12},
                                                      {&Label5, &Text13}, {&Label6, &Text10}};
  for (auto [label, box] : rows) {
    label->Move(120, top + 30, 1095, 255);
    box->Move(1260, top, 1860, 285);
    top += 360;
  }
  Command1.Move(1260, top + 60, 1095, 375);
  Command1.Click = [this] { Command1_Click(); };
}

void Form8::Command1_Click() { Unload(); }
