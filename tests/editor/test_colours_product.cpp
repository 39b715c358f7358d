// The Board Color window and the product information window.
#include <gtest/gtest.h>

#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/fixtures.h"

namespace {

class ColourTest : public EditorTest {
 protected:
  void SetUp() override {
    f();
    app.Form9.Unload();  // start from a closed window with known colours
    m().BoardColour = vb::RGB(1, 2, 3);
    m().TraceColour = vb::RGB(10, 20, 30);
  }
};

TEST_F(ColourTest, FirstOpeningEditsTheTraceColour) {
  f().BColors_Click();
  Form9& w = app.Form9();
  EXPECT_TRUE(w.Visible());
  EXPECT_EQ(w.Caption(), "Board Color");
  EXPECT_FALSE(w.EditingBoard);
  EXPECT_EQ(w.Command3.Caption(), "Edit Board");
  EXPECT_EQ(w.Label2.Caption(), "Editing the trace color");
  EXPECT_EQ(w.VScroll1.Value(), 10);
  EXPECT_EQ(w.VScroll2.Value(), 20);
  EXPECT_EQ(w.VScroll3.Value(), 30);
  EXPECT_EQ(w.Text1.Text(), "10");
  EXPECT_EQ(w.Text3.Text(), "30");
  EXPECT_EQ(w.Picture2.BackColor(), vb::RGB(10, 0, 0));
  EXPECT_EQ(w.Picture4.BackColor(), vb::RGB(0, 0, 30));
  EXPECT_EQ(m().BoardColour.Num(), vb::RGB(1, 2, 3));
  EXPECT_EQ(m().TraceColour.Num(), vb::RGB(10, 20, 30));

  f().BColors_Click();  // again while open: the other colour
  EXPECT_TRUE(w.EditingBoard);
  EXPECT_EQ(w.Command3.Caption(), "Edit Trace");
  EXPECT_EQ(w.Label2.Caption(), "Editing the board color");
  EXPECT_EQ(w.VScroll1.Value(), 1);
  EXPECT_EQ(w.VScroll3.Value(), 3);
  EXPECT_EQ(m().TraceColour.Num(), vb::RGB(10, 20, 30));
}

TEST_F(ColourTest, BarsStoreAtOnceAndDrawThePreview) {
  f().BColors_Click();
  Form9& w = app.Form9();
  w.VScroll2.SetValue(200);
  EXPECT_EQ(m().TraceColour.Num(), vb::RGB(10, 200, 30));
  EXPECT_EQ(w.Text2.Text(), "200");
  EXPECT_EQ(w.Picture1.Point(1000, 300), vb::RGB(10, 200, 30));  // first strip
  EXPECT_EQ(w.Picture1.Point(1000, 475), vb::RGB(1, 2, 3));      // gap between strips
  EXPECT_EQ(w.Picture1.Point(1000, 1600), vb::RGB(1, 2, 3));     // board below the strips
  // Cancel keeps the change and does not repaint the board
  w.Command2.PerformClick();
  EXPECT_FALSE(app.Form9.Loaded());
  EXPECT_EQ(m().TraceColour.Num(), vb::RGB(10, 200, 30));
}

TEST_F(ColourTest, HighBitsAreDroppedWhenABarMoves) {
  m().TraceColour = 2147483653.0;  // a system colour: bit 31 and red 5
  f().BColors_Click();
  Form9& w = app.Form9();
  EXPECT_EQ(w.VScroll1.Value(), 5);
  EXPECT_EQ(w.VScroll2.Value(), 0);
  w.VScroll2.SetValue(7);
  EXPECT_EQ(m().TraceColour.Num(), vb::RGB(5, 7, 0));

  m().TraceColour = -2147483633.0;  // the same kind of value written as a signed number
  int blue = -1, green = -1, red = -1;
  Form9::ConVert(m().TraceColour, blue, green, red);
  EXPECT_EQ(red, 15);
  EXPECT_EQ(green, 0);
  EXPECT_EQ(blue, 0);
  Form9::ConVert(Value("not a colour"), blue, green, red);
  EXPECT_EQ(red + green + blue, 0);
}

TEST_F(ColourTest, EqualPartsFireNothing) {
  m().BoardColour = 0;
  m().TraceColour = 0x7F000000L;  // parts all 0, like the bars after the load
  f().BColors_Click();
  EXPECT_EQ(m().TraceColour.Num(), 0x7F000000L);
}

TEST_F(ColourTest, DoneRepaintsTheBoardAndCloses) {
  f().Text1.SetText("15");
  f().Text2.SetText("15");
  f().GraphicLimits(true);
  f().BuildArray(true);
  f().InitKelm();
  f().HScroll1.SetValue(500);
  f().VScroll1.SetValue(500);
  f().BColors_Click();
  Form9& w = app.Form9();
  w.VScroll1.SetValue(255);
  w.VScroll2.SetValue(0);
  w.VScroll3.SetValue(255);  // magenta strips
  w.Command1.PerformClick();
  EXPECT_FALSE(app.Form9.Loaded());
  // a point on the strip of row 1, half-way between two holes
  const double x = 500 + m().HolePitch.Num() * 1.5, y = 500;
  EXPECT_EQ(f().Picture1.Point(x, y), vb::RGB(255, 0, 255));
}

class ProductTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  testsupport::ShellRecorder shell;
  Brantel app;
};

