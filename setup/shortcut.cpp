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
  trap([&] { Dir1.SetPath("C:\\Windows\\Desktop"); });
  trap([&] { Dir1.SetPath("C:\\Documents and Settings"); });
  trap([&] { Text1.SetText(Dir1.Path()); });
  if (trap.Ended()) return false;
  if (Dir1.Path() == "C:\\Windows\\Desktop") {
    trap([&] {
      BuildLNKFile(Text1.Text(), savedSource);
      made = true;
    });
    return made;
  }
  const std::string base = Dir1.Path();
  for (int i = 0; i < Dir1.ListCount(); ++i) {
    const std::string full = Dir1.List(i);
    if (full == base + "\\Default User" || full == base + "\\LocalService" || full == base + "\\NetworkService") continue;
    trap([&] { app.Form4().List1.AddItem(vb::Mid(full, 27, 99)); });
  }
  trap([&] { app.Form4().Show(vb::vbModal); });
  trap([&] {
    BuildLNKFile(Text1.Text(), savedSource);
    made = true;
  });
  return made;
}

void Form1::BuildLNKFile(const std::string& LocationOfFile, const std::string& SourceOfDat) {
  // Both files close whatever happens (the objects close them when they go), and a
  // shortcut that fails part-way is not left behind.
  vb::BinaryFile tmpl(SourceOfDat + "\\link.dat", vb::BinaryAccess::Read);
  const long length = tmpl.Lof();
  const int blank = vb::InStr(Caption(), " ");
  if (blank == 0) throw vb::RuntimeError(5);
  const std::string name = vb::Left(Caption(), blank - 1);
  vb::TextWriter shortcut(LocationOfFile + "\\" + name + ".lnk");
  std::vector<unsigned char> bytes = tmpl.Get(1, static_cast<std::size_t>(length));
  for (long position : kDrivePositions) {
    if (position <= length) bytes[static_cast<std::size_t>(position - 1)] = static_cast<unsigned char>(vb::Asc(InstallDrive));
  }
  shortcut.Print(std::string(bytes.begin(), bytes.end()));
  shortcut.Close();
  tmpl.Close();
}
