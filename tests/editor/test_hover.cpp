// The pointer over the board: the hover highlight and the Pin Data window, "Zoom last", the
// cut preview, label dragging, the rubber band of a move, the right-click redraw, and the
// Node Edit and hole inspection windows; handler calls and real mouse events on the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editing/form5_nodeedit.h"
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/part_helpers.h"
#include "tests/support/real_input.h"

namespace {

constexpr vb::Colour kBoard = vb::RGB(210, 190, 140), kTrace = vb::RGB(215, 140, 60), kGreen = vb::RGB(0, 255, 0),
                     kBlack = 0, kRed = vb::RGB(255, 0, 0), kBand = vb::RGB(0, 0, 200), kMarker = vb::RGB(255, 0, 255);
const char* const kJumper = "JMP 0.2 AO 2 2 0 S 0 0 -1 -1 A -1 -1 1 -1 A 1 -1 1 4 A 1 4 -1 4 A -1 4 -1 -1 S -1 -1 0 0 *";
// A part whose outline is placed at the mean of its pins ("M").
const char* const kMeanPart = "Cap 0.1 AM 2 2 1 A 0 0 0 1 *";

class HoverTest : public EditorTest {
 protected:
  void SetUp() override {
    m().BoardColour = static_cast<long>(kBoard);
    m().TraceColour = static_cast<long>(kTrace);
    f().Show();
    f().SetClientSize(900, 700);
    f().Form_Resize();
    Board(15, 15);
    parttest::PlacePart(m(), {{4, 5}, {4, 7}}, kJumper, " W3 ", " 5mm ");
    RefreshBoard(app);
  }
  double R1() { return (m().HolePitch / m().PitchDivisor).Num(); }
  double CX(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleX).Num()) + m().ScrollX.Num(); }
  double CY(int a, int d) { return vb::Int(m().HoleGrid(a, d, HoleY).Num()) + m().ScrollY.Num(); }
  void Move(double x, double y, int button = 0) { f().Picture1_MouseMove(button, 0, x, y); }
  void MoveTo(int a, int d) { Move(CX(a, d), CY(a, d)); }
  vb::Colour Pixel(double x, double y) {
    return f().Picture1.Image().PixelAt(static_cast<int>(f().Picture1.ToPixelX(x)), static_cast<int>(f().Picture1.ToPixelY(y)));
  }
  // Pixels of colour c in the square of half-side h units about (x, y).
  int Count(vb::Colour c, double x, double y, double h) {
    const vb::Picture img = f().Picture1.Image();
    int n = 0;
    for (int px = static_cast<int>(f().Picture1.ToPixelX(x - h)); px <= f().Picture1.ToPixelX(x + h); ++px)
      for (int py = static_cast<int>(f().Picture1.ToPixelY(y - h)); py <= f().Picture1.ToPixelY(y + h); ++py)
        if (px >= 0 && py >= 0 && px < img.WidthPx() && py < img.HeightPx() && img.PixelAt(px, py) == c) ++n;
    return n;
  }
  // The widget pixel of a point of the picture, for real mouse events.
  QPoint At(double x, double y) {
    const int border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    return QPoint(static_cast<int>(f().Picture1.ToPixelX(x)) + border, static_cast<int>(f().Picture1.ToPixelY(y)) + border);
  }
  void Marker() { f().Picture1.FilledBox(CX(10, 10) - 5, CY(10, 10) - 5, CX(10, 10) + 5, CY(10, 10) + 5, kMarker); }
  std::vector<std::string> PinData() {
    Form8& w = app.Form8();
    return {w.Text3.Text(), w.Text4.Text(), w.Text5.Text(), w.Text12.Text(), w.Text13.Text(), w.Text10.Text()};
  }
};

