// The start-up window and the main window's menu bar under real mouse clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QToolButton>

#include "editor/board/form6_product.h"
#include "editor/board/splash.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/real_input.h"

namespace {

class WindowClicks : public EditorTest {
 protected:
  void Install() {
    folder.Write("Brantel.dat",
                 "Product: Brantel\r\nVersion: 3.42\r\nInstalled by: setup\r\nMedium: A:\\\r\nLibrary: Brantel.lib\r\n"
                 "Settings: brantel.ini\r\nEditor: Brantel\r\nPart editor: Moravint\r\nFolder:  C:\\inst \r\n");
    folder.Write("inst/keep.txt", "");
  }
};

TEST_F(WindowClicks, ClicksOnTheSplashLabelsWithoutAHandlerDoNotContinue) {
  Install();
  app.Start();
  ASSERT_TRUE(app.frmSplash.Loaded());
  QApplication::processEvents();
  testsupport::MouseClick(app.frmSplash().lblVersion);
  testsupport::MouseClick(app.frmSplash().lblPlatform);
  EXPECT_TRUE(app.frmSplash.Loaded());
  EXPECT_TRUE(app.frmSplash().Visible());
  EXPECT_FALSE(app.Form1.Loaded());
  // A click on the frame itself still goes on to the board.
  testsupport::MouseClick(app.frmSplash().Frame1.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 220));
  EXPECT_FALSE(app.frmSplash.Loaded());
  EXPECT_TRUE(app.Form1.Loaded());
}

TEST_F(WindowClicks, EveryMenuEntryFitsTheMainWindowAndTheProductWindowCentresOnIt) {
  f().Move(120 * 15, 90 * 15);
  f().Show();
  QApplication::processEvents();
  QToolButton* entry = nullptr;
  for (auto* b : f().TopWidget()->findChildren<QToolButton*>())
    if (b->text() == QStringLiteral("Introducing Brantel-Pro")) entry = b;
  ASSERT_NE(nullptr, entry);
  EXPECT_TRUE(entry->isVisible());
  const QRect shown(entry->mapTo(f().TopWidget(), QPoint(0, 0)), entry->size());
  EXPECT_TRUE(f().TopWidget()->rect().contains(shown));
  testsupport::MouseClick(entry);
  ASSERT_TRUE(app.Form6.Loaded());
  EXPECT_TRUE(app.Form6().Visible());
  const QPoint owner = f().TopWidget()->frameGeometry().center();
  const QPoint centre = app.Form6().TopWidget()->frameGeometry().center();
  EXPECT_LE(std::abs(owner.x() - centre.x()), 1);
  EXPECT_LE(std::abs(owner.y() - centre.y()), 1);
}

}  // namespace
