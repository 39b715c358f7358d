// The picture box's drawing: circles, lines, filled boxes and text come out exactly as the
// painter draws them, wherever they lie, a run of drawing is shown with one update, and any
// colour given is drawn.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <random>

#include "platform/app.h"
#include "platform/picturebox.h"
#include "tests/support/paint_counter.h"

namespace {

class Sheet;

class SheetProgram : public vb::Program {
 public:
  vb::FormSlot<Sheet, SheetProgram> Sheet1{*this};
};

class Sheet : public vb::Form {
 public:
  explicit Sheet(SheetProgram& program) : vb::Form(program, "Sheet"), Picture1(*this, "Picture1") {
    SetScaleMode(vb::vbPixels);
    SetClientSize(200, 160);
    Picture1.SetBorder(false);
    Picture1.Move(0, 0, 160, 120);
    Picture1.SetScaleMode(vb::vbPixels);
    Picture1.SetBackColor(vb::vbWhite);
  }
  vb::PictureBox Picture1;
};

QPen ReferencePen(QColor c, int width) {
  QPen pen(c);
  pen.setWidth(width);
  pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QColor Q(vb::Colour c) { return QColor(vb::RedOf(c), vb::GreenOf(c), vb::BlueOf(c)); }

// Every circle, line and filled box, of any size, pen width, fill and place (partly or wholly
// outside the picture too), leaves the same pixels as one painter drawing it alone.
TEST(PictureDrawing, CirclesAndLinesMatchThePainterPixelForPixel) {
  SheetProgram program;
  auto& pic = program.Sheet1().Picture1;
  ASSERT_EQ(160, pic.InnerWidthPx());
  QImage expected(160, 120, QImage::Format_RGB32);
  expected.fill(Qt::white);
  std::mt19937 random(20261209);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  auto whole = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int i = 0; i < 4000; ++i) {
    const vb::Colour pen = vb::RGB(whole(0, 255), whole(0, 255), whole(0, 255));
    const vb::Colour fill = vb::RGB(whole(0, 255), whole(0, 255), whole(0, 255));
    const int width = whole(1, 4);
    pic.SetDrawWidth(width);
    QPainter p(&expected);
    p.setPen(ReferencePen(Q(pen), width));
    if (i % 5 == 4) {
      // Corners anywhere, halves included: a half pixel rounds away from zero.
      const double x1 = whole(-80, 240) + (i % 10 == 4 ? 0.5 : uniform(0, 1));
      const double y1 = whole(-80, 200) + (i % 10 == 4 ? 0.5 : uniform(0, 1));
      const double x2 = x1 + whole(-60, 60) + (i % 10 == 4 ? 0 : uniform(-1, 1));
      const double y2 = y1 + whole(-60, 60) + (i % 10 == 4 ? 0 : uniform(-1, 1));
      pic.FilledBox(x1, y1, x2, y2, fill);
      const QPoint a(std::lround(x1), std::lround(y1)), b(std::lround(x2), std::lround(y2));
      p.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                       QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                 Q(fill));
    } else if (i % 2 == 0) {
      const int x = whole(-80, 240), y = whole(-80, 200);
      const double r = i % 6 == 0 ? whole(0, 60) : uniform(0, 60);
      const bool solid = whole(0, 1) == 1;
      pic.SetFillStyle(solid ? vb::vbFSSolid : vb::vbFSTransparent);
      pic.SetFillColor(fill);
      pic.Circle(x, y, r, pen);
      if (solid) p.setBrush(Q(fill));
      p.drawEllipse(QPointF(x, y), r, r);
    } else {
      // Most lines lie inside the picture, as the outlines of parts do.
      const bool inside = i % 3 != 1;
      const int x1 = inside ? whole(6, 153) : whole(-80, 240), y1 = inside ? whole(6, 113) : whole(-80, 200);
      const int x2 = inside ? whole(6, 153) : x1 + whole(-130, 130), y2 = inside ? whole(6, 113) : y1 + whole(-130, 130);
      pic.Line(x1, y1, x2, y2, pen);
      p.drawLine(QPoint(x1, y1), QPoint(x2, y2));
      // The same run again elsewhere: from its second drawing on a line comes from a stamp.
      const int sx = whole(-5, 5), sy = whole(-5, 5);
      pic.Line(x1 + sx, y1 + sy, x2 + sx, y2 + sy, pen);
      p.drawLine(QPoint(x1 + sx, y1 + sy), QPoint(x2 + sx, y2 + sy));
    }
    p.end();
    if (i % 25 == 24) {
      const vb::Picture picture = pic.Image();
      const QImage& shown = picture.Image();
      ASSERT_EQ(expected.size(), shown.size());
      int differing = 0;
      for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) differing += expected.pixel(x, y) != shown.pixel(x, y);
      ASSERT_EQ(0, differing) << "after primitive " << i;
    }
  }
}

