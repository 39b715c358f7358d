#include "platform/picturebox.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "platform/app.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {

constexpr int kBorderPx = 2;
// Circles up to this radius in pixels are drawn from a stamp of their pixels.
constexpr double kStampedRadius = 48;
// Lines up to this many pixels across and down are drawn from a stamp of their pixels.
constexpr int kStampedRun = 96;
// The pen colour stamps are drawn in, and their fill colour.
constexpr QRgb kPenMark = 0xFFFF0000u;
constexpr QRgb kFillMark = 0xFF00FF00u;

int ButtonsOf(Qt::MouseButtons b) {
  int r = 0;
  if (b & Qt::LeftButton) r |= vbLeftButton;
  if (b & Qt::RightButton) r |= vbRightButton;
  if (b & Qt::MiddleButton) r |= vbMiddleButton;
  return r;
}

int ShiftOf(Qt::KeyboardModifiers m) {
  int r = 0;
  if (m & Qt::ShiftModifier) r |= 1;
  if (m & Qt::ControlModifier) r |= 2;
  if (m & Qt::AltModifier) r |= 4;
  return r;
}

// The pixel value of a colour on the image: opaque, its low three bytes red, green and blue.
QRgb OpaqueRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// True when p lies at least margin pixels inside a picture w by h pixels: nothing drawn
// within margin of it is cut by the picture's edge.
bool Inside(QPoint p, int margin, double w, double h) {
  return p.x() >= margin && p.y() >= margin && p.x() < w - margin && p.y() < h - margin;
}

// A pixel position, the nearest whole pixel with halves away from zero; positions far
// outside any picture (or no number at all) are held at a distance the painter can still
// clip. Inside that distance the conversion and the subtraction are exact.
int Px(double v) {
  constexpr double kFar = 1 << 24;
  if (!(v > -kFar)) return -static_cast<int>(kFar);
  if (!(v < kFar)) return static_cast<int>(kFar);
  int whole = static_cast<int>(v);
  const double rest = v - whole;
  if (rest >= 0.5) ++whole;
  else if (rest <= -0.5) --whole;
  return whole;
}

}  // namespace

// The widget shows the box's image and reports the pointer.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(PictureBox& box) : box_(box) { setMouseTracking(true); }
  QImage* image = nullptr;
  bool border = true;
  // Ends the drawing on the image so that it can be shown; empty once the box is gone.
  std::function<void()> finishDrawing;

  // Shows what was drawn since the last time: one update for a whole run of drawing.
  void ShowDrawing() {
    if (finishDrawing) finishDrawing();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (finishDrawing) finishDrawing();
    QPainter p(this);
    const int b = border ? kBorderPx : 0;
    if (border) {
      p.fillRect(rect(), QColor(128, 128, 128));
      p.fillRect(rect().adjusted(1, 1, 0, 0), QColor(255, 255, 255));
      p.fillRect(rect().adjusted(1, 1, -1, -1), QColor(64, 64, 64));
    }
    if (image) p.drawImage(b, b, *image);
  }
  void mousePressEvent(QMouseEvent* e) override {
    const QPointF q = Inner(e);
    box_.PointerDown(ButtonsOf(e->button()), ShiftOf(e->modifiers()), q.x(), q.y());
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPointF q = Inner(e);
    box_.PointerMove(ButtonsOf(e->buttons()), ShiftOf(e->modifiers()), q.x(), q.y());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    const QPointF q = Inner(e);
    box_.PointerUp(ButtonsOf(e->button()), ShiftOf(e->modifiers()), q.x(), q.y());
  }
  void mouseDoubleClickEvent(QMouseEvent*) override {
    if (box_.DblClick && box_.OwnerForm().IsLoaded()) box_.OwnerForm().OwnerProgram().Dispatch(box_.DblClick);
  }

 private:
  QPointF Inner(QMouseEvent* e) const {
    const int b = border ? kBorderPx : 0;
    return e->position() - QPointF(b, b);
  }
  PictureBox& box_;
};

