// The part record: the package code from the Mode boxes, their exclusions, the corrections
// made while typing, and Save.
#include <utility>

#include "parteditor/form1.h"
#include "parteditor/form2.h"
#include "parteditor/part_library.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace moravint {

void Form1::BuildC() {
  std::string placement = "A";
  std::string style = "R";
  if (Check1.Value() == vb::vbChecked) style = "O";
  if (Check2.Value() == vb::vbChecked) style = "M";
  if (Check3.Value() == vb::vbChecked) placement = "D";
  if (Check4.Value() == vb::vbChecked) placement = "Z";
  if (Check5.Value() == vb::vbChecked) placement = "Q";
  if (Check6.Value() == vb::vbChecked) style = "R";
  Text6.SetText(placement + style);
}

void Form1::Check1_Click() {
  BuildC();
  Check2.SetValue(vb::vbUnchecked);
  Check6.SetValue(vb::vbUnchecked);
}

void Form1::Check2_Click() {
  BuildC();
  Check1.SetValue(vb::vbUnchecked);
  Check6.SetValue(vb::vbUnchecked);
}

void Form1::Check6_Click() {
  BuildC();
  Check1.SetValue(vb::vbUnchecked);
  Check2.SetValue(vb::vbUnchecked);
}

void Form1::Check3_Click() {
  BuildC();
  Check1.SetValue(vb::vbChecked);
  Check4.SetValue(vb::vbUnchecked);
  Check5.SetValue(vb::vbUnchecked);
  Check7.SetValue(vb::vbUnchecked);
}

void Form1::Check4_Click() {
  BuildC();
  Check1.SetValue(vb::vbChecked);
  Check3.SetValue(vb::vbUnchecked);
  Check5.SetValue(vb::vbUnchecked);
  Check7.SetValue(vb::vbUnchecked);
}

void Form1::Check5_Click() {
  BuildC();
  Check1.SetValue(vb::vbChecked);
  Check3.SetValue(vb::vbUnchecked);
  Check4.SetValue(vb::vbUnchecked);
  Check7.SetValue(vb::vbUnchecked);
}

void Form1::Check7_Click() {
  if (Check7.Value() == vb::vbChecked) {
    Text5.SetText("1");
    Check3.SetValue(vb::vbUnchecked);
    Check4.SetValue(vb::vbUnchecked);
    Check5.SetValue(vb::vbUnchecked);
  } else {
    Text5.SetText("0");
  }
}

void Form1::Text1_Change() {
  if (Text1.Text().find(' ') != std::string::npos) Text1.SetText("Error");
}

void Form1::Text3_Change() {
  // A count too large for any number is no count of 2 or less.
  double pins = 0;
  if (!BoxNumber(Text3.Text(), &pins) || pins > 2) {
    Text5.SetText("0");
    Check7.SetValue(vb::vbUnchecked);
  }
}

void Form1::Command2_Click() {
  // Every number box the record takes must hold a number before anything else reads it.
  const std::pair<vb::TextBox*, const char*> numbers[] = {
      {&Text4, "Spacing-X"}, {&Text3, "Number of Pins"}, {&Text2, "Thickness"}, {&Text5, "the slide flag box"}};
  for (const auto& [box, label] : numbers) {
    double n = 0;
    if (!BoxNumber(box->Text(), &n)) {
      vb::MsgBox(std::string("The number in ") + label + " is too large to save", vb::vbCritical, "Limits");
      return;
    }
  }
  // So must every point of the drawing: a point pushed past any number by Expan-Y would be
  // written as a text that Open reads as another number, and the part would change shape.
  int points = 1;
  while (points < kPointSlots && !m.PtStyle[static_cast<size_t>(points)].empty()) ++points;
  for (int i = 0; i < points; ++i) {
    const auto at = static_cast<size_t>(i);
    if (!CoordinateReadsBack(m.PtX[at].Num(), OrgX) || !CoordinateReadsBack(m.PtY[at].Num(), OrgY)) {
      vb::MsgBox("The number in the drawing is too large to save", vb::vbCritical, "Limits");
      return;
    }
  }

  bool refused = false;
  const std::string name = vb::Trim(Text1.Text());
  // An empty name would give a part nobody can find in the list.
  if (name == "Name" || name.empty()) {
    vb::MsgBox("Please enter a component name then click SAVE", vb::vbOKCancel + vb::vbQuestion, "Name required");
    refused = true;
  }
  if (Check5.Value() == vb::vbChecked) {
    const double pins = vb::Val(Text3.Text());
    bool quad = false;
    for (int n = 8; n <= 40; n += 4) quad = quad || pins == n;
    if (!quad) {
      vb::MsgBox("Quad pack pin count must be divisible by 4 and less than 44", vb::vbOKCancel + vb::vbQuestion,
                 "Limits");
      refused = true;
    }
  }
  if (refused) return;

  const std::string header[] = {name,
                                vb::Trim(Text4.Text()),
                                vb::Trim(Text6.Text()),
                                vb::Trim(Text3.Text()),
                                vb::CStr(vb::Val(Text2.Text())),
                                vb::CStr(vb::Val(Text5.Text()))};
  // A "*" ends a record in the library and a blank splits a word in two: either would
  // break this record and every one after it.
  for (const auto& word : header) {
    if (word.find('*') != std::string::npos || word.find(' ') != std::string::npos) {
      vb::MsgBox("The component data may not contain blanks or *", vb::vbCritical, "Error");
      return;
    }
  }

  std::string rec = header[0];
  for (int k = 1; k < 6; ++k) rec += " " + header[k];
  // One step per segment, each from where the last one ended; a drawing of the origin alone
  // has no segment and gives no step.
  for (int i = 0; i + 1 < points; ++i) {
    const auto a = static_cast<size_t>(i);
    rec += " " + m.PtStyle[a] + " " + RecordCoordinate(m.PtX[a].Num(), OrgX) + " " +
           RecordCoordinate(m.PtY[a].Num(), OrgY) + " " + RecordCoordinate(m.PtX[a + 1].Num(), OrgX) + " " +
           RecordCoordinate(m.PtY[a + 1].Num(), OrgY);
  }
  rec += " *";
  m.CompRec = rec;

  if (m.LibraryUnread) {
    vb::MsgBox("The part library " + std::string(kLibraryFile) + " could not be read, so it is not rewritten",
               vb::vbCritical, "Library Error");
    return;
  }
  std::vector<std::string> records(m.LibRecs.begin(), m.LibRecs.begin() + (m.LibCount + 1));
  if (m.EditMode && EditIndex >= 0 && EditIndex < static_cast<int>(records.size())) {
    records[static_cast<size_t>(EditIndex)] = rec;
  } else {
    records.push_back(rec);
  }
  // The drawing and the records stay as they are when the library cannot be written.
  if (!WriteLibrary(records)) return;

  Moravint& program = app;
  program.Form2.Unload();
  Command3_Click();
  Text1.SetText("Name");
}

}  // namespace moravint
