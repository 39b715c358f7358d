#include "editor/editing/form10_library.h"

#include "editor/editing/form2_addcomp.h"
#include "editor/editing/library.h"
#include "platform/errors.h"
#include "platform/strings.h"

Form10::Form10(Brantel& a) : vb::Form(a, "Form10"), app(a), List1(*this, "List1"), Command3(*this, "Command3", "Cancel") {
  SetCaption("Library");
  SetClientSize(3480, 3240);
  List1.Move(120, 120, 3240, 2430);
  Command3.Move(1200, 2700, 1095, 375);
  OnLoad = [this] { Form_Load(); };
  List1.DblClick = [this] { List1_DblClick(); };
  Command3.Click = [this] { Command3_Click(); };
}

void Form10::Form_Load() {
  const auto& names = app.m.LibraryList;
  List1.AddItem(vb::Trim(names[0]));
  for (size_t i = 1; i < names.size(); ++i) {
    if (names[i].empty()) break;
    List1.AddItem(vb::Trim(names[i]));
  }
}

// A library that cannot be opened leaves the Add Component window showing what it showed;
// one that ends part-way shows what was read before it. The chooser stays open after a
// failure.
void Form10::List1_DblClick() {
  const int selected = List1.ListIndex();
  if (selected < 0) return;
  const std::string path = app.m.DataFolder + "\\" + List1.List(selected);
  LibraryContents lib;
  try {
    lib = ReadLibrary(path);
  } catch (const vb::RuntimeError&) {
    LibraryNotFound();
    return;
  }
  Brantel& program = app;
  const bool cutShort = lib.cutShort;
  program.Form2().ShowLibrary(std::move(lib));
  if (!cutShort) Unload();
}

void Form10::Command3_Click() { Unload(); }