struct PictureBox::Impl {
  QImage image;
  PictureWidget* widget = nullptr;
  // One painter serves a whole run of drawing; it is ended before the image is read, shown,
  // resized or filled, and whenever the event that drew has been handled.
  std::unique_ptr<QPainter> painter;
  bool showQueued = false;
  // The pen last set on the painter.
  bool penSet = false;
  Colour penColour = 0;
  int penWidth = 0;
  // The font of the last size used, and its measures on the image.
  double fontSize = -1;
  QFont font;
  std::unique_ptr<QFontMetrics> metrics;
  // Its ascent and line height in pixels, which the metrics look up afresh on every call.
  int ascent = 0, lineHeight = 0;

  // The pixels of a circle, once per size: offsets from its centre of the pixels its pen
  // and its fill cover, taken from the painter itself.
  struct Stamp {
    std::vector<QPoint> fill, pen;
  };
  std::map<std::tuple<double, int, bool>, Stamp> stamps;
  // The stamp used last: a board draws runs of circles of one size.
  std::tuple<double, int, bool> lastStampKey{-1, 0, false};
  const Stamp* lastStamp = nullptr;
  const Stamp& StampOf(double radius, int width, bool filled);
  // The pixels of a line, once per run and pen width: offsets from its start.
  // A line is stamped from its second drawing on: a run drawn once only is left to the
  // painter, which draws it faster than a stamp is made.
  std::map<std::tuple<int, int, int>, std::vector<QPoint>> lineStamps;
  std::set<std::tuple<int, int, int>> linesSeenOnce;
  const std::vector<QPoint>* LineStampOf(int dx, int dy, int width);
  void Put(const std::vector<QPoint>& offsets, QPoint centre, Colour c);
  // The image's pixels for writing, taken once per run of drawing: the image is detached
  // from any copy when they are taken, and they are given up with the painter.
  struct Pixels {
    QRgb* bits = nullptr;
    int width = 0, height = 0;
    qsizetype stride = 0;  // pixels per line
  };
  Pixels pixels;
  const Pixels& Raster() {
    if (!pixels.bits) {
      pixels.bits = reinterpret_cast<QRgb*>(image.bits());
      pixels.width = image.width();
      pixels.height = image.height();
      pixels.stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    return pixels;
  }
  // Fills the pixels from (x1, y1) to (x2, y2), both included, as the painter's fillRect
  // does with an opaque colour: the pixels of the image inside the rectangle take it.
  void Fill(int x1, int y1, int x2, int y2, Colour c);

  QPainter& Painter() {
    if (!painter) {
      painter = std::make_unique<QPainter>(&image);
      penSet = false;
    }
    return *painter;
  }
  void EndPainting() {
    pixels = Pixels();
    if (!painter) return;
    painter->end();
    painter.reset();
  }
  void SetPen(Colour c, int width);
  const QFont& FontOf(double size);
  const QFontMetrics& MetricsOf(double size);
};

PictureBox::PictureBox(Container& parent, std::string name)
    : Control(parent, std::move(name)), impl_(std::make_unique<Impl>()) {
  impl_->image = QImage(1, 1, QImage::Format_RGB32);
  impl_->image.fill(ToQColor(backColor_));
  impl_->widget = new PictureWidget(*this);
  impl_->widget->image = &impl_->image;
  Rescaled();
  impl_->widget->finishDrawing = [impl = impl_.get()] {
    impl->showQueued = false;
    impl->EndPainting();
  };
  Adopt(impl_->widget);
}

PictureBox::~PictureBox() {
  impl_->EndPainting();
  if (impl_->widget) {
    impl_->widget->image = nullptr;
    impl_->widget->finishDrawing = nullptr;
  }
}

int PictureBox::InnerWidthPx() const { return impl_->image.width(); }
int PictureBox::InnerHeightPx() const { return impl_->image.height(); }

double PictureBox::ScaleWidth() const {
  if (scaleMode_ == vbUser) return scaleWidth_;
  return InnerWidthPx() * (scaleMode_ == vbPixels ? 1.0 : TwipsPerPixel);
}

double PictureBox::ScaleHeight() const {
  if (scaleMode_ == vbUser) return scaleHeight_;
  return InnerHeightPx() * (scaleMode_ == vbPixels ? 1.0 : TwipsPerPixel);
}

// Setting any part of the scale makes it the user's: the other parts keep their values.
void PictureBox::SetScaleLeft(double v) {
  if (scaleMode_ != vbUser) { scaleWidth_ = ScaleWidth(); scaleHeight_ = ScaleHeight(); scaleMode_ = vbUser; }
  scaleLeft_ = v;
  Rescaled();
}
void PictureBox::SetScaleTop(double v) {
  if (scaleMode_ != vbUser) { scaleWidth_ = ScaleWidth(); scaleHeight_ = ScaleHeight(); scaleMode_ = vbUser; }
  scaleTop_ = v;
  Rescaled();
}
void PictureBox::SetScaleWidth(double v) {
  if (scaleMode_ != vbUser) { scaleHeight_ = ScaleHeight(); scaleMode_ = vbUser; }
  scaleWidth_ = v;
  Rescaled();
}
void PictureBox::SetScaleHeight(double v) {
  if (scaleMode_ != vbUser) { scaleWidth_ = ScaleWidth(); scaleMode_ = vbUser; }
  scaleHeight_ = v;
  Rescaled();
}
void PictureBox::SetScaleMode(int mode) {
  scaleMode_ = mode;
  if (mode != vbUser) { scaleLeft_ = 0; scaleTop_ = 0; }
  Rescaled();
}

void PictureBox::Rescaled() {
  scaleW_ = ScaleWidth();
  scaleH_ = ScaleHeight();
  pixelsW_ = InnerWidthPx();
  pixelsH_ = InnerHeightPx();
}

bool PictureBox::Reaches(double x1, double y1, double x2, double y2) const {
  const double ax = ToPixelX(x1), bx = ToPixelX(x2), ay = ToPixelY(y1), by = ToPixelY(y2);
  if (std::isnan(ax) || std::isnan(bx) || std::isnan(ay) || std::isnan(by)) return true;
  const double reach = drawWidth_ + 2;
  return std::max(ax, bx) + reach >= 0 && std::min(ax, bx) - reach < pixelsW_ && std::max(ay, by) + reach >= 0 &&
         std::min(ay, by) - reach < pixelsH_;
}
double PictureBox::FromPixelX(double px) const {
  return InnerWidthPx() == 0 ? scaleLeft_ : scaleLeft_ + px * ScaleWidth() / InnerWidthPx();
}
double PictureBox::FromPixelY(double py) const {
  return InnerHeightPx() == 0 ? scaleTop_ : scaleTop_ + py * ScaleHeight() / InnerHeightPx();
}

void PictureBox::GeometryChanged() {
  if (impl_) Resize();
}

void PictureBox::Resize() {
  const int b = border_ ? 2 * kBorderPx : 0;
  const int w = std::max(1, Px(Control::Width() / form_.UnitsPerPixel()) - b);
  const int h = std::max(1, Px(Control::Height() / form_.UnitsPerPixel()) - b);
  if (w == impl_->image.width() && h == impl_->image.height()) return;
  impl_->EndPainting();
  QImage next(w, h, QImage::Format_RGB32);
  next.fill(ToQColor(backColor_));
  {
    QPainter p(&next);
    p.drawImage(0, 0, impl_->image);
  }
  impl_->image = std::move(next);
  Rescaled();
  Changed();
}

// The widget is asked once to show the image, after the event that draws has been handled.
void PictureBox::Changed() {
  if (!impl_->widget || impl_->showQueued) return;
  impl_->showQueued = true;
  QPointer<PictureWidget> widget = impl_->widget;
  QMetaObject::invokeMethod(
      impl_->widget, [widget] { if (widget) widget->ShowDrawing(); }, Qt::QueuedConnection);
}

void PictureBox::SetBorder(bool on) {
  border_ = on;
  impl_->widget->border = on;
  Resize();
}

void PictureBox::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (pointer) {
    case vbCrosshair: shape = Qt::CrossCursor; break;
    case vbIbeam: shape = Qt::IBeamCursor; break;
    case vbSizeAll: shape = Qt::SizeAllCursor; break;
    case vbUpArrow: shape = Qt::UpArrowCursor; break;
    case vbHourglass: shape = Qt::WaitCursor; break;
    case vbCustom: shape = Qt::PointingHandCursor; break;
    default: break;
  }
  impl_->widget->setCursor(shape);
}

