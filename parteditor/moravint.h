// The part editor Moravint: its windows and its program-wide state.
#pragma once

#include "parteditor/module1.h"
#include "platform/app.h"

namespace moravint {

class frmSplash;
class Form1;
class Form2;

// The program's own version, shown by its start-up window.
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

class Moravint : public vb::Program {
 public:
  Moravint();
  ~Moravint() override;

  Module1 m;

  vb::FormSlot<moravint::frmSplash, Moravint> frmSplash{*this};
  vb::FormSlot<moravint::Form1, Moravint> Form1{*this};
  vb::FormSlot<moravint::Form2, Moravint> Form2{*this};

  // Shows the start-up window.
  void Start();
};

}  // namespace moravint

// Runs the part editor until its last window is unloaded.
int RunMoravint();
