// The board drawing: holes, copper strips, pads, cut gaps, drill marks and the parts,
// painted straight onto the board picture in its own scale units.
#include <algorithm>
#include <utility>

#include "editor/form1.h"
#include "platform/strings.h"

namespace {

constexpr vb::Colour kPreviewBoard = vb::RGB(252, 252, 252);
constexpr vb::Colour kPreviewStrip = vb::RGB(254, 254, 254);
constexpr vb::Colour kBoardBackground = vb::RGB(200, 200, 200);
constexpr vb::Colour kPreviewBackground = vb::RGB(255, 255, 255);

vb::Colour ColourOf(const Value& v) { return vb::CLng(v); }

bool StripJoined(const HoleGridTable& g, long a, long d) { return g(a, d, KelmNet) > Value(0); }

}  // namespace

void Form1::ReDrawWhole(int mode) {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ReDrawFT(x1, y1, x2, y2, mode);
}

void Form1::ReDrawFT(int& x1, int& y1, int& x2, int& y2, int mode) {
  auto& g = m.HoleGrid;
  Label3.SetCaption(m.ViewSide);
  const Value preview = mode == 2;
  const int across = vb::CInt(m.HolesAcross);
  const int down = vb::CInt(m.HolesDown);
  if (mode > 0) {
    x1 = 1;
    y1 = 1;
    x2 = across;
    y2 = down;
  }
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  // A single column is repainted together with the column to its right.
  if (x1 == x2 && vb::Val(Text1.Text()) > x2) x2 += 1;
  x1 = std::max(x1 - 1, 1);
  y1 = std::max(y1 - 1, 1);
  x2 = std::min(x2 + 1, across);
  y2 = std::min(y2 + 1, down);

  const Value board = m.BoardColour;
  const bool cutTool = DrillCut.Caption() == "Drill";
  // The cut or drill mark of a hole whose strip was cut.
  auto cutMark = [&](long a, long d) {
    if (cutTool) {
      DrawSegment(a, d, board);
    } else {
      DrawDrill(a, d, board);
      const double r = (m.HolePitch / m.PitchDivisor).Num();
      Picture1.Circle((g(a, d, HoleX) + m.ScrollX).Num(), (g(a, d, HoleY) + m.ScrollY).Num(), r, vb::vbBlack);
    }
  };
  // One hole and its neighbour further along the strip. A neighbour joined to a strip is
  // painted here already, followed by the gap when it is another strip; its own step then
  // does not paint its cell again, which would cover half of that gap.
  bool drawnAhead = false;
  auto stripStep = [&](long a, long d, long na, long nd) {
    if (!drawnAhead) DrawHoleCell(a, d, preview);
    drawnAhead = false;
    if (StripJoined(g, a, d)) {
      if (StripJoined(g, na, nd)) {
        DrawHoleCell(na, nd, preview);
        drawnAhead = true;
        if (g(na, nd, KelmNet) != g(a, d, KelmNet)) DrawSegment(na, nd, board);
      }
    } else {
      cutMark(a, d);
    }
  };
  auto lastOfStrip = [&](long a, long d) {
    if (!drawnAhead) DrawHoleCell(a, d, preview);
    drawnAhead = false;
  };

  if (Check1.Enabled() && Check1.Value() == 1) {
    for (long d = y1; d <= y2; ++d) {
      for (long a = x1; a <= x2 - 1; ++a) stripStep(a, d, a + 1, d);
      lastOfStrip(x2, d);
    }
  }
  if (Check1.Enabled() && Check1.Value() == 0) {
    for (long a = x1; a <= x2; ++a) {
      for (long d = y1; d <= y2 - 1; ++d) stripStep(a, d, a, d + 1);
      lastOfStrip(a, y2);
    }
  }
  if (!Check1.Enabled() && Check4.Value() == 1) {
    for (long a = x1; a <= x2; ++a)
      for (long d = y1; d <= y2; ++d) DrawHoleCell(a, d, preview);
  }

  // The parts, drawn from their first pin.
  for (long d = y1; d <= y2; ++d) {
    for (long a = x1; a <= x2; ++a) {
      if (g(a, d, XYs) == Value(std::string()) || g(a, d, CompXToo) == Value(0) || g(a, d, CompYToo) == Value(0))
        continue;
      Value p2x = g(a, d, CompXToo), p2y = g(a, d, CompYToo);
      Value p3x = g(p2x, p2y, CompXToo), p3y = g(p2x, p2y, CompYToo);
      if (p3x == Value(a) && p3y == Value(d)) {
        p3x = p2x;
        p3y = p2y;
      }
      const Value record = g(a, d, XYs);
      const Value label = g(a, d, CompName);
      DrawComp(record.Text(), a, d, p3x, p3y, label);
    }
  }

  m.RedrawRect = {0, 0, 0, 0};
}