void PictureBox::SetBackColor(Colour c) {
  backColor_ = c;
  Cls();
}

void PictureBox::Cls() {
  impl_->EndPainting();
  impl_->image.fill(ToQColor(backColor_));
  currentX_ = scaleLeft_;
  currentY_ = scaleTop_;
  Changed();
}

namespace {
QPen PenOf(Colour c, int width) {
  QPen pen(ToQColor(c));
  pen.setWidth(width);
  pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}
}  // namespace

void PictureBox::Impl::SetPen(Colour c, int width) {
  QPainter& p = Painter();
  if (penSet && penColour == c && penWidth == width) return;
  p.setPen(PenOf(c, width));
  penSet = true;
  penColour = c;
  penWidth = width;
}

const QFont& PictureBox::Impl::FontOf(double size) {
  if (size != fontSize) {
    font = QFont("DejaVu Sans");
    font.setPointSizeF(size > 0 ? size : 8);
    fontSize = size;
    metrics.reset();
  }
  return font;
}

// Text is measured for the image it is drawn on, whose resolution sets the size in pixels.
const QFontMetrics& PictureBox::Impl::MetricsOf(double size) {
  const QFont& f = FontOf(size);
  if (!metrics) {
    metrics = std::make_unique<QFontMetrics>(f, &image);
    ascent = metrics->ascent();
    lineHeight = metrics->height();
  }
  return *metrics;
}

