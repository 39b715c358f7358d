#include "editor/editing/form2_addcomp.h"

#include "editor/editing/form10_library.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/strings.h"
#include "shared/library_format.h"

#include <optional>

namespace {
constexpr const char* kListing = "text.txt";
}

void LibraryNotFound() { vb::MsgBox("Library not found!", vb::vbOKOnly, "Library Error"); }

Form2::Form2(Brantel& a)
    : vb::Form(a, "Form2"),
      app(a),
      List1(*this, "List1"),
      Label1(*this, "Label1", "Reference"),
      Text1(*this, "Text1"),
      Label2(*this, "Label2", "Value"),
      Text2(*this, "Text2"),
      Label3(*this, "Label3", "Package"),
      Text3(*this, "Text3"),
      Command2(*this, "Command2", "Place Part"),
      Command1(*this, "Command1", "Cancel"),
      Command3(*this, "Command3", "Change lib"),
      Command4(*this, "Command4") {
  SetCaption("Add Component");
  SetClientSize(5400, 3720);
  List1.Move(120, 120, 2655, 3435);
  Label1.Move(2940, 150, 975, 255);
  Text1.Move(3960, 120, 1320, 285);
  Label2.Move(2940, 540, 975, 255);
  Text2.Move(3960, 510, 1320, 285);
  Label3.Move(2940, 930, 975, 255);
  Text3.Move(3960, 900, 1320, 285);
  Command2.Move(2940, 1440, 2340, 495);
  Command2.SetToolTipText("Allows the first pin to be placed");
  Command1.Move(2940, 2040, 2340, 495);
  Command3.Move(2940, 2640, 2340, 495);
  Command4.Move(5040, 3360, 240, 240);

  OnLoad = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  List1.Click = [this] { List1_Click(); };
  List1.DblClick = [this] { List1_DblClick(); };
}

std::string Form2::DefaultLibrary() const { return app.m.DataFolder + "\\Brantel.lib"; }

void Form2::ShowLibrary(LibraryContents lib) {
  app.m.CompRecords = std::move(lib.records);
  List1.Clear();
  for (const auto& text : lib.listTexts) List1.AddItem(text);
  if (lib.cutShort) LibraryNotFound();
}

// A library that cannot be opened leaves the records and the list as they were; one that
// ends part-way shows the records read before the message.
void Form2::GetComps() {
  try {
    ShowLibrary(ReadLibrary(DefaultLibrary()));
  } catch (const vb::RuntimeError&) {
    LibraryNotFound();
  }
}

void Form2::Form_Load() {
  GetComps();
  Module1& m = app.m;
  if (m.LastReference != Value(std::string())) {
    m.LastReference = NextReference(m.LastReference.Text());
    Text1.SetText(m.LastReference.Text());
  }
}

// A pick is taken only when its part can be placed: a pin count that rounds (halves to even,
// as the pin counter takes it) to below 1 or above 32767, a record without one, or a pitch no
// number can hold, is refused before anything changes, so the pick before it stays whole.
bool Form2::PickSelected() {
  const int selected = List1.ListIndex();
  Module1& m = app.m;
  if (selected < 0 || selected >= static_cast<int>(m.CompRecords.size())) return false;
  const std::string record = m.CompRecords[static_cast<size_t>(selected)].Text();
  const std::vector<std::string> words = PickWords(record);
  // Val of a word, or nothing when no number can hold it.
  const auto number = [](const std::string& word) -> std::optional<double> {
    try {
      return vb::Val(word);
    } catch (const vb::RuntimeError&) {
      return std::nullopt;
    }
  };
  // The record's end line is no pin count either.
  const bool pinsGiven = !vb::Trim(words[3]).empty() && !IsRecordEndLine(words[3]);
  const std::optional<double> pins = number(words[3]);
  const double rounded = pins ? vb::Round(*pins) : 0;
  const bool pinsOk = pinsGiven && pins && rounded >= 1 && rounded <= 32767;
  const bool pitchOk = number(vb::Trim(words[1])).has_value();
  if (!pinsOk || !pitchOk) {
    // A record the library ended in before it was stored is listed by its name alone.
    const std::string name = record.empty() ? vb::Trim(PickWords(List1.List(selected))[0]) : vb::Trim(words[0]);
    const std::string why = !pitchOk    ? "its pitch \"" + vb::Trim(words[1]) + "\" is not a number"
                            : !pinsGiven ? std::string("its record has no pin count")
                                         : "its pin count \"" + words[3] + "\" does not round to a whole number from 1 to 32767";
    vb::MsgBox("The part \"" + name + "\" cannot be placed: " + why + ".", vb::vbOKOnly | vb::vbExclamation, "Add Component");
    return false;
  }
  m.CurrentPart = record;
  Form1& main = app.Form1();
  main.Text22.SetText(vb::Trim(words[1]));
  main.Text7.SetText(vb::UCase(Text1.Text()));
  main.Text8.SetText(vb::UCase(Text2.Text()));
  main.Text9.SetText(vb::UCase(words[2]));
  m.LastReference = Text1.Text();
  main.Text20.SetText(vb::Trim(words[0]));
  main.Text21.SetText(vb::Trim(words[5]));
  Text3.SetText(vb::Trim(words[0]));
  m.PinCount = static_cast<int>(rounded);
  main.Picture1.SetMousePointer(vb::vbCrosshair);
  Text1.SetFocus();
  return true;
}

void Form2::List1_Click() { PickSelected(); }

void Form2::List1_DblClick() {
  if (PickSelected()) Command2_Click();
}

void Form2::Command2_Click() {
  Brantel& program = app;
  Form1& main = program.Form1();
  main.Text7.SetText(vb::UCase(Text1.Text()));
  main.Text8.SetText(vb::UCase(Text2.Text()));
  Unload();
  // Placing is the only mode from here on, as after a tool button, with the cross.
  main.EndModes();
  main.Picture1.SetMousePointer(vb::vbCrosshair);
  program.m.PlacingPart = true;
}

void Form2::Command1_Click() {
  Brantel& program = app;
  Unload();
  program.Form1().Picture1.SetMousePointer(vb::vbArrow);
  program.m.PlacingPart = false;
}

void Form2::Command3_Click() { app.Form10().Show(vb::vbModeless); }

// The listing of the default library, one record per line. The library is read whole first;
// the listing is written only from a library that could be read.
void Form2::Command4_Click() {
  LibraryContents lib;
  try {
    lib = ReadLibrary(DefaultLibrary());
  } catch (const vb::RuntimeError&) {
    LibraryNotFound();
    return;
  }
  ShowLibrary(lib);
  try {
    vb::TextWriter out(kListing);
    for (int i = 0; i < lib.stored; ++i) out.PrintLine(lib.records[static_cast<size_t>(i)].Text());
    out.Close();
  } catch (const vb::RuntimeError& e) {
    vb::MsgBox("The library listing text.txt could not be written: " + e.Description(), vb::vbOKOnly | vb::vbExclamation,
               "Library Error");
  }
}
