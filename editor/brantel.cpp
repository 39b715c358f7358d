#include "editor/brantel.h"

#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/board/splash.h"
#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/editing/form5_nodeedit.h"
#include "editor/editing/form8_pindata.h"
#include "editor/files/form3_saveload.h"
#include "editor/files/form4_printer.h"
#include "editor/form1.h"

Brantel::Brantel() = default;

Brantel::~Brantel() {
  // Windows go before the state they read.
  Form10.Unload();
  Form2.Unload();
  Form9.Unload();
  Form8.Unload();
  Diags.Unload();
  Form5.Unload();
  Form6.Unload();
  Form3.Unload();
  Form4.Unload();
  Form1.Unload();
  frmSplash.Unload();
}

void Brantel::Start() {
  auto& splash = frmSplash();
  if (frmSplash.Loaded()) splash.Show();
}

int RunBrantel() {
  vb::SetAppTitle("Brantel");
  Brantel program;
  program.Start();
  return program.Run();
}
