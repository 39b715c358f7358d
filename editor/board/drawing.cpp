// The board drawing: holes, copper strips, pads, cut gaps, drill marks and the parts,
// painted straight onto the board picture in its own scale units.
#include <algorithm>
#include <cmath>
#include <utility>

#include "editor/board/repaint_batch.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

constexpr vb::Colour kPreviewBoard = vb::RGB(252, 252, 252);
constexpr vb::Colour kPreviewStrip = vb::RGB(254, 254, 254);
constexpr vb::Colour kBoardBackground = vb::RGB(200, 200, 200);
constexpr vb::Colour kPreviewBackground = vb::RGB(255, 255, 255);

// A colour value as the drawing uses it. A value no colour can come from (a number past the
// runtime's long range, a text that is no number) draws black, the colour of a setting never
// read, instead of stopping the repaint.
vb::Colour ColourOf(const Value& v) {
  double n = 0;
  if (v.IsText()) {
    if (!vb::ParseNumber(v.Text(), &n)) return vb::vbBlack;
  } else {
    n = v.Num();
  }
  const double r = vb::Round(n);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return vb::vbBlack;
  return static_cast<vb::Colour>(r);
}

// The comparisons of loosely typed grid values against 0, done without building a value for
// the common case of a number.
bool AboveZero(const Value& v) { return v.IsNumber() ? v.Num() > 0 : v > Value(0); }
bool NonZero(const Value& v) { return v.IsNumber() ? v.Num() != 0 : v != Value(0); }
bool Same(const Value& a, const Value& b) { return a.IsNumber() && b.IsNumber() ? a.Num() == b.Num() : a == b; }
bool EmptyText(const Value& v) { return v.IsEmpty() || (v.IsText() && v == Value(std::string())); }

// What one repaint reads again and again, read once: the options, the colours and the hole
// sizes of the current zoom.
struct CellPainter {
  Form1& f;
  Module1& m;
  HoleGridTable& g;
  int kind = 0;  // 1 strips across, 2 strips down, 3 pads, 0 nothing drawn
  bool labelPreview = false;
  double pitch = 0, s = 0, r = 0;
  double reach = 0;  // how far a cell's boxes and circles reach from its centre
  double scrollX = 0, scrollY = 0;
  double lastColumn = 0;
  vb::Colour board = 0, trace = 0, background = 0;

  explicit CellPainter(Form1& form) : f(form), m(form.m), g(form.m.HoleGrid) {
    const int horizontal = f.Check1.Value();
    if (horizontal == 1 && f.Check3.Value() == 1) kind = 1;
    else if (horizontal == 0 && f.Check3.Value() == 1) kind = 2;
    else if (!f.Check1.Enabled() && f.Check4.Value() == 1) kind = 3;
    labelPreview = f.Check2.Value() == 1;
    board = ColourOf(m.BoardColour);
    trace = ColourOf(m.TraceColour);
    background = f.Picture1.BackColor();
    scrollX = m.ScrollX.Num();
    scrollY = m.ScrollY.Num();
    lastColumn = m.HolesAcross.Num();
  }

  // The pitch follows the positions of the first two holes, whatever the zoom.
  void TakePitch() {
    m.HolePitch = g(2, 1, HoleX) - g(1, 1, HoleX);
    pitch = m.HolePitch.Num();
    s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
    r = (m.HolePitch / m.PitchDivisor).Num();
    reach = std::max({std::fabs(pitch) / 2, 2 * std::fabs(s), 3 * std::fabs(r)});
  }

  void Cell(long x, long y, bool preview) {
    if (kind == 0) return;
    vb::PictureBox& pic = f.Picture1;
    const double cx = g(x, y, HoleX).Num() + scrollX;
    const double cy = g(x, y, HoleY).Num() + scrollY;
    vb::Colour cellBoard = board, cellTrace = trace;
    if (preview || (kind == 1 && labelPreview)) {
      cellBoard = kPreviewBoard;
      cellTrace = kPreviewStrip;
    }
    // A cell off the picture is not drawn; the picture is left in the state its drawing
    // would have left.
    if (!pic.Reaches(cx - reach, cy - reach, cx + reach, cy + reach)) {
      if (kind == 3) {
        pic.SetFillColor(cellTrace);
        pic.SetFillStyle(vb::vbFSTransparent);
      }
      pic.SetForeColor(vb::vbBlack);
      const double edge = x == lastColumn ? 2 * s : x == 1 ? -2 * s : 0;
      pic.SetCurrentX(cx + edge);
      pic.SetCurrentY(edge == 0 ? cy : cy + 2 * s);
      return;
    }
    if (kind == 2) {
      pic.FilledBox(cx - 2 * s, cy - pitch / 2, cx + 2 * s, cy + pitch / 2, cellBoard);
      pic.FilledBox(cx - s, cy - pitch / 2, cx + s, cy + pitch / 2, cellTrace);
    } else {
      pic.FilledBox(cx - pitch / 2, cy - 2 * s, cx + pitch / 2, cy + 2 * s, cellBoard);
      if (kind == 1) pic.FilledBox(cx - pitch / 2, cy - s, cx + pitch / 2, cy + s, cellTrace);
    }
    if (kind == 3) {
      pic.SetFillStyle(vb::vbFSSolid);
      pic.SetFillColor(cellTrace);
      pic.Circle(cx, cy, 3 * r, cellTrace);
      pic.SetFillStyle(vb::vbFSTransparent);
      pic.SetForeColor(vb::vbBlack);
      pic.Circle(cx, cy, r);
    } else {
      pic.Circle(cx, cy, r);
      pic.SetForeColor(vb::vbBlack);
    }
    if (NonZero(g(x, y, CompXFrom)) && NonZero(g(x, y, CompYFrom))) {
      pic.Circle(cx, cy, 1.6 * r);
      pic.Circle(cx, cy, 2 * r);
    }
    // The board ends at the centres of its first and last columns.
    if (x == 1) pic.FilledBox(cx, cy - 2 * s, cx - 2 * s, cy + 2 * s, background);
    if (x == lastColumn) pic.FilledBox(cx, cy - 2 * s, cx + 2 * s, cy + 2 * s, background);
  }
};

}  // namespace

