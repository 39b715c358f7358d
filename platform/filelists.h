// The runtime's drive, folder and file lists. They show the drives of the drive table
// (platform/paths.h) and the folders and files below them, keep their state here and mirror
// it to a list widget, and fire their events in the runtime's order.
//
// Paths are in platform form ("C:\Brantel\Designs", the root "C:\"); the names in them are
// spelled as the host folder spells them, in the programs' text (TextName). The lists show
// each name in its own letters: one the text cannot hold is shown as the host names it,
// while the programs get it with "?" for those letters, which no file name may hold. A drive
// that is not in the table, or whose folder is gone, is error 68 "Device unavailable"; a
// folder that does not exist is error 76.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace vb {

// The letters of the mapped drives whose folders exist, in order ('C', 'D', ...).
std::vector<char> MappedDrives();

// The platform form of a folder, spelled as on the host: an absolute path, "x:" (the current
// folder when it lies on that drive, else its root), or a path relative to `base`. Raises 68
// for a drive that is not there and 76 for a folder that does not exist.
std::string ResolveFolder(const std::string& path, const std::string& base);

// The drive list: one entry per mapped drive, shown as "c:".
class DriveListBox : public Control {
 public:
  DriveListBox(Container& parent, std::string name);
  // The selected entry, "c:".
  std::string Drive() const;
  // Takes the first letter; another drive than the current one runs Change. 68 when the
  // drive is not there.
  void SetDrive(const std::string& drive);
  int ListCount() const { return static_cast<int>(drives_.size()); }
  std::string List(int index) const;
  int ListIndex() const { return index_; }
  void SetListIndex(int index);
  // Reads the drive table again.
  void Refresh();
  std::function<void()> Change;

 private:
  void Rebuild();
  void Mirror();
  void Pick(int index);
  std::vector<char> drives_;
  int index_ = -1;
};

// The folder list: the current folder's parents down from the root, the current folder, and
// its subfolders. List(-1) is the current folder, List(-2) its parent and so on up to the
// root; List(0) .. List(ListCount - 1) are the subfolders, as full paths. A single click
// selects an entry (Click); a double click or Enter opens it (Path changes, Change).
class DirListBox : public Control {
 public:
  DirListBox(Container& parent, std::string name);
  const std::string& Path() const { return path_; }
  // Runs Change when the folder differs from the current one.
  void SetPath(const std::string& path);
  // Subfolders only.
  int ListCount() const { return static_cast<int>(subfolders_.size()); }
  // Subfolders from 0, the current folder at -1, its parents below; "" outside the list.
  std::string List(int index) const;
  int ListIndex() const { return index_; }
  void SetListIndex(int index);
  void Refresh();
  // Opens the selected entry, as a double click does.
  void OpenSelected();
  std::function<void()> Change;
  std::function<void()> Click;

 private:
  friend class DirListWidget;
  int Levels() const { return static_cast<int>(ancestors_.size()); }  // parents and the current folder
  void Load(const std::string& path);
  void Rebuild();
  std::string path_;
  std::vector<std::string> ancestors_;  // root first, the current folder last
  std::vector<std::string> subfolders_;
  std::vector<std::string> shown_;  // the subfolders' names as the list shows them (UTF-8)
  int index_ = -1;
};

// The file list: the files of one folder that match the pattern ("*.*" by default; several
// patterns are separated by ";"), sorted regardless of case.
class FileListBox : public Control {
 public:
  FileListBox(Container& parent, std::string name);
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(const std::string& pattern);
  // The selected file's name, "" when none is selected.
  std::string FileName() const;
  // A name with a folder moves the list to that folder; a name with * or ? becomes the
  // pattern; a plain name selects that file when the list holds it.
  void SetFileName(const std::string& name);
  int ListCount() const { return static_cast<int>(files_.size()); }
  std::string List(int index) const;
  int ListIndex() const { return index_; }
  // Selecting another entry (or none, -1) runs Click; so does a user's click on any entry,
  // the chosen one too.
  void SetListIndex(int index);
  // A user's click on the chosen entry.
  void PickAgain();
  bool Selected(int index) const { return index >= 0 && index == index_; }
  // Reads the folder again.
  void Refresh();
  std::function<void()> Click;
  std::function<void()> DblClick;

 private:
  void Rebuild();
  std::string path_;
  std::string pattern_ = "*.*";
  std::vector<std::string> files_;
  std::vector<std::string> shown_;  // the names as the list shows them (UTF-8)
  int index_ = -1;
};

}  // namespace vb
