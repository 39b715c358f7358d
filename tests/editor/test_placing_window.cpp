// Placing parts through the real windows: button clicks, a pick in the library list, typed
// reference and value, and clicks on the board picture, as a person at the screen makes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <QCursor>
#include <QLineEdit>
#include <QListWidget>

#include "editor/editing/form10_library.h"
#include "editor/editing/form2_addcomp.h"
#include "editor/editing/form5_nodeedit.h"
#include "editor/files/design_file.h"
#include "editor/files/form3_saveload.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"
#include "tests/editor/user_input.h"
#include "tests/support/list_clicks.h"
#include "tests/support/real_input.h"

namespace {

using testsupport::KeyClick;
using testsupport::MouseClick;

class PlacingWindowTest : public EditorTest {
 protected:
  void SetUp() override {
    m().DataFolder = "C:";
    folder.Write("Brantel.lib", libtest::LibraryText(libtest::DefaultRecords()));
    m().BoardColour = static_cast<long>(vb::RGB(210, 190, 140));
    m().TraceColour = static_cast<long>(vb::RGB(215, 140, 60));
    f().Show();
    Board(30, 20);
  }
  // The pixel of a hole's centre inside the board picture's widget (its border included).
  QPoint HolePixel(int a, int d) {
    const double x = vb::Int(m().HoleGrid(a, d, HoleX).Num()) + m().ScrollX.Num();
    const double y = vb::Int(m().HoleGrid(a, d, HoleY).Num()) + m().ScrollY.Num();
    const int border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    return QPoint(static_cast<int>(f().Picture1.ToPixelX(x)) + border, static_cast<int>(f().Picture1.ToPixelY(y)) + border);
  }
  void ClickHole(int a, int d, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    MouseClick(f().Picture1.Widget(), Qt::LeftButton, mods, HolePixel(a, d));
  }
  QListWidget* List() { return static_cast<QListWidget*>(app.Form2().List1.Widget()); }
  QPoint Row(const std::string& name) {
    for (int i = 0; i < List()->count(); ++i)
      if (List()->item(i)->text().toStdString().rfind(name + " ", 0) == 0) return List()->visualItemRect(List()->item(i)).center();
    ADD_FAILURE() << name;
    return {};
  }
  void Type(QWidget* w, const std::string& text) {
    for (char c : text) KeyClick(w, Qt::Key_A + (std::toupper(c) - 'A'), Qt::NoModifier, QString(QChar(c)));
  }
  // Dark pixels (outline and label ink) in the box between two holes, widened by a pitch.
  int Ink(int a1, int d1, int a2, int d2) {
    const vb::Picture image = f().Picture1.Image();
    const QPoint p = HolePixel(a1, d1), q = HolePixel(a2, d2);
    const int pad = HolePixel(2, 1).x() - HolePixel(1, 1).x();
    const int border = (f().Picture1.Widget()->width() - f().Picture1.InnerWidthPx()) / 2;
    int n = 0;
    for (int y = std::min(p.y(), q.y()) - pad; y <= std::max(p.y(), q.y()) + pad; ++y)
      for (int x = std::min(p.x(), q.x()) - pad; x <= std::max(p.x(), q.x()) + pad; ++x) {
        const vb::Colour c = image.PixelAt(x - border, y - border);
        n += c == vb::vbBlack;
      }
    return n;
  }
  // A double click on a list row. The second press places the part and unloads the window, so
  // the release that follows has no window to go to.
  void DoubleClickRow(const std::string& name) {
    QWidget* viewport = List()->viewport();
    const QPoint pos = Row(name);
    MouseClick(viewport, Qt::LeftButton, Qt::NoModifier, pos);
    QWindow* window = testsupport::InputWindow(viewport);
    const QPoint local = viewport->mapTo(viewport->window(), pos);
    qt_handleMouseEvent(window, local, window->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, testsupport::NextInputTime(20));
    QApplication::processEvents();
    if (app.Form2.Loaded()) testsupport::MouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, pos, 10);
  }
  Qt::CursorShape BoardCursor() { return f().Picture1.Widget()->cursor().shape(); }
  // Saves or opens a design through the Save/Load window, its name typed into the name box.
  void SaveOrOpen(const std::string& name, bool save) {
    MouseClick(f().Command8);
    QWidget* box = app.Form3().Text1.Widget();
    MouseClick(box);
    KeyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (char c : name) KeyClick(box, c == '.' ? Qt::Key_Period : Qt::Key_A + (std::toupper(c) - 'A'), Qt::NoModifier, QString(QChar(c)));
    MouseClick(save ? app.Form3().Command2 : app.Form3().Command1);
  }
  // Types letters key by key, each with the key a keyboard that has it sends.
  void TypeLetters(QWidget* w, const QString& letters) {
    for (const QChar c : letters) KeyClick(w, c.toUpper().unicode(), Qt::NoModifier, QString(c));
  }
  // Picks a part of the library in the Add Component window and presses Place Part.
  void PickAndPlace(const std::string& name) {
    MouseClick(f().Command1);
    MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row(name));
    MouseClick(app.Form2().Command2);
  }
};

