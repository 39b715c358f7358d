// Reading printed pages back: a PDF page rendered to an image, and the text on it
// (Debian's poppler tools).
#pragma once

#include <string>

#include "platform/picture.h"

namespace testsupport {

// Sends every printed page into one PDF file while it lives.
class PrintToPdf {
 public:
  explicit PrintToPdf(std::string hostPath);
  ~PrintToPdf();
  PrintToPdf(const PrintToPdf&) = delete;
  PrintToPdf& operator=(const PrintToPdf&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The first page at `dpi` dots per inch; an empty picture when it cannot be rendered.
vb::Picture RenderPdfPage(const std::string& pdfHostPath, int dpi);
// The text of the document in reading order, lines ended by "\n".
std::string PdfText(const std::string& pdfHostPath);

}  // namespace testsupport
