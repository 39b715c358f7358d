#include "platform/printer.h"

#include "platform/files.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cstdlib>
#include <unistd.h>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kMarginInches = 0.25;
// The width of a printed line: a hundredth of an inch and a little more.
constexpr double kLineTwips = 15;
constexpr int kPrinterError = 482;

QPageLayout PageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                     QPageLayout::Inch);
}

QFont PrinterFont(double points) {
  QFont font(QStringLiteral("DejaVu Sans"));
  // In twips: the painter is scaled so that one unit is one twip.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20))));
  return font;
}

// Renders the page into `printer`; false when the device cannot be painted on.
bool Render(QPrinter& printer, const std::vector<std::function<void(QPainter&)>>& ops) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double s = printer.resolution() / kTwipsPerInch;
  painter.scale(s, s);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const auto& op : ops) op(painter);
  return painter.end();
}

}  // namespace

PrinterObject::PrinterObject() = default;
PrinterObject::~PrinterObject() = default;

double PrinterObject::ScaleWidth() const {
  return PageLayout().paintRect(QPageLayout::Inch).width() * kTwipsPerInch;
}

double PrinterObject::ScaleHeight() const {
  return PageLayout().paintRect(QPageLayout::Inch).height() * kTwipsPerInch;
}

void PrinterObject::PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                                 std::optional<double> height) {
  if (picture.IsEmpty()) return;
  const double w = width.value_or(picture.WidthPx() * 15.0);
  const double h = height.value_or(picture.HeightPx() * 15.0);
  const QImage image = picture.Image().copy();
  ops_.push_back([image, x, y, w, h](QPainter& p) { p.drawImage(QRectF(x, y, w, h), image); });
}

void PrinterObject::Line(double x1, double y1, double x2, double y2, Colour colour) {
  const QColor c = ToQColor(colour);
  ops_.push_back([=](QPainter& p) {
    QPen pen(c);
    pen.setWidthF(kLineTwips);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  });
  currentX_ = x2;
  currentY_ = y2;
}

double PrinterObject::TextHeight() const { return QFontMetricsF(PrinterFont(fontSize_)).height(); }

void PrinterObject::Print(const std::string& text) {
  const QFont font = PrinterFont(fontSize_);
  const QFontMetricsF metrics(font);
  if (!text.empty()) {
    const QString q = ToQ(text);
    const QPointF at(currentX_, currentY_ + metrics.ascent());
    ops_.push_back([font, q, at](QPainter& p) {
      p.setFont(font);
      p.setPen(QColor(0, 0, 0));
      p.drawText(at, q);
    });
  } else if (ops_.empty()) {
    // An empty line still starts the page.
    ops_.push_back([](QPainter&) {});
  }
  currentX_ = 0;
  currentY_ += metrics.height();
}

void PrinterObject::KillDoc() {
  ops_.clear();
  currentX_ = currentY_ = 0;
}

PrintResult PrinterObject::EndDoc() {
  if (ops_.empty()) return {};
  auto ops = std::move(ops_);
  KillDoc();

  std::string pdf;
  if (const char* env = std::getenv("BRANTEL_PRINT_PDF"); env && *env) pdf = env;
  QPrinterInfo info;
  bool fallback = false;
  if (pdf.empty()) {
    info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      pdf = fallbackPdf_.empty() ? std::string("print.pdf") : fallbackPdf_;
      fallback = true;
    }
  }

  if (pdf.empty()) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageLayout(PageLayout());
    printer.setDocName(QStringLiteral("Brantel"));
    if (!Render(printer, ops)) throw RuntimeError(kPrinterError);
    return {false, FromQ(info.printerName()), false};
  }

  // The file is written beside its target and moved over it only when complete.
  std::string temp;
  try {
    temp = TempFileBeside(pdf);
  } catch (const RuntimeError&) {
    throw RuntimeError(kPrinterError, "Printer error: the page could not be written to " + PlatformPath(pdf));
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(temp));
  printer.setPageLayout(PageLayout());
  printer.setDocName(QStringLiteral("Brantel"));
  const bool rendered = Render(printer, ops);
  if (!rendered || QFile(QString::fromStdString(temp)).size() == 0 ||
      std::rename(temp.c_str(), pdf.c_str()) != 0) {
    std::remove(temp.c_str());
    throw RuntimeError(kPrinterError, "Printer error: the page could not be written to " + PlatformPath(pdf));
  }
  return {true, pdf, fallback};
}

PrinterObject& Printer() {
  static PrinterObject printer;
  return printer;
}

}  // namespace vb