void Form1::ReDrawWhole(int mode) {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ReDrawFT(x1, y1, x2, y2, mode);
}

void Form1::ReDrawFT(int& x1, int& y1, int& x2, int& y2, int mode) {
  auto& g = m.HoleGrid;
  Label3.SetCaption(m.ViewSide);
  const bool preview = mode == 2;
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

  CellPainter cells(*this);
  const bool rows = Check1.Enabled() && Check1.Value() == 1;
  const bool columns = Check1.Enabled() && Check1.Value() == 0;
  const bool pads = !Check1.Enabled() && Check4.Value() == 1;
  if ((rows || columns || pads) && x1 <= x2 && y1 <= y2) cells.TakePitch();

  const Value board = m.BoardColour;
  const bool cutTool = DrillCut.Caption() == "Drill";
  // The cut or drill mark of a hole whose strip was cut.
  auto cutMark = [&](long a, long d) {
    if (cutTool) {
      DrawSegment(a, d, board);
    } else {
      DrawDrill(a, d, board);
      Picture1.Circle(g(a, d, HoleX).Num() + cells.scrollX, g(a, d, HoleY).Num() + cells.scrollY, cells.r,
                      vb::vbBlack);
    }
  };
  // One hole and its neighbour further along the strip. A neighbour joined to a strip is
  // painted here already, followed by the gap when it is another strip; its own step then
  // does not paint its cell again, which would cover half of that gap.
  bool drawnAhead = false;
  auto stripStep = [&](long a, long d, long na, long nd) {
    if (!drawnAhead) cells.Cell(a, d, preview);
    drawnAhead = false;
    const Value& strip = g(a, d, KelmNet);
    if (AboveZero(strip)) {
      const Value& next = g(na, nd, KelmNet);
      if (AboveZero(next)) {
        cells.Cell(na, nd, preview);
        drawnAhead = true;
        if (!Same(next, strip)) DrawSegment(na, nd, board);
      }
    } else {
      cutMark(a, d);
    }
  };
  auto lastOfStrip = [&](long a, long d) {
    if (!drawnAhead) cells.Cell(a, d, preview);
    drawnAhead = false;
  };

  if (rows) {
    for (long d = y1; d <= y2; ++d) {
      for (long a = x1; a <= x2 - 1; ++a) stripStep(a, d, a + 1, d);
      lastOfStrip(x2, d);
    }
  }
  if (columns) {
    for (long a = x1; a <= x2; ++a) {
      for (long d = y1; d <= y2 - 1; ++d) stripStep(a, d, a, d + 1);
      lastOfStrip(a, y2);
    }
  }
  if (pads) {
    for (long a = x1; a <= x2; ++a)
      for (long d = y1; d <= y2; ++d) cells.Cell(a, d, preview);
  }

  // The parts, drawn from their first pin. Drawing an outline clears the pin pair of a
  // placement or move under way; a repaint in the middle of one (the rubber band, a label
  // drag, a right click) must leave that pair as it was.
  const int prevPinX = m.PrevPinX, prevPinY = m.PrevPinY;
  for (long d = y1; d <= y2; ++d) {
    for (long a = x1; a <= x2; ++a) {
      if (!NonZero(g(a, d, CompXToo)) || !NonZero(g(a, d, CompYToo)) || EmptyText(g(a, d, XYs))) continue;
      // Records and pin links come from files users edit by hand: a part that cannot be
      // drawn is left as far as it got, and the rest of the board is still painted.
      try {
        Value p2x = g(a, d, CompXToo), p2y = g(a, d, CompYToo);
        Value p3x = g(p2x, p2y, CompXToo), p3y = g(p2x, p2y, CompYToo);
        if (p3x == Value(a) && p3y == Value(d)) {
          p3x = p2x;
          p3y = p2y;
        }
        const Value& label = g(a, d, CompName);
        DrawComp(g(a, d, XYs).Text(), a, d, p3x, p3y, label);
      } catch (const vb::RuntimeError&) {
        Picture1.SetDrawWidth(1);
        m.PinListX.clear();
        m.PinListY.clear();
      }
    }
  }
  m.PrevPinX = prevPinX;
  m.PrevPinY = prevPinY;

  m.RedrawRect = {0, 0, 0, 0};
}

