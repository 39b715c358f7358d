// The main window's design: its controls with their design values, and the wiring of
// every event to its handler.
#include "editor/form1.h"

#include "editor/board/tool_pictures.h"
#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"

Form1::Form1(Brantel& app_)
    : vb::Form(app_, "Form1"),
      app(app_),
      m(app_.m),
      Picture1(*this, "Picture1"),
      HScroll1(*this, "HScroll1"),
      VScroll1(*this, "VScroll1"),
      Command17(*this, "Command17", "ZA"),
      Frame1(*this, "Frame1", "Control"),
      Label1(Frame1, "Label1", "Across (X)"),
      Text1(Frame1, "Text1", "15"),
      Label2(Frame1, "Label2", "Down  (Y)"),
      Text2(Frame1, "Text2", "15"),
      Command2(Frame1, "Command2", "Build"),
      Check1(Frame1, "Check1", "Horizontal"),
      Check2(Frame1, "Check2", "Label Preview"),
      Check3(Frame1, "Check3", "Kelm"),
      Check4(Frame1, "Check4", "Pads"),
      Frame3(*this, "Frame3"),
      Image1(Frame3, "Image1"),
      Label4(Frame3, "Label4", "Brantel"),
      Label3(Frame3, "Label3", "-Component side"),
      Frame2(*this, "Frame2", "Comp"),
      Command1(Frame2, "Command1", "Place Component"),
      Command3(Frame2, "Command3", "Delete Component"),
      Command4(Frame2, "Command4", "Slide Component"),
      Command5(Frame2, "Command5", "Move a pin"),
      Command6(Frame2, "Command6", "Re Draw"),
      Command9(Frame2, "Command9", "Cut Trace"),
      Command11(Frame2, "Command11", "Block Move"),
      Frame4(*this, "Frame4", "Board"),
      Command8(Frame4, "Command8", "Save or Load File"),
      Command7(Frame4, "Command7", "Print Screen/Label"),
      Command13(Frame4, "Command13"),
      Command14(Frame4, "Command14"),
      Command15(Frame4, "Command15", "Zoom All"),
      Command16(Frame4, "Command16", "Zoom last"),
      Command12(Frame4, "Command12", "Exit"),
      Picture3(*this, "Picture3"),
      Picture4(*this, "Picture4"),
      Text7(*this, "Text7"),
      Text8(*this, "Text8"),
      Text20(*this, "Text20"),
      Text21(*this, "Text21"),
      Text9(*this, "Text9"),
      Text22(*this, "Text22"),
      Text18(*this, "Text18"),
      Text19(*this, "Text19"),
      File(*this, "File", "File "),
      Open(File, "Open", "Open/Save"),
      Export(File, "Export", "Export"),
      OrcadPcb2(Export, "OrcadPcb2", "Orcad PCB II"),
      Tango(Export, "Tango", "Tango"),
      import(File, "import", "Import"),
      OcadPCB2in(import, "OcadPCB2in", "Orcad PCB II"),
      Tangoin(import, "Tangoin", "Tango"),
      Print(File, "Print", "Print"),
      Labelpreview(File, "Labelpreview", "Label Preview"),
      Exit(File, "Exit", "Exit"),
      ComponentGroup(*this, "ComponentGroup", "Component"),
      ShowPin(ComponentGroup, "ShowPin", "Show Pin Data"),
      Board(*this, "Board", "Board"),
      Horizontal(Board, "Horizontal", "Horizontal"),
      Kelm(Board, "Kelm", "Kelm/Pads"),
      Flip(Board, "Flip", "Flip board"),
      DrillCut(Board, "DrillCut", "Drill"),
      BColors(Board, "BColors", "Board Colors"),
      Tools(*this, "Tools", "Tools"),
      ResetKelm(Tools, "ResetKelm", "Remove all cuts"),
      ZoomM(*this, "ZoomM", "Zoom "),
      inplus(ZoomM, "inplus", "In +"),
      Zoutmin(ZoomM, "Zoutmin", "Out -"),
      Zlast(ZoomM, "Zlast", "Last"),
      Zall(ZoomM, "Zall", "All"),
      WebSite(*this, "WebSite", "Web site" + std::string(47, ' ')),
      Brantel_(*this, "Brantel", "Introducing Brantel-Pro") {
  SetCaption("Brantel");
  SetScaleMode(vb::vbPixels);
  SetFixedSize(false);

  // Board picture and its scroll bars.
  Picture1.Move(10, 90, 478, 382);
  Picture1.SetBackColor(vb::RGB(200, 200, 200));
  VScroll1.Move(493, 90, 17, 382);
  HScroll1.Move(10, 477, 478, 17);
  for (vb::ScrollBar* bar : {static_cast<vb::ScrollBar*>(&HScroll1), static_cast<vb::ScrollBar*>(&VScroll1)}) {
    bar->SetMin(-16000);
    bar->SetMax(17000);
    bar->SetSmallChange(100);
    bar->SetLargeChange(500);
    bar->SetValue(0);
  }
  Command17.Move(488, 472, 25, 25);
  Command17.SetToolTipText("Zoom all");

  // "Control": board size, Build and the board options.
  Frame1.Move(10, 5, 321, 73);
  Frame1.SetToolTipText("Board Control");
  // The frame keeps its design width; the columns are packed so that every caption shows
  // whole at the default window size.
  Label1.Move(5, 20, 64, 18);
  Text1.Move(70, 17, 36, 22);
  Label2.Move(5, 45, 64, 18);
  Text2.Move(70, 43, 36, 22);
  Command2.Move(109, 17, 44, 48);
  Command2.SetToolTipText("Start a new design");
  Check1.Move(156, 17, 110, 22);
  Check1.SetValue(vb::vbChecked);
  Check3.Move(264, 17, 56, 22);
  Check3.SetValue(vb::vbChecked);
  Check2.Move(156, 43, 110, 22);
  Check4.Move(264, 43, 56, 22);

  // Logo, name and the side on view.
  Frame3.Move(341, 5, 297, 73);
  Frame3.SetToolTipText("Brantel Pro");
  Image1.Move(10, 16, 48, 48);
  Image1.SetPicture(LogoPicture());
  Label4.Move(68, 14, 200, 26);
  Label4.SetFont(14, true);
  Label3.Move(68, 44, 220, 20);

  // "Comp": the edit tools.
  Frame2.Move(518, 84, 57, 412);
  int top = 18;
  for (vb::CommandButton* b : {&Command1, &Command3, &Command4, &Command5, &Command6, &Command9, &Command11}) {
    b->Move(6, top, 45, 45);
    b->SetToolTipText(b->Caption());
    b->SetPicture(ToolPicture(b->Name()));
    top += 52;
  }

  // "Board": files, printing, zoom and exit.
  Frame4.Move(580, 84, 57, 412);
  Frame4.SetToolTipText("Aux functions");
  top = 18;
  for (vb::CommandButton* b : {&Command8, &Command7, &Command13, &Command14, &Command15, &Command16, &Command12}) {
    b->Move(6, top, 45, 45);
    b->SetPicture(ToolPicture(b->Name()));
    top += 52;
  }
  Command8.SetToolTipText("Save or Load File");
  Command7.SetToolTipText("Print Screen/Label");
  Command13.SetToolTipText("Zoom in");
  Command14.SetToolTipText("Zoom out");
  Command15.SetToolTipText("Zoom all");
  Command16.SetToolTipText("Zoom center of last hole");
  Command12.SetToolTipText("Exit Brantel");

  // The two cutting tools' pictures, never shown.
  for (vb::PictureBox* p : {&Picture3, &Picture4}) {
    p->Move(0, 0, 41, 41);
    p->SetBorder(false);
    p->SetVisible(false);
  }
  Picture3.SetPicture(ToolPicture("Cut"));
  Picture4.SetPicture(ToolPicture("Drill"));
  Command9.SetPicture(Picture3.Picture());

  // Transfer boxes, never shown.
  for (vb::TextBox* t : {&Text7, &Text8, &Text20, &Text21, &Text9, &Text22, &Text18, &Text19}) t->SetVisible(false);

  OcadPCB2in.SetEnabled(false);
  Tangoin.SetEnabled(false);

  SetClientSize(645, 502);
  SetMinimumClientSize(400, 300);

  // ---- events ----
  OnLoad = [this] { Form_Load(); };
  OnUnload = [this] { Form_Unload(); };
  OnResize = [this] { Form_Resize(); };

  HScroll1.Change = [this] { HScroll1_Change(); };
  VScroll1.Change = [this] { VScroll1_Change(); };
  Command17.Click = [this] { Command17_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
  Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
  Check1.Click = [this] { Check1_Click(); };
  Check2.Click = [this] { Check2_Click(); };
  Check3.Click = [this] { Check3_Click(); };
  Check4.Click = [this] { Check4_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command9.Click = [this] { Command9_Click(); };
  Command11.Click = [this] { Command11_Click(); };
  Picture1.MouseMove = [this](int button, int shift, double x, double y) { Picture1_MouseMove(button, shift, x, y); };
  Picture1.MouseDown = [this](int button, int shift, double x, double y) { Picture1_MouseDown(button, shift, x, y); };
  Picture1.MouseUp = [this](int button, int shift, double x, double y) { Picture1_MouseUp(button, shift, x, y); };
  Command12.Click = [this] { Command12_Click(); };
  Command13.Click = [this] { Command13_Click(); };
  Command14.Click = [this] { Command14_Click(); };
  Command15.Click = [this] { Command15_Click(); };
  Command16.Click = [this] { Command16_Click(); };

  Open.Click = [this] { Open_Click(); };
  Print.Click = [this] { Print_Click(); };
  Labelpreview.Click = [this] { Labelpreview_Click(); };
  Exit.Click = [this] { exit_Click(); };
  ShowPin.Click = [this] { ShowPin_Click(); };
  Horizontal.Click = [this] { Horizontal_Click(); };
  Kelm.Click = [this] { Kelm_Click(); };
  Flip.Click = [this] { Flip_Click(); };
  DrillCut.Click = [this] { DrillCut_Click(); };
  BColors.Click = [this] { BColors_Click(); };
  ResetKelm.Click = [this] { ResetKelm_Click(); };
  inplus.Click = [this] { inplus_Click(); };
  Zoutmin.Click = [this] { Zoutmin_Click(); };
  Zlast.Click = [this] { Zlast_Click(); };
  Zall.Click = [this] { Zall_Click(); };
  WebSite.Click = [this] { WebSite_Click(); };
  Brantel_.Click = [this] { Brantel_Click(); };

  // Netlists (the Import items stay unavailable).
  Tango.Click = [this] { Tango_Click(); };
  OrcadPcb2.Click = [this] { OrcadPcb2_Click(); };
  Tangoin.Click = [this] { Tangoin_Click(); };
}
