// The installer setup: its windows and its program-wide state.
#pragma once

#include <array>

#include "platform/app.h"
#include "platform/value.h"

class ULA;
class Form1;
class Form4;

// Program-wide state of the installer.
struct SetupModule {
  // Keys of the data files' record lines; an entry never set is the key 0.
  std::array<vb::Value, 4> LineKeys{};
  // Counted up by Form1.CountUp; nothing reads it.
  double Counter = 0;
};

class Setup : public vb::Program {
 public:
  Setup();
  ~Setup() override;

  SetupModule m;

  vb::FormSlot<::ULA, Setup> ULA{*this};
  vb::FormSlot<::Form1, Setup> Form1{*this};
  vb::FormSlot<::Form4, Setup> Form4{*this};

  // Shows the agreement window, the installer's start-up window.
  void Start();
};

// Runs the installer until its last window is unloaded.
int RunSetup();
