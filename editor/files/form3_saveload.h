// The Save/Load window: a drive, a folder and a design file, or a typed name; Open loads
// the named design into the board, Save writes the board under the name.
#pragma once

#include <string>

#include "editor/brantel.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/picturebox.h"

class Form3 : public vb::Form {
 public:
  explicit Form3(Brantel& app);
  Brantel& app;

  vb::DriveListBox Drive1;
  vb::DirListBox Dir1;
  vb::FileListBox File1;
  vb::TextBox Text1;           // the file name, or a pattern
  vb::CommandButton Command1;  // "Open"
  vb::CommandButton Command2;  // "Save"
  vb::CommandButton Command3;  // "Cancel"
  vb::PictureBox Picture1;     // the progress box of a load

  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void File1_DblClick();
  // Open: loads the named design. The window's only public operation.
  void Command1_Click();
  // Save: writes the design under the name.
  void Command2_Click();
  // Cancel.
  void Command3_Click();

 private:
  // The file's platform path: the folder, "\" and the trimmed name.
  std::string DesignPath(const std::string& folder) const;
  void TurnViewBack();
  void LoadDesign(const std::string& path);
};