// A line of text anywhere, on the picture, across its edges or past them, leaves the pixels
// the painter leaves: its top left corner at the print position, in the picture's font.
TEST(PictureDrawing, TextAnywhereMatchesThePainter) {
  SheetProgram program;
  auto& pic = program.Sheet1().Picture1;
  QImage expected(160, 120, QImage::Format_RGB32);
  expected.fill(Qt::white);
  std::mt19937 random(7031);
  auto whole = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  const std::string texts[] = {"R1", "IC12", "LK7", "Q", "C104 long label"};
  for (int i = 0; i < 400; ++i) {
    const std::string& text = texts[i % 5];
    const double size = 6 + whole(0, 24);
    const int x = whole(-200, 200), y = whole(-80, 160);
    const vb::Colour ink = vb::RGB(whole(0, 255), whole(0, 255), whole(0, 255));
    pic.SetFontSize(size);
    pic.SetForeColor(ink);
    pic.SetCurrentX(x);
    pic.SetCurrentY(y);
    pic.Print(text);
    QFont font("DejaVu Sans");
    font.setPointSizeF(size);
    const QFontMetrics metrics(font, &expected);
    QPainter p(&expected);
    p.setFont(font);
    p.setPen(Q(ink));
    p.drawText(QPoint(x, y + metrics.ascent()), QString::fromLatin1(text.c_str()));
    p.end();
    EXPECT_DOUBLE_EQ(y + metrics.height(), pic.CurrentY());
    if (i % 20 == 19) {
      const vb::Picture picture = pic.Image();
      const QImage& shown = picture.Image();
      int differing = 0;
      for (int py = 0; py < 120; ++py)
        for (int px = 0; px < 160; ++px) differing += expected.pixel(px, py) != shown.pixel(px, py);
      ASSERT_EQ(0, differing) << "after text " << i;
    }
  }
}

// Thousands of primitives in one event are shown by one paint of the widget, after the event.
TEST(PictureDrawing, ARunOfDrawingIsShownOnce) {
  SheetProgram program;
  auto& sheet = program.Sheet1();
  sheet.Show();
  vb::Application::DoEvents();
  testsupport::PaintCounter counter;
  sheet.Picture1.Widget()->installEventFilter(&counter);
  for (int i = 0; i < 2000; ++i) {
    sheet.Picture1.FilledBox(i % 150, 0, i % 150 + 5, 40, vb::RGB(i % 256, 0, 0));
    sheet.Picture1.Circle(80, 80, 4 + i % 7, vb::RGB(0, i % 256, 0));
  }
  EXPECT_EQ(0, counter.paints);
  for (int i = 0; i < 5; ++i) vb::Application::DoEvents();
  EXPECT_EQ(1, counter.paints);
  EXPECT_EQ(vb::RGB(1999 % 256, 0, 0), sheet.Picture1.Point(51, 20));
  sheet.Picture1.Widget()->removeEventFilter(&counter);
}

// A colour given is drawn whatever its value; without one, the ForeColor draws.
TEST(PictureDrawing, AnyGivenColourIsDrawnAndNoneMeansTheForeColor) {
  SheetProgram program;
  auto& pic = program.Sheet1().Picture1;
  pic.SetBackColor(vb::RGB(10, 20, 30));
  pic.SetForeColor(vb::RGB(0, 0, 200));
  pic.FilledBox(0, 0, 10, 10, -1);
  EXPECT_EQ(vb::RGB(255, 255, 255), pic.Point(5, 5));
  pic.FilledBox(20, 0, 30, 10, vb::vbBlack);
  EXPECT_EQ(vb::vbBlack, pic.Point(25, 5));
  pic.FilledBox(40, 0, 50, 10);
  EXPECT_EQ(vb::RGB(0, 0, 200), pic.Point(45, 5));
  pic.Line(0, 30, 100, 30);
  EXPECT_EQ(vb::RGB(0, 0, 200), pic.Point(50, 30));
  pic.Line(0, 40, 100, 40, 0x1000000 + vb::RGB(1, 2, 3));  // the low three bytes
  EXPECT_EQ(vb::RGB(1, 2, 3), pic.Point(50, 40));
  // Coordinates no picture can show are clipped, not a failure.
  pic.Line(0, 50, 1e300, 50, vb::vbBlack);
  pic.Circle(20, 60, 1e300, vb::vbBlack);
  EXPECT_EQ(vb::vbBlack, pic.Point(80, 50));
}

}  // namespace