TEST_F(PlacingWindowTest, PickTypeAndClickPlacesPartsWithTheirOutlines) {
  auto& g = m().HoleGrid;
  const int before = Ink(5, 4, 5, 7);
  MouseClick(f().Command1);
  ASSERT_TRUE(app.Form2().Visible());
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Axial"));
  EXPECT_EQ(app.Form2().Text3.Text(), "Axial");
  EXPECT_EQ(BoardCursor(), Qt::CrossCursor);
  Type(app.Form2().Text1.Widget(), "r");  // the pick put the focus on the reference
  KeyClick(app.Form2().Text1.Widget(), Qt::Key_1, Qt::NoModifier, "1");
  MouseClick(app.Form2().Text2.Widget());
  Type(app.Form2().Text2.Widget(), "k");
  MouseClick(app.Form2().Command2);
  EXPECT_FALSE(app.Form2.Loaded());
  ASSERT_TRUE(m().PlacingPart);

  ClickHole(5, 4);
  EXPECT_EQ(g(5, 4, PinNumber), Value(1));
  ClickHole(5, 7);
  EXPECT_EQ(g(5, 7, CompXToo), Value(5));
  EXPECT_EQ(g(5, 7, CompYToo), Value(4));
  EXPECT_EQ(g(5, 4, CompName).Text(), "R1");
  EXPECT_EQ(g(5, 4, CompValue).Text(), "K");
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_EQ(BoardCursor(), Qt::ArrowCursor);
  EXPECT_GT(Ink(5, 4, 5, 7), before + 40);  // outline and label drawn between the pins

  // A double click on a DIP places it whole from one Shift click on the board.
  MouseClick(f().Command1);
  EXPECT_EQ(app.Form2().Text1.Text(), "");  // the pick came before the reference was typed
  MouseClick(app.Form2().Text1.Widget());
  Type(app.Form2().Text1.Widget(), "u");
  KeyClick(app.Form2().Text1.Widget(), Qt::Key_3, Qt::NoModifier, "3");
  DoubleClickRow("Dip6");
  EXPECT_FALSE(app.Form2.Loaded());
  const int dipBefore = Ink(20, 10, 18, 13);
  f().Check1.SetValue(0);
  ClickHole(20, 10, Qt::ShiftModifier);
  const std::pair<int, int> pins[] = {{20, 10}, {19, 10}, {18, 10}, {18, 13}, {19, 13}, {20, 13}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(g(pins[i].first, pins[i].second, PinNumber), Value(i + 1));
    EXPECT_EQ(g(pins[i].first, pins[i].second, CompName).Text(), "U3");
  }
  EXPECT_GT(Ink(20, 10, 18, 13), dipBefore + 40);

  // The tool buttons set the board cursor.
  MouseClick(f().Command3);
  EXPECT_EQ(BoardCursor(), Qt::CrossCursor);
  MouseClick(f().Command4);
  MouseClick(f().Command4);
  EXPECT_EQ(BoardCursor(), Qt::ArrowCursor);
}

