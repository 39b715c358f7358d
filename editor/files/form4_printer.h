// The Printer window: a preview of the board, printing the board as the screen shows it or
// at actual size, and the calibration page from which the printer's scale is read.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"
#include "platform/picturebox.h"

class Form4 : public vb::Form {
 public:
  explicit Form4(Brantel& app);
  Brantel& app;

  vb::Frame Frame1;  // "Print Preview"
  vb::PictureBox Picture1;
  vb::CheckBox Check1;        // "Label Preview"
  vb::CommandButton Command2;  // "Preview"
  vb::CommandButton Command5;  // "Print Screen"

  vb::Frame Frame2;  // "Calibrate"
  vb::CommandButton Command1;  // "Print and mearsure"
  vb::Label Label1;
  vb::TextBox Text1;  // scale across
  vb::Label Label2;
  vb::TextBox Text2;  // scale down
  vb::CommandButton Command3;  // "Print an actual size image"

  vb::Frame Frame3;  // "Control"
  vb::CommandButton Command4;  // "Cancel"
  vb::CommandButton Command6;  // "Done"

  void Form_Load();
  // 0 preview, 1 the screen image on the printer, 2 the board at actual size.
  void PrintBoard(const Value& mode);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Check1_Click();

 private:
  // Sends the printed page; a failure is reported. False when nothing was sent.
  bool EndPrintJob();
};
