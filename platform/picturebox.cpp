#include "platform/picturebox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/app.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {

constexpr int kBorderPx = 2;

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

int Px(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

// The widget shows the box's image and reports the pointer.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(PictureBox& box) : box_(box) { setMouseTracking(true); }
  QImage* image = nullptr;
  bool border = true;

 protected:
  void paintEvent(QPaintEvent*) override {
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
};

PictureBox::PictureBox(Container& parent, std::string name)
    : Control(parent, std::move(name)), impl_(std::make_unique<Impl>()) {
  impl_->image = QImage(1, 1, QImage::Format_RGB32);
  impl_->image.fill(ToQColor(backColor_));
  impl_->widget = new PictureWidget(*this);
  impl_->widget->image = &impl_->image;
  Adopt(impl_->widget);
}

PictureBox::~PictureBox() {
  if (impl_->widget) impl_->widget->image = nullptr;
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
}
void PictureBox::SetScaleTop(double v) {
  if (scaleMode_ != vbUser) { scaleWidth_ = ScaleWidth(); scaleHeight_ = ScaleHeight(); scaleMode_ = vbUser; }
  scaleTop_ = v;
}
void PictureBox::SetScaleWidth(double v) {
  if (scaleMode_ != vbUser) { scaleHeight_ = ScaleHeight(); scaleMode_ = vbUser; }
  scaleWidth_ = v;
}
void PictureBox::SetScaleHeight(double v) {
  if (scaleMode_ != vbUser) { scaleWidth_ = ScaleWidth(); scaleMode_ = vbUser; }
  scaleHeight_ = v;
}
void PictureBox::SetScaleMode(int mode) {
  scaleMode_ = mode;
  if (mode != vbUser) { scaleLeft_ = 0; scaleTop_ = 0; }
}

double PictureBox::ToPixelX(double x) const {
  const double w = ScaleWidth();
  return w == 0 ? 0 : (x - scaleLeft_) * InnerWidthPx() / w;
}
double PictureBox::ToPixelY(double y) const {
  const double h = ScaleHeight();
  return h == 0 ? 0 : (y - scaleTop_) * InnerHeightPx() / h;
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
  QImage next(w, h, QImage::Format_RGB32);
  next.fill(ToQColor(backColor_));
  {
    QPainter p(&next);
    p.drawImage(0, 0, impl_->image);
  }
  impl_->image = std::move(next);
  Changed();
}

void PictureBox::Changed() {
  if (impl_->widget) impl_->widget->update();
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

void PictureBox::Line(double x1, double y1, double x2, double y2, Colour colour) {
  const Colour c = colour < 0 ? foreColor_ : colour;
  QPainter p(&impl_->image);
  p.setPen(PenOf(c, drawWidth_));
  p.drawLine(QPoint(Px(ToPixelX(x1)), Px(ToPixelY(y1))), QPoint(Px(ToPixelX(x2)), Px(ToPixelY(y2))));
  currentX_ = x2;
  currentY_ = y2;
  Changed();
}

void PictureBox::Box(double x1, double y1, double x2, double y2, Colour colour) {
  const Colour c = colour < 0 ? foreColor_ : colour;
  const int ax = Px(ToPixelX(x1)), bx = Px(ToPixelX(x2)), ay = Px(ToPixelY(y1)), by = Px(ToPixelY(y2));
  QPainter p(&impl_->image);
  p.setPen(PenOf(c, drawWidth_));
  p.drawRect(QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by))).adjusted(0, 0, -1, -1));
  currentX_ = x2;
  currentY_ = y2;
  Changed();
}

void PictureBox::FilledBox(double x1, double y1, double x2, double y2, Colour colour) {
  const Colour c = colour < 0 ? foreColor_ : colour;
  const int ax = Px(ToPixelX(x1)), bx = Px(ToPixelX(x2)), ay = Px(ToPixelY(y1)), by = Px(ToPixelY(y2));
  QPainter p(&impl_->image);
  p.fillRect(QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by))), ToQColor(c));
  currentX_ = x2;
  currentY_ = y2;
  Changed();
}

