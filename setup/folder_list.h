// The folder list of the install window (the runtime's directory list box), as far as the
// installer uses it: a path that only an existing folder can take, and the list of that
// folder's subfolders as full paths.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace setup {

class FolderList {
 public:
  FolderList(vb::Container& parent, std::string name);

  const std::string& Path() const { return path_; }
  // 76 "Path not found" when the folder does not exist; the list keeps its path then.
  void SetPath(const std::string& path);
  // The subfolders of Path, sorted regardless of case.
  int ListCount() const { return static_cast<int>(folders_.size()); }
  // The full path of subfolder i (0 to ListCount - 1); "" outside that range.
  std::string List(int index) const;

  bool Enabled() const { return box_.Enabled(); }
  void SetEnabled(bool on) { box_.SetEnabled(on); }
  bool Visible() const { return box_.Visible(); }
  void SetVisible(bool on) { box_.SetVisible(on); }
  void Move(double left, double top, double width, double height) { box_.Move(left, top, width, height); }

  std::function<void()> Change;

 private:
  void Fill();
  vb::ListBox box_;
  std::string path_;
  std::vector<std::string> folders_;
};

}  // namespace setup
