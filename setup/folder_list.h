// The install window's folder lists: the platform's folder list (vb::DirListBox), with the
// path kept as the installer set it. The installer compares the path with the well-known
// folders as it wrote them ("C:\Windows\Desktop") and cuts profile names out of the
// subfolders' full paths by position, so both follow the spelling it set, also where the
// drive table maps a well-known folder onto another host folder.
#pragma once

#include <functional>
#include <string>

#include "platform/filelists.h"

namespace setup {

class FolderList {
 public:
  FolderList(vb::Container& parent, std::string name);

  const std::string& Path() const { return path_; }
  // 76 "Path not found" when the folder does not exist; the list keeps its path then.
  void SetPath(const std::string& path);
  int ListCount() const { return box_.ListCount(); }
  // The full path of subfolder i (0 to ListCount - 1); "" outside that range.
  std::string List(int index) const;

  bool Enabled() const { return box_.Enabled(); }
  void SetEnabled(bool on) { box_.SetEnabled(on); }
  bool Visible() const { return box_.Visible(); }
  void SetVisible(bool on) { box_.SetVisible(on); }
  void Move(double left, double top, double width, double height) { box_.Move(left, top, width, height); }

  std::function<void()> Change;

 private:
  vb::DirListBox box_;
  std::string path_;
};

}  // namespace setup
