// The main window's design, the wiring of every event to its handler, the editor's
// initialisation and the exit.
#include "parteditor/form1.h"

#include "parteditor/form2.h"
#include "platform/picture.h"

namespace moravint {

namespace {

constexpr vb::Colour kPictureBack = vb::RGB(240, 240, 240);

}  // namespace

Form1::Form1(Moravint& app_)
    : vb::Form(app_, "Form1"),
      app(app_),
      m(app_.m),
      Picture1(*this, "Picture1"),
      Label2(*this, "Label2", "Right click the mouse to redraw."),
      Frame1(*this, "Frame1", "Component"),
      Label1(Frame1, "Label1", "Name"),
      Text1(Frame1, "Text1", "Name"),
      Label3(Frame1, "Label3", "Number of Pins"),
      Text3(Frame1, "Text3", "2"),
      Label4(Frame1, "Label4", "Spacing-X"),
      Text4(Frame1, "Text4", "0.2"),
      Frame2(*this, "Frame2", "Line"),
      Label5(Frame2, "Label5", "Count"),
      Text7(Frame2, "Text7", "0"),
      Label6(Frame2, "Label6", "Thickness"),
      Text2(Frame2, "Text2", "2"),
      Command1(Frame2, "Command1", "Redraw"),
      Command3(Frame2, "Command3", "Restart"),
      Command4(Frame2, "Command4", "Cancel last"),
      Command20(Frame2, "Command20", "Comp-Y"),
      Command21(Frame2, "Command21", "Expan-Y"),
      Command9(Frame2, "Command9"),
      Command10(Frame2, "Command10"),
      Command11(Frame2, "Command11"),
      Command12(Frame2, "Command12"),
      Command13(Frame2, "Command13"),
      Command14(Frame2, "Command14"),
      Command15(Frame2, "Command15"),
      Command16(Frame2, "Command16"),
      Command17(Frame2, "Command17"),
      Command18(Frame2, "Command18"),
      Command19(Frame2, "Command19", "Hide"),
      Frame3(*this, "Frame3", "Mode"),
      Text6(Frame3, "Text6", "AR"),
      Check1(Frame3, "Check1", "Orthagonal"),
      Check2(Frame3, "Check2", "Mean XY"),
      Check3(Frame3, "Check3", "Dual Inline"),
      Check4(Frame3, "Check4", "Z-Pack"),
      Check5(Frame3, "Check5", "Q-Pack"),
      Check6(Frame3, "Check6", "Random"),
      Check7(Frame3, "Check7", "Slideable"),
      Text8(Frame3, "Text8"),
      Frame4(*this, "Frame4", "Control"),
      Command2(Frame4, "Command2", "Save"),
      Command5(Frame4, "Command5", "Open"),
      Command8(Frame4, "Command8", "Exit"),
      Text5(Frame4, "Text5", "1"),
      File(*this, "File", "File"),
      open(File, "open", "Open"),
      save(File, "save", "Save"),
      exit(File, "exit", "Exit"),
      Options(*this, "Options", "Options"),
      Import(Options, "Import", "Import") {
  SetCaption("Moravint Component creator");
  SetScaleMode(vb::vbPixels);

  Picture1.SetScaleMode(vb::vbPixels);
  Picture1.Move(8, 8, 604, 604);
  Picture1.SetBackColor(kPictureBack);
  Label2.Move(8, 616, 300, 20);

  Frame1.Move(620, 4, 264, 100);
  Label1.Move(8, 20, 110, 20);
  Text1.Move(120, 18, 134, 22);
  Label3.Move(8, 46, 110, 20);
  Text3.Move(120, 44, 60, 22);
  Label4.Move(8, 72, 110, 20);
  Text4.Move(120, 70, 60, 22);

  Frame2.Move(620, 108, 264, 176);
  Label5.Move(8, 20, 48, 20);
  Text7.Move(58, 18, 50, 22);
  Label6.Move(120, 20, 70, 20);
  Text2.Move(196, 18, 50, 22);
  Command1.Move(8, 48, 76, 26);
  Command3.Move(90, 48, 76, 26);
  Command4.Move(172, 48, 84, 26);
  Command20.Move(8, 80, 76, 26);
  Command20.SetToolTipText("Move horizontal lines closer");
  Command21.Move(90, 80, 76, 26);
  Command21.SetToolTipText("Return horizontal lines to normal");
  const vb::Colour swatches[] = {vb::RGB(0, 0, 0),       vb::RGB(128, 64, 0),  vb::RGB(255, 0, 0),
                                 vb::RGB(255, 128, 64),  vb::RGB(255, 255, 0), vb::RGB(0, 255, 0),
                                 vb::RGB(0, 0, 255),     vb::RGB(128, 0, 255), vb::RGB(192, 192, 192),
                                 vb::RGB(255, 255, 255)};
  vb::CommandButton* styles[] = {&Command9,  &Command10, &Command11, &Command12, &Command13,
                                 &Command14, &Command15, &Command16, &Command17, &Command18};
  for (int i = 0; i < 10; ++i) {
    styles[i]->Move(8 + 24 * i, 114, 24, 21);
    styles[i]->SetPicture(vb::Picture(18, 13, swatches[i]));
    const std::string letter(1, static_cast<char>('A' + i));
    styles[i]->Click = [this, letter] { ChooseStyle(letter); };
  }
  Command19.Move(8, 142, 76, 26);
  // A picture button shows its picture alone: the caption is written into it beside the swatch.
  vb::Picture hide(60, 16, vb::RGB(212, 208, 200));
  hide.FillRect(0, 0, 18, 13, vb::RGB(255, 255, 255));
  hide.DrawText(24, 0, Command19.Caption(), vb::RGB(0, 0, 0), 9);
  Command19.SetPicture(hide);
  Command19.Click = [this] { ChooseStyle("S"); };

  Frame3.Move(620, 288, 264, 150);
  Text6.Move(8, 18, 50, 22);
  Text8.Move(196, 18, 50, 22);
  Check1.Move(8, 46, 120, 22);
  Check2.Move(8, 70, 120, 22);
  Check2.SetToolTipText("Draw the graphic starting in the center");
  Check6.Move(8, 94, 120, 22);
  Check3.Move(136, 46, 120, 22);
  Check4.Move(136, 70, 120, 22);
  Check5.Move(136, 94, 120, 22);
  Check7.Move(8, 120, 120, 22);
  Check7.SetValue(vb::vbChecked);

  Frame4.Move(620, 442, 264, 90);
  Command2.Move(8, 20, 76, 28);
  Command5.Move(90, 20, 76, 28);
  Command8.Move(172, 20, 76, 28);
  Text5.Move(8, 56, 40, 22);

  SetClientSize(892, 640);

  OnLoad = [this] { Form_Load(); };
  OnUnload = [this] { Form_Unload(); };
  OnTerminate = [this] { Form_Terminate(); };
  Picture1.MouseUp = [this](int b, int s, double x, double y) { Picture1_MouseUp(b, s, x, y); };
  Picture1.MouseMove = [this](int b, int s, double x, double y) { Picture1_MouseMove(b, s, x, y); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Command20.Click = [this] { Command20_Click(); };
  Command21.Click = [this] { Command21_Click(); };
  Check1.Click = [this] { Check1_Click(); };
  Check2.Click = [this] { Check2_Click(); };
  Check3.Click = [this] { Check3_Click(); };
  Check4.Click = [this] { Check4_Click(); };
  Check5.Click = [this] { Check5_Click(); };
  Check6.Click = [this] { Check6_Click(); };
  Check7.Click = [this] { Check7_Click(); };
  Text1.Change = [this] { Text1_Change(); };
  Text3.Change = [this] { Text3_Change(); };
  Text8.Change = [this] { Text8_Change(); };
  open.Click = [this] { open_Click(); };
  save.Click = [this] { save_Click(); };
  exit.Click = [this] { exit_Click(); };
}

void Form1::Form_Load() {
  Command21.SetEnabled(false);
  m.EditMode = false;
  m.OffX = 0;
  m.OffY = 0;
  Picture1.SetScaleWidth(900);
  Picture1.SetScaleHeight(900);
  Picture1.SetAutoRedraw(true);
  m.GridStep = 10;
  Text8.SetText("10");
  m.PicW = Picture1.ScaleWidth();
  m.PicH = Picture1.ScaleHeight();
  Picture1.SetDrawWidth(1);
  Picture1.SetForeColor(vb::RGB(0, 0, 0));
  Picture1.SetBackColor(kPictureBack);
  m.PtX.fill(Value());
  m.PtY.fill(Value());
  m.PtStyle.fill(std::string());
  CurX = 125;
  CurY = 75;
  OrgX = 125;
  OrgY = 75;
  SegIndex = 0;
  m.PtX[0] = CurX;
  m.PtY[0] = CurY;
  m.CurStyle = "A";
  m.PtStyle[0] = "A";
  m.PointCount = 1;
  EditIndex = 0;
  GetComps();
}

void Form1::Form_Unload() { app.Form2.Unload(); }

void Form1::Command8_Click() {
  Moravint& program = app;
  program.Form2.Unload();
  program.Form1.Unload();
}

}  // namespace moravint
