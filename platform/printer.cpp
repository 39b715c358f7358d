#include "platform/printer.h"

#include "platform/files.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

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
// The resolution of a page written as a PDF file.
constexpr int kPdfDpi = 1200;

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

// Renders the page into `device` at `dpi`; false when the device cannot be painted on.
bool Render(QPaintDevice& device, int dpi, const std::vector<std::function<void(QPainter&)>>& ops) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double s = dpi / kTwipsPerInch;
  painter.scale(s, s);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const auto& op : ops) op(painter);
  return painter.end();
}

// The PDF writer's output: every byte goes straight to the replacement file, and the first
// failure is kept, since the writer itself goes on as if nothing had happened.
class ReplacementDevice : public QIODevice {
 public:
  explicit ReplacementDevice(HostFileReplacement& file) : file_(file) {}
  bool isSequential() const override { return true; }
  bool Failed() const { return failed_; }
  std::int64_t Written() const { return written_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (failed_) return -1;
    try {
      file_.Write(data, static_cast<std::size_t>(size));
    } catch (const RuntimeError&) {
      failed_ = true;
      return -1;
    }
    written_ += size;
    return size;
  }

 private:
  HostFileReplacement& file_;
  bool failed_ = false;
  std::int64_t written_ = 0;
};

// True when the file `fd` holds exactly `written` bytes and ends as a whole PDF document does.
bool CompletePdf(int fd, std::int64_t written) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_size != written) return false;
  char tail[16] = {};
  const std::int64_t want = std::min<std::int64_t>(written, sizeof tail);
  ssize_t got = -1;
  do {
    got = ::pread(fd, tail, static_cast<std::size_t>(want), static_cast<off_t>(written - want));
  } while (got < 0 && errno == EINTR);
  if (got != want) return false;
  std::string_view end(tail, static_cast<std::size_t>(got));
  while (!end.empty() && (end.back() == '\n' || end.back() == '\r' || end.back() == ' ')) end.remove_suffix(1);
  return end.size() >= 5 && end.substr(end.size() - 5) == "%%EOF";
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
      if (fallbackPdf_) pdf = fallbackPdf_();
      if (pdf.empty()) pdf = "print.pdf";
      fallback = true;
    }
  }

  if (pdf.empty()) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageLayout(PageLayout());
    printer.setDocName(QStringLiteral("Brantel"));
    if (!Render(printer, printer.resolution(), ops)) throw RuntimeError(kPrinterError);
    return {false, info.printerName().toStdString(), false};  // the host's name, UTF-8
  }

  // The file is written beside its target, under the host name exactly as given, and moved
  // over it only when every byte of a whole document is on the disk; otherwise the old file
  // stays as it was.
  const auto failed = [&pdf] {
    return RuntimeError(kPrinterError, "Printer error: the page could not be written to " + PlatformPath(pdf));
  };
  try {
    HostFileReplacement file(pdf);
    bool complete = false;
    {
      ReplacementDevice device(file);
      device.open(QIODevice::WriteOnly);
      QPdfWriter writer(&device);
      writer.setResolution(kPdfDpi);
      writer.setPageLayout(PageLayout());
      writer.setTitle(QStringLiteral("Brantel"));
      const bool rendered = Render(writer, writer.resolution(), ops);
      complete = rendered && !device.Failed() && CompletePdf(file.Fd(), device.Written());
    }
    if (!complete) throw failed();
    file.Commit();
  } catch (const RuntimeError& e) {
    if (e.Number() == kPrinterError) throw;
    throw failed();
  }
  return {true, pdf, fallback};
}

PrinterObject& Printer() {
  static PrinterObject printer;
  return printer;
}

}  // namespace vb
