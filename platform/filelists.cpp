#include "platform/filelists.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/widgets_p.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

constexpr int kIndentPx = 14;
constexpr int kDepthRole = Qt::UserRole + 1;

RuntimeError DeviceUnavailable() { return RuntimeError(68, "Device unavailable"); }

void CheckRange(bool ok) {
  if (!ok) throw RuntimeError(380, "Invalid property value");
}

bool IsFolder(const std::string& host) {
  std::error_code ec;
  return fs::is_directory(host, ec);
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The host folder of a drive; 68 when the drive is not mapped or its folder is gone.
std::string DriveRoot(char letter) {
  std::string host;
  try {
    host = HostPath(std::string(1, letter) + ":\\");
  } catch (const RuntimeError&) {
    throw DeviceUnavailable();
  }
  if (!IsFolder(host)) throw DeviceUnavailable();
  return host;
}

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> out;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) out.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) out.push_back(part);
  return out;
}

std::string Join(char drive, const std::vector<std::string>& comps) {
  std::string out(1, drive);
  out += ":";
  if (comps.empty()) return out + "\\";
  for (const auto& c : comps) out += "\\" + c;
  return out;
}

// Drive letter and components of a path in the lists' own form ("C:\a\b"); 0 when empty.
char ParseCanonical(const std::string& path, std::vector<std::string>& comps) {
  comps.clear();
  if (path.size() < 2 || path[1] != ':') return 0;
  comps = SplitComponents(path.substr(2));
  return Upper(path[0]);
}

// The current folder of the program when it lies on `drive`.
bool CurrentFolderOn(char drive, std::vector<std::string>& comps) {
  const std::string cur = PlatformPath(CurrentHostFolder());
  return ParseCanonical(cur, comps) == drive && drive != 0;
}

// The style builds a standard icon afresh from its image files at every call, and the lists
// ask for one at every refresh; each is built once per style. The cache lives on the style,
// so it goes with it.
class IconCache : public QObject {
 public:
  using QObject::QObject;
  std::map<int, QIcon> icons;
};

QIcon StandardIcon(QStyle::StandardPixmap which) {
  QStyle* style = QApplication::style();
  auto* cache = style->findChild<IconCache*>(QString(), Qt::FindDirectChildrenOnly);
  if (!cache) cache = new IconCache(style);
  auto it = cache->icons.find(which);
  if (it == cache->icons.end()) it = cache->icons.emplace(which, style->standardIcon(which)).first;
  return it->second;
}

// Paints an entry indented by its depth, so the folder list reads as a tree.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    o.rect.adjust(index.data(kDepthRole).toInt() * kIndentPx, 0, 0, 0);
    QStyledItemDelegate::paint(painter, o, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.rwidth() += index.data(kDepthRole).toInt() * kIndentPx;
    return s;
  }
};

// A listed name as the list shows it: the programs' text in its own letters, or, for a name
// with letters the text cannot hold, the host's name itself.
std::string Shown(const ListedName& entry) {
  bool whole = true;
  TextName(entry.host, &whole);
  return whole ? HostName(entry.text) : entry.host;
}

// The first folder the lists show: the program's current folder, else the root of C:.
std::string StartFolder() {
  try {
    return ResolveFolder(PlatformPath(CurrentHostFolder()), "");
  } catch (const RuntimeError&) {
  }
  try {
    return ResolveFolder("C:\\", "");
  } catch (const RuntimeError&) {
  }
  return "";
}

}  // namespace

std::vector<char> MappedDrives() {
  std::vector<char> out;
  for (char c = 'A'; c <= 'Z'; ++c) {
    try {
      DriveRoot(c);
      out.push_back(c);
    } catch (const RuntimeError&) {
    }
  }
  return out;
}