const PictureBox::Impl::Stamp& PictureBox::Impl::StampOf(double radius, int width, bool filled) {
  const auto key = std::make_tuple(radius, width, filled);
  if (lastStamp && key == lastStampKey) return *lastStamp;
  auto found = stamps.find(key);
  if (found != stamps.end()) {
    lastStampKey = key;
    lastStamp = &found->second;
    return found->second;
  }
  if (stamps.size() >= 64) {
    stamps.clear();
    lastStamp = nullptr;
  }
  const int half = static_cast<int>(std::ceil(radius)) + width + 4;
  QImage img(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  {
    QPainter p(&img);
    QPen pen = PenOf(0, width);
    pen.setColor(QColor::fromRgba(kPenMark));
    p.setPen(pen);
    if (filled) p.setBrush(QColor::fromRgba(kFillMark));
    p.drawEllipse(QPointF(half, half), radius, radius);
  }
  Stamp stamp;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (line[x] == kPenMark) stamp.pen.emplace_back(x - half, y - half);
      else if (line[x] == kFillMark) stamp.fill.emplace_back(x - half, y - half);
    }
  }
  lastStampKey = key;
  lastStamp = &stamps.emplace(key, std::move(stamp)).first->second;
  return *lastStamp;
}

const std::vector<QPoint>* PictureBox::Impl::LineStampOf(int dx, int dy, int width) {
  const auto key = std::make_tuple(dx, dy, width);
  auto found = lineStamps.find(key);
  if (found != lineStamps.end()) return &found->second;
  if (linesSeenOnce.insert(key).second) return nullptr;
  if (lineStamps.size() >= 4096) {
    lineStamps.clear();
    linesSeenOnce.clear();
  }
  const int margin = width + 4;
  const int x0 = margin + std::max(0, -dx), y0 = margin + std::max(0, -dy);
  QImage img(std::abs(dx) + 2 * margin + 1, std::abs(dy) + 2 * margin + 1, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  {
    QPainter p(&img);
    QPen pen = PenOf(0, width);
    pen.setColor(QColor::fromRgba(kPenMark));
    p.setPen(pen);
    p.drawLine(QPoint(x0, y0), QPoint(x0 + dx, y0 + dy));
  }
  std::vector<QPoint> stamp;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if (line[x] == kPenMark) stamp.emplace_back(x - x0, y - y0);
  }
  return &lineStamps.emplace(key, std::move(stamp)).first->second;
}

