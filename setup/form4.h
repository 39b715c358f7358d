// The user chooser "Users Manager": the profiles whose desktop may take the shortcut.
#pragma once

#include "platform/controls.h"

class Setup;

class Form4 : public vb::Form {
 public:
  explicit Form4(Setup& app);
  Setup& app;

  vb::Label Label1;
  vb::Label Label2;
  vb::ListBox List1;

  // Takes the last selected profile: its desktop goes into the install window's source
  // box and this window unloads. Nothing happens while no profile is selected.
  void List1_DblClick();
};
