// The main window "Moravint Component creator": the drawing picture, the part's header
// boxes, the Mode boxes and the buttons. The member functions are defined by concern:
//   form1.cpp    design, start-up of the editor and exit
//   grid.cpp     the drawing grid: clicks, rubber band, redraw, styles, compress/expand
//   record.cpp   the package code, the corrections while typing, and Save
//   library.cpp  reading the library, loading and deleting records, the "Edit" window
#pragma once

#include <string>

#include "parteditor/moravint.h"
#include "platform/controls.h"
#include "platform/picturebox.h"

namespace moravint {

class Form1 : public vb::Form {
 public:
  explicit Form1(Moravint& app);

  Moravint& app;
  Module1& m;

  // ---- controls ----
  vb::PictureBox Picture1;  // the drawing
  vb::Label Label2;         // hint

  vb::Frame Frame1;  // "Component"
  vb::Label Label1;
  vb::TextBox Text1;  // name
  vb::Label Label3;
  vb::TextBox Text3;  // number of pins
  vb::Label Label4;
  vb::TextBox Text4;  // spacing

  vb::Frame Frame2;  // "Line"
  vb::Label Label5;
  vb::TextBox Text7;  // count
  vb::Label Label6;
  vb::TextBox Text2;  // thickness
  vb::CommandButton Command1;   // Redraw
  vb::CommandButton Command3;   // Restart
  vb::CommandButton Command4;   // Cancel last
  vb::CommandButton Command20;  // Comp-Y
  vb::CommandButton Command21;  // Expan-Y
  vb::CommandButton Command9, Command10, Command11, Command12, Command13, Command14, Command15, Command16,
      Command17, Command18;    // styles "A" to "J"
  vb::CommandButton Command19;  // Hide: style "S"

  vb::Frame Frame3;  // "Mode"
  vb::TextBox Text6;  // package code
  vb::CheckBox Check1;  // Orthagonal
  vb::CheckBox Check2;  // Mean XY
  vb::CheckBox Check3;  // Dual Inline
  vb::CheckBox Check4;  // Z-Pack
  vb::CheckBox Check5;  // Q-Pack
  vb::CheckBox Check6;  // Random
  vb::CheckBox Check7;  // Slideable
  vb::TextBox Text8;  // grid step

  vb::Frame Frame4;  // "Control"
  vb::CommandButton Command2;  // Save
  vb::CommandButton Command5;  // Open
  vb::CommandButton Command8;  // Exit
  vb::TextBox Text5;  // slide flag

  // ---- menu bar ----
  vb::MenuItem File;
  vb::MenuItem open;
  vb::MenuItem save;
  vb::MenuItem exit;
  vb::MenuItem Options;
  vb::MenuItem Import;

  // ---- window state ----
  double OrgX = 125, OrgY = 75;
  double CurX = 125, CurY = 75;
  int SegIndex = 0;
  int EditIndex = 0;

  // ---- form1.cpp ----
  void Form_Load();
  void Form_Unload();
  void Command8_Click();
  void Form_Terminate() { Command8_Click(); }
  void exit_Click() { Command8_Click(); }
  void open_Click() { Command5_Click(); }
  void save_Click() { Command2_Click(); }

  // ---- grid.cpp ----
  void Picture1_MouseUp(int button, int shift, double x, double y);
  void Picture1_MouseMove(int button, int shift, double x, double y);
  void Command1_Click();  // Redraw
  void Command3_Click();  // Restart
  void Command4_Click();  // Cancel last
  void Command20_Click();  // Comp-Y
  void Command21_Click();  // Expan-Y
  void ChooseStyle(const std::string& letter);
  void Text8_Change();
  vb::Colour GetColor(const std::string& style) const;
  void redoGrid(double w, double h);

  // ---- record.cpp ----
  void BuildC();
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Check5_Click();
  void Check6_Click();
  void Check7_Click();
  void Text1_Change();
  void Text3_Change();
  void Command2_Click();  // Save

  // ---- library.cpp ----
  // Reads the library; false when it exists but could not be read.
  bool GetComps();
  void Command5_Click();  // Open
  // Puts library record `index` into the header boxes and the drawing; false (with a
  // message, nothing changed) when it has more lines than the drawing holds.
  bool LoadComp(int index);
  // Removes library record `index` and rewrites the library; false when it could not be
  // written, in which case nothing changed.
  bool DeleteRecord(int index);
  // Writes records 0 to LibCount of `records` as the library; false (with a message) when
  // it could not be written, in which case the old library stays.
  bool WriteLibrary(const std::vector<std::string>& records);

 private:
  // The number in the Count box, read as the limit when it is too large for any number.
  double LineCount() const;
  // The shared lines of Comp-Y and Expan-Y.
  void ScaleVertical(bool compress);
};

}  // namespace moravint
