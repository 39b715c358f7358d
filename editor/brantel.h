// The layout editor Brantel: its windows and its program-wide state.
#pragma once

#include "editor/module1.h"
#include "platform/app.h"

class frmSplash;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Diags;
class Form6;
class Form8;
class Form9;
class Form10;

class Brantel : public vb::Program {
 public:
  Brantel();
  ~Brantel() override;

  Module1 m;

  vb::FormSlot<::frmSplash, Brantel> frmSplash{*this};
  vb::FormSlot<::Form1, Brantel> Form1{*this};
  vb::FormSlot<::Form3, Brantel> Form3{*this};
  vb::FormSlot<::Form4, Brantel> Form4{*this};
  vb::FormSlot<::Form2, Brantel> Form2{*this};
  vb::FormSlot<::Form5, Brantel> Form5{*this};
  vb::FormSlot<::Diags, Brantel> Diags{*this};
  vb::FormSlot<::Form6, Brantel> Form6{*this};
  vb::FormSlot<::Form8, Brantel> Form8{*this};
  vb::FormSlot<::Form9, Brantel> Form9{*this};
  vb::FormSlot<::Form10, Brantel> Form10{*this};

  // Starts the program: the start-up window is shown, or the program ends at once when the
  // installation record cannot be read.
  void Start();
};

// Runs the layout editor until its last window is unloaded.
int RunBrantel();
