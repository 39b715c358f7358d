// The install window: its design, its load from the setup list, the destination box and
// the way the installer ends.
#include "setup/form1.h"

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "setup/form4.h"
#include "setup/program.h"
#include "setup/setup_script.h"
#include "setup/ula.h"

Form1::Form1(Setup& owner)
    : vb::Form(owner, "Form1"),
      app(owner),
      Label1(*this, "Label1", "Destination"),
      Text2(*this, "Text2"),
      Label2(*this, "Label2", "Source"),
      Text1(*this, "Text1"),
      Label3(*this, "Label3", "None"),
      Label4(*this, "Label4", "For Windows 9x/XP"),
      Text5(*this, "Text5"),
      Picture1(*this, "Picture1"),
      Dir1(*this, "Dir1"),
      Dir2(*this, "Dir2"),
      Command4(*this, "Command4", "Install "),
      Command5(*this, "Command5", "Remove"),
      Command1(*this, "Command1", "Exit"),
      Command2(*this, "Command2", "Calc") {
  SetCaption("OMRA Setup");
  SetClientSize(7200, 4140);
  SetCentreOnShow(true);
  Label3.Move(240, 180, 6720, 480);
  Label3.SetFont(10, true);
  Label1.Move(240, 840, 1320, 300);
  Text2.Move(1680, 800, 5280, 330);
  Label2.Move(240, 1260, 1320, 300);
  Text1.Move(1680, 1220, 5280, 330);
  Picture1.Move(240, 1800, 6720, 420);
  Text5.Move(240, 2400, 6720, 330);
  Text5.SetLocked(true);
  Text5.SetBackColor(StatusColour);
  Label4.Move(240, 2880, 3000, 300);
  Dir1.Move(5400, 2820, 720, 360);
  Dir2.Move(6240, 2820, 720, 360);
  Command4.Move(240, 3420, 1500, 450);
  Command5.Move(1980, 3420, 1500, 450);
  Command2.Move(3720, 3420, 1500, 450);
  Command1.Move(5460, 3420, 1500, 450);

  OnLoad = [this] { Form_Load(); };
  OnTerminate = [this] { Form_Terminate(); };
  Text2.Change = [this] { Text2_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  Dir2.Change = [this] { Dir2_Change(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

void Form1::Form_Load() {
  // The setup list is read whole and checked before the window takes anything from it.
  setup::SetupScript script;
  try {
    script = setup::ParseSetupScript(vb::ReadAllBytes("Setup.ini"));
  } catch (const vb::RuntimeError& e) {
    Text1.SetText(Dir1.Path());
    ReportScriptError(e.Number());
  }
  if (script.Recognised()) {
    if (script.HasHead()) {
      SetCaption(script.Caption());
      Label3.SetCaption(script.Label());
      Text2.SetText(script.Destination());
      // An empty line leaves the empty box unchanged, so its change handler is run here.
      Text2_Change();
    } else {
      Text1.SetText(Dir1.Path());
      ReportScriptError(62);
    }
  }
  Text1.SetText(Dir1.Path());
  Picture1.SetBackColor(vb::RGB(255, 255, 255));
  // Nobody operates the folder lists.
  Dir1.SetEnabled(false);
  Dir2.SetEnabled(false);
  Dir1.SetVisible(false);
  Dir2.SetVisible(false);
}

void Form1::ReportScriptError(int number) {
  const std::string& folder = Text1.Text();
  const std::string list = folder.empty() || folder.back() == '\\' ? folder + "Setup.ini" : folder + "\\Setup.ini";
  vb::MsgBox(vb::ErrorText(number) + " in " + list, vb::vbOKOnly, "Error Manager");
}

void Form1::Text2_Change() {
  // The user changes only the drive letter. An empty box or a lone ":" is drive C; anything
  // but a letter A-Z first is refused and the box keeps the drive it had.
  const std::string first = vb::Left(Text2.Text(), 1);
  const char c = first.empty() ? ':' : first[0];
  if (c == ':')
    LastDestination = "C:\\Brantel";
  else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
    LastDestination = first + ":\\Brantel";
  if (Text2.Text() != LastDestination) Text2.SetText(LastDestination);
}

void Form1::SetStatusColour(vb::Colour c) {
  StatusColour = c;
  Text5.SetBackColor(c);
}

void Form1::CountUp() { app.m.Counter += 1; }

void Form1::Command1_Click() {
  Setup& program = app;
  program.Form4.Unload();
  program.ULA.Unload();
  program.Form1.Unload();
}

void Form1::Form_Terminate() {
  // No installer window may stay loaded once the install window has gone, or the program
  // would go on without a window to end it: a chooser left loaded by a removal goes too.
  // This window's object is being discarded; only the program may be touched.
  Setup& program = app;
  program.Form4.Unload();
  program.ULA.Unload();
  program.Form1.Unload();
}
