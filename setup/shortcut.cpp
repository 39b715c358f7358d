// The desktop folder, the user chooser and the shortcut made from the medium's template.
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "setup/form1.h"
#include "setup/form4.h"
#include "setup/program.h"

namespace {

// The byte positions (1-based) of the drive letters in the shortcut template.
constexpr long kDrivePositions[] = {102, 244, 297};

}  // namespace

bool Form1::MakeShortcut(vb::ErrorTrap& trap, const std::string& savedSource) {
  bool made = false;
  const auto build = [&] {
    const std::string name = ShortcutName();
    Step(trap, name.empty() ? Text1.Text() : Text1.Text() + "\\" + name, [&] {
      BuildLNKFile(Text1.Text(), savedSource);
      made = true;
    });
  };
  Step(trap, "C:\\Windows\\Desktop", [&] { Dir1.SetPath("C:\\Windows\\Desktop"); });
  Step(trap, "C:\\Documents and Settings", [&] { Dir1.SetPath("C:\\Documents and Settings"); });
  Step(trap, "", [&] { Text1.SetText(Dir1.Path()); });
  if (trap.Ended()) return false;
  if (Dir1.Path() == "C:\\Windows\\Desktop") {
    build();
    return made;
  }
  const std::string base = Dir1.Path();
  for (int i = 0; i < Dir1.ListCount(); ++i) {
    const std::string full = Dir1.List(i);
    if (full == base + "\\Default User" || full == base + "\\LocalService" || full == base + "\\NetworkService") continue;
    Step(trap, "", [&] { app.Form4().List1.AddItem(vb::Mid(full, 27, 99)); });
  }
  Step(trap, "", [&] { app.Form4().Show(vb::vbModal); });
  build();
  return made;
}

std::string Form1::ShortcutName() const {
  const int blank = vb::InStr(Caption(), " ");
  return blank == 0 ? std::string() : vb::Left(Caption(), blank - 1) + ".lnk";
}

void Form1::BuildLNKFile(const std::string& LocationOfFile, const std::string& SourceOfDat) {
  // Both files close whatever happens (the objects close them when they go), and a
  // shortcut that fails part-way is not left behind.
  vb::BinaryFile tmpl(SourceOfDat + "\\link.dat", vb::BinaryAccess::Read);
  const long length = tmpl.Lof();
  const std::string name = ShortcutName();
  if (name.empty()) throw vb::RuntimeError(5);
  vb::TextWriter shortcut(LocationOfFile + "\\" + name);
  std::vector<unsigned char> bytes = tmpl.Get(1, static_cast<std::size_t>(length));
  for (long position : kDrivePositions) {
    if (position <= length) bytes[static_cast<std::size_t>(position - 1)] = static_cast<unsigned char>(vb::Asc(InstallDrive));
  }
  shortcut.Print(std::string(bytes.begin(), bytes.end()));
  shortcut.Close();
  tmpl.Close();
}
