// The Printer window: the preview, printing at actual size, the calibration page and the
// two scales.
#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <signal.h>
#include <sstream>
#include <sys/resource.h>
#include <vector>

#include "editor/files/form4_printer.h"
#include "editor/form1.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/input.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pdf.h"
#include "tests/support/real_input.h"
#include "platform/errors.h"
#include "platform/paths.h"

namespace {

constexpr int kDpi = 144;       // one pixel is 10 twips
constexpr int kMarginPx = 36;   // the printable area starts a quarter inch in

bool Dark(const vb::Picture& page, int x, int y) {
  const vb::Colour c = page.PixelAt(x, y);
  return vb::RedOf(c) + vb::GreenOf(c) + vb::BlueOf(c) < 3 * 160;
}

// Centres of the dark runs along row y.
std::vector<double> RunsAlong(const vb::Picture& page, int y) {
  std::vector<double> centres;
  for (int x = 0; x < page.WidthPx(); ++x) {
    if (!Dark(page, x, y)) continue;
    int end = x;
    while (end + 1 < page.WidthPx() && Dark(page, end + 1, y)) ++end;
    centres.push_back((x + end) / 2.0);
    x = end;
  }
  return centres;
}

std::set<std::string> NamesIn(const std::string& hostFolder) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(hostFolder)) names.insert(e.path().filename().string());
  return names;
}

class PrintingTest : public EditorTest {
 protected:
  testsupport::PrintToPdf pdf{folder.HostFile("printed.pdf")};
  void SetUp() override {
    Board(12, 9);
    f().Command15_Click();
    m().ScaleAcross = 150.0;
    m().ScaleDown = 180.0;
  }
  Form4& Printer() {
    f().Command7_Click();
    return app.Form4();
  }
};

TEST_F(PrintingTest, TheCalibrationPageHas31RowsOfElevenLinesLabelledInOrder) {
  Printer().Command1_Click();
  const vb::Picture page = testsupport::RenderPdfPage(pdf.Path(), kDpi);
  ASSERT_FALSE(page.IsEmpty());
  for (int s = 100; s <= 250; s += 5) {
    // The row for s runs from y = 100 + 40 s to 200 + 40 s twips.
    // The row's own lines; the label of the row above reaches into it further right.
    std::vector<double> lines;
    for (double x : RunsAlong(page, kMarginPx + (150 + 40 * s) / 10))
      if (x <= kMarginPx + s + 2) lines.push_back(x);
    ASSERT_EQ(lines.size(), 11u) << "row " << s;
    EXPECT_NEAR(lines.back() - lines.front(), s, 1.5) << "row " << s;  // ten spaces of s twips
    EXPECT_NEAR(lines.front(), kMarginPx, 1.5);
  }

  std::istringstream text(testsupport::PdfText(pdf.Path()));
  std::vector<std::string> words;
  for (std::string w; text >> w;) words.push_back(w);
  std::vector<std::string> labels(words.begin(), words.begin() + 31);
  for (int i = 0; i < 31; ++i) EXPECT_EQ(labels[i], std::to_string(100 + 5 * i));
  std::string rest;
  for (std::size_t i = 31; i < words.size(); ++i) rest += words[i] + " ";
  EXPECT_EQ(rest,
            "Match the spacing of the lines above to the hole spacing in the perforated Circuit board. "
            "Then enter the value to the right in the box provided on the printer window. ");
}

TEST_F(PrintingTest, AnActualSizePrintDrawsOnePitchAsTheScale) {
  Form4& w = Printer();
  EXPECT_EQ(w.Text1.Text(), "150");
  EXPECT_EQ(f().Check2.Value(), vb::vbUnchecked);
  testsupport::LeftClick(w.Command3);

  // The label preview is on in both windows, and the preview shows the board.
  EXPECT_EQ(w.Check1.Value(), vb::vbChecked);
  EXPECT_EQ(f().Check2.Value(), vb::vbChecked);
  EXPECT_TRUE(f().Labelpreview.Checked());
  EXPECT_NE(w.Picture1.Point(w.Picture1.ScaleWidth() / 2, w.Picture1.ScaleHeight() / 2), vb::RGB(200, 200, 200));

  // Along a row of holes, the holes are 150 twips (15 pixels) apart on paper; down a
  // column, 180 twips (18 pixels).
  const vb::Picture page = testsupport::RenderPdfPage(pdf.Path(), kDpi);
  ASSERT_FALSE(page.IsEmpty());
  const double pitch = m().HolePitch.Num();
  const double holeY = (m().HoleGrid(1, 1, HoleY) + m().ScrollY).Num();
  const double topPx = kMarginPx + (holeY - f().Picture1.ScaleTop()) / pitch * 15;
  const double holeX = (m().HoleGrid(2, 1, HoleX) + m().ScrollX).Num();
  const double leftPx = kMarginPx + (holeX - f().Picture1.ScaleLeft()) / pitch * 15;
  // Centres of the rings that leave ink in a band across the row (or down the column).
  auto rings = [&](bool across, double at) {
    auto inked = [&](int i) {
      for (int j = static_cast<int>(at) - 6; j <= static_cast<int>(at) + 6; ++j) {
        const vb::Colour c = across ? page.PixelAt(i, j) : page.PixelAt(j, i);
        if (std::min({vb::RedOf(c), vb::GreenOf(c), vb::BlueOf(c)}) < 200) return true;
      }
      return false;
    };
    std::vector<double> centres;
    const int limit = across ? page.WidthPx() : page.HeightPx();
    for (int i = 0; i < limit; ++i) {
      if (!inked(i)) continue;
      int end = i;
      while (end + 1 < limit && inked(end + 1)) ++end;
      centres.push_back((i + end) / 2.0);
      i = end;
    }
    return centres;
  };
  // The first and last rings are cut by the picture's edge.
  const std::vector<double> row = rings(true, topPx);
  ASSERT_GE(row.size(), 12u);
  for (std::size_t i = 2; i < 11; ++i) EXPECT_NEAR(row[i] - row[i - 1], 15, 1) << i;
  const std::vector<double> column = rings(false, leftPx);
  ASSERT_GE(column.size(), 9u);
  for (std::size_t i = 2; i < 8; ++i) EXPECT_NEAR(column[i] - column[i - 1], 18, 1) << i;
}

