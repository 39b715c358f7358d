// The install window: destination and source, the progress bar, and Install, Remove,
// Exit and Calc. Its operations are defined by concern: form1.cpp (load, destination box,
// exit), install.cpp (install sequence), shortcut.cpp (desktop folder and shortcut),
// removal.cpp (removal and calculator), default_library.cpp and data_files.cpp (writers).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/controls.h"
#include "platform/errortrap.h"
#include "platform/picturebox.h"
#include "platform/filelists.h"

class Setup;

class Form1 : public vb::Form {
 public:
  explicit Form1(Setup& app);
  Setup& app;

  vb::Label Label1;
  vb::TextBox Text2;
  vb::Label Label2;
  vb::TextBox Text1;
  vb::Label Label3;
  vb::Label Label4;
  vb::TextBox Text5;
  vb::PictureBox Picture1;
  vb::DirListBox Dir1;
  vb::DirListBox Dir2;
  vb::CommandButton Command4;
  vb::CommandButton Command5;
  vb::CommandButton Command1;
  vb::CommandButton Command2;

  // The drive letter of the last install: the first character of the destination box.
  std::string InstallDrive;
  // The destination box's last value with a drive letter first; a refused entry goes back to it.
  std::string LastDestination = "C:\\Brantel";
  // The colour the status line was given last (vbWhite until an install or a removal).
  vb::Colour StatusColour = vb::vbWhite;

  void Form_Load();
  void Form_Terminate();
  void Text2_Change();
  void Dir1_Change() {}
  void Dir2_Change() {}
  void Command4_Click() { DoInstall(); }
  void Command5_Click();
  void Command1_Click();
  void Command2_Click();

  // Reads the setup list for its line count, clears the progress bar, and gives the width
  // of one file's box. Raises the runtime's error when the list cannot be read.
  void SizIniFile(double& count, double& step, double& position);
  void BuildLNKFile(const std::string& LocationOfFile, const std::string& SourceOfDat);
  void CountUp();

  // Writers of the default part library and the data files into the destination folder.
  void BuildPart();
  void BuildCdata(const std::string& header);
  void BuildOdata(const std::string& header);
  void BuildXref(const std::string& header);

 private:
  void DoInstall();
  // Finds the desktop folder (after the user's choice where there are profiles) and
  // makes the shortcut there, each step under the install sequence's trap (see Step).
  // True when the shortcut was written.
  bool MakeShortcut(vb::ErrorTrap& trap, const std::string& savedSource);
  // The installer's trap: 75, 76 and 58 passed over, 53 reported, others end.
  vb::ErrorTrap Trap();
  // Runs one statement of the install sequence under the trap. `place` names the file (or
  // folder) the statement writes or looks at, empty when none: an error the statement
  // raises is kept with it, so that an error that ends the sequence names its file.
  bool Step(vb::ErrorTrap& trap, const std::string& place, const std::function<void()>& statement);
  // The "Error Manager" message for a failure of the setup list itself.
  void ReportScriptError(int number);
  void WriteInstallRecord();
  // Writers that fail are reported and added to `failed`.
  void BuildDataFiles(std::vector<std::string>& failed);
  // The shortcut's file name: the caption's first word and ".lnk"; empty when the caption
  // holds no blank.
  std::string ShortcutName() const;
  // Says why the install sequence ended before its end, and where: the error and the place
  // the last failing step named.
  void ReportUnfinished();
  void SetStatusColour(vb::Colour c);
  bool busy_ = false;
  // The text of the last error a step of the install sequence raised, and the place it named.
  std::string stopWhy_;
  std::string stopPlace_;
};