// Letters of the programs' text that Latin-1 lacks are typed as they are: a value "10€" reaches
// the program as the bytes "10\x80" and is shown back as "10€", and a design named "T€ü.vcd"
// at the keyboard is the host file "T€ü.vcd" (UTF-8) that holds it.
TEST_F(PlacingWindowTest, TypedEuroSignsAreTheProgramsLetterShownSavedAndNamedOnTheHost) {
  auto& g = m().HoleGrid;
  MouseClick(f().Command1);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Axial"));
  TypeLetters(app.Form2().Text1.Widget(), QStringLiteral("r4"));
  MouseClick(app.Form2().Text2.Widget());
  TypeLetters(app.Form2().Text2.Widget(), QStringLiteral("10€"));
  EXPECT_EQ(app.Form2().Text2.Text(), "10\x80");
  MouseClick(app.Form2().Command2);
  ClickHole(6, 3);
  ClickHole(6, 8);
  EXPECT_EQ(g(6, 3, CompName).Text(), "R4");
  EXPECT_EQ(g(6, 8, CompValue).Text(), "10\x80");

  // A press on the pin opens Node Edit, whose value box shows the letter typed.
  MouseClick(f().Picture1.Widget(), Qt::LeftButton, Qt::NoModifier, HolePixel(6, 8));
  ASSERT_TRUE(app.Form5.Loaded());
  EXPECT_EQ(static_cast<QLineEdit*>(app.Form5().Text7(2).Widget())->text().toStdString(), "10€");
  MouseClick(app.Form5().Command2);  // Cancel

  MouseClick(f().Command8);
  QWidget* box = app.Form3().Text1.Widget();
  MouseClick(box);
  KeyClick(box, Qt::Key_A, Qt::ControlModifier);
  TypeLetters(box, QStringLiteral("T€ü.vcd"));
  EXPECT_EQ(app.Form3().Text1.Text(), "T\x80\xfc.vcd");
  MouseClick(app.Form3().Command2);  // Save
  EXPECT_FALSE(app.Form3.Loaded());
  const std::string host = "T€ü.vcd";  // UTF-8
  ASSERT_TRUE(folder.Exists(host));
  EXPECT_NE(folder.Read(host).find("|10\x80|"), std::string::npos);
}

// Opening a design ends placing: the part picked before is forgotten, so clicks on the board
// after Open place nothing and the board can be saved again.
TEST_F(PlacingWindowTest, OpenEndsPlacingAndForgetsThePickedPart) {
  auto& g = m().HoleGrid;
  const auto saveOrOpen = [&](const std::string& name, bool save) { SaveOrOpen(name, save); };
  MouseClick(f().Command1);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Axial"));
  MouseClick(app.Form2().Command2);
  ClickHole(5, 4);
  ClickHole(5, 7);
  ASSERT_EQ(g(5, 7, CompXToo), Value(5));
  MouseClick(f().Command1);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Axial"));
  MouseClick(app.Form2().Command2);
  ASSERT_TRUE(m().PlacingPart);
  saveOrOpen("m.vcd", true);
  ASSERT_TRUE(folder.Exists("m.vcd"));
  saveOrOpen("m.vcd", false);
  ASSERT_EQ(f().Caption(), "Brantel -m.vcd");
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_EQ(m().CurrentPart, "");
  EXPECT_EQ(BoardCursor(), Qt::ArrowCursor);
  ClickHole(10, 17);
  ClickHole(10, 12);
  EXPECT_EQ(g(10, 17, XYs), Value(std::string()));
  EXPECT_EQ(g(10, 17, PinNumber), Value(0));
  EXPECT_EQ(g(10, 12, CompXFrom), Value(0));
  EXPECT_EQ(g(5, 4, PinNumber), Value(1));  // the part saved before is back
  saveOrOpen("mm.vcd", true);
  EXPECT_TRUE(folder.Exists("mm.vcd"));
  EXPECT_FALSE(app.Form3.Loaded());
}

