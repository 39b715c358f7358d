// The agreement window: the agreement text, "I agree" and "I do not agree".
#pragma once

#include "platform/controls.h"
#include "platform/picturebox.h"

class Setup;

class ULA : public vb::Form {
 public:
  explicit ULA(Setup& app);
  Setup& app;

  vb::Image Image1;
  vb::Label lblProductName;
  vb::Label lblCompanyProduct;
  vb::TextBox Text1;
  vb::CommandButton Command1;
  vb::CommandButton Command2;

  void Form_Load() {}
  // Closes this window and shows the install window.
  void Command1_Click();
  // Any key agrees.
  void Form_KeyPress(int& /*keyAscii*/) { Command1_Click(); }
  // Closes this window; with no other window loaded the installer ends.
  void Command2_Click();

 private:
  void ContinueSetup();
};

// The text of the agreement.
extern const char* const kAgreementText;
