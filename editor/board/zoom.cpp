// What the user sees of the board: zoom, scroll offsets, the mirrored trace-side view and
// the layout of the main window's frames around the board picture.
#include <algorithm>
#include <cmath>
#include <utility>

#include "editor/board/repaint_batch.h"
#include "editor/form1.h"
#include "platform/strings.h"

namespace {

constexpr double kZoomIn = 1.1;
constexpr double kZoomOut = 0.909;  // a fixed constant, not 1 / 1.1
constexpr double kLastPitch = 500;  // hole pitch that "Zoom last" zooms to
constexpr int kZoomAllScroll = 500;
// A hole is centred only while its position lies strictly inside the scroll bars' range.
constexpr double kGuardLow = -16000;
constexpr double kGuardHigh = 17000;

// The board loops read their bounds from the size boxes; the grid ends at 100.
int LoopBound(double boxValue) {
  return static_cast<int>(std::min<double>(boxValue, HoleGridTable::kSize - 1));
}

// The centre of the picture along one axis in its own scale, held in single precision.
// ScaleLeft + ScaleWidth / 2 is half the width in both views: on the mirrored view the
// width is negative and the scale starts at the right edge.
double Centre(double scaleStart, double scaleSize) { return static_cast<float>(scaleStart + scaleSize / 2); }

// Moves the bar so that a hole at pos is drawn at the centre. Positions outside the guard
// leave the bar alone; a target the bar cannot show goes to the nearest end of its range.
void CentreOn(vb::ScrollBar& bar, double half, const Value& pos) {
  const double p = pos.Num();
  if (!(p > kGuardLow && p < kGuardHigh)) return;
  double target = vb::Round(half - p);
  const double lo = std::min(bar.Min(), bar.Max());
  const double hi = std::max(bar.Min(), bar.Max());
  target = std::clamp(target, lo, hi);
  bar.SetValue(static_cast<int>(target));
}

// A usable zoom factor: finite and not zero.
bool Usable(double factor) { return std::isfinite(factor) && factor != 0; }

// True when the holes lie where a zoom keeps them, hole (a, d) at (a - 1, d - 1) times the
// spacing, as far as the holes beside hole 1 and the board's corners tell.
bool OnLattice(const HoleGridTable& g, int across, int down, double spacing) {
  if (!Usable(spacing)) return false;
  const auto near = [](double v, double want) { return std::fabs(v - want) <= 1e-6 * std::max(1.0, std::fabs(want)); };
  const std::pair<int, int> holes[] = {{1, 1}, {std::min(2, across), 1}, {1, std::min(2, down)}, {across, 1}, {1, down}, {across, down}};
  for (const auto& [a, d] : holes) {
    if (!near(g(a, d, HoleX).Num(), (a - 1) * spacing) || !near(g(a, d, HoleY).Num(), (d - 1) * spacing)) return false;
  }
  return true;
}

}  // namespace

// Moving the scroll bars repaints the board from their Change handlers; each command here
// ends with a whole-board repaint, so the board is painted once, at its end.
void Form1::ZoomBoard(const Value& Factor) {
  RepaintBatch batch(*this);
  const double halfW = Centre(Picture1.ScaleLeft(), Picture1.ScaleWidth());
  const double halfH = Centre(Picture1.ScaleTop(), Picture1.ScaleHeight());
  Picture1.Cls();

  for (int down = 1; down <= LoopBound(vb::Val(Text2.Text())); ++down) {
    const int across = LoopBound(vb::Val(Text1.Text()));
    for (int a = 1; a <= across; ++a) {
      for (int field : {HoleX, HoleY, LabelX, LabelY}) {
        Value& v = m.HoleGrid(a, down, field);
        v = v * Factor;
      }
    }
  }
  HolesMoved();

  CentreOn(HScroll1, halfW, m.HoleGrid(m.LastHoleX, m.LastHoleY, HoleX));
  CentreOn(VScroll1, halfH, m.HoleGrid(m.LastHoleX, m.LastHoleY, HoleY));
  RefreshBoard(app);
  batch.Finish();
}

void Form1::Command13_Click() { ZoomBoard(kZoomIn); }

void Form1::Command14_Click() { ZoomBoard(kZoomOut); }

void Form1::Zoutmin_Click() { ZoomBoard(kZoomOut); }

