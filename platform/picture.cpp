#include "platform/picture.h"

#include <QImage>
#include <QPainter>

#include "platform/widgets_p.h"

namespace vb {

namespace {
void Detach(std::shared_ptr<QImage>& image) {
  if (image.use_count() > 1) image = std::make_shared<QImage>(*image);
}
const QImage& EmptyImage() {
  static const QImage empty;
  return empty;
}
}  // namespace

Picture::Picture() = default;

Picture::Picture(int widthPx, int heightPx, Colour fill)
    : image_(std::make_shared<QImage>(widthPx, heightPx, QImage::Format_RGB32)) {
  image_->fill(ToQColor(fill));
}

Picture::Picture(const QImage& image) : image_(std::make_shared<QImage>(image)) {}

Picture Picture::Load(const std::string& hostPath) {
  QImage img(QString::fromStdString(hostPath));
  if (img.isNull()) return Picture();
  return Picture(img.convertToFormat(QImage::Format_RGB32));
}

bool Picture::IsEmpty() const { return !image_ || image_->isNull(); }
int Picture::WidthPx() const { return image_ ? image_->width() : 0; }
int Picture::HeightPx() const { return image_ ? image_->height() : 0; }

Colour Picture::PixelAt(int x, int y) const {
  if (IsEmpty() || x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return -1;
  return FromQColor(image_->pixelColor(x, y));
}

void Picture::SetPixel(int x, int y, Colour c) {
  if (IsEmpty() || x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return;
  Detach(image_);
  image_->setPixelColor(x, y, ToQColor(c));
}

void Picture::FillRect(int x, int y, int w, int h, Colour c) {
  if (IsEmpty()) return;
  Detach(image_);
  QPainter p(image_.get());
  p.fillRect(x, y, w, h, ToQColor(c));
}

bool Picture::SavePng(const std::string& hostPath) const {
  return !IsEmpty() && image_->save(QString::fromStdString(hostPath), "PNG");
}

void Picture::DrawLine(int x1, int y1, int x2, int y2, Colour c, int width) {
  if (IsEmpty()) return;
  Detach(image_);
  QPainter p(image_.get());
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(ToQColor(c));
  pen.setWidth(width);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.drawLine(x1, y1, x2, y2);
}

void Picture::DrawEllipse(int cx, int cy, int rx, int ry, Colour pen, Colour fill, int width) {
  if (IsEmpty()) return;
  Detach(image_);
  QPainter p(image_.get());
  p.setRenderHint(QPainter::Antialiasing);
  QPen qpen(ToQColor(pen));
  qpen.setWidth(width);
  p.setPen(qpen);
  if (fill >= 0) p.setBrush(ToQColor(fill));
  p.drawEllipse(QPoint(cx, cy), rx, ry);
}

void Picture::DrawText(int x, int y, const std::string& text, Colour c, double points, bool bold) {
  if (IsEmpty()) return;
  Detach(image_);
  QPainter p(image_.get());
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f("DejaVu Sans");
  f.setPointSizeF(points);
  f.setBold(bold);
  p.setFont(f);
  p.setPen(ToQColor(c));
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), ToQ(text));
}

const QImage& Picture::Image() const { return image_ ? *image_ : EmptyImage(); }

}  // namespace vb
