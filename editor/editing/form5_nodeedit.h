// The Node Edit window: eight fields of one pin for editing, written back on Done.
#pragma once

#include "editor/brantel.h"
#include "platform/control_array.h"
#include "platform/controls.h"

class Form5 : public vb::Form {
 public:
  explicit Form5(Brantel& app);
  Brantel& app;

  vb::ControlArray<vb::Label> Label1;    // the field names beside the boxes
  vb::ControlArray<vb::TextBox> Text7;   // pin number, name, value, package, net name,
                                         // net number, strip number, offset
  vb::CommandButton Command1;  // "Done"
  vb::CommandButton Command2;  // "Cancel"

  void Form_Load();
  void Command1_Click();
  void Command2_Click();

  // The hole the boxes were filled from; Done writes back to it.
  int HoleX() const { return holeX_; }
  int HoleY() const { return holeY_; }

 private:
  int holeX_ = 0, holeY_ = 0;
};

// The hole inspection window: the twenty fields of one hole, read-only.
class Diags : public vb::Form {
 public:
  explicit Diags(Brantel& app);
  Brantel& app;

  vb::Label Label21;                    // "Component xy list "
  vb::ControlArray<vb::Label> Label1;   // field names
  vb::ControlArray<vb::TextBox> Text7;  // fields 0 to 19
  vb::ControlArray<vb::TextBox> Text6;  // a second column, not filled

  // Fills the boxes from hole (across, down).
  void DoDiags(const Value& across, const Value& down);
};
