// The fixture of the part editor's tests: the program in a temporary installation folder,
// every message box scripted, and real pointer events on the drawing picture.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "parteditor/form1.h"
#include "parteditor/form2.h"
#include "parteditor/splash.h"
#include "tests/support/fixtures.h"
#include "tests/support/real_input.h"

// The installation record the installer leaves in the program folder.
inline const char* const kInstallRecord =
    "Name: Tester\r\nCompany: None\r\nSerial: 1\r\nDate: 1\r\nUser: 1\r\nDrive: C:\r\nWin: C:\\WINDOWS\r\n"
    "Sys: C:\\WINDOWS\\SYSTEM\r\nFolder: C:\\Brantel\r\n";

class PartEditorTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  moravint::Moravint app;

  moravint::Form1& f() { return app.Form1(); }
  moravint::Module1& m() { return app.m; }

  // Starts the program the way a user does: the start-up window, then Continue.
  void Start() {
    folder.Write("Brantel.dat", kInstallRecord);
    app.Start();
    app.frmSplash().Command1.PerformClick();
    ASSERT_TRUE(app.Form1.Loaded());
  }

  // A pointer event on the drawing picture, at a position in the picture's own scale.
  void Pointer(QEvent::Type type, double x, double y, Qt::MouseButton button,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const QPointF at(f().Picture1.ToPixelX(x) + 2, f().Picture1.ToPixelY(y) + 2);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, f().Picture1.Widget()->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(f().Picture1.Widget(), &e);
  }
  void Click(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    Pointer(QEvent::MouseButtonPress, x, y, button);
    Pointer(QEvent::MouseButtonRelease, x, y, button);
  }
  void MoveTo(double x, double y) { Pointer(QEvent::MouseMove, x, y, Qt::NoButton); }

  // Types a text into a box key by key, after clearing it.
  static void Type(vb::TextBox& box, const std::string& text) {
    while (!box.Text().empty()) box.TypeKey(8);
    for (char c : text) box.TypeKey(static_cast<unsigned char>(c));
  }

  // Types a text into a box with real key events, as the user does: a click into the box,
  // Ctrl+A to select what it holds, then one key per character (ASCII only).
  static void KeyType(vb::TextBox& box, const std::string& text) {
    testsupport::MouseClick(box);
    testsupport::KeyClick(box.Widget(), Qt::Key_A, Qt::ControlModifier);
    if (text.empty()) testsupport::KeyClick(box.Widget(), Qt::Key_Backspace, Qt::NoModifier, "\b");
    for (char c : text) {
      const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
      testsupport::KeyClick(box.Widget(), upper, Qt::NoModifier, QString(QChar(c)));
    }
  }

  // The lines of the library file (each ended by CR LF; a missing end shows as a last line).
  std::vector<std::string> LibraryLines() const {
    const std::string bytes = folder.Read("Brantel.lib");
    std::vector<std::string> lines;
    std::size_t p = 0;
    while (p < bytes.size()) {
      const std::size_t e = bytes.find("\r\n", p);
      if (e == std::string::npos) {
        lines.push_back(bytes.substr(p) + "<no line end>");
        break;
      }
      lines.push_back(bytes.substr(p, e - p));
      p = e + 2;
    }
    return lines;
  }

  // The drawing points as "style x y" texts.
  std::vector<std::string> Points() {
    std::vector<std::string> out;
    for (int i = 0; i < static_cast<int>(m().PointCount.Num()); ++i)
      out.push_back(m().PtStyle[static_cast<size_t>(i)] + " " + m().PtX[static_cast<size_t>(i)].Text() + " " +
                    m().PtY[static_cast<size_t>(i)].Text());
    return out;
  }

  // True when a pixel within one picture unit of (x, y) has the colour.
  bool ColourNear(double x, double y, vb::Colour c) {
    for (double dx = -1.5; dx <= 1.5; dx += 1.5)
      for (double dy = -1.5; dy <= 1.5; dy += 1.5)
        if (f().Picture1.Point(x + dx, y + dy) == c) return true;
    return false;
  }
};

// The record of the wire link the part editor's examples use.
inline const char* const kShortRecord = "Short 0.2 AR 2 2 1 E 0 0 0 3 E 0 3 0 0 *";
