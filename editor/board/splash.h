// The start-up window: reads the installation record and waits for Continue.
#pragma once

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
  void Continue();
  void lblCompany_Click();
};