void PictureBox::Impl::Put(const std::vector<QPoint>& offsets, QPoint centre, Colour c) {
  const QRgb rgb = OpaqueRgb(c);
  const Pixels& p = Raster();
  for (const QPoint& o : offsets) {
    const int x = centre.x() + o.x(), y = centre.y() + o.y();
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) continue;
    p.bits[y * p.stride + x] = rgb;
  }
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
  const Colour c = colour.value_or(foreColor_);
  const QPoint from(Px(ToPixelX(x1)), Px(ToPixelY(y1))), to(Px(ToPixelX(x2)), Px(ToPixelY(y2)));
  currentX_ = x2;
  currentY_ = y2;
  // A line whose pen cannot reach the picture leaves no pixel on it.
  const int reach = drawWidth_ + 2;
  if (std::max(from.x(), to.x()) + reach < 0 || std::min(from.x(), to.x()) - reach >= pixelsW_ ||
      std::max(from.y(), to.y()) + reach < 0 || std::min(from.y(), to.y()) - reach >= pixelsH_)
    return;
  const QPoint run = to - from;
  const std::vector<QPoint>* stamp = nullptr;
  if (std::abs(run.x()) <= kStampedRun && std::abs(run.y()) <= kStampedRun && drawWidth_ <= 8 &&
      Inside(from, reach, pixelsW_, pixelsH_) && Inside(to, reach, pixelsW_, pixelsH_))
    stamp = impl_->LineStampOf(run.x(), run.y(), drawWidth_);
  if (stamp) {
    // Short lines drawn again and again, the outlines of parts, are put down from their
    // stamp. A line the edge of the picture cuts is left to the painter, which draws a cut
    // line differently.
    impl_->Put(*stamp, from, c);
  } else {
    impl_->SetPen(c, drawWidth_);
    impl_->Painter().drawLine(from, to);
  }
  Changed();
}

void PictureBox::Box(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
  const Colour c = colour.value_or(foreColor_);
  const int ax = Px(ToPixelX(x1)), bx = Px(ToPixelX(x2)), ay = Px(ToPixelY(y1)), by = Px(ToPixelY(y2));
  impl_->SetPen(c, drawWidth_);
  QPainter& p = *impl_->painter;
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by))).adjusted(0, 0, -1, -1));
  currentX_ = x2;
  currentY_ = y2;
  Changed();
}

void PictureBox::Impl::Fill(int x1, int y1, int x2, int y2, Colour c) {
  const Pixels& p = Raster();
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, p.width - 1);
  y2 = std::min(y2, p.height - 1);
  if (x1 > x2 || y1 > y2) return;
  const QRgb rgb = OpaqueRgb(c);
  for (int y = y1; y <= y2; ++y) {
    QRgb* line = p.bits + y * p.stride;
    std::fill(line + x1, line + x2 + 1, rgb);
  }
}

void PictureBox::FilledBox(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
  const Colour c = colour.value_or(foreColor_);
  const int ax = Px(ToPixelX(x1)), bx = Px(ToPixelX(x2)), ay = Px(ToPixelY(y1)), by = Px(ToPixelY(y2));
  impl_->Fill(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by), c);
  currentX_ = x2;
  currentY_ = y2;
  Changed();
}

void PictureBox::Circle(double x, double y, double radius, std::optional<Colour> colour) {
  const Colour c = colour.value_or(foreColor_);
  double r = scaleW_ == 0 ? 0 : std::fabs(radius * pixelsW_ / scaleW_);
  if (std::isnan(r)) r = 0;
  r = std::min(r, double(1 << 24));
  const QPoint centre(Px(ToPixelX(x)), Px(ToPixelY(y)));
  currentX_ = x;
  currentY_ = y;
  // A circle whose pen and fill cannot reach the picture leaves no pixel on it.
  const int reach = static_cast<int>(std::ceil(r)) + drawWidth_ + 2;
  if (centre.x() + reach < 0 || centre.x() - reach >= pixelsW_ || centre.y() + reach < 0 ||
      centre.y() - reach >= pixelsH_)
    return;
  const bool filled = fillStyle_ == vbFSSolid;
  if (r <= kStampedRadius && Inside(centre, reach, pixelsW_, pixelsH_)) {
    // Small circles, the holes and pads of a board, are put down from their stamp; as with
    // lines, a circle the edge of the picture cuts is left to the painter.
    const Impl::Stamp& stamp = impl_->StampOf(r, drawWidth_, filled);
    impl_->Put(stamp.fill, centre, fillColor_);
    impl_->Put(stamp.pen, centre, c);
  } else {
    impl_->SetPen(c, drawWidth_);
    QPainter& p = *impl_->painter;
    if (filled) p.setBrush(ToQColor(fillColor_));
    else p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(centre), r, r);
  }
  Changed();
}

