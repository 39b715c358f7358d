// Start-up: the installation test, the six ways to continue, the main window's design and
// the picture the editor starts with.
#include <functional>

#include "tests/parteditor/parteditor_fixture.h"

using namespace moravint;

TEST_F(PartEditorTest, WithoutInstallationRecordTheProgramSaysSoAndEnds) {
  app.Start();
  EXPECT_EQ("Version 1.0.0", app.frmSplash().lblVersion.Caption());
  EXPECT_EQ("Moravint", app.frmSplash().lblProductName.Caption());
  EXPECT_EQ("Platform Windows 9X/XP", app.frmSplash().lblPlatform.Caption());
  responder.Expect("Please install Brantel first!", "Install Error", vb::vbOK, vb::vbOKOnly);
  app.frmSplash().Command1.PerformClick();
  vb::Application::DoEvents();
  EXPECT_FALSE(app.Form1.Loaded());
  EXPECT_FALSE(app.frmSplash.Loaded());
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(folder.Exists("Brantel.lib"));
}

TEST_F(PartEditorTest, EveryContinueWayOpensTheMainWindow) {
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
  };
  for (const auto& [what, act] : ways) {
    Moravint program;
    program.Start();
    act(program.frmSplash());
    EXPECT_TRUE(program.Form1.Loaded()) << what;
    EXPECT_TRUE(program.Form1().Visible()) << what;
    EXPECT_FALSE(program.frmSplash.Loaded()) << what;
    program.Form1().Command8.PerformClick();
    EXPECT_TRUE(program.Ended()) << what;
  }
  // The product name does not continue.
  Moravint program;
  program.Start();
  program.frmSplash().lblProductName.PerformClick();
  EXPECT_FALSE(program.Form1.Loaded());
}

TEST_F(PartEditorTest, MainWindowDesign) {
  Start();
  Form1& w = f();
  EXPECT_EQ("Moravint Component creator", w.Caption());
  const std::vector<std::pair<vb::TextBox*, std::string>> boxes = {
      {&w.Text1, "Name"}, {&w.Text3, "2"}, {&w.Text4, "0.2"}, {&w.Text7, "0"}, {&w.Text2, "2"},
      {&w.Text6, "AR"},   {&w.Text8, "10"}, {&w.Text5, "1"}};
  for (const auto& [box, text] : boxes) EXPECT_EQ(text, box->Text()) << box->Name();
  const std::vector<std::pair<vb::CommandButton*, std::string>> buttons = {
      {&w.Command1, "Redraw"}, {&w.Command3, "Restart"}, {&w.Command4, "Cancel last"}, {&w.Command20, "Comp-Y"},
      {&w.Command21, "Expan-Y"}, {&w.Command19, "Hide"}, {&w.Command2, "Save"}, {&w.Command5, "Open"},
      {&w.Command8, "Exit"}};
  for (const auto& [button, caption] : buttons) EXPECT_EQ(caption, button->Caption()) << button->Name();
  EXPECT_EQ("Move horizontal lines closer", w.Command20.ToolTipText());
  EXPECT_EQ("Return horizontal lines to normal", w.Command21.ToolTipText());
  EXPECT_EQ("Draw the graphic starting in the center", w.Check2.ToolTipText());
  EXPECT_FALSE(w.Command21.Enabled());
  EXPECT_TRUE(w.Command20.Enabled());

  const std::vector<std::pair<vb::CheckBox*, std::string>> checks = {
      {&w.Check1, "Orthagonal"}, {&w.Check2, "Mean XY"}, {&w.Check3, "Dual Inline"}, {&w.Check4, "Z-Pack"},
      {&w.Check5, "Q-Pack"},     {&w.Check6, "Random"},  {&w.Check7, "Slideable"}};
  for (const auto& [box, caption] : checks) {
    EXPECT_EQ(caption, box->Caption());
    EXPECT_EQ(box == &w.Check7 ? vb::vbChecked : vb::vbUnchecked, box->Value()) << caption;
  }
  EXPECT_EQ("Component", w.Frame1.Caption());
  EXPECT_EQ("Line", w.Frame2.Caption());
  EXPECT_EQ("Mode", w.Frame3.Caption());
  EXPECT_EQ("Control", w.Frame4.Caption());
  EXPECT_EQ("Name", w.Label1.Caption());
  EXPECT_EQ("Number of Pins", w.Label3.Caption());
  EXPECT_EQ("Spacing-X", w.Label4.Caption());
  EXPECT_EQ("Count", w.Label5.Caption());
  EXPECT_EQ("Thickness", w.Label6.Caption());
  EXPECT_EQ("Right click the mouse to redraw.", w.Label2.Caption());

  const vb::Colour swatches[] = {vb::RGB(0, 0, 0),      vb::RGB(128, 64, 0),  vb::RGB(255, 0, 0),
                                 vb::RGB(255, 128, 64), vb::RGB(255, 255, 0), vb::RGB(0, 255, 0),
                                 vb::RGB(0, 0, 255),    vb::RGB(128, 0, 255), vb::RGB(192, 192, 192),
                                 vb::RGB(255, 255, 255)};
  vb::CommandButton* styles[] = {&w.Command9,  &w.Command10, &w.Command11, &w.Command12, &w.Command13,
                                 &w.Command14, &w.Command15, &w.Command16, &w.Command17, &w.Command18};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ("", styles[i]->Caption());
    ASSERT_EQ(18, styles[i]->Picture().WidthPx());
    EXPECT_EQ(13, styles[i]->Picture().HeightPx());
    EXPECT_EQ(swatches[i], styles[i]->Picture().PixelAt(9, 6)) << styles[i]->Name();
  }
  EXPECT_EQ(vb::RGB(255, 255, 255), w.Command19.Picture().PixelAt(9, 6));

  ASSERT_EQ(3u, w.File.Items().size());
  EXPECT_EQ("File", w.File.Caption());
  EXPECT_EQ("Open", w.open.Caption());
  EXPECT_EQ("Save", w.save.Caption());
  EXPECT_EQ("Exit", w.exit.Caption());
  EXPECT_EQ("Options", w.Options.Caption());
  EXPECT_EQ("Import", w.Import.Caption());
}