TEST_F(PrintingTest, ScalesChangeOnlyOnDoneAndReachTheSettingsFile) {
  Form4& w = Printer();
  w.Text1.SetText("163");
  w.Text2.SetText("171");
  testsupport::LeftClick(w.Command4);  // Cancel
  EXPECT_FALSE(app.Form4.Loaded());
  EXPECT_EQ(m().ScaleAcross.Num(), 150);

  Form4& again = Printer();
  EXPECT_EQ(again.Text1.Text(), "150");
  again.Text1.SetText("163");
  again.Text2.SetText("171");
  testsupport::LeftClick(again.Command6);  // Done
  EXPECT_FALSE(app.Form4.Loaded());
  EXPECT_EQ(m().ScaleAcross.Text(), "163");
  EXPECT_EQ(m().ScaleDown.Text(), "171");
  f().WriteSettings();
  const std::string ini = folder.Read("brantel.ini");
  EXPECT_NE(ini.find("163\r\n 171\r\n"), std::string::npos) << ini;

  m().ScaleAcross = Value();
  m().ScaleDown = Value();
  Form4& empty = Printer();
  EXPECT_EQ(empty.Text1.Text(), "");
  EXPECT_EQ(empty.Text2.Text(), "");
}

TEST_F(PrintingTest, AScaleThatIsNotAPositiveNumberPrintsNothing) {
  for (const char* bad : {"", "abc", "0", "-150", "150x"}) {
    m().ScaleAcross = std::string(bad);
    responder.Expect(
        "Scale Across and Scale Down must be numbers greater than 0 to print at actual size. "
        "Print the calibration page with \"Print and mearsure\" to find them.",
        "Printer");
    Printer().Command3_Click();
    EXPECT_FALSE(folder.Exists("printed.pdf")) << bad;
    app.Form4.Unload();
  }
}

