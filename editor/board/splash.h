// The start-up window: reads the installation record and waits for Continue.
#pragma once

#include <string>

#include "editor/brantel.h"
#include "platform/controls.h"

class frmSplash : public vb::Form {
 public:
  explicit frmSplash(Brantel& app);
  Brantel& app;

  vb::Frame Frame1;
  vb::Image imgLogo;
  vb::Label lblProductName;
  vb::Label lblVersion;
  vb::Label lblPlatform;
  vb::Label lblCompanyProduct;
  vb::Label lblCompany;
  vb::CommandButton Command1;

  void Form_Load();
  void Form_Unload();
  // Loads the main window with an empty board, shows it and closes this window.
  void Continue();
  void Command1_Click() { Continue(); }
  void Form_KeyPress(int&) { Continue(); }
  void Frame1_Click() { Continue(); }
  void imgLogo_Click() { Continue(); }
  void lblCompanyProduct_Click() { Continue(); }
  void lblProductName_Click() { Continue(); }
  void lblCompany_Click();
};

// The maker's name shown in the start-up window.
extern const char* const kMakerName;

// The value of one line of the installation record: the text after the line's first ":"
// (the whole line without one), at most 99 characters of it, without surrounding blanks.
std::string InstallRecordValue(const std::string& line);
