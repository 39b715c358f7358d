// The start-up window: names the program and its version, and on Continue opens the main
// window when the suite is installed in the working folder.
#pragma once

#include "parteditor/moravint.h"
#include "platform/controls.h"

namespace moravint {

class frmSplash : public vb::Form {
 public:
  explicit frmSplash(Moravint& app);
  Moravint& app;

  vb::Frame Frame1;
  vb::Image imgLogo;
  vb::Label lblProductName;
  vb::Label lblVersion;
  vb::Label lblPlatform;
  vb::Label lblCopyright;  // the maker's notice
  vb::Label lblCompany;
  vb::CommandButton Command1;

  void Form_Load();
  // Opens the main window, or ends the program when the installation record is missing.
  void Continue();
  void Command1_Click() { Continue(); }
  void Form_KeyPress(int&) { Continue(); }
  void Frame1_Click() { Continue(); }
  void lblPlatform_Click() { Continue(); }
  void lblVersion_Click() { Continue(); }
  void lblCopyright_Click() { Continue(); }
};

}  // namespace moravint
