// An image held by a control's Picture property, or copied from a picture box.
#pragma once

#include <memory>
#include <string>

#include "platform/color.h"

class QImage;

namespace vb {

class Picture {
 public:
  Picture();
  Picture(int widthPx, int heightPx, Colour fill);
  explicit Picture(const QImage& image);
  // Loads a picture file; an empty picture when the file cannot be read.
  static Picture Load(const std::string& hostPath);

  bool IsEmpty() const;
  int WidthPx() const;
  int HeightPx() const;
  Colour PixelAt(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  void FillRect(int x, int y, int w, int h, Colour c);
  bool SavePng(const std::string& hostPath) const;

  // Drawing in pixels, for pictures that programs make themselves (button pictures, logos).
  // A fill of -1 leaves the inside of the ellipse as it is.
  void DrawLine(int x1, int y1, int x2, int y2, Colour c, int width = 1);
  void DrawEllipse(int cx, int cy, int rx, int ry, Colour pen, Colour fill = -1, int width = 1);
  void DrawText(int x, int y, const std::string& text, Colour c, double points, bool bold = false);

  const QImage& Image() const;

 private:
  std::shared_ptr<QImage> image_;
};

}  // namespace vb
