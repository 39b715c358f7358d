#include "setup/form4.h"

#include "setup/form1.h"
#include "setup/program.h"

Form4::Form4(Setup& owner)
    : vb::Form(owner, "Form4"),
      app(owner),
      Label1(*this, "Label1", "Users Manager"),
      Label2(*this, "Label2", "Double click the user name to select"),
      List1(*this, "List1") {
  SetCaption("Users Manager");
  SetClientSize(4200, 3600);
  SetCentreOnShow(true);
  Label1.Move(240, 180, 3720, 360);
  Label1.SetFont(12, true);
  Label2.Move(240, 600, 3720, 300);
  List1.Move(240, 960, 3720, 2400);
  List1.DblClick = [this] { List1_DblClick(); };
}

void Form4::List1_DblClick() {
  // The list selects one item at most; the last selected one is the choice.
  std::string choice;
  bool chosen = false;
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (List1.ListIndex() == i) {
      choice = List1.List(i);
      chosen = true;
    }
  }
  if (!chosen) return;
  Setup& program = app;
  auto& install = program.Form1();
  install.Text1.SetText(install.Text1.Text() + "\\" + choice + "\\Desktop");
  program.Form4.Unload();
}
