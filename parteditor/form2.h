// The "Edit" window: the list of the library's records, shown modally. A record is loaded
// for editing by Done or a click on it, and deleted by releasing the right button over it
// with Ctrl alone held.
#pragma once

#include "parteditor/moravint.h"
#include "platform/controls.h"

namespace moravint {

class Form2 : public vb::Form {
 public:
  explicit Form2(Moravint& app);
  Moravint& app;

  vb::ListBox List1;
  vb::CommandButton Command2;  // Done
  vb::CommandButton Command1;  // Cancel

  void Command1_Click();
  void Command2_Click();
  void List1_Click() { Command2_Click(); }
  void List1_MouseUp(int button, int shift, double x, double y);
};

}  // namespace moravint
