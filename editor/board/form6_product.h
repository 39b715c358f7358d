// The product information window: a fixed table of the larger edition's features.
#pragma once

#include <array>

#include "editor/brantel.h"
#include "platform/controls.h"

class Form6 : public vb::Form {
 public:
  explicit Form6(Brantel& app);
  Brantel& app;

  // Feature captions and the two columns of tick boxes.
  vb::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
  vb::CheckBox Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8;
  vb::CheckBox Check9, Check10, Check11, Check12, Check13, Check14, Check15, Check16;
  vb::Label lblCompany;       // link to the larger edition's page
  vb::CommandButton Command1;  // "Done"

  void Command1_Click();
  void lblCompany_Click();
  // A click on a tick box puts its fixed tick back.
  void KeepTick(vb::CheckBox& box, int value);
};
