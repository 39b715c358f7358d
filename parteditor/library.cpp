// The part library in memory: reading it, the "Edit" window, loading a record into the
// drawing and deleting one.
#include "parteditor/form1.h"
#include "parteditor/form2.h"
#include "parteditor/part_library.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace moravint {

// ---- Form1 ----

bool Form1::GetComps() {
  LibraryContents lib;
  try {
    // A missing library is an empty one; the first Save creates it.
    if (vb::FileExists(kLibraryFile)) lib = ReadLibrary(vb::ReadAllBytes(kLibraryFile));
  } catch (const vb::RuntimeError&) {
    m.LibraryUnread = true;
    vb::MsgBox("The part library " + std::string(kLibraryFile) + " could not be read", vb::vbCritical,
               "Library Error");
    return false;
  }
  m.LibraryUnread = false;
  m.LibCount = static_cast<int>(lib.records.size()) - 1;
  m.LibRecs = std::move(lib.records);
  m.LibRecs.push_back("");
  Moravint& program = app;
  auto& list = program.Form2().List1;
  list.Clear();
  for (const auto& entry : lib.entries) list.AddItem(entry);
  return true;
}

void Form1::Command5_Click() {
  GetComps();
  Moravint& program = app;
  program.Form2().Show(vb::vbModal);
}

bool Form1::WriteLibrary(const std::vector<std::string>& records) {
  try {
    vb::TextWriter out(kLibraryFile);
    out.Print(LibraryBytes(records));
    out.Close();
  } catch (const vb::RuntimeError&) {
    vb::MsgBox("The part library " + std::string(kLibraryFile) + " could not be written; it was left as it was",
               vb::vbCritical, "Library Error");
    return false;
  }
  m.LibRecs = records;
  m.LibRecs.push_back("");
  m.LibCount = static_cast<int>(records.size()) - 1;
  return true;
}

bool Form1::LoadComp(int index) {
  const std::string record =
      index >= 0 && index < static_cast<int>(m.LibRecs.size()) ? m.LibRecs[static_cast<size_t>(index)] : "";
  std::vector<std::string> words = RecordWords(record);
  // The words before the record's "*"; a record that lost its "*" ends with its text.
  std::size_t end = 0;
  while (end < words.size() && words[end] != "*") ++end;
  if (end == words.size() && end > 0 && words.back().empty()) --end;
  auto word = [&](std::size_t i) { return i < end ? words[i] : std::string(); };

  // Only whole steps count. The point arrays end the drawing with an empty entry, so they
  // hold one step fewer than points; a longer record would come back cut by the next Save.
  const int steps = end > 6 ? static_cast<int>((end - 6) / 5) : 0;
  constexpr int kMostSteps = kPointSlots - 2;
  if (steps > kMostSteps) {
    vb::MsgBox("The component " + word(0) + " has " + std::to_string(steps) + " lines; at most " +
                   std::to_string(kMostSteps) + " can be loaded for editing",
               vb::vbCritical, "Limits");
    return false;
  }
  // Every coordinate must give a picture position, or Save would write another number.
  for (int k = 0; k < steps; ++k) {
    for (std::size_t i = 1; i <= 4; ++i) {
      double v = 0;
      const double origin = i % 2 == 1 ? OrgX : OrgY;
      if (!PictureCoordinate(words[6 + 5 * static_cast<std::size_t>(k) + i], origin, &v)) {
        vb::MsgBox("The component " + word(0) + " holds a coordinate too large to be loaded for editing",
                   vb::vbCritical, "Limits");
        return false;
      }
    }
  }

  m.PtStyle.fill(std::string());
  m.PtX.fill(Value());
  m.PtY.fill(Value());
  m.CompRec = record;
  EditIndex = index;

  Text1.SetText(word(0));
  Text4.SetText(word(1));
  Text6.SetText(word(2));
  Text3.SetText(word(3));
  Text2.SetText(word(4));
  Text5.SetText(word(5));

  // The chain through every step's start and the last step's end.
  std::string lastStyle = "A";
  double lastX = OrgX, lastY = OrgY;
  for (int k = 0; k < steps; ++k) {
    const std::size_t w = 6 + 5 * static_cast<std::size_t>(k);
    const auto at = static_cast<size_t>(k);
    m.PtStyle[at] = words[w];
    m.PtX[at] = OrgX + 20 * vb::Val(words[w + 1]);
    m.PtY[at] = OrgY + 20 * vb::Val(words[w + 2]);
    lastStyle = words[w];
    lastX = OrgX + 20 * vb::Val(words[w + 3]);
    lastY = OrgY + 20 * vb::Val(words[w + 4]);
  }
  const auto last = static_cast<size_t>(steps);
  m.PtStyle[last] = lastStyle;
  m.PtX[last] = lastX;
  m.PtY[last] = lastY;

  Text7.SetText(std::to_string(steps));
  CurX = lastX;
  CurY = lastY;
  m.PointCount = steps + 1;
  Command1_Click();
  return true;
}

bool Form1::DeleteRecord(int index) {
  if (index < 0 || index > m.LibCount) return false;
  if (m.LibraryUnread) return false;
  std::vector<std::string> records(m.LibRecs.begin(), m.LibRecs.begin() + (m.LibCount + 1));
  records.erase(records.begin() + index);
  if (!WriteLibrary(records)) return false;
  // Save must go on replacing the record that was loaded, wherever it now stands.
  if (m.EditMode) {
    if (index == EditIndex) m.EditMode = false;
    else if (index < EditIndex) --EditIndex;
  }
  return true;
}

// ---- Form2 ----

Form2::Form2(Moravint& a)
    : vb::Form(a, "Form2"),
      app(a),
      List1(*this, "List1"),
      Command2(*this, "Command2", "Done"),
      Command1(*this, "Command1", "Cancel") {
  SetCaption("Edit");
  SetScaleMode(vb::vbPixels);
  SetCentreOnShow(true);
  List1.Move(8, 8, 260, 240);
  Command2.Move(8, 256, 100, 28);
  Command1.Move(168, 256, 100, 28);
  SetClientSize(276, 292);

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  List1.Click = [this] { List1_Click(); };
  List1.MouseUp = [this](int b, int s, double x, double y) { List1_MouseUp(b, s, x, y); };
}

void Form2::Command1_Click() {
  Moravint& program = app;
  program.Form2.Unload();
}

void Form2::Command2_Click() {
  Moravint& program = app;
  const int selected = List1.ListIndex();
  if (selected >= 0 && program.Form1().LoadComp(selected)) program.m.EditMode = true;
  program.Form2.Unload();
}

void Form2::List1_MouseUp(int button, int shift, double x, double y) {
  if (button != vb::vbRightButton || shift != 2) return;
  // Picking an entry loads it, so the entry to delete is the one under the pointer; away
  // from the entries it is the selected one, if any.
  int selected = List1.ItemAt(x, y);
  if (selected < 0) selected = List1.ListIndex();
  if (selected < 0) return;
  Moravint& program = app;
  if (!program.Form1().DeleteRecord(selected)) return;
  List1.RemoveItem(selected);
  program.Form2.Unload();
}

}  // namespace moravint