void PictureBox::PSet(double x, double y, std::optional<Colour> colour) {
  const Colour c = colour.value_or(foreColor_);
  const int px = Px(ToPixelX(x)), py = Px(ToPixelY(y));
  impl_->EndPainting();
  if (px >= 0 && py >= 0 && px < InnerWidthPx() && py < InnerHeightPx())
    impl_->image.setPixelColor(px, py, ToQColor(c));
  currentX_ = x;
  currentY_ = y;
  Changed();
}

Colour PictureBox::Point(double x, double y) const {
  const int px = Px(ToPixelX(x)), py = Px(ToPixelY(y));
  if (px < 0 || py < 0 || px >= InnerWidthPx() || py >= InnerHeightPx()) return -1;
  impl_->EndPainting();
  return FromQColor(impl_->image.pixelColor(px, py));
}

void PictureBox::Print(const std::string& text) {
  const QFontMetrics& fm = impl_->MetricsOf(fontSize_);
  const int x = Px(ToPixelX(currentX_)), y = Px(ToPixelY(currentY_));
  // Text lies right of its position and within about a line's height of it; a line of text
  // that surely stays off the picture is not drawn.
  const int line = impl_->lineHeight;
  bool off = y + 2 * line < 0 || y - line >= pixelsH_ || x - line >= pixelsW_;
  if (!off && x < 0) off = x + fm.horizontalAdvance(ToQ(text)) + line < 0;
  if (!off) {
    QPainter& p = impl_->Painter();
    p.setFont(impl_->FontOf(fontSize_));
    impl_->penSet = false;
    p.setPen(ToQColor(foreColor_));
    p.drawText(QPoint(x, y + impl_->ascent), ToQ(text));
  }
  currentX_ = scaleLeft_;
  currentY_ += TextHeight(text);
  Changed();
}

double PictureBox::TextWidth(const std::string& text) const {
  const double w = ScaleWidth();
  return impl_->MetricsOf(fontSize_).horizontalAdvance(ToQ(text)) *
         (InnerWidthPx() == 0 ? 0 : std::fabs(w) / InnerWidthPx());
}

double PictureBox::TextHeight(const std::string&) const {
  const double h = ScaleHeight();
  impl_->MetricsOf(fontSize_);
  return impl_->lineHeight * (InnerHeightPx() == 0 ? 0 : std::fabs(h) / InnerHeightPx());
}

vb::Picture PictureBox::Image() const {
  impl_->EndPainting();
  return vb::Picture(impl_->image);
}

void PictureBox::SetPicture(const vb::Picture& picture) {
  picture_ = picture;
  if (!picture.IsEmpty()) {
    impl_->Painter().drawImage(0, 0, picture.Image());
    Changed();
  }
}

void PictureBox::PaintPicture(const vb::Picture& picture, double x, double y, std::optional<double> width,
                              std::optional<double> height) {
  if (picture.IsEmpty()) return;
  const double x1 = ToPixelX(x), y1 = ToPixelY(y);
  const double x2 = width ? ToPixelX(x + *width) : x1 + picture.WidthPx();
  const double y2 = height ? ToPixelY(y + *height) : y1 + picture.HeightPx();
  impl_->Painter().drawImage(
      QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2))),
      picture.Image());
  Changed();
}

void PictureBox::PointerDown(int button, int shift, double px, double py) {
  if (MouseDown) UserEvent([&] { MouseDown(button, shift, FromPixelX(px), FromPixelY(py)); });
}

void PictureBox::PointerMove(int button, int shift, double px, double py) {
  if (MouseMove) UserEvent([&] { MouseMove(button, shift, FromPixelX(px), FromPixelY(py)); });
}

void PictureBox::PointerUp(int button, int shift, double px, double py) {
  if (MouseUp) UserEvent([&] { MouseUp(button, shift, FromPixelX(px), FromPixelY(py)); });
  if (Click) UserEvent(Click);
}

}  // namespace vb