std::string ResolveFolder(const std::string& pathIn, const std::string& base) {
  std::string p = pathIn;
  std::vector<std::string> baseComps;
  char baseDrive = ParseCanonical(base, baseComps);
  if (baseDrive == 0) {
    baseDrive = ParseCanonical(PlatformPath(CurrentHostFolder()), baseComps);
    if (baseDrive == 0) baseDrive = 'C';
  }

  char drive = baseDrive;
  std::vector<std::string> comps;
  std::string rest = p;
  if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
    drive = Upper(p[0]);
    rest = p.substr(2);
    if (rest.empty() || (rest[0] != '\\' && rest[0] != '/')) {
      // "x:" and "x:name" start at the drive's current folder.
      if (drive == baseDrive) {
        comps = baseComps;
      } else if (!CurrentFolderOn(drive, comps)) {
        comps.clear();
      }
    }
  } else if (p.empty() || (p[0] != '\\' && p[0] != '/')) {
    comps = baseComps;
  }
  for (const auto& c : SplitComponents(rest)) {
    if (c == ".") continue;
    if (c == "..") {
      if (!comps.empty()) comps.pop_back();
      continue;
    }
    comps.push_back(c);
  }

  const std::string root = DriveRoot(drive);
  const std::string host = HostPath(Join(drive, comps));
  if (!IsFolder(host)) throw RuntimeError(76);
  // Spell every name as the host does, where the folder lies at its literal place below the
  // drive's root. A well-known folder mapped elsewhere (the desktop) keeps the spelling it was
  // given, so that "C:\Windows\Desktop" stays what the program set.
  if (host.size() >= root.size() && host.compare(0, root.size(), root) == 0) {
    const std::vector<std::string> spelled = SplitComponents(TextName(host.substr(root.size())));
    const auto sameName = [](const std::string& a, const std::string& b) { return UCase(a) == UCase(b); };
    const bool literal =
        spelled.size() == comps.size() && std::equal(spelled.begin(), spelled.end(), comps.begin(), sameName);
    if (literal) comps = spelled;
  }
  return Join(drive, comps);
}

// ---- DriveListBox ----

DriveListBox::DriveListBox(Container& parent, std::string name) : Control(parent, std::move(name)) {
  auto* c = new QComboBox;
  QObject::connect(c, &QComboBox::activated, c, [this](int i) {
    if (i != index_) UserEvent([this, i] { SetDrive(List(i)); });
    Mirror();  // shows the drive in force, also when the chosen one failed
  });
  Adopt(c);
  drives_ = MappedDrives();
  std::vector<std::string> comps;
  const char current = ParseCanonical(StartFolder(), comps);
  for (size_t i = 0; i < drives_.size(); ++i) {
    if (drives_[i] == current) index_ = static_cast<int>(i);
  }
  if (index_ < 0 && !drives_.empty()) index_ = 0;
  Rebuild();
}

std::string DriveListBox::Drive() const { return List(index_); }

std::string DriveListBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return "";
  return LCase(std::string(1, drives_[static_cast<size_t>(index)])) + ":";
}

void DriveListBox::SetDrive(const std::string& drive) {
  if (drive.empty() || !std::isalpha(static_cast<unsigned char>(drive[0]))) throw DeviceUnavailable();
  const char letter = Upper(drive[0]);
  DriveRoot(letter);
  auto it = std::find(drives_.begin(), drives_.end(), letter);
  if (it == drives_.end()) {
    // The table changed since the list was read.
    const char before = index_ >= 0 ? drives_[static_cast<size_t>(index_)] : 0;
    drives_ = MappedDrives();
    const auto keep = std::find(drives_.begin(), drives_.end(), before);
    index_ = keep == drives_.end() ? -1 : static_cast<int>(keep - drives_.begin());
    it = std::find(drives_.begin(), drives_.end(), letter);
    Rebuild();
  }
  Pick(static_cast<int>(it - drives_.begin()));
}

void DriveListBox::SetListIndex(int index) {
  CheckRange(index >= 0 && index < ListCount());
  SetDrive(List(index));
}

void DriveListBox::Refresh() {
  const std::string before = Drive();
  drives_ = MappedDrives();
  index_ = -1;
  for (int i = 0; i < ListCount(); ++i) {
    if (List(i) == before) index_ = i;
  }
  Rebuild();
}

void DriveListBox::Pick(int index) {
  if (index == index_) return;
  index_ = index;
  Mirror();
  if (Live() && Change) Change();
}

