// The Add Component window: lists the records of the part library, takes the reference and
// value of the part to place, and hands the pick to the main window's transfer boxes.
#pragma once

#include "editor/brantel.h"
#include "editor/editing/library.h"
#include "platform/controls.h"

class Form2 : public vb::Form {
 public:
  explicit Form2(Brantel& app);
  Brantel& app;

  vb::ListBox List1;
  vb::Label Label1;
  vb::TextBox Text1;  // reference
  vb::Label Label2;
  vb::TextBox Text2;  // value
  vb::Label Label3;
  vb::TextBox Text3;  // name of the part picked
  vb::CommandButton Command2;  // "Place Part"
  vb::CommandButton Command1;  // "Cancel"
  vb::CommandButton Command3;  // "Change lib"
  vb::CommandButton Command4;  // writes the library listing

  // Reads the default library into CompRecords and the list.
  void GetComps();
  // Puts a library that was read into CompRecords and the list.
  void ShowLibrary(LibraryContents lib);

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Form_Load();
  void List1_Click();
  void List1_DblClick();

 private:
  std::string DefaultLibrary() const;
  // Takes the selected record as the part to place; false when nothing was taken.
  bool PickSelected();
};

// Shows the library error of the Add Component window and the library chooser.
void LibraryNotFound();
