// Start-up: the installation test, the six ways to continue, the main window's design and
// the picture the editor starts with.
#include <functional>

#include "tests/parteditor/parteditor_fixture.h"

using namespace moravint;

TEST_F(PartEditorTest, StartUpWindowTestsTheInstallationAndContinuesSixWays) {
  app.Start();
  EXPECT_EQ("Version 1.0.0", app.frmSplash().lblVersion.Caption());
  EXPECT_EQ("Moravint", app.frmSplash().lblProductName.Caption());
  EXPECT_EQ("Platform Windows 9X/XP", app.frmSplash().lblPlatform.Caption());
  responder.Expect("Please install Brantel first!", "Install Error", vb::vbOK, vb::vbOKOnly);
  app.frmSplash().Command1.PerformClick();
  EXPECT_FALSE(app.Form1.Loaded());
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(folder.Exists("Brantel.lib"));

  folder.Write("Brantel.dat", kInstallRecord);
  const std::vector<std::pair<const char*, std::function<void(frmSplash&)>>> ways = {
      {"Continue", [](frmSplash& s) { s.Command1.PerformClick(); }},
      {"any key",
       [](frmSplash& s) {
         QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
         QApplication::sendEvent(s.TopWidget(), &key);
       }},
      {"frame", [](frmSplash& s) { s.Frame1_Click(); }},
      {"platform label", [](frmSplash& s) { s.lblPlatform.PerformClick(); }},
      {"version label", [](frmSplash& s) { s.lblVersion.PerformClick(); }},
      {"maker's notice", [](frmSplash& s) { s.lblCopyright.PerformClick(); }},
      {"product name (stays)", [](frmSplash& s) { s.lblProductName.PerformClick(); }},
  };
  for (const auto& [what, act] : ways) {
    Moravint program;
    program.Start();
    act(program.frmSplash());
    const bool continues = std::string(what).find("stays") == std::string::npos;
    EXPECT_EQ(continues, program.Form1.Loaded() && program.Form1().Visible()) << what;
    EXPECT_EQ(!continues, program.frmSplash.Loaded()) << what;
    if (!continues) continue;
    EXPECT_TRUE(program.Form2.Loaded());  // loaded hidden by reading the library
    // Exit from the menu, or closing the window, unloads both windows and ends the program.
    if (std::string(what) == "frame") program.Form1().TopWidget()->close();
    else program.Form1().exit.Click();
    EXPECT_FALSE(program.Form2.Loaded()) << what;
    EXPECT_TRUE(program.Ended()) << what;
  }
}

TEST_F(PartEditorTest, MainWindowDesign) {
  Start();
  Form1& w = f();
  EXPECT_EQ("Moravint Component creator", w.Caption());
  for (const auto& [box, text] : std::vector<std::pair<vb::TextBox*, std::string>>{
           {&w.Text1, "Name"}, {&w.Text3, "2"}, {&w.Text4, "0.2"}, {&w.Text7, "0"}, {&w.Text2, "2"},
           {&w.Text6, "AR"}, {&w.Text8, "10"}, {&w.Text5, "1"}})
    EXPECT_EQ(text, box->Text()) << box->Name();
  std::string captions;
  for (vb::CommandButton* b : {&w.Command1, &w.Command3, &w.Command4, &w.Command20, &w.Command21, &w.Command19,
                               &w.Command2, &w.Command5, &w.Command8})
    captions += b->Caption() + "|";
  for (vb::CheckBox* c : {&w.Check1, &w.Check2, &w.Check3, &w.Check4, &w.Check5, &w.Check6, &w.Check7})
    captions += c->Caption() + (c->Value() == vb::vbChecked ? "+|" : "|");
  for (vb::Frame* fr : {&w.Frame1, &w.Frame2, &w.Frame3, &w.Frame4}) captions += fr->Caption() + "|";
  for (vb::Label* l : {&w.Label1, &w.Label3, &w.Label4, &w.Label5, &w.Label6, &w.Label2}) captions += l->Caption() + "|";
  for (vb::MenuItem* mi : {&w.File, &w.open, &w.save, &w.exit, &w.Options, &w.Import}) captions += mi->Caption() + "|";
  EXPECT_EQ(
      "Redraw|Restart|Cancel last|Comp-Y|Expan-Y|Hide|Save|Open|Exit|"
      "Orthagonal|Mean XY|Dual Inline|Z-Pack|Q-Pack|Random|Slideable+|Component|Line|Mode|Control|"
      "Name|Number of Pins|Spacing-X|Count|Thickness|Right click the mouse to redraw.|File|Open|Save|Exit|Options|"
      "Import|",
      captions);
  EXPECT_EQ("Move horizontal lines closer", w.Command20.ToolTipText());
  EXPECT_EQ("Return horizontal lines to normal", w.Command21.ToolTipText());
  EXPECT_EQ("Draw the graphic starting in the center", w.Check2.ToolTipText());
  EXPECT_FALSE(w.Command21.Enabled());

  const vb::Colour swatches[] = {vb::RGB(0, 0, 0),      vb::RGB(128, 64, 0),  vb::RGB(255, 0, 0),
                                 vb::RGB(255, 128, 64), vb::RGB(255, 255, 0), vb::RGB(0, 255, 0),
                                 vb::RGB(0, 0, 255),    vb::RGB(128, 0, 255), vb::RGB(192, 192, 192),
                                 vb::RGB(255, 255, 255), vb::RGB(255, 255, 255)};
  vb::CommandButton* styles[] = {&w.Command9,  &w.Command10, &w.Command11, &w.Command12,
                                 &w.Command13, &w.Command14, &w.Command15, &w.Command16,
                                 &w.Command17, &w.Command18, &w.Command19};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(i < 10 ? 18 : 60, styles[i]->Picture().WidthPx());
    EXPECT_EQ(swatches[i], styles[i]->Picture().PixelAt(9, 6)) << styles[i]->Name();
  }
}

TEST_F(PartEditorTest, StartUpPictureShowsGridPinMarkersAndLattice) {
  Start();
  Form1& w = f();
  EXPECT_EQ(900, m().PicW.Num());
  EXPECT_EQ(10, m().GridStep.Num());
  EXPECT_EQ(std::vector<std::string>{"A 125 75"}, Points());
  const vb::Colour blue = vb::RGB(0, 0, 255), back = vb::RGB(240, 240, 240), grid = vb::RGB(230, 230, 230);
  // Pin markers 1 to 3 (radius 6) one hole apart below the origin, each with its number in
  // black up and right of it; the origin's centre is clear.
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(ColourNear(131, 75 + 60 * k, blue) && ColourNear(119, 75 + 60 * k, blue)) << k;
    bool dark = false;
    for (double x = 135; x < 150; x += 1.5)
      for (double y = 55 + 60 * k; y < 75 + 60 * k; y += 1.5) {
        const vb::Colour c = w.Picture1.Point(x, y);
        dark = dark || vb::RedOf(c) + vb::GreenOf(c) + vb::BlueOf(c) < 240;
      }
    EXPECT_TRUE(dark) << "number " << k + 1;
  }
  EXPECT_EQ(back, w.Picture1.Point(125, 75));
  // A lattice dot (radius 3) at a hole far from the origin, and grid lines around the pen.
  EXPECT_TRUE(ColourNear(125 + 60 * 10 + 3, 75 + 60 * 12, blue));
  EXPECT_EQ(grid, w.Picture1.Point(130, 500));
  EXPECT_EQ(grid, w.Picture1.Point(500, 80));
  EXPECT_EQ(back, w.Picture1.Point(502, 502));
}
