#include "tests/support/pdf.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace testsupport {

namespace {
std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
}  // namespace

PrintToPdf::PrintToPdf(std::string hostPath) : path_(std::move(hostPath)) {
  ::setenv("BRANTEL_PRINT_PDF", path_.c_str(), 1);
}
PrintToPdf::~PrintToPdf() { ::unsetenv("BRANTEL_PRINT_PDF"); }

vb::Picture RenderPdfPage(const std::string& pdf, int dpi) {
  const std::string stem = pdf + ".page";
  const std::string cmd = "pdftoppm -singlefile -png -r " + std::to_string(dpi) + " " + Quote(pdf) + " " + Quote(stem);
  if (std::system(cmd.c_str()) != 0) return {};
  vb::Picture page = vb::Picture::Load(stem + ".png");
  std::remove((stem + ".png").c_str());
  return page;
}

std::string PdfText(const std::string& pdf) {
  std::string text;
  FILE* p = ::popen(("pdftotext -layout " + Quote(pdf) + " -").c_str(), "r");
  if (!p) return text;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) text.append(buf.data(), n);
  ::pclose(p);
  return text;
}

}  // namespace testsupport