void Form1::DrawHoleCell(const Value& x, const Value& y, const Value& preview) {
  auto& g = m.HoleGrid;
  // The pitch follows the positions of the first two holes, whatever the zoom.
  m.HolePitch = g(2, 1, HoleX) - g(1, 1, HoleX);
  const double pitch = m.HolePitch.Num();
  const double s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
  const double r = (m.HolePitch / m.PitchDivisor).Num();
  const double cx = (g(x, y, HoleX) + m.ScrollX).Num();
  const double cy = (g(x, y, HoleY) + m.ScrollY).Num();
  const bool previewing = preview.Truth();
  vb::Colour board = ColourOf(m.BoardColour);
  vb::Colour trace = ColourOf(m.TraceColour);
  const bool pinned = g(x, y, CompXFrom) != Value(0) && g(x, y, CompYFrom) != Value(0);

  auto pinRings = [&] {
    if (pinned) {
      Picture1.Circle(cx, cy, 1.6 * r);
      Picture1.Circle(cx, cy, 2 * r);
    }
  };
  // The board ends at the centres of its first and last columns.
  auto trimEdges = [&] {
    if (x == Value(1)) Picture1.FilledBox(cx, cy - 2 * s, cx - 2 * s, cy + 2 * s, Picture1.BackColor());
    if (x == m.HolesAcross) Picture1.FilledBox(cx, cy - 2 * s, cx + 2 * s, cy + 2 * s, Picture1.BackColor());
  };

  if (Check1.Value() == 1 && Check3.Value() == 1) {
    if (Check2.Value() == 1 || previewing) {
      board = kPreviewBoard;
      trace = kPreviewStrip;
    }
    Picture1.FilledBox(cx - pitch / 2, cy - 2 * s, cx + pitch / 2, cy + 2 * s, board);
    Picture1.FilledBox(cx - pitch / 2, cy - s, cx + pitch / 2, cy + s, trace);
    Picture1.Circle(cx, cy, r);
    Picture1.SetForeColor(vb::vbBlack);
    pinRings();
    trimEdges();
  } else if (Check1.Value() == 0 && Check3.Value() == 1) {
    if (previewing) {
      board = kPreviewBoard;
      trace = kPreviewStrip;
    }
    Picture1.FilledBox(cx - 2 * s, cy - pitch / 2, cx + 2 * s, cy + pitch / 2, board);
    Picture1.FilledBox(cx - s, cy - pitch / 2, cx + s, cy + pitch / 2, trace);
    Picture1.Circle(cx, cy, r);
    Picture1.SetForeColor(vb::vbBlack);
    pinRings();
    trimEdges();
  } else if (!Check1.Enabled() && Check4.Value() == 1) {
    if (previewing) {
      board = kPreviewBoard;
      trace = kPreviewStrip;
    }
    Picture1.FilledBox(cx - pitch / 2, cy - 2 * s, cx + pitch / 2, cy + 2 * s, board);
    Picture1.SetFillStyle(vb::vbFSSolid);
    Picture1.SetFillColor(trace);
    Picture1.Circle(cx, cy, 3 * r, trace);
    Picture1.SetFillStyle(vb::vbFSTransparent);
    Picture1.SetForeColor(vb::vbBlack);
    Picture1.Circle(cx, cy, r);
    pinRings();
    trimEdges();
  }
}

void Form1::DrawSegment(const Value& x, const Value& y, const Value& colour) {
  auto& g = m.HoleGrid;
  const double s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
  const double cx = (g(x, y, HoleX) + m.ScrollX).Num();
  const double cy = (g(x, y, HoleY) + m.ScrollY).Num();
  const double pitch = m.HolePitch.Num();
  const long a = vb::CLng(x), d = vb::CLng(y);
  if (Check1.Value() == 1) {
    // Before the first column there is no hole: its place is one pitch to the left.
    const double px = a > 1 ? (g(a - 1, d, HoleX) + m.ScrollX).Num() : cx - pitch;
    const double py = a > 1 ? (g(a - 1, d, HoleY) + m.ScrollY).Num() : cy;
    Picture1.FilledBox(cx - 1.5 * s, cy + s, px + s, py - s, ColourOf(colour));
  } else {
    const double px = d > 1 ? (g(a, d - 1, HoleX) + m.ScrollX).Num() : cx;
    const double py = d > 1 ? (g(a, d - 1, HoleY) + m.ScrollY).Num() : cy - pitch;
    Picture1.FilledBox(cx - s, cy - 1.5 * s, px + s, py + 1.5 * s, ColourOf(colour));
  }
}

void Form1::DrawDrill(const Value& x, const Value& y, const Value& colour) {
  auto& g = m.HoleGrid;
  const double s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
  const vb::Colour c = ColourOf(colour);
  Picture1.SetFillStyle(vb::vbFSSolid);
  Picture1.SetFillColor(c);
  Picture1.Circle((g(x, y, HoleX) + m.ScrollX).Num(), (g(x, y, HoleY) + m.ScrollY).Num(), s, c);
  Picture1.SetFillStyle(vb::vbFSTransparent);
}

void RefreshBoard(Brantel& app) {
  auto& f = app.Form1();
  if (f.Check2.Value() == 1) {
    f.Picture1.SetBackColor(kPreviewBackground);
    f.ReDrawWhole(2);
  } else {
    f.Picture1.SetBackColor(kBoardBackground);
    f.ReDrawWhole(1);
  }
  f.Label3.SetCaption(app.m.ViewSide);
}