void DriveListBox::Mirror() {
  auto* c = static_cast<QComboBox*>(Widget());
  if (c->currentIndex() == index_) return;
  const QSignalBlocker block(c);
  c->setCurrentIndex(index_);
}

void DriveListBox::Rebuild() {
  auto* c = static_cast<QComboBox*>(Widget());
  const QSignalBlocker block(c);
  c->clear();
  const QIcon icon = StandardIcon(QStyle::SP_DriveHDIcon);
  for (int i = 0; i < ListCount(); ++i) c->addItem(icon, ToQ(List(i)));
  c->setCurrentIndex(index_);
}

// ---- DirListBox ----

// The folder list's widget: a double click or Enter opens the entry.
class DirListWidget : public QListWidget {
 public:
  explicit DirListWidget(DirListBox& box) : box_(box) {
    setItemDelegate(new IndentDelegate(this));
    QObject::connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
      if (row < 0) return;
      const int index = row - box_.Levels();
      if (index != box_.index_) box_.UserEvent([this, index] { box_.SetListIndex(index); });
    });
    QObject::connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
      const int index = row(item) - box_.Levels();
      box_.UserEvent([this, index] {
        box_.SetListIndex(index);
        box_.OpenSelected();
      });
    });
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      box_.UserEvent([this] { box_.OpenSelected(); });
      return;
    }
    QListWidget::keyPressEvent(e);
  }

 private:
  DirListBox& box_;
};

DirListBox::DirListBox(Container& parent, std::string name) : Control(parent, std::move(name)) {
  Adopt(new DirListWidget(*this));
  const std::string start = StartFolder();
  if (!start.empty()) Load(start);
}

void DirListBox::SetPath(const std::string& path) {
  const std::string next = ResolveFolder(path, path_);
  const bool changed = next != path_;
  Load(next);
  if (changed && Live() && Change) Change();
}

std::string DirListBox::List(int index) const {
  if (index >= 0) return index < ListCount() ? subfolders_[static_cast<size_t>(index)] : "";
  if (-index > Levels()) return "";
  return ancestors_[static_cast<size_t>(Levels() + index)];
}

void DirListBox::SetListIndex(int index) {
  CheckRange(index >= -Levels() && index < ListCount() && Levels() > 0);
  if (index == index_) return;
  index_ = index;
  auto* l = static_cast<QListWidget*>(Widget());
  {
    const QSignalBlocker block(l);
    l->setCurrentRow(index + Levels());
  }
  if (Live() && Click) Click();
}

void DirListBox::Refresh() {
  if (!path_.empty()) Load(path_);
}

void DirListBox::OpenSelected() {
  const std::string target = List(index_);
  if (!target.empty()) SetPath(target);
}

void DirListBox::Load(const std::string& path) {
  path_ = path;
  ancestors_.clear();
  subfolders_.clear();
  index_ = -1;
  std::vector<std::string> comps;
  const char drive = ParseCanonical(path, comps);
  for (size_t n = 0; n <= comps.size(); ++n) {
    ancestors_.push_back(Join(drive, std::vector<std::string>(comps.begin(), comps.begin() + static_cast<long>(n))));
  }
  shown_.clear();
  const std::string prefix = comps.empty() ? path : path + "\\";
  for (const auto& entry : ListNames(path, true)) {
    subfolders_.push_back(prefix + entry.text);
    shown_.push_back(Shown(entry));
  }
  Rebuild();
}

void DirListBox::Rebuild() {
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  l->clear();
  const QIcon open = StandardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = StandardIcon(QStyle::SP_DirClosedIcon);
  const QIcon drive = StandardIcon(QStyle::SP_DriveHDIcon);
  for (int k = 0; k < Levels(); ++k) {
    const std::string& full = ancestors_[static_cast<size_t>(k)];
    const std::string text = k == 0 ? full : full.substr(full.rfind('\\') + 1);
    auto* item = new QListWidgetItem(k == 0 ? drive : open, QString::fromStdString(HostName(text)));
    item->setData(kDepthRole, k);
    l->addItem(item);
  }
  for (const std::string& name : shown_) {
    auto* item = new QListWidgetItem(closed, QString::fromStdString(name));
    item->setData(kDepthRole, Levels());
    l->addItem(item);
  }
  if (Levels() > 0) {
    l->setCurrentRow(index_ + Levels());
    l->scrollToItem(l->currentItem());
  }
}

