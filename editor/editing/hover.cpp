// The pointer over the board before a click completes: the hole under it lit up and shown in
// the Pin Data window, the cut preview, label dragging and the rubber band from the last pin;
// and the press of a button: Node Edit, the label grab and the right-click redraw.
#include "editor/editing/form5_nodeedit.h"
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"
#include "platform/strings.h"

namespace {

constexpr vb::Colour kHoverGreen = vb::RGB(0, 255, 0);
constexpr vb::Colour kHoverGone = vb::RGB(0, 0, 0);
constexpr vb::Colour kRubberBand = vb::RGB(0, 0, 200);
constexpr vb::Colour kLabelGrab = vb::RGB(255, 0, 0);
constexpr double kDragStep = 20;

struct Centre {
  double x, y;
};

// The centre of a hole on the picture: the stored position taken down to a whole number,
// then the scroll offset.
Centre CentreOf(const Module1& m, int a, int d) {
  return {vb::Int(m.HoleGrid(a, d, HoleX).Num()) + m.ScrollX.Num(),
          vb::Int(m.HoleGrid(a, d, HoleY).Num()) + m.ScrollY.Num()};
}

bool EmptyText(const Value& v) { return v == Value(std::string()); }

double Step(double d) { return d > 0 ? kDragStep : (d < 0 ? -kDragStep : 0); }

}  // namespace

void Form1::Picture1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button;
  (void)Shift;
  auto& g = m.HoleGrid;
  const double r1 = (m.HolePitch / m.PitchDivisor).Num();

  int hx = 0, hy = 0;
  OnaHole(X, Y, hx, hy, m.HoverHoleX, m.HoverHoleY);

  if (hx != 0 && hy != 0) {
    if (!EmptyText(g(hx, hy, XYs))) {
      m.LastHoleX = hx;
      m.LastHoleY = hy;
    }
    Form8& pins = app.Form8();
    pins.Text3.SetText(vb::Str(hx) + " :" + vb::Str(hy));
    pins.Text4.SetText(vb::Format(g(hx, hy, PinNumber)));
    pins.Text5.SetText(vb::Trim(g(hx, hy, CompName).Text()));
    pins.Text12.SetText(vb::Trim(g(hx, hy, CompValue).Text()));
    pins.Text13.SetText(vb::Trim(g(hx, hy, CompPackage).Text()));
    pins.Text10.SetText(vb::Trim(g(hx, hy, KelmNet).Text()));
    const Centre c = CentreOf(m, hx, hy);
    Picture1.Circle(c.x, c.y, r1, kHoverGreen);
  } else if (m.HoverHoleX != 0 || m.HoverHoleY != 0) {
    const Centre c = CentreOf(m, m.HoverHoleX, m.HoverHoleY);
    Picture1.Circle(c.x, c.y, r1, kHoverGone);
  }

  if (m.CuttingStrip) {
    int sx = 0, sy = 0;
    OnaTrace(X, Y, sx, sy, m.TraceX, m.TraceY);
    const bool rows = Check1.Value() == 1;
    const int nx = rows ? m.TraceX - 1 : m.TraceX;
    const int ny = rows ? m.TraceY : m.TraceY - 1;
    if (m.OnTrace) {
      const bool joined = g(m.TraceX, m.TraceY, KelmNet) == g(nx, ny, KelmNet);
      DrawSegment(m.TraceX, m.TraceY, joined ? m.BoardColour : m.TraceColour);
    } else if (m.TraceX != 0 && m.TraceY != 0) {
      const bool cut = g(m.TraceX, m.TraceY, KelmNet) > g(nx, ny, KelmNet);
      DrawSegment(m.TraceX, m.TraceY, cut ? m.BoardColour : m.TraceColour);
    }
  }

  if (!EmptyText(g(m.HoverHoleX, m.HoverHoleY, CompName)) && m.OnLabel) {
    const double stepX = Step((m.DragStartX - Value(X)).Num());
    const double stepY = Step((m.DragStartY - Value(Y)).Num());
    g(m.HoverHoleX, m.HoverHoleY, LabelX) = g(m.HoverHoleX, m.HoverHoleY, LabelX) - Value(stepX);
    g(m.HoverHoleX, m.HoverHoleY, LabelY) = g(m.HoverHoleX, m.HoverHoleY, LabelY) - Value(stepY);
    m.DragStartX = X;
    m.DragStartY = Y;
    Text18.SetText(vb::Format(X));
    Text19.SetText(vb::Format(Y));
    RefreshBoard(app);
  }

  if ((m.PlacingPart || m.MovingPin || m.BlockMoving) && m.PrevPinX != 0 && m.PrevPinY != 0) {
    const Centre prev = CentreOf(m, m.PrevPinX, m.PrevPinY);
    Picture1.Circle(prev.x, prev.y, 1.6 * r1);
    Picture1.Circle(prev.x, prev.y, 2 * r1);
    // Off the holes there is no end for the band; on the previous pin it would have no length.
    if (hx != 0 && hy != 0 && (hx != m.PrevPinX || hy != m.PrevPinY)) {
      // The repaint orders and widens the corners it is given: it works on copies, and the
      // pin pair of the placement or move stays as it was.
      const int keepX = m.PrevPinX, keepY = m.PrevPinY;
      int x1 = keepX, y1 = keepY, x2 = hx, y2 = hy;
      ReDrawFT(x1, y1, x2, y2, 0);
      m.PrevPinX = keepX;
      m.PrevPinY = keepY;
      const Centre to = CentreOf(m, hx, hy);
      Picture1.SetDrawWidth(2);
      Picture1.Line(prev.x, prev.y, vb::Round(to.x), vb::Round(to.y), kRubberBand);
      Picture1.SetDrawWidth(1);
    }
  }
}

void Form1::Picture1_MouseDown(int Button, int Shift, double X, double Y) {
  (void)Shift;
  auto& g = m.HoleGrid;
  OnaHole(X, Y, m.EditHoleX, m.EditHoleY, m.HoverHoleX, m.HoverHoleY);
  const bool noMode = !m.PlacingPart && !m.MovingPin && !m.BlockMoving && !m.DeletingPart && !m.SlidingPart &&
                      !m.CuttingStrip && !m.Drilling;
  if (Button == vb::vbLeftButton && m.EditHoleX != 0 && m.EditHoleY != 0 && noMode) {
    const int a = m.EditHoleX, d = m.EditHoleY;
    if (g(a, d, CompXFrom) != Value(0) && g(a, d, CompYFrom) != Value(0) && g(a, d, CompXToo) != Value(0) &&
        g(a, d, CompYToo) != Value(0))
      app.Form5().Show(vb::vbModeless);
  }

  onalabel(X, Y, m.EditHoleX, m.EditHoleY, m.HoverHoleX, m.HoverHoleY);
  if (Button == vb::vbLeftButton && m.EditHoleX != 0 && m.EditHoleY != 0) {
    const double r1 = (m.HolePitch / m.PitchDivisor).Num();
    const Centre c = CentreOf(m, m.EditHoleX, m.EditHoleY);
    const double left = c.x + g(m.EditHoleX, m.EditHoleY, LabelX).Num();
    const double top = c.y + g(m.EditHoleX, m.EditHoleY, LabelY).Num();
    Picture1.Box(left, top, left + 2.5 * r1, top + 2.5 * r1, kLabelGrab);
    m.DragStartX = X;
    m.DragStartY = Y;
    Text18.SetText(vb::Format(X));
    Text19.SetText(vb::Format(Y));
  }
  if (Button == vb::vbRightButton) RefreshBoard(app);
}
