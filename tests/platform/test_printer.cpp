// The printer: distances in twips on paper, the print position, and where a page goes.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <filesystem>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/errors.h"
#include "platform/printer.h"
#include "tests/support/fixtures.h"
#include "tests/support/pdf.h"

namespace {

constexpr int kDpi = 200;  // 1440 twips = 200 pixels; the printable area starts 50 pixels in
constexpr int kMarginPx = 50;

bool Dark(const vb::Picture& page, int x, int y) {
  const vb::Colour c = page.PixelAt(x, y);
  return vb::RedOf(c) + vb::GreenOf(c) + vb::BlueOf(c) < 3 * 128;
}

// The length of the dark run through (x, y) along a row or a column; 0 when it is not dark.
int RunThrough(const vb::Picture& page, int x, int y, bool across) {
  if (!Dark(page, x, y)) return 0;
  const int dx = across ? 1 : 0, dy = across ? 0 : 1;
  auto inside = [&](int i, int j) { return i >= 0 && j >= 0 && i < page.WidthPx() && j < page.HeightPx(); };
  int n = 1;
  for (int i = x + dx, j = y + dy; inside(i, j) && Dark(page, i, j); i += dx, j += dy) ++n;
  for (int i = x - dx, j = y - dy; inside(i, j) && Dark(page, i, j); i -= dx, j -= dy) ++n;
  return n;
}

class PrinterTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::PrintToPdf pdf{folder.HostFile("page.pdf")};
  void TearDown() override { vb::Printer().KillDoc(); }
};

TEST_F(PrinterTest, OneInchIs1440TwipsOnPaper) {
  auto& printer = vb::Printer();
  printer.Line(1440, 1440, 2880, 1440, vb::RGB(0, 0, 0));
  EXPECT_EQ(printer.CurrentX(), 2880);
  EXPECT_EQ(printer.CurrentY(), 1440);
  printer.Line(720, 2160, 720, 3600);
  // A 10 x 10 pixel picture stretched to one inch by half an inch.
  vb::Picture red(10, 10, vb::RGB(255, 0, 0));
  printer.PaintPicture(red, 2880, 2880, 1440, 720);

  const vb::PrintResult sent = printer.EndDoc();
  EXPECT_TRUE(sent.toFile);
  EXPECT_FALSE(sent.fallback);
  EXPECT_EQ(sent.where, pdf.Path());
  EXPECT_FALSE(printer.HasPage());
  // Nothing but the page is left beside it.
  std::vector<std::string> beside;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(pdf.Path()).parent_path()))
    beside.push_back(entry.path().filename().string());
  EXPECT_EQ(beside, std::vector<std::string>{"page.pdf"});

  const vb::Picture page = testsupport::RenderPdfPage(pdf.Path(), kDpi);
  ASSERT_FALSE(page.IsEmpty());
  EXPECT_NEAR(RunThrough(page, kMarginPx + 300, kMarginPx + 200, true), 200, 1);
  EXPECT_NEAR(RunThrough(page, kMarginPx + 100, kMarginPx + 400, false), 200, 1);
  // The red block: 200 x 100 pixels from (400, 400) in the printable area.
  int redWidth = 0, redHeight = 0;
  auto isRed = [&](int x, int y) {
    const vb::Colour c = page.PixelAt(x, y);
    return vb::RedOf(c) > 200 && vb::GreenOf(c) < 60 && vb::BlueOf(c) < 60;
  };
  for (int x = 0; x < page.WidthPx(); ++x) redWidth += isRed(x, kMarginPx + 450);
  for (int y = 0; y < page.HeightPx(); ++y) redHeight += isRed(kMarginPx + 500, y);
  EXPECT_NEAR(redWidth, 200, 1);
  EXPECT_NEAR(redHeight, 100, 1);
}

TEST_F(PrinterTest, PrintMovesToTheStartOfTheNextLine) {
  auto& printer = vb::Printer();
  printer.SetCurrentX(500);
  printer.SetCurrentY(1000);
  printer.Print("   150");
  const double line = printer.TextHeight();
  EXPECT_GT(line, 150);  // a 10 point line is more than 10 points high
  EXPECT_EQ(printer.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(printer.CurrentY(), 1000 + line);
  printer.Print("");
  EXPECT_DOUBLE_EQ(printer.CurrentY(), 1000 + 2 * line);
  printer.EndDoc();
  EXPECT_NE(testsupport::PdfText(pdf.Path()).find("150"), std::string::npos);
}

// A page printed to a file clears what interrupted prints of that file left beside it.
TEST_F(PrinterTest, PrintingToAFileClearsLeftoversOfEndedPrints) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  folder.Write(".page.pdf.tmp-" + std::to_string(child) + "-h4lfPg", "%PDF-1.4 half");
  vb::Printer().Line(0, 0, 1440, 1440);
  EXPECT_EQ(vb::Printer().EndDoc().where, pdf.Path());
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder.Host())) names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"page.pdf"});
}

// BRANTEL_PRINT_PDF may name a file as long as the host allows, in letters of two bytes: the
// page reaches exactly that file, each time, and nothing is left beside it.
TEST_F(PrinterTest, ALongNameOfTwoByteLettersGetsEveryPage) {
  std::string name;
  for (int i = 0; i < 122; ++i) name += "\xc3\xa9";  // 244 bytes of "é"
  testsupport::PrintToPdf to(folder.HostFile(name));
  for (const char* text : {"page 4711", "page 5813"}) {
    vb::Printer().Print(text);
    EXPECT_EQ(vb::Printer().EndDoc().where, folder.HostFile(name));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.Host())) names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{name});
    EXPECT_NE(testsupport::PdfText(folder.HostFile(name)).find(text), std::string::npos) << text;
  }
}

TEST_F(PrinterTest, AnEmptyPageSendsNothing) {
  const vb::PrintResult sent = vb::Printer().EndDoc();
  EXPECT_TRUE(sent.where.empty());
  EXPECT_FALSE(folder.Exists("page.pdf"));
}

TEST_F(PrinterTest, APageThatCannotBeWrittenIsAPrinterError) {
  for (const std::string& target : {folder.HostFile("missing/page.pdf"), folder.HostFile("taken")}) {
    std::filesystem::create_directories(folder.HostFile("taken/inside"));
    testsupport::PrintToPdf to(target);
    vb::Printer().Line(0, 0, 100, 100);
    int number = 0;
    try {
      vb::Printer().EndDoc();
    } catch (const vb::RuntimeError& e) {
      number = e.Number();
    }
    EXPECT_EQ(number, 482) << target;
    EXPECT_FALSE(vb::Printer().HasPage());
    EXPECT_TRUE(std::filesystem::is_directory(folder.HostFile("taken/inside")));
    EXPECT_EQ(std::filesystem::directory_iterator(folder.Host())->path().filename(), "taken");
  }
}

TEST_F(PrinterTest, WithoutAPrinterThePageGoesToTheFallbackFile) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  ::unsetenv("BRANTEL_PRINT_PDF");
  vb::Printer().SetFallbackPdf([&] { return folder.HostFile("fallback.pdf"); });
  vb::Printer().Line(0, 0, 1440, 0);
  const vb::PrintResult sent = vb::Printer().EndDoc();
  EXPECT_TRUE(sent.toFile);
  EXPECT_TRUE(sent.fallback);
  EXPECT_EQ(sent.where, folder.HostFile("fallback.pdf"));
  EXPECT_TRUE(folder.Exists("fallback.pdf"));
  vb::Printer().SetFallbackPdf(nullptr);
}

}  // namespace