TEST_F(HoverTest, HoverFillsPinDataLightsTheHoleAndKeepsTheLastAnchor) {
  auto& g = m().HoleGrid;
  // Off the holes before any hole was hovered: nothing is drawn.
  const int blackBefore = Count(kBlack, CX(4, 5), CY(4, 5), 1.5 * R1());
  Move(CX(4, 5) + m().HolePitch.Num() / 2, CY(4, 5));
  EXPECT_EQ(Count(kBlack, CX(4, 5), CY(4, 5), 1.5 * R1()), blackBefore);

  MoveTo(5, 7);  // an empty hole: its reset values
  EXPECT_EQ(PinData(), (std::vector<std::string>{" 5 : 7", "0", "", "", "", vb::Trim(g(5, 7, KelmNet).Text())}));
  EXPECT_FALSE(app.Form8().Visible());
  EXPECT_GT(Count(kGreen, CX(5, 7), CY(5, 7), 1.5 * R1()), 0);
  EXPECT_EQ(std::pair(m().LastHoleX, m().LastHoleY), std::pair(Value(1), Value(1)));

  MoveTo(4, 7);  // pin 2: shown, not an anchor
  EXPECT_EQ(PinData(), (std::vector<std::string>{" 4 : 7", "2", "W3", "5mm", "JMP", vb::Trim(g(4, 7, KelmNet).Text())}));
  EXPECT_EQ(m().LastHoleX, Value(1));
  MoveTo(4, 5);  // pin 1 is "Zoom last"'s hole
  EXPECT_EQ(PinData()[1], "1");
  EXPECT_EQ(std::pair(m().LastHoleX, m().LastHoleY), std::pair(Value(4), Value(5)));

  // Leaving the holes paints the highlight over in black, the hole's own ring; Pin Data stays.
  EXPECT_LT(Count(kBlack, CX(4, 5), CY(4, 5), 1.5 * R1()), blackBefore);
  Move(CX(4, 5) + m().HolePitch.Num() / 2, CY(4, 5));
  EXPECT_EQ(Count(kGreen, CX(4, 5), CY(4, 5), 1.5 * R1()), 0);
  EXPECT_EQ(Count(kBlack, CX(4, 5), CY(4, 5), 1.5 * R1()), blackBefore);
}

TEST_F(HoverTest, CutPreviewShowsJoinedSegmentsCutAndSplitOnesWhole) {
  auto& g = m().HoleGrid;
  for (int a = 1; a <= 15; ++a) g(a, 10, KelmNet) = a <= 6 ? 5 : 9;
  RefreshBoard(app);
  m().CuttingStrip = true;
  const double joinedX = (CX(3, 10) + CX(4, 10)) / 2, splitX = (CX(6, 10) + CX(7, 10)) / 2, y = CY(3, 10);
  ASSERT_EQ(Pixel(joinedX, y), kTrace);
  ASSERT_EQ(Pixel(splitX, y), kBoard);

  Move(joinedX, y);
  EXPECT_EQ(std::pair(m().TraceX, m().TraceY), std::pair(4, 10));
  EXPECT_EQ(Pixel(joinedX, y), kBoard);
  Move(splitX, y);
  EXPECT_EQ(Pixel(splitX, y), kTrace);
  // Off the strips: the last segment previewed goes back (its strip number is the greater).
  Move(splitX, y - m().HolePitch.Num() / 2);
  EXPECT_EQ(Pixel(splitX, y), kBoard);
  EXPECT_EQ(std::pair(m().TraceX, m().TraceY), std::pair(7, 10));
}

