// The printer: one page at a time, drawn in twips (1440 to the inch) from the top left
// corner of the printable area, and sent to the printer when the document ends.
//
// The page goes to the system's default printer. When the environment variable
// BRANTEL_PRINT_PDF names a file, or when this machine has no printer, the page is written
// as a PDF file instead (the fallback file the program chose, or "print.pdf" in the
// current folder); the caller learns where from EndDoc.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/picture.h"

class QPainter;

namespace vb {

// Where a finished page went.
struct PrintResult {
  bool toFile = false;   // true: a PDF file, false: a printer
  std::string where;     // the host path of the file, or the printer's name as the host spells it
  bool fallback = false; // the machine has no printer: the page went to the fallback file
};

class PrinterObject {
 public:
  PrinterObject();
  ~PrinterObject();
  PrinterObject(const PrinterObject&) = delete;
  PrinterObject& operator=(const PrinterObject&) = delete;

  // The size of the printable area in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double v) { currentX_ = v; }
  void SetCurrentY(double v) { currentY_ = v; }
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points) { fontSize_ = points > 0 ? points : fontSize_; }

  // Draws an image with its top left corner at (x, y), at its own size (one pixel is
  // 15 twips) or stretched to width x height.
  void PaintPicture(const Picture& picture, double x, double y,
                    std::optional<double> width = std::nullopt,
                    std::optional<double> height = std::nullopt);
  // Draws a line; the print position moves to its end.
  void Line(double x1, double y1, double x2, double y2, Colour colour = vbBlack);
  // Prints one line of text with its top at the print position; the print position then
  // moves to the start of the next line.
  void Print(const std::string& text);
  double TextHeight() const;

  // True once anything has been drawn since the last EndDoc.
  bool HasPage() const { return !ops_.empty(); }
  // Sends the page. A page with nothing on it sends nothing and returns an empty result.
  // Raises run-time error 482 ("Printer error") when the page cannot be sent or written;
  // the page is then dropped.
  PrintResult EndDoc();
  // Drops the page without sending it.
  void KillDoc();

  // Gives the PDF file (host path) used when the machine has no printer. It is asked for
  // only when a page goes there, so a fallback that cannot be reached (its error propagates
  // from EndDoc) never stops a page that goes to a printer or to BRANTEL_PRINT_PDF.
  void SetFallbackPdf(std::function<std::string()> hostPath) { fallbackPdf_ = std::move(hostPath); }

 private:
  using Op = std::function<void(QPainter&)>;
  std::vector<Op> ops_;
  double currentX_ = 0, currentY_ = 0;
  double fontSize_ = 10;
  std::function<std::string()> fallbackPdf_;
};

// The program's printer.
PrinterObject& Printer();

}  // namespace vb