void Form1::DrawHoleCell(const Value& x, const Value& y, const Value& preview) {
  CellPainter cells(*this);
  cells.TakePitch();
  cells.Cell(vb::CLng(x), vb::CLng(y), preview.Truth());
}

// The gap of a cut strip, or the highlight of a strip piece: the piece of strip between a
// hole and the one before it. Before the first column (strips across) or the first row
// (strips down) there is no hole and no board: the piece is cut off at the board's edges,
// the centres of the first and last columns and the outer edge of the first row.
void Form1::DrawSegment(const Value& x, const Value& y, const Value& colour) {
  auto& g = m.HoleGrid;
  const double s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
  const double scrollX = m.ScrollX.Num(), scrollY = m.ScrollY.Num();
  const double cx = g(x, y, HoleX).Num() + scrollX;
  const double cy = g(x, y, HoleY).Num() + scrollY;
  const double pitch = m.HolePitch.Num();
  const long a = vb::CLng(x), d = vb::CLng(y);
  double left, top, right, bottom;
  if (Check1.Value() == 1) {
    const double px = a > 1 ? g(a - 1, d, HoleX).Num() + scrollX : cx - pitch;
    const double py = a > 1 ? g(a - 1, d, HoleY).Num() + scrollY : cy;
    left = cx - 1.5 * s;
    top = cy + s;
    right = px + s;
    bottom = py - s;
  } else {
    const double px = d > 1 ? g(a, d - 1, HoleX).Num() + scrollX : cx;
    const double py = d > 1 ? g(a, d - 1, HoleY).Num() + scrollY : cy - pitch;
    left = cx - s;
    top = cy - 1.5 * s;
    right = px + s;
    bottom = py + 1.5 * s;
  }
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);

  const long columns = m.HolesAcross.IsNumber() ? vb::CLng(m.HolesAcross) : 0;
  if (columns >= 1 && columns < HoleGridTable::kSize) {
    // The edge columns show only their inner halves, the centre pixel trimmed away too.
    const double pixel = std::fabs(Picture1.ScaleWidth() / std::max(1, Picture1.InnerWidthPx()));
    left = std::max(left, g(1, d, HoleX).Num() + scrollX + pixel);
    right = std::min(right, g(columns, d, HoleX).Num() + scrollX - pixel);
    if (Check1.Value() != 1) top = std::max(top, g(a, 1, HoleY).Num() + scrollY - pitch / 2);
    if (left > right || top > bottom) return;
  }
  Picture1.FilledBox(left, top, right, bottom, ColourOf(colour));
}

void Form1::DrawDrill(const Value& x, const Value& y, const Value& colour) {
  auto& g = m.HoleGrid;
  const double s = (m.HolePitch / m.PitchDivisor / m.SizeDivisor).Num();
  const vb::Colour c = ColourOf(colour);
  Picture1.SetFillStyle(vb::vbFSSolid);
  Picture1.SetFillColor(c);
  Picture1.Circle(g(x, y, HoleX).Num() + m.ScrollX.Num(), g(x, y, HoleY).Num() + m.ScrollY.Num(), s, c);
  Picture1.SetFillStyle(vb::vbFSTransparent);
}

void Form1::TakeRepaintState() {
  Label3.SetCaption(m.ViewSide);
  const bool cellsDrawn = Check1.Enabled() ? (Check1.Value() == 1 || Check1.Value() == 0) : Check4.Value() == 1;
  if (cellsDrawn && vb::CInt(m.HolesAcross) >= 1 && vb::CInt(m.HolesDown) >= 1) CellPainter(*this).TakePitch();
  m.RedrawRect = {0, 0, 0, 0};
}

void RefreshBoard(Brantel& app) {
  auto& f = app.Form1();
  f.Picture1.SetBackColor(f.Check2.Value() == 1 ? kPreviewBackground : kBoardBackground);
  if (f.repaintHolds_ > 0) {
    f.TakeRepaintState();
    f.repaintOwed_ = true;
  } else {
    f.ReDrawWhole(f.Check2.Value() == 1 ? 2 : 1);
  }
  f.Label3.SetCaption(app.m.ViewSide);
}

RepaintBatch::RepaintBatch(Form1& form) : form_(form) { ++form_.repaintHolds_; }

void RepaintBatch::Finish() {
  if (!open_) return;
  open_ = false;
  if (--form_.repaintHolds_ == 0 && form_.repaintOwed_) {
    form_.repaintOwed_ = false;
    RefreshBoard(form_.app);
  }
}

// A command stopped by an error still leaves the board painted; the error itself has
// already reached the user.
RepaintBatch::~RepaintBatch() {
  try {
    Finish();
  } catch (const vb::RuntimeError&) {
  }
}
