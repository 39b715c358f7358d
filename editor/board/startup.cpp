// The main window's load and exit, the version stamp, and the browser start.
#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/board/splash.h"
#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/editing/form5_nodeedit.h"
#include "editor/editing/form8_pindata.h"
#include "editor/files/form3_saveload.h"
#include "editor/files/form4_printer.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/shell.h"
#include "platform/strings.h"

const char* const kMakerHomePage = "https://brantel.example/";
const char* const kMakerProPage = "https://brantel.example/pro";

void StartBrowser(const std::string& address) {
  try {
    vb::Shell("C:\\Program Files\\Internet Explorer\\IExplore " + address, 2);
  } catch (const vb::RuntimeError&) {
    // Without a browser the page is simply not shown; the program goes on.
  }
}

void Form1::Form_Load() {
  m.CurrentPart = "";
  m.LastHoleX = 1;
  m.LastHoleY = 1;
  Picture1.SetBackColor(vb::RGB(200, 200, 200));
  m.PitchDivisor = 10;
  m.SizeDivisor = 0.4;
  Text1.SetText("15");
  Text2.SetText("15");
  m.HolesAcross = 15;
  m.HolesDown = 15;
  m.RedrawRect = {0, 0, 0, 0};
  Horizontal.SetChecked(true);
  Kelm.SetChecked(true);
  m.ScrollX = HScroll1.Value();
  m.ScrollY = VScroll1.Value();
  Picture1.SetAutoRedraw(true);
  // The Board Color window waits hidden, its preview keeping what is drawn on it.
  app.Form9().Picture1.SetAutoRedraw(true);
  m.ViewSide = "-Component side";
  ReadSettings();
  ClearModes();
  m.PrevPinX = 0;
  m.PrevPinY = 0;
}

// Every other window goes with the main window, hidden ones included (Open only hides the
// Save/Load window), so that the program ends.
void Form1::Form_Unload() {
  Brantel& program = app;
  program.Form10.Unload();
  program.Form9.Unload();
  program.Form8.Unload();
  program.Form6.Unload();
  program.Form5.Unload();
  program.Form4.Unload();
  program.Form3.Unload();
  program.Form2.Unload();
  program.Diags.Unload();
  program.frmSplash.Unload();
}

void Form1::Command12_Click() {
  Brantel& program = app;
  try {
    WriteSettings();
  } catch (const vb::RuntimeError& e) {
    vb::MsgBox("The settings could not be saved in " + m.DataFolder + "\\brantel.ini:\r\n" + e.Description(),
               vb::vbOKOnly | vb::vbCritical, "Brantel");
  }
  // The main window goes last; after that nothing of it may be touched.
  Form_Unload();
  program.Form1.Unload();
}

void Form1::verUpdate() {
  vb::TextReader in("version.dat");
  const double version = vb::Val(in.LineInput()) + 0.001;
  in.Close();
  vb::TextWriter out("version.dat");
  out.PrintLine(vb::Str(version));
  out.Close();
}