// ---- FileListBox ----

// The file list's widget: a click on the chosen entry picks it again.
class FileListWidget : public QListWidget {
 public:
  explicit FileListWidget(FileListBox& box) : box_(box) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    const int before = box_.ListIndex();
    QListWidget::mousePressEvent(e);
    const int row = indexAt(e->position().toPoint()).row();
    if (e->button() == Qt::LeftButton && row >= 0 && row == before && row == box_.ListIndex()) {
      box_.PickAgain();
    }
  }

 private:
  FileListBox& box_;
};

FileListBox::FileListBox(Container& parent, std::string name) : Control(parent, std::move(name)) {
  auto* l = new FileListWidget(*this);
  QObject::connect(l, &QListWidget::currentRowChanged, l, [this](int row) {
    if (row != index_) UserEvent([this, row] { SetListIndex(row); });
  });
  QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this](QListWidgetItem*) { UserEvent(DblClick); });
  Adopt(l);
  path_ = StartFolder();
  Refresh();
}

void FileListBox::SetPath(const std::string& path) {
  path_ = ResolveFolder(path, path_);
  Refresh();
}

void FileListBox::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Refresh();
}

void FileListBox::PickAgain() { UserEvent(Click); }

std::string FileListBox::FileName() const { return List(index_); }

void FileListBox::SetFileName(const std::string& name) {
  std::string file = name;
  const size_t cut = name.find_last_of("\\/:");
  if (cut != std::string::npos) {
    std::string folder = name.substr(0, cut + 1);
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') && folder[folder.size() - 2] != ':') {
      folder.pop_back();
    }
    SetPath(folder);
    file = name.substr(cut + 1);
  }
  if (file.empty()) return;
  if (file.find_first_of("*?") != std::string::npos) {
    SetPattern(file);
    return;
  }
  for (int i = 0; i < ListCount(); ++i) {
    if (LCase(List(i)) == LCase(file)) {
      SetListIndex(i);
      return;
    }
  }
}

std::string FileListBox::List(int index) const {
  return index >= 0 && index < ListCount() ? files_[static_cast<size_t>(index)] : "";
}

void FileListBox::SetListIndex(int index) {
  CheckRange(index >= -1 && index < ListCount());
  if (index == index_) return;
  index_ = index;
  auto* l = static_cast<QListWidget*>(Widget());
  {
    const QSignalBlocker block(l);
    l->setCurrentRow(index);
  }
  if (Live() && Click) Click();
}

void FileListBox::Refresh() {
  files_.clear();
  shown_.clear();
  index_ = -1;
  if (!path_.empty()) {
    std::vector<std::string> patterns;
    size_t pos = 0;
    while (pos <= pattern_.size()) {
      size_t end = pattern_.find(';', pos);
      if (end == std::string::npos) end = pattern_.size();
      const std::string one = Trim(pattern_.substr(pos, end - pos));
      if (!one.empty()) patterns.push_back(one);
      pos = end + 1;
    }
    if (patterns.empty()) patterns.push_back("*.*");
    for (const auto& entry : ListNames(path_, false)) {
      const auto matches = [&](const std::string& p) { return MatchesPattern(entry.text, p); };
      if (std::any_of(patterns.begin(), patterns.end(), matches)) {
        files_.push_back(entry.text);
        shown_.push_back(Shown(entry));
      }
    }
  }
  Rebuild();
}

void FileListBox::Rebuild() {
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  l->clear();
  const QIcon icon = StandardIcon(QStyle::SP_FileIcon);
  for (const std::string& name : shown_) l->addItem(new QListWidgetItem(icon, QString::fromStdString(name)));
  l->setCurrentRow(index_);
}

}  // namespace vb
