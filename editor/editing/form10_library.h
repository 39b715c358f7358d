// The library chooser: lists the libraries named in the settings file; a double click reads
// the one chosen into the Add Component window.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"

class Form10 : public vb::Form {
 public:
  explicit Form10(Brantel& app);
  Brantel& app;

  vb::ListBox List1;
  vb::CommandButton Command3;  // "Cancel"

  void Form_Load();
  void List1_DblClick();
  void Command3_Click();
};
