// The Board Color window: edits the board and trace colours with a preview.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"
#include "platform/picturebox.h"

class Form9 : public vb::Form {
 public:
  explicit Form9(Brantel& app);
  Brantel& app;

  // True while the bars edit the board colour, False while they edit the trace colour.
  bool EditingBoard = true;

  vb::Label Label2;
  vb::PictureBox Picture1;  // preview, twip scale
  vb::PictureBox Picture2;  // red part
  vb::PictureBox Picture3;  // green part
  vb::PictureBox Picture4;  // blue part
  vb::VScrollBar VScroll1;  // red
  vb::VScrollBar VScroll2;  // green
  vb::VScrollBar VScroll3;  // blue
  vb::CommandButton Command2;  // "Cancel"
  vb::CommandButton Command3;  // "Edit Trace" / "Edit Board"
  vb::CommandButton Command1;  // "Done"
  vb::TextBox Text1;
  vb::TextBox Text2;
  vb::TextBox Text3;

  void Form_Load();
  // Splits a packed colour (red in the low byte) into its parts.
  static void ConVert(const Value& Colour, int& Blue, int& Green, int& Red);
  void VScroll1_Change();
  void VScroll2_Change();
  void VScroll3_Change();
  void Drawit();
  void Command3_Click();
  void Command1_Click();
  void Command2_Click();

 private:
  // Stores the bars' colour into the colour being edited and redraws the preview.
  void StoreAndDraw();
};