// Saving while a part is half placed writes the design without it and then ends the placement,
// as a tool button does: the pins placed go, so no file holds a part whose ring is open. A Save
// that fails leaves the placement as it was. A design saved with such parts before can be
// mended: Delete Component on the open end takes a part away.
TEST_F(PlacingWindowTest, NoPartWithAnOpenRingIsSavedAndOneOpenedCanBeDeleted) {
  auto& g = m().HoleGrid;
  SaveOrOpen("empty.vcd", true);
  // The lines of a design file, each hole record without what follows the zoom (fields 0, 1,
  // 15 and 16).
  const auto unzoomed = [&](const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream in(folder.Read(name));
    for (std::string line; std::getline(in, line, '\n');) {
      EXPECT_EQ(line.back(), '\r');
      line.pop_back();
      if (std::count(line.begin(), line.end(), '|') == 19) {
        std::istringstream fields(line);
        line.clear();
        std::string field;
        for (int k = 0; std::getline(fields, field, '|'); ++k)
          if (k != 0 && k != 1 && k != 15 && k != 16) line += field + "|";
      }
      lines.push_back(line);
    }
    return lines;
  };
  const std::vector<std::string> empty = unzoomed("empty.vcd");
  ASSERT_EQ(empty.size(), 3u + 2 * 30 * 20);
  EXPECT_EQ(empty[3 + 2 * (9 * 30 + 9)], "0|0||0|0|0|0||||0|0|0|10|0|");  // hole (10,10)

  PickAndPlace("Res1K");
  ClickHole(10, 10);
  ASSERT_EQ(g(10, 10, PinNumber), Value(1));
  ASSERT_EQ(g(10, 10, CompXToo), Value(0));
  // The file unfinished parts used to leave: pin 1 in (10,10), its next pin 0, 0; and pins 1
  // and 2 in (20,5) and (20,7), the second without a next pin.
  HoleGridTable saved;
  for (int a = 1; a <= 30; ++a)
    for (int d = 1; d <= 20; ++d)
      for (int k = 0; k < HoleGridTable::kFields; ++k) saved(a, d, k) = g(a, d, k);
  for (int k = PinNumber; k <= XYs; ++k) {
    if (k == KelmNet) continue;  // the strips stay the holes' own
    saved(20, 5, k) = g(10, 10, k);
    if (k != XYs) saved(20, 7, k) = g(10, 10, k);
  }
  saved(20, 5, CompXFrom) = saved(20, 7, CompXFrom) = saved(20, 5, CompXToo) = saved(20, 7, CompXToo) = 20;
  saved(20, 5, CompYFrom) = saved(20, 7, CompYFrom) = 5;
  saved(20, 5, CompYToo) = 7;
  saved(20, 7, PinNumber) = 2;
  saved(20, 7, CompXToo) = 0;
  std::string open;
  ASSERT_EQ(BuildDesignText(saved, DesignHeader{1, f().Text1.Text(), f().Text2.Text()}, open), "");
  ASSERT_NE(open.find("|1|1||10|10|0|0||Res1K|"), std::string::npos);
  ASSERT_NE(open.find("|2|1||20|5|0|0||Res1K|"), std::string::npos);
  // A Save that fails changes nothing: the placement goes on where it was.
  std::filesystem::create_directory(folder.HostFile("taken.vcd"));
  responder.Expect("The design could not be saved in C:\\taken.vcd:\r\n" + vb::RuntimeError(75).Description(), "Error");
  SaveOrOpen("taken.vcd", true);
  EXPECT_TRUE(responder.Done());
  EXPECT_TRUE(m().PlacingPart);
  EXPECT_EQ(g(10, 10, PinNumber), Value(1));
  EXPECT_EQ(g(10, 10, CompPackage).Text(), "Res1K");
  SaveOrOpen("half.vcd", true);
  EXPECT_EQ(unzoomed("half.vcd"), empty);
  EXPECT_FALSE(m().PlacingPart);
  ClickHole(10, 12);
  EXPECT_EQ(g(10, 12, CompXFrom), Value(0));
  // Save ends a placement, and no other mode.
  MouseClick(f().Command9);
  SaveOrOpen("cut.vcd", true);
  EXPECT_TRUE(m().CuttingStrip);
  EXPECT_EQ(BoardCursor(), Qt::CrossCursor);

  // A design holding open rings: Delete Component on the open end asks and removes the part,
  // and its holes take a new part.
  folder.Write("open.vcd", open);
  SaveOrOpen("open.vcd", false);
  ASSERT_EQ(g(10, 10, CompPackage).Text(), "Res1K");
  ASSERT_EQ(g(20, 7, PinNumber), Value(2));
  for (const auto& [a, d] : {std::pair{10, 10}, std::pair{20, 7}}) {
    MouseClick(f().Command3);
    responder.Expect("Are you sure?", "Delete Component", vb::vbYes, vb::vbYesNo + vb::vbCritical);
    ClickHole(a, d);
    EXPECT_TRUE(responder.Done());
    EXPECT_FALSE(m().DeletingPart);
  }
  SaveOrOpen("mended.vcd", true);
  EXPECT_EQ(unzoomed("mended.vcd"), empty);
  PickAndPlace("Res1K");
  ClickHole(10, 10);
  ClickHole(10, 12);
  EXPECT_EQ(g(10, 10, CompXToo), Value(10));
  EXPECT_EQ(g(10, 10, CompYToo), Value(12));
  EXPECT_EQ(g(10, 12, CompYToo), Value(10));
  PickAndPlace("Res1K");
  ClickHole(20, 5);
  EXPECT_EQ(g(20, 5, PinNumber), Value(1));
  EXPECT_TRUE(responder.Done());
}