TEST_F(ProductTest, TicksStayAsTheyAre) {
  app.Form1().Brantel_Click();
  Form6& p = app.Form6();
  EXPECT_TRUE(p.Visible());
  EXPECT_EQ(p.Caption(), "Introducing Brantel-Pro");
  vb::CheckBox* boxes[] = {&p.Check1,  &p.Check2,  &p.Check3,  &p.Check4,  &p.Check5,  &p.Check6,
                           &p.Check7,  &p.Check8,  &p.Check9,  &p.Check10, &p.Check11, &p.Check12,
                           &p.Check13, &p.Check14, &p.Check15, &p.Check16};
  const int ticks[] = {1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 1, 1};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(boxes[i]->Value(), ticks[i]) << boxes[i]->Name();
    boxes[i]->PerformClick();
    EXPECT_EQ(boxes[i]->Value(), ticks[i]) << boxes[i]->Name();
    boxes[i]->PerformClick();
    EXPECT_EQ(boxes[i]->Value(), ticks[i]) << boxes[i]->Name();
  }
  p.Command1.PerformClick();
  EXPECT_FALSE(app.Form6.Loaded());
  EXPECT_TRUE(shell.Commands().empty());
}

TEST_F(ProductTest, LinkOpensTheProPageThenCloses) {
  app.Form1().Brantel_Click();
  EXPECT_EQ(app.Form6().lblCompany.Caption(), "Brantel-Pro web page");
  app.Form6().lblCompany.PerformClick();
  EXPECT_FALSE(app.Form6.Loaded());
  ASSERT_EQ(shell.Commands().size(), 1u);
  EXPECT_EQ(shell.Commands()[0], std::string("C:\\Program Files\\Internet Explorer\\IExplore ") + kMakerProPage);
}

TEST_F(ProductTest, WebSiteStartsTheHomePageAndSurvivesAFailure) {
  app.Form1().WebSite_Click();
  ASSERT_EQ(shell.Commands().size(), 1u);
  EXPECT_EQ(shell.Commands()[0], std::string("C:\\Program Files\\Internet Explorer\\IExplore ") + kMakerHomePage);
  shell.FailNext();
  EXPECT_NO_THROW(app.Form1().WebSite_Click());
  EXPECT_EQ(app.Form1().WebSite.Caption(), "Web site" + std::string(47, ' '));
}

}  // namespace