TEST_F(HoverTest, LabelDragStepsRightClickAndEmptyHoleClick) {
  auto& g = m().HoleGrid;
  const double s = 2 * R1();
  const double gx = CX(4, 5) + g(4, 5, LabelX).Num() + 0.8 * s, gy = CY(4, 5) + g(4, 5, LabelY).Num() + 0.8 * s;
  f().Picture1_MouseDown(1, 0, gx, gy);
  ASSERT_TRUE(m().OnLabel);
  ASSERT_EQ(std::pair(m().HoverHoleX, m().HoverHoleY), std::pair(4, 5));
  EXPECT_GT(Count(kRed, CX(4, 5) + g(4, 5, LabelX).Num(), CY(4, 5) + g(4, 5, LabelY).Num(), 0.3 * R1()), 0);
  EXPECT_FALSE(app.Form5.Loaded());  // the press was not on a pin

  const std::pair<double, double> steps[] = {{gx + 1, gy}, {gx + 1, gy + 3}, {gx + 1, gy + 3}, {gx - 4, gy + 3}};
  const std::pair<int, int> want[] = {{120, 100}, {120, 120}, {120, 120}, {100, 120}};
  for (int i = 0; i < 4; ++i) {
    Move(steps[i].first, steps[i].second, 1);
    EXPECT_EQ(std::pair(g(4, 5, LabelX), g(4, 5, LabelY)), std::pair(Value(want[i].first), Value(want[i].second))) << i;
  }
  EXPECT_EQ(f().Text19.Text(), vb::Format(gy + 3));
  f().Picture1_MouseUp(1, 0, gx - 4, gy + 3);
  Move(gx + 9, gy + 9);
  EXPECT_EQ(g(4, 5, LabelX), Value(100));

  // A right click repaints the whole board; a left click on an empty hole opens nothing.
  Marker();
  f().Picture1_MouseDown(2, 0, CX(9, 2), CY(9, 2));
  EXPECT_NE(Pixel(CX(10, 10) + 4, CY(10, 10)), kMarker);
  f().Picture1_MouseDown(1, 0, CX(9, 2), CY(9, 2));
  EXPECT_FALSE(app.Form5.Loaded());
}

TEST_F(HoverTest, RubberBandOfAMoveSurvivesTheRepaintOfAMeanPlacedPart) {
  auto& g = m().HoleGrid;
  parttest::PlacePart(m(), {{8, 9}, {10, 9}}, kMeanPart, "C2");
  RefreshBoard(app);
  f().Command5_Click();
  f().Picture1_MouseUp(1, 0, CX(8, 9), CY(8, 9));
  ASSERT_EQ(std::pair(m().PrevPinX, m().PrevPinY), std::pair(8, 9));
  f().Picture1_MouseDown(2, 0, CX(14, 14), CY(14, 14));  // a right-click redraw on the way
  EXPECT_EQ(std::pair(m().PrevPinX, m().PrevPinY), std::pair(8, 9));
  MoveTo(11, 12);  // the repaint spans the part, whose outline takes the mean of its pins
  EXPECT_EQ(std::pair(m().PrevPinX, m().PrevPinY), std::pair(8, 9));
  EXPECT_EQ(Pixel((CX(8, 9) + CX(11, 12)) / 2, (CY(8, 9) + CY(11, 12)) / 2), kBand);
  f().Picture1_MouseUp(1, 0, CX(11, 12), CY(11, 12));
  EXPECT_EQ(std::pair(g(11, 12, CompXToo), g(11, 12, CompYToo)), std::pair(Value(10), Value(9)));
  EXPECT_EQ(g(8, 9, CompXFrom), Value(0));
}

// Real mouse events: a press on a pin whose label box lies under the pointer opens Node Edit
// and grabs the label; the drag follows the held button; a plain move shows the hole.
TEST_F(HoverTest, RealPressOpensNodeEditAndGrabsTheLabel) {
  auto& g = m().HoleGrid;
  g(4, 5, LabelX) = -R1();
  g(4, 5, LabelY) = -R1();
  QWidget* pic = f().Picture1.Widget();
  const QPoint pin = At(CX(4, 5), CY(4, 5));
  testsupport::MousePress(pic, Qt::LeftButton, Qt::NoModifier, pin);
  ASSERT_TRUE(app.Form5.Loaded());
  EXPECT_TRUE(app.Form5().Visible());
  EXPECT_EQ(app.Form5().Text7(1).Text(), " W3 ");
  EXPECT_TRUE(m().OnLabel);
  testsupport::MouseMove(pic, pin + QPoint(1, 0), Qt::LeftButton);
  EXPECT_NEAR(g(4, 5, LabelX).Num(), -R1() + 20, 1e-9);
  testsupport::MouseRelease(pic, Qt::LeftButton, Qt::NoModifier, pin + QPoint(1, 0));
  EXPECT_FALSE(m().OnLabel);
  testsupport::MouseMove(pic, At(CX(6, 3), CY(6, 3)));
  EXPECT_EQ(app.Form8().Text3.Text(), " 6 : 3");
}

