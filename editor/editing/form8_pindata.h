// The Pin Data window: shows the data of the hole under the pointer.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"

class Form8 : public vb::Form {
 public:
  explicit Form8(Brantel& app);
  Brantel& app;

  vb::Label Label1;
  vb::TextBox Text3;   // grid position
  vb::Label Label2;
  vb::TextBox Text4;   // pin number
  vb::Label Label3;
  vb::TextBox Text5;   // reference
  vb::Label Label4;
  vb::TextBox Text12;  // value
  vb::Label Label5;
  vb::TextBox Text13;  // package
  vb::Label Label6;
  vb::TextBox Text10;  // strip number
  vb::CommandButton Command1;  // "Hide"

  void Command1_Click();
};