// A record that cannot be placed (a pin count that is none or rounds, halves to even, to 0 or
// less or beyond what the count holds; a pitch no number can hold) is refused when picked: the
// pick before it stays whole, and a double click does not start placing. A fractional count
// that rounds into the range is taken rounded.
TEST_F(PlacingWindowTest, PicksOfUnplaceableRecordsAreRefusedAndChangeNothing) {
  folder.Write("Brantel.lib", libtest::LibraryText({libtest::Record("Dip6"), "Huge 0.1 DO 40000 2 0 *", "Minus 0.2 AO -3 2 0 *",
                                                          "Vast 0.1 DO 1e400 2 0 *", "Wide 1e400 AO 3 2 0 *",
                                                          "Over 0.1 AO 32768 2 0 *", "Tiny 0.2 AO 0.4 2 0 *",
                                                          "Half 0.2 AO 0.5 2 0 *", "Top 0.1 AO 32767 2 0 *",
                                                          "Even 0.2 AO 2.5 2 0 *", "Near 0.2 AO 0.6 2 0 *", "Frac 0.2 AO 2.4 2 0 *",
                                                          "Extra 0.5 *", "Coded 0.5 AO *"}));
  MouseClick(f().Command1);
  ASSERT_EQ(List()->count(), 14);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Dip6"));
  ASSERT_EQ(m().PinCount, 6);
  const auto boxes = [&] {
    return std::vector<std::string>{f().Text9.Text(), f().Text20.Text(), f().Text21.Text(), f().Text22.Text(), app.Form2().Text3.Text(),
                                    m().CurrentPart};
  };
  const auto before = boxes();
  const auto pinCount = [](const std::string& count) {
    return "its pin count \"" + count + "\" does not round to a whole number from 1 to 32767";
  };
  const struct {
    const char* name;
    std::string why;
  } bad[] = {{"Huge", pinCount("40000")},
             {"Minus", pinCount("-3")},
             {"Vast", pinCount("1e400")},
             {"Wide", "its pitch \"1e400\" is not a number"},
             {"Over", pinCount("32768")},
             {"Tiny", pinCount("0.4")},
             {"Half", pinCount("0.5")},
             {"Extra", "its record has no pin count"},
             {"Coded", "its record has no pin count"}};
  for (const auto& b : bad) {
    responder.Expect(std::string("The part \"") + b.name + "\" cannot be placed: " + b.why + ".", "Add Component", vb::vbOK,
                     vb::vbOKOnly | vb::vbExclamation);
    MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row(b.name));
    EXPECT_EQ(m().PinCount, 6) << b.name;
    EXPECT_EQ(boxes(), before) << b.name;
  }
  ASSERT_TRUE(responder.Done());
  // The click and the double click of a double click each refuse it.
  for (int i = 0; i < 2; ++i)
    responder.Expect("The part \"Extra\" cannot be placed: its record has no pin count.", "Add Component", vb::vbOK,
                     vb::vbOKOnly | vb::vbExclamation);
  DoubleClickRow("Extra");
  EXPECT_TRUE(responder.Done());
  EXPECT_TRUE(app.Form2.Loaded());
  EXPECT_FALSE(m().PlacingPart);
  // The part picked before is still the one placed.
  MouseClick(app.Form2().Command2);
  ASSERT_TRUE(m().PlacingPart);
  ClickHole(20, 10);
  EXPECT_EQ(m().HoleGrid(20, 10, PinNumber), Value(1));
  EXPECT_EQ(m().HoleGrid(20, 10, CompPackage).Text(), "Dip6");
  EXPECT_EQ(m().PinCount, 0);
  EXPECT_FALSE(m().PlacingPart);

  // Counts that round into the range are taken: the largest, a half rounded to the even two,
  // 0.6 rounded up to one, and 2.4, which places a part of two pins with its ring closed at
  // the second.
  MouseClick(f().Command1);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Top"));
  EXPECT_EQ(m().PinCount, 32767);
  EXPECT_EQ(app.Form2().Text3.Text(), "Top");
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Even"));
  EXPECT_EQ(m().PinCount, 2);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Near"));
  EXPECT_EQ(m().PinCount, 1);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Frac"));
  EXPECT_EQ(m().PinCount, 2);
  MouseClick(app.Form2().Command2);
  ClickHole(5, 4);
  ClickHole(5, 6);
  auto& g = m().HoleGrid;
  EXPECT_EQ(g(5, 4, CompPackage).Text(), "Frac");
  EXPECT_EQ(g(5, 6, PinNumber), Value(2));
  EXPECT_EQ(g(5, 4, CompXToo), Value(5));
  EXPECT_EQ(g(5, 4, CompYToo), Value(6));
  EXPECT_EQ(g(5, 6, CompXToo), Value(5));
  EXPECT_EQ(g(5, 6, CompYToo), Value(4));
  EXPECT_FALSE(m().PlacingPart);
  EXPECT_TRUE(responder.Done());
}

