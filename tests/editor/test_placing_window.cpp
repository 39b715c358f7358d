// Placing parts through the real windows: button clicks, a pick in the library list, typed
// reference and value, and clicks on the board picture, as a person at the screen makes them.
#include <gtest/gtest.h>

#include <QCursor>
#include <QListWidget>

#include "editor/editing/form2_addcomp.h"
#include "editor/files/form3_saveload.h"
#include "editor/form1.h"
#include "platform/picture.h"
#include "platform/strings.h"
#include "tests/editor/editor_fixture.h"
#include "tests/editor/library_records.h"
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

// Opening a design ends placing: the part picked before is forgotten, so clicks on the board
// after Open place nothing and the board can be saved again.
TEST_F(PlacingWindowTest, OpenEndsPlacingAndForgetsThePickedPart) {
  auto& g = m().HoleGrid;
  auto saveOrOpen = [&](const std::string& name, bool save) {
    MouseClick(f().Command8);
    QWidget* box = app.Form3().Text1.Widget();
    MouseClick(box);
    KeyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (char c : name) KeyClick(box, c == '.' ? Qt::Key_Period : Qt::Key_A + (std::toupper(c) - 'A'), Qt::NoModifier, QString(QChar(c)));
    MouseClick(save ? app.Form3().Command2 : app.Form3().Command1);
  };
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

}  // namespace
