#include <gtest/gtest.h>
#include "editor/form1.h"
#include "tests/support/fixtures.h"
TEST(ShotsD, Save) {
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;
  Form1& f = app.Form1();
  app.m.BoardColour = vb::RGB(40, 120, 40);
  app.m.TraceColour = vb::RGB(200, 130, 60);
  f.Text1.SetText("15"); f.Text2.SetText("15");
  f.GraphicLimits(true); f.BuildArray(true); f.InitKelm();
  f.HScroll1.SetValue(500); f.VScroll1.SetValue(500);
  RefreshBoard(app);
  f.Picture1.Image().SavePng("/tmp/d_plain.png");
  app.m.HoleGrid(4, 3, KelmNet) = 99;
  RefreshBoard(app);
  f.Picture1.Image().SavePng("/tmp/d_cut.png");
  f.Flip_Click();
  f.Picture1.Image().SavePng("/tmp/d_flip.png");
  f.Command15_Click();
  app.m.LastHoleX = 8; app.m.LastHoleY = 8;
  f.Command13_Click(); f.Command13_Click(); f.Command13_Click();
  f.Picture1.Image().SavePng("/tmp/d_zoom.png");
  f.Command15_Click();
  f.Check4.SetValue(1);
  f.Picture1.Image().SavePng("/tmp/d_pads.png");
  f.Check4.SetValue(0);
  f.Check2.SetValue(1);
  f.Picture1.Image().SavePng("/tmp/d_preview.png");
  f.Check2.SetValue(0);
  f.Check1.SetValue(0);
  f.Picture1.Image().SavePng("/tmp/d_vertical.png");
}
#include <chrono>
#include <cstdlib>
#include <thread>
#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/editing/form8_pindata.h"
#include "platform/app.h"
static void Pump(double seconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(int(seconds * 1000));
  while (std::chrono::steady_clock::now() < end) { vb::Application::DoEvents(); std::this_thread::sleep_for(std::chrono::milliseconds(20)); }
}
TEST(ShotsD, Screen) {
  const char* stage = std::getenv("D_XVFB");
  if (!stage) GTEST_SKIP();
  testsupport::ScriptedResponder responder;
  Brantel app;
  Form1& f = app.Form1();
  f.Text1.SetText("15"); f.Text2.SetText("15");
  f.GraphicLimits(true); f.BuildArray(true); f.InitKelm();
  f.ReDrawWhole(1);
  f.Show();
  std::string which = stage;
  if (which == "flip") { f.Flip_Click(); }
  if (which == "zoom") { app.m.LastHoleX = 8; app.m.LastHoleY = 8; f.Command13_Click(); f.Command13_Click(); }
  if (which == "pads") { f.Check4.SetValue(1); f.DrillCut_Click(); }
  if (which == "preview") { f.Check2.SetValue(1); }
  if (which == "colours") { f.BColors_Click(); }
  if (which == "product") { f.Brantel_Click(); }
  if (which == "pins") { f.ShowPin_Click(); }
  if (which == "big") { f.SetWidth(15000); f.SetHeight(11000); }
  Pump(4);
}
#include "editor/board/tool_pictures.h"
TEST(ShotsD, Pictures) {
  ToolPicture("Command15").SavePng("/tmp/d_c15.png");
  ToolPicture("Command16").SavePng("/tmp/d_c16.png");
  ToolPicture("Cut").SavePng("/tmp/d_cut_tool.png");
  ToolPicture("Drill").SavePng("/tmp/d_drill_tool.png");
}
