#include "setup/program.h"

#include "setup/form1.h"
#include "setup/form4.h"
#include "setup/ula.h"

Setup::Setup() = default;
Setup::~Setup() = default;

void Setup::Start() { ULA().Show(); }

int RunSetup() {
  vb::SetAppTitle("setup");
  Setup program;
  program.Start();
  return program.Run();
}
