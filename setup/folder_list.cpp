#include "setup/folder_list.h"

#include "platform/errors.h"
#include "platform/files.h"

namespace setup {

FolderList::FolderList(vb::Container& parent, std::string name) : box_(parent, std::move(name)) {}

void FolderList::SetPath(const std::string& path) {
  if (!vb::FolderExists(path)) throw vb::RuntimeError(76);
  const bool changed = path != path_;
  path_ = path;
  Fill();
  if (changed && Change) Change();
}

std::string FolderList::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  const std::string base = !path_.empty() && path_.back() == '\\' ? path_ : path_ + "\\";
  return base + folders_[static_cast<std::size_t>(index)];
}

void FolderList::Fill() {
  folders_ = vb::ListFolders(path_);
  box_.Clear();
  for (const std::string& f : folders_) box_.AddItem(f);
}

}  // namespace setup