// Print Screen puts the board picture on the page at one hole pitch from the printable
// area's corner, at the picture's own size of 15 twips a pixel.
TEST_F(PrintingTest, PrintScreenPlacesTheBoardPictureAtOnePitchAtItsOwnSize) {
  const int widthPx = f().Picture1.Image().WidthPx(), heightPx = f().Picture1.Image().HeightPx();
  testsupport::MouseClick(Printer().Command5);
  const vb::Picture page = testsupport::RenderPdfPage(pdf.Path(), kDpi);
  ASSERT_FALSE(page.IsEmpty());
  int left = page.WidthPx(), top = page.HeightPx(), right = -1, bottom = -1;
  for (int y = 0; y < page.HeightPx(); ++y) {
    for (int x = 0; x < page.WidthPx(); ++x) {
      if (page.PixelAt(x, y) == vb::RGB(255, 255, 255)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  const double corner = kMarginPx + m().HolePitch.Num() / 10;  // 10 twips a page pixel
  EXPECT_NEAR(left, corner, 1);
  EXPECT_NEAR(top, corner, 1);
  EXPECT_NEAR(right + 1 - left, widthPx * 1.5, 2);
  EXPECT_NEAR(bottom + 1 - top, heightPx * 1.5, 2);
}

// Label Preview repaints the main board in the preview colours, and back.
TEST_F(PrintingTest, LabelPreviewRepaintsTheMainBoardInPreviewColours) {
  m().BoardColour = static_cast<long>(vb::RGB(30, 120, 60));
  f().Command15_Click();
  const double pitch = m().HolePitch.Num();
  // Between four holes, on the board but off every hole and strip.
  const double x = (m().HoleGrid(3, 3, HoleX) + m().ScrollX).Num() + pitch / 2;
  const double y = (m().HoleGrid(3, 3, HoleY) + m().ScrollY).Num() + pitch / 2;
  Form4& w = Printer();
  const vb::Colour before = f().Picture1.Point(x, y);
  ASSERT_NE(before, vb::RGB(252, 252, 252));
  testsupport::MouseClick(w.Check1);
  ASSERT_EQ(w.Check1.Value(), vb::vbChecked);
  EXPECT_EQ(f().Picture1.Point(x, y), vb::RGB(252, 252, 252));
  testsupport::MouseClick(w.Check1);
  EXPECT_EQ(f().Picture1.Point(x, y), before);
}

TEST_F(PrintingTest, AFailedPrintIsReportedWithTheProgramsOwnPath) {
  testsupport::PrintToPdf nowhere(folder.HostFile("no such folder/printed.pdf"));
  responder.Expect("The page could not be printed.\nPrinter error: the page could not be written to " +
                       vb::PlatformPath(folder.HostFile("no such folder/printed.pdf")),
                   "Printer");
  testsupport::MouseClick(Printer().Command5);
}

// A program folder on a drive that is not there matters only to a page that would be saved
// there: a page for the print file named by the environment prints in full, without a word.
TEST_F(PrintingTest, APageForThePrintFilePrintsWhateverDriveTheProgramFolderNames) {
  m().DataFolder = "Q:\\out";
  testsupport::MouseClick(Printer().Command1);  // "Print and mearsure"
  EXPECT_TRUE(responder.Seen().empty());
  EXPECT_NE(std::string::npos, testsupport::PdfText(pdf.Path()).find("Match the spacing"));
}

// With 4 KiB of room left, Print Screen cannot write its page: the page printed before stays
// as it was, the user is told, and nothing is left beside it. The same holds for the file a
// page goes to when the machine has no printer.
TEST_F(PrintingTest, APageTheDiskHasNoRoomForKeepsTheOldPageAndSaysSo) {
  Form4& w = Printer();
  testsupport::MouseClick(w.Command1);  // the calibration page prints in full
  const std::string before = folder.Read("printed.pdf");
  ASSERT_EQ(0u, before.find("%PDF"));
  {
    const testsupport::FileSizeLimit full(4096);
    responder.Expect("The page could not be printed.\nPrinter error: the page could not be written to " +
                         vb::PlatformPath(pdf.Path()),
                     "Printer", vb::vbOK, vb::vbOKOnly + vb::vbCritical);
    testsupport::MouseClick(w.Command5);
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(before, folder.Read("printed.pdf"));
  EXPECT_EQ((std::set<std::string>{"printed.pdf"}), NamesIn(folder.Host()));

  if (!QPrinterInfo::defaultPrinter().isNull()) return;  // this machine prints on paper
  ::unsetenv("BRANTEL_PRINT_PDF");
  folder.Write("out/Brantel print.pdf", before);
  m().DataFolder = "C:\\out";
  {
    const testsupport::FileSizeLimit full(4096);
    responder.Expect("The page could not be printed.\nPrinter error: the page could not be written to "
                     "C:\\out\\Brantel print.pdf",
                     "Printer", vb::vbOK, vb::vbOKOnly + vb::vbCritical);
    testsupport::MouseClick(w.Command5);
  }
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(before, folder.Read("out/Brantel print.pdf"));
  EXPECT_EQ((std::set<std::string>{"Brantel print.pdf"}), NamesIn(folder.HostFile("out")));
}

// A program folder on a drive that is not there: the page cannot be saved and the user is told;
// the page is gone with it rather than printed under the next one.
TEST_F(PrintingTest, WithoutAPrinterThePageIsSavedAndTheMessageNamesTheProgramsOwnPath) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  ::unsetenv("BRANTEL_PRINT_PDF");
  m().DataFolder = "Q:\\out";
  responder.Expect("The page could not be printed.\n" + vb::RuntimeError(76).Description(), "Printer", vb::vbOK,
                   vb::vbOKOnly + vb::vbCritical);
  testsupport::MouseClick(Printer().Command1);  // the calibration page
  EXPECT_TRUE(responder.Done());

  folder.Write("out/keep.txt", "");
  m().DataFolder = "C:\\out";
  const std::string saved = "C:\\out\\Brantel print.pdf";
  responder.Expect("No printer is installed on this computer. The page was saved as " + saved, "Printer");
  testsupport::MouseClick(Printer().Command5);
  EXPECT_TRUE(std::filesystem::exists(vb::HostPath(saved)));
  EXPECT_EQ(std::string::npos, testsupport::PdfText(vb::HostPath(saved)).find("Match the spacing"));
}

}  // namespace