TEST_F(PartEditorTest, StartUpPictureShowsGridPinMarkersAndLattice) {
  Start();
  Form1& w = f();
  EXPECT_EQ(600, w.Picture1.InnerWidthPx());
  EXPECT_EQ(900, m().PicW.Num());
  EXPECT_EQ(900, m().PicH.Num());
  EXPECT_EQ(10, m().GridStep.Num());
  EXPECT_EQ(1, m().PointCount.Num());
  EXPECT_EQ(std::vector<std::string>{"A 125 75"}, Points());
  const vb::Colour blue = vb::RGB(0, 0, 255), back = vb::RGB(240, 240, 240), grid = vb::RGB(230, 230, 230);
  // Pin markers 1 to 3, radius 6, one hole apart below the origin; the origin's centre is clear.
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(ColourNear(131, 75 + 60 * k, blue)) << k;
    EXPECT_TRUE(ColourNear(119, 75 + 60 * k, blue)) << k;
  }
  EXPECT_EQ(back, w.Picture1.Point(125, 75));
  // Their numbers, in black, up and right of each marker.
  for (int k = 0; k < 3; ++k) {
    bool black = false;
    for (double x = 135; x < 150; x += 1.5)
      for (double y = 55 + 60 * k; y < 75 + 60 * k; y += 1.5) {
        const vb::Colour c = w.Picture1.Point(x, y);
        black = black || vb::RedOf(c) + vb::GreenOf(c) + vb::BlueOf(c) < 240;
      }
    EXPECT_TRUE(black) << "number " << k + 1;
  }
  // A lattice dot (radius 3) at a hole far from the origin, and grid lines around the pen.
  EXPECT_TRUE(ColourNear(125 + 60 * 10 + 3, 75 + 60 * 12, blue));
  EXPECT_EQ(grid, w.Picture1.Point(130, 500));
  EXPECT_EQ(grid, w.Picture1.Point(500, 80));
  EXPECT_EQ(back, w.Picture1.Point(502, 502));
}
