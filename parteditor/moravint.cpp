#include "parteditor/moravint.h"

#include "parteditor/form1.h"
#include "parteditor/form2.h"
#include "parteditor/splash.h"

namespace moravint {

Moravint::Moravint() { vb::SetAppVersion(kVersionMajor, kVersionMinor, kVersionRevision); }

Moravint::~Moravint() {
  // Windows go before the state they read.
  Form2.Unload();
  Form1.Unload();
  frmSplash.Unload();
}

void Moravint::Start() { frmSplash().Show(); }

}  // namespace moravint

int RunMoravint() {
  vb::SetAppTitle("Moravint");
  moravint::Moravint program;
  program.Start();
  return program.Run();
}