TEST_F(HoverTest, NodeEditDoneWritesTheHoleItShowsAndCancelWritesNothing) {
  auto& g = m().HoleGrid;
  g(4, 5, NetName) = "N0";
  g(4, 7, NetName) = "N1";
  g(4, 7, NetNumber) = 4;
  const Value strip1 = g(4, 5, KelmNet);
  f().Picture1_MouseDown(1, 0, CX(4, 7), CY(4, 7));
  Form5& w = app.Form5();
  EXPECT_EQ(w.Caption(), "Node Edit");
  std::vector<std::string> shown;
  w.Text7.ForEach([&](int, vb::TextBox& b) { shown.push_back(b.Text()); });
  EXPECT_EQ(shown, (std::vector<std::string>{"2", " W3 ", " 5mm ", "JMP", "N1", "4", vb::Format(g(4, 7, KelmNet)), "0"}));

  const char* typed[] = {"7x", "  U9 ", "", "", "", "abc", "12kg", "-3"};
  for (int i = 0; i < 8; ++i) w.Text7(i).SetText(typed[i]);
  // A press on the other pin while the window is open names that pin but reloads nothing.
  f().Picture1_MouseDown(1, 0, CX(4, 5), CY(4, 5));
  EXPECT_EQ(w.Text7(0).Text(), "7x");
  Marker();
  w.Command1.PerformClick();
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_NE(Pixel(CX(10, 10) + 4, CY(10, 10)), kMarker);  // the board was repainted
  const Value want2[] = {7, "U9", " 5mm ", "JMP", "", 0, 12, -3};
  const HoleField boxes[] = {PinNumber, CompName, CompValue, CompPackage, NetName, NetNumber, KelmNet, CompOffset};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(g(4, 7, boxes[i]), want2[i]) << "box " << i;
  EXPECT_EQ(g(4, 5, CompName), Value("U9"));
  EXPECT_EQ(std::vector<Value>({g(4, 5, PinNumber), g(4, 5, NetName), g(4, 5, KelmNet)}),
            std::vector<Value>({1, "N0", strip1}));

  // Cancel: nothing written, nothing repainted.
  f().Picture1_MouseDown(1, 0, CX(4, 5), CY(4, 5));
  app.Form5().Text7(1).SetText("ZZ");
  app.Form5().Text7(4).SetText("x");
  Marker();
  app.Form5().Command2.PerformClick();
  EXPECT_FALSE(app.Form5.Loaded());
  EXPECT_EQ(std::pair(g(4, 5, CompName), g(4, 5, NetName)), std::pair(Value("U9"), Value("N0")));
  EXPECT_EQ(Pixel(CX(10, 10) + 4, CY(10, 10)), kMarker);

  // A pin moved away while the window was open: its old hole, now free, takes nothing.
  f().Picture1_MouseDown(1, 0, CX(4, 5), CY(4, 5));
  f().KillGrid(4, 5);
  app.Form5().Command1.PerformClick();
  EXPECT_EQ(std::pair(g(4, 5, PinNumber), g(4, 5, CompName)), std::pair(Value(0), Value("")));

  // The hole inspection window: every field of a hole, in its plain text form.
  Diags& d = app.Diags();
  d.DoDiags(4, 7);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ((std::vector<std::string>{d.Caption(), d.Label21.Caption(), d.Label1(2).Caption(), d.Label1(19).Caption()}),
            (std::vector<std::string>{"Grid Y", "Component xy list ", "Pin Nymber", "XY's"}));
  std::vector<std::string> fields;
  d.Text7.ForEach([&](int, vb::TextBox& b) { fields.push_back(b.Text()); });
  fields.erase(fields.begin(), fields.begin() + 2);  // the position
  EXPECT_EQ(fields, (std::vector<std::string>{"7", "0", "U9", "4", "5", "4", "5", " 5mm ", "JMP", "", "0", "0", "0",
                                              g(4, 7, LabelX).Text(), g(4, 7, LabelY).Text(), "12", "-3", ""}));
}

}  // namespace