// A library that fails after its last record (a blank line, or a lone name) still lists the
// records read before the failure, in the Add Component window and through the chooser.
TEST_F(PlacingWindowTest, LibraryFailingAfterItsLastRecordKeepsWhatWasRead) {
  const std::string two = libtest::LibraryText({libtest::Record("JMP"), libtest::Record("Short")});
  folder.Write("Brantel.lib", two + "\r\n");
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  MouseClick(f().Command1);
  ASSERT_TRUE(responder.Done());
  ASSERT_EQ(List()->count(), 2);
  EXPECT_EQ(List()->item(1)->text().toStdString(), "Short 0.2 ");
  ASSERT_EQ(m().CompRecords.size(), 3u);
  EXPECT_EQ(m().CompRecords[1].Text(), libtest::Record("Short") + " ");
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Short"));
  EXPECT_EQ(f().Text20.Text(), "Short");

  m().LibraryList = {"Other.lib"};
  folder.Write("Other.lib", libtest::LibraryText({libtest::Record("Con5"), libtest::Record("Res1K"), libtest::Record("Disk")}) + "Lone\r\n");
  MouseClick(app.Form2().Command3);
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  testsupport::DoubleClickRow(app.Form10().List1.Widget(), 0);
  EXPECT_TRUE(responder.Done());
  EXPECT_TRUE(app.Form10.Loaded());
  ASSERT_EQ(List()->count(), 3);
  EXPECT_EQ(List()->item(2)->text().toStdString(), "Disk 0.1 ");
  ASSERT_EQ(m().CompRecords.size(), 4u);
  EXPECT_EQ(m().CompRecords[2].Text(), libtest::Record("Disk") + " ");
  EXPECT_EQ(m().CompRecords[3].Text(), "");

  // A record the file ended in before it was stored is listed, and refused by its name.
  MouseClick(app.Form10().Command3);
  MouseClick(app.Form2().Command1);
  folder.Write("Brantel.lib", "Axial\r\n0.3\r\n");
  responder.Expect("Library not found!", "Library Error", vb::vbOK, vb::vbOKOnly);
  MouseClick(f().Command1);
  ASSERT_EQ(List()->count(), 1);
  responder.Expect("The part \"Axial\" cannot be placed: its record has no pin count.", "Add Component", vb::vbOK,
                   vb::vbOKOnly | vb::vbExclamation);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Axial"));
  EXPECT_TRUE(responder.Done());
  EXPECT_EQ(m().CurrentPart, libtest::Record("Short") + " ");  // the pick before stays
}