void PictureBox::Circle(double x, double y, double radius, Colour colour) {
  const Colour c = colour < 0 ? foreColor_ : colour;
  const double w = ScaleWidth();
  const double r = w == 0 ? 0 : std::fabs(radius * InnerWidthPx() / w);
  const QPointF centre(Px(ToPixelX(x)), Px(ToPixelY(y)));
  QPainter p(&impl_->image);
  p.setPen(PenOf(c, drawWidth_));
  if (fillStyle_ == vbFSSolid) p.setBrush(ToQColor(fillColor_));
  p.drawEllipse(centre, r, r);
  currentX_ = x;
  currentY_ = y;
  Changed();
}

void PictureBox::PSet(double x, double y, Colour colour) {
  const Colour c = colour < 0 ? foreColor_ : colour;
  const int px = Px(ToPixelX(x)), py = Px(ToPixelY(y));
  if (px >= 0 && py >= 0 && px < InnerWidthPx() && py < InnerHeightPx())
    impl_->image.setPixelColor(px, py, ToQColor(c));
  currentX_ = x;
  currentY_ = y;
  Changed();
}

Colour PictureBox::Point(double x, double y) const {
  const int px = Px(ToPixelX(x)), py = Px(ToPixelY(y));
  if (px < 0 || py < 0 || px >= InnerWidthPx() || py >= InnerHeightPx()) return -1;
  return FromQColor(impl_->image.pixelColor(px, py));
}

namespace {
QFont FontOf(double size) {
  QFont f("DejaVu Sans");
  f.setPointSizeF(size > 0 ? size : 8);
  return f;
}
}  // namespace

void PictureBox::Print(const std::string& text) {
  QPainter p(&impl_->image);
  p.setFont(FontOf(fontSize_));
  p.setPen(ToQColor(foreColor_));
  const QFontMetrics fm = p.fontMetrics();
  p.drawText(QPoint(Px(ToPixelX(currentX_)), Px(ToPixelY(currentY_)) + fm.ascent()), ToQ(text));
  currentX_ = scaleLeft_;
  currentY_ += TextHeight(text);
  Changed();
}

double PictureBox::TextWidth(const std::string& text) const {
  QImage probe(1, 1, QImage::Format_RGB32);
  QPainter p(&probe);
  p.setFont(FontOf(fontSize_));
  const double w = ScaleWidth();
  return p.fontMetrics().horizontalAdvance(ToQ(text)) * (InnerWidthPx() == 0 ? 0 : std::fabs(w) / InnerWidthPx());
}

double PictureBox::TextHeight(const std::string&) const {
  QImage probe(1, 1, QImage::Format_RGB32);
  QPainter p(&probe);
  p.setFont(FontOf(fontSize_));
  const double h = ScaleHeight();
  return p.fontMetrics().height() * (InnerHeightPx() == 0 ? 0 : std::fabs(h) / InnerHeightPx());
}

vb::Picture PictureBox::Image() const { return vb::Picture(impl_->image); }

void PictureBox::SetPicture(const vb::Picture& picture) {
  picture_ = picture;
  if (!picture.IsEmpty()) {
    QPainter p(&impl_->image);
    p.drawImage(0, 0, picture.Image());
    Changed();
  }
}

void PictureBox::PaintPicture(const vb::Picture& picture, double x, double y, std::optional<double> width,
                              std::optional<double> height) {
  if (picture.IsEmpty()) return;
  const double x1 = ToPixelX(x), y1 = ToPixelY(y);
  const double x2 = width ? ToPixelX(x + *width) : x1 + picture.WidthPx();
  const double y2 = height ? ToPixelY(y + *height) : y1 + picture.HeightPx();
  QPainter p(&impl_->image);
  p.drawImage(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2))),
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
