// A picture box: a persistent drawing surface with a user scale. Everything drawn stays
// in the box's image until it is cleared; the widget shows that image.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/controls.h"

namespace vb {

enum FillStyles { vbFSSolid = 0, vbFSTransparent = 1 };

class PictureBox : public Control {
 public:
  PictureBox(Container& parent, std::string name);
  ~PictureBox() override;

  // The user scale. By default one unit per twip, following the size of the box; setting
  // any of the four makes the scale the user's own, kept when the box is resized. A
  // negative ScaleWidth mirrors the picture left to right.
  double ScaleLeft() const { return scaleLeft_; }
  double ScaleTop() const { return scaleTop_; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  void SetScaleLeft(double v);
  void SetScaleTop(double v);
  void SetScaleWidth(double v);
  void SetScaleHeight(double v);
  int ScaleMode() const { return scaleMode_; }
  void SetScaleMode(int mode);
  // Inner size in pixels (the size of the image).
  int InnerWidthPx() const;
  int InnerHeightPx() const;

  Colour BackColor() const { return backColor_; }
  // Setting the background clears the picture to it.
  void SetBackColor(Colour c);
  Colour ForeColor() const { return foreColor_; }
  void SetForeColor(Colour c) { foreColor_ = c; }
  Colour FillColor() const { return fillColor_; }
  void SetFillColor(Colour c) { fillColor_ = c; }
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int style) { fillStyle_ = style; }
  int DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(int px) { drawWidth_ = px < 1 ? 1 : px; }
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points) { fontSize_ = points; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double v) { currentX_ = v; }
  void SetCurrentY(double v) { currentY_ = v; }
  bool AutoRedraw() const { return autoRedraw_; }
  void SetAutoRedraw(bool on) { autoRedraw_ = on; }
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  void SetBorder(bool on);

  // Drawing, in scale units. Without a colour the ForeColor draws; a colour given is drawn
  // whatever its value, its low three bytes being red, green and blue.
  void Cls();
  void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt);
  void Box(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt);
  void FilledBox(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt);
  // Radius in horizontal scale units; filled with FillColor when FillStyle is solid.
  void Circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt);
  void PSet(double x, double y, std::optional<Colour> colour = std::nullopt);
  Colour Point(double x, double y) const;
  // Prints one line of text at CurrentX/CurrentY; the print position moves to the next line.
  void Print(const std::string& text);
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text) const;

  // The picture shown: a copy of the image, or a picture set as the box's Picture.
  vb::Picture Image() const;
  const vb::Picture& Picture() const { return picture_; }
  void SetPicture(const vb::Picture& picture);
  // Draws an image with its top left corner at (x, y), in scale units, at its own size or
  // stretched to width x height.
  void PaintPicture(const vb::Picture& picture, double x, double y,
                    std::optional<double> width = std::nullopt,
                    std::optional<double> height = std::nullopt);

  // Scale conversions.
  double ToPixelX(double x) const { return scaleW_ == 0 ? 0 : (x - scaleLeft_) * pixelsW_ / scaleW_; }
  double ToPixelY(double y) const { return scaleH_ == 0 ? 0 : (y - scaleTop_) * pixelsH_ / scaleH_; }
  double FromPixelX(double px) const;
  double FromPixelY(double py) const;

  // False when nothing drawn inside the rectangle (x1, y1)-(x2, y2), in scale units, with a
  // pen of the current DrawWidth can reach the picture: drawing there may be left out.
  bool Reaches(double x1, double y1, double x2, double y2) const;

  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;
  std::function<void()> Click;
  std::function<void()> DblClick;

  // Pointer events in pixels, as the widget delivers them (tests send them too).
  void PointerDown(int button, int shift, double px, double py);
  void PointerMove(int button, int shift, double px, double py);
  void PointerUp(int button, int shift, double px, double py);

 protected:
  void GeometryChanged() override;

 private:
  struct Impl;
  void Resize();
  void Changed();
  // Takes the scale and the image size into the conversions after either changed.
  void Rescaled();
  std::unique_ptr<Impl> impl_;
  vb::Picture picture_;
  double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  int scaleMode_ = vbTwips;
  Colour backColor_ = vbButtonFace;
  Colour foreColor_ = vbBlack;
  Colour fillColor_ = vbBlack;
  int fillStyle_ = vbFSTransparent;
  int drawWidth_ = 1;
  double fontSize_ = 8;
  double currentX_ = 0, currentY_ = 0;
  bool autoRedraw_ = false;
  bool border_ = true;
  int mousePointer_ = vbDefault;
  // What the conversions read: the scale's width and height and the image's, in pixels.
  double scaleW_ = 0, scaleH_ = 0, pixelsW_ = 0, pixelsH_ = 0;
};

}  // namespace vb