// While a part slides, only Slide Component ends the mode: Cut Trace is disabled on a strip
// board and a pad board alike, the cutting-tool switch and the board options leave it so, and
// the buttons come back together with what those gave Cut Trace meanwhile.
TEST_F(PlacingWindowTest, SlideModeKeepsCutTraceDisabledUntilItEnds) {
  const auto enabled = [&] {
    return std::array<bool, 5>{f().Command1.Enabled(), f().Command3.Enabled(), f().Command5.Enabled(), f().Command9.Enabled(),
                               f().Command11.Enabled()};
  };
  // A click on Cut Trace while the part slides neither ends the slide nor starts a tool; the
  // slide's own button ends it and gives every button back.
  const auto cutTraceLeavesTheSlide = [&] {
    MouseClick(f().Command9);
    EXPECT_TRUE(m().SlidingPart);
    EXPECT_FALSE(m().Drilling || m().CuttingStrip);
    MouseClick(f().Command4);
    EXPECT_FALSE(m().SlidingPart);
    EXPECT_EQ(enabled(), (std::array<bool, 5>{true, true, true, true, true}));
  };
  MouseClick(f().Command4);
  ASSERT_TRUE(m().SlidingPart);
  userinput::Choose(f().DrillCut);
  EXPECT_FALSE(f().Command9.Enabled());
  userinput::Tick(f().Check4);
  userinput::Tick(f().Check4);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{}));
  cutTraceLeavesTheSlide();
  MouseClick(f().Command9);
  EXPECT_TRUE(m().CuttingStrip);  // ticking Pads chose the cutter again
  // On a pad board Cut Trace, disabled there, stays so through a slide and after it.
  userinput::Tick(f().Check4);
  MouseClick(f().Command4);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{}));
  MouseClick(f().Command4);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{true, true, true, false, true}));
  // The cutting-tool switch enables it on a pad board too; the next slide disables it with the
  // others, so a click on it cannot end the slide, and gives it back at the end.
  userinput::Choose(f().DrillCut);
  ASSERT_TRUE(f().Command9.Enabled());
  MouseClick(f().Command4);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{}));
  cutTraceLeavesTheSlide();
  MouseClick(f().Command9);
  EXPECT_TRUE(m().Drilling);
  // Chosen during a slide, the switch enables Cut Trace when the slide ends.
  userinput::Tick(f().Check4);
  userinput::Tick(f().Check4);
  MouseClick(f().Command4);
  userinput::Choose(f().DrillCut);
  EXPECT_FALSE(f().Command9.Enabled());
  MouseClick(f().Command4);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{true, true, true, true, true}));
  MouseClick(f().Command9);
  EXPECT_TRUE(m().Drilling);
  userinput::Tick(f().Check4);

  // Place Part pressed in the window left open ends the slide with the buttons given back.
  MouseClick(f().Command1);
  MouseClick(f().Command4);
  MouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Row("Radial"));
  MouseClick(app.Form2().Command2);
  EXPECT_TRUE(m().PlacingPart);
  EXPECT_FALSE(m().SlidingPart);
  EXPECT_EQ(enabled(), (std::array<bool, 5>{true, true, true, true, true}));
  EXPECT_EQ(f().Picture1.MousePointer(), vb::vbCrosshair);
}

}  // namespace
