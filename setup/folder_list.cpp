#include "setup/folder_list.h"

namespace setup {

FolderList::FolderList(vb::Container& parent, std::string name) : box_(parent, std::move(name)) {
  path_ = box_.Path();
  box_.Change = [this] {
    if (Change) Change();
  };
}

void FolderList::SetPath(const std::string& path) {
  box_.SetPath(path);
  path_ = path;
}

std::string FolderList::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  const std::string full = box_.List(index);
  const std::size_t sep = full.find_last_of('\\');
  const std::string name = sep == std::string::npos ? full : full.substr(sep + 1);
  const std::string base = !path_.empty() && path_.back() == '\\' ? path_ : path_ + "\\";
  return base + name;
}

}  // namespace setup
