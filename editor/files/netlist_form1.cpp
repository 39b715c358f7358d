// The main window's netlist commands: File > Export (Tango, OrCAD PCB II), the pin list,
// and File > Import > Tango, which reads a Tango netlist back and checks its blocks.
#include "editor/files/netlist.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"

namespace {

// Writes a whole file through the writer every file of the program goes through: the old file
// is replaced only when the new one is complete. On failure the old file stays and false comes
// back with the reason.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& reason) {
  try {
    vb::TextWriter out(path);
    out.Print(bytes);
    out.Close();
    return true;
  } catch (const vb::RuntimeError& e) {
    reason = e.Description();
  }
  return false;
}

// A netlist's path as messages show it: in the platform's own form, with "\\" between folder and
// name, although the folder and the name are joined by "/" to open it.
std::string Shown(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void ImportError(const std::string& text) { vb::MsgBox(text, vb::vbOKOnly | vb::vbCritical, "Import error"); }

}  // namespace

void Form1::ExportNetlist(const Value& format) {
  const netlist::BoardSize board = netlist::BoardSizeFrom(Text1.Text(), Text2.Text());
  if (!netlist::CheckStripsAndMergeLinks(m.HoleGrid, board)) {
    vb::MsgBox("Must be Kelm or \"Drill\" must be set to \"Cut\"", vb::vbOKOnly | vb::vbCritical, "Critical");
    return;
  }
  const std::vector<netlist::PinEntry> pins = netlist::CollectPins(m.HoleGrid, board);
  if (pins.empty()) {
    vb::MsgBox("No components to process", vb::vbOKOnly | vb::vbCritical, "Export error");
    return;
  }
  const std::vector<netlist::Net> nets = netlist::GroupNets(pins);

  std::string name, bytes;
  if (format == Value(0)) {
    name = "Tango.net";
    bytes = netlist::TangoNetlist(netlist::CollectComponents(m.HoleGrid, board), nets);
  } else if (format == Value(1)) {
    name = "List.net";
    bytes = netlist::PinListFile(nets);
  } else if (format == Value(2)) {
    name = "Orcad.net";
    bytes = netlist::OrcadNetlist(pins);
  } else {
    return;
  }
  const std::string path = m.DataFolder + "/" + name;
  std::string reason;
  if (!WriteWholeFile(path, bytes, reason))
    vb::MsgBox("The netlist could not be written to " + Shown(path) + ":\r\n" + reason, vb::vbOKOnly | vb::vbCritical,
               "Export error");
}

void Form1::Tango_Click() { ExportNetlist(0); }
void Form1::OrcadPcb2_Click() { ExportNetlist(2); }
void Form1::ExportList() { ExportNetlist(1); }

void Form1::Tangoin_Click() {
  const std::string path = m.DataFolder + "/Tango.net";
  const std::string shown = Shown(path);
  std::string bytes;
  try {
    bytes = vb::ReadAllBytes(path);
  } catch (const vb::RuntimeError& e) {
    if (e.Number() == 53)
      ImportError("The netlist " + shown + " was not found");
    else
      ImportError("The netlist " + shown + " could not be read:\r\n" + e.Description());
    return;
  }
  // What is read is only checked; the board and every file stay as they are.
  switch (netlist::ReadTangoNetlist(bytes).check) {
    case netlist::TangoCheck::Ok:
      break;
    case netlist::TangoCheck::FormatError:
      ImportError("Net list format error");
      break;
    case netlist::TangoCheck::Empty:
      ImportError("The netlist " + shown + " is empty");
      break;
    case netlist::TangoCheck::Unclosed:
      ImportError("The netlist " + shown + " ends inside a block");
      break;
  }
}