void Form1::Command15_Click() {
  // Zoom All takes a newly typed size over; a size the grid cannot hold stops it here.
  if (!BoardSizeTyped()) return;
  RepaintBatch batch(*this);
  if (Picture1.ScaleWidth() < 0) {
    Flip.SetEnabled(false);
    Flip_Click();
    Flip.SetEnabled(true);
  }
  HScroll1.SetValue(kZoomAllScroll);
  VScroll1.SetValue(kZoomAllScroll);
  GraphicLimits(false);

  // The distance between neighbouring holes at the current zoom. Hole 1 lies at 0, so
  // HoleX of hole (2, 2) is that distance; a board one hole wide or high measures it
  // along the other axis, and a single hole has none (the zoom stays as it is).
  const double across = vb::Val(Text1.Text());
  const double down = vb::Val(Text2.Text());
  double spacing = 0;
  if (across >= 2 && down >= 2) {
    spacing = m.HoleGrid(2, 2, HoleX).Num();
  } else if (across >= 2 && down >= 1) {
    spacing = m.HoleGrid(2, 1, HoleX).Num() - m.HoleGrid(1, 1, HoleX).Num();
  } else if (down >= 2 && across >= 1) {
    spacing = m.HoleGrid(1, 2, HoleY).Num() - m.HoleGrid(1, 1, HoleY).Num();
  }
  double factor = spacing == 0 ? 0 : m.HolePitch.Num() / spacing;
  if (!Usable(factor)) factor = 1;
  // Holes off the lattice a zoom keeps (the positions of a damaged design, holes on top of one
  // another among them) cannot be scaled into place, and a pitch taken from them would leave
  // every later zoom and Build as wrong: they are laid out afresh at the pitch just fitted.
  if ((across >= 2 || down >= 2) && !OnLattice(m.HoleGrid, static_cast<int>(across), static_cast<int>(down), spacing)) {
    BuildArray(false);
    factor = 1;
  }
  ZoomBoard(factor);

  Picture1.Cls();
  m.ScrollX = kZoomAllScroll;
  m.ScrollY = kZoomAllScroll;
  RefreshBoard(app);
  batch.Finish();
}

void Form1::Command16_Click() {
  RepaintBatch batch(*this);
  const double halfW = Centre(Picture1.ScaleLeft(), Picture1.ScaleWidth());
  const double halfH = Centre(Picture1.ScaleTop(), Picture1.ScaleHeight());
  Picture1.Cls();
  CentreOn(HScroll1, halfW, m.HoleGrid(m.LastHoleX, m.LastHoleY, HoleX));
  CentreOn(VScroll1, halfH, m.HoleGrid(m.LastHoleX, m.LastHoleY, HoleY));

  const double pitch = m.HolePitch.Num();
  double factor = pitch == 0 ? 0 : kLastPitch / pitch;
  if (!Usable(factor)) factor = 1;
  ZoomBoard(factor);
  RefreshBoard(app);
  batch.Finish();
}

void Form1::HScroll1_Change() {
  Picture1.Cls();
  m.ScrollX = HScroll1.Value();
  RefreshBoard(app);
}

void Form1::VScroll1_Change() {
  Picture1.Cls();
  m.ScrollY = VScroll1.Value();
  RefreshBoard(app);
}

// The mirror lives in the picture's scale alone: a negative ScaleWidth. Both views keep
// one unit per twip, so the unmirrored view goes back to the plain twip scale, which
// follows the picture's size again.
void Form1::Flip_Click() {
  if (Picture1.ScaleWidth() < 0) {
    Picture1.SetScaleMode(vb::vbTwips);
    m.ViewSide = "-Component Side";
  } else {
    const double w = Picture1.ScaleWidth();
    const double h = Picture1.ScaleHeight();
    Picture1.SetScaleLeft(w);
    Picture1.SetScaleWidth(-w);
    Picture1.SetScaleHeight(h);
    m.ViewSide = "-Trace Side";
  }
  Picture1.Cls();
  RefreshBoard(app);
}

void Form1::Form_Resize() {
  double W = ScaleWidth();
  double H = ScaleHeight();
  if (!(Width() >= 9795 && Height() >= 8220)) {
    W = 645;
    H = 502;
  }

  Picture1.Move(10, 90, W - 167, H - 120);
  VScroll1.SetLeft(W - 152);
  VScroll1.SetTop(90);
  VScroll1.SetHeight(Picture1.Height());
  HScroll1.SetLeft(10);
  HScroll1.SetTop(Picture1.Height() + 95);
  HScroll1.SetWidth(Picture1.Width());
  Command17.SetLeft(Picture1.Width() + 10);
  Command17.SetTop(Picture1.Height() + 90);
  Frame4.SetLeft(W - 65);
  Frame4.SetTop(84);
  Frame4.SetHeight(Picture1.Height() + 30);
  Frame2.SetLeft(W - 127);
  Frame2.SetTop(84);
  Frame2.SetHeight(Picture1.Height() + 30);
  Frame1.SetLeft(10);
  Frame1.SetTop(5);
  Frame3.SetLeft(Frame1.Width() + 20);
  Frame3.SetTop(5);
  Frame3.SetWidth(W - Frame1.Width() - 27);

  // A mirrored view keeps one unit per twip at the new size.
  if (Picture1.ScaleWidth() < 0) {
    const double w = Picture1.InnerWidthPx() * double(vb::TwipsPerPixel);
    Picture1.SetScaleLeft(w);
    Picture1.SetScaleWidth(-w);
    Picture1.SetScaleHeight(Picture1.InnerHeightPx() * double(vb::TwipsPerPixel));
  }
}
