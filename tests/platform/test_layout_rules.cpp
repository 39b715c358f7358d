// Labels inside frames, reversed scroll bars, the wrapping menu bar and windows centred on
// their owner, each driven by real mouse events on the widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/controls.h"
#include "tests/support/real_input.h"

namespace {

class PanelWindow : public vb::Form {
 public:
  explicit PanelWindow(vb::Program& program)
      : vb::Form(program, "Panel"),
        Frame1(*this, "Frame1"),
        lblVersion(Frame1, "lblVersion", "Version 1.2.3"),
        lblName(Frame1, "lblName", "Brantel"),
        VScroll1(*this, "VScroll1"),
        File(*this, "File", "&File"),
        Open(File, "Open", "Open"),
        Board(*this, "Board", "Board options"),
        Tools(*this, "Tools", "Tools and settings"),
        Zoom(*this, "Zoom", "Zoom the board"),
        Brantel(*this, "Brantel", "Introducing Brantel-Pro") {
    SetScaleMode(vb::vbPixels);
    SetFixedSize(false);
    Frame1.Move(8, 8, 200, 120);
    lblVersion.Move(10, 20, 150, 20);
    lblName.Move(10, 60, 150, 20);
    VScroll1.Move(230, 8, 17, 200);
    VScroll1.SetMin(255);
    VScroll1.SetMax(0);
    VScroll1.SetSmallChange(1);
    VScroll1.SetLargeChange(16);
    VScroll1.SetValue(128);
    SetClientSize(260, 220);
    Frame1.Click = [this] { log.push_back("Frame1"); };
    lblName.Click = [this] { log.push_back("lblName"); };
    VScroll1.Change = [this] { log.push_back("Scroll " + std::to_string(VScroll1.Value())); };
    Brantel.Click = [this] { log.push_back("Brantel"); };
    Open.Click = [this] { log.push_back("Open"); };
  }
  vb::Frame Frame1;
  vb::Label lblVersion;
  vb::Label lblName;
  vb::VScrollBar VScroll1;
  vb::MenuItem File, Open, Board, Tools, Zoom, Brantel;
  std::vector<std::string> log;
};

class SmallWindow : public vb::Form {
 public:
  explicit SmallWindow(vb::Program& program) : vb::Form(program, "Small") {
    SetScaleMode(vb::vbPixels);
    SetClientSize(120, 80);
    SetStartUpPosition(vb::vbStartUpOwner);
  }
};

class PanelProgram : public vb::Program {
 public:
  vb::FormSlot<PanelWindow, vb::Program> Panel{*this};
  vb::FormSlot<SmallWindow, vb::Program> Small{*this};
};

TEST(Label, AClickOnALabelInAFrameIsTheLabelsAlone) {
  PanelProgram p;
  auto& w = p.Panel();
  w.Show();
  QApplication::processEvents();
  testsupport::MouseClick(w.lblVersion);  // no Click of its own: nothing runs
  testsupport::MouseClick(w.lblName);
  testsupport::MouseClick(w.Frame1.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(180, 100));
  EXPECT_EQ((std::vector<std::string>{"lblName", "Frame1"}), w.log);
}

// Where the scroll bar's parts are, as its style draws them.
QRect PartOf(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

TEST(ScrollBar, AReversedBarShowsMinAtTheTopAndMovesTheWayItsArrowsPoint) {
  PanelProgram p;
  auto& w = p.Panel();
  w.Show();
  QApplication::processEvents();
  auto* bar = static_cast<QScrollBar*>(w.VScroll1.Widget());
  const int middle = PartOf(bar, QStyle::SC_ScrollBarSlider).top();
  w.VScroll1.SetValue(255);
  const int atMin = PartOf(bar, QStyle::SC_ScrollBarSlider).top();
  w.VScroll1.SetValue(0);
  const int atMax = PartOf(bar, QStyle::SC_ScrollBarSlider).top();
  EXPECT_LT(atMin, middle);  // Min (255) at the top, Max (0) at the bottom
  EXPECT_GT(atMax, middle);
  w.VScroll1.SetValue(128);
  w.log.clear();

  testsupport::MouseClick(bar, Qt::LeftButton, Qt::NoModifier, PartOf(bar, QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(127, w.VScroll1.Value());  // the down arrow: toward Max
  const QRect thumb = PartOf(bar, QStyle::SC_ScrollBarSlider);
  EXPECT_GE(thumb.top(), middle);
  testsupport::MouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(thumb.center().x(), thumb.bottom() + 8));
  EXPECT_EQ(111, w.VScroll1.Value());  // the track below the thumb: a large step down
  EXPECT_GT(PartOf(bar, QStyle::SC_ScrollBarSlider).top(), thumb.top());
  testsupport::MouseClick(bar, Qt::LeftButton, Qt::NoModifier, PartOf(bar, QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(112, w.VScroll1.Value());  // the up arrow: toward Min
  EXPECT_EQ((std::vector<std::string>{"Scroll 127", "Scroll 111", "Scroll 112"}), w.log);
}

TEST(MenuBar, EntriesThatDoNotFitGoOnInASecondRowAndStayOneClickAway) {
  PanelProgram p;
  auto& w = p.Panel();
  w.Show();
  QApplication::processEvents();
  QToolButton* last = nullptr;
  QToolButton* first = nullptr;
  for (auto* b : w.TopWidget()->findChildren<QToolButton*>()) {
    if (b->text() == QStringLiteral("Introducing Brantel-Pro")) last = b;
    if (b->text() == QStringLiteral("&File")) first = b;
  }
  ASSERT_NE(nullptr, last);
  ASSERT_NE(nullptr, first);
  EXPECT_TRUE(last->isVisible());
  EXPECT_GT(last->y(), first->y());  // a second row
  EXPECT_TRUE(w.TopWidget()->rect().contains(QRect(last->mapTo(w.TopWidget(), QPoint(0, 0)), last->size())));
  EXPECT_DOUBLE_EQ(220, w.ScaleHeight());  // the rows take no room from the inner area
  testsupport::MouseClick(last);
  EXPECT_EQ((std::vector<std::string>{"Brantel"}), w.log);
  // An entry with items opens them; a click on an item runs its Click.
  testsupport::MousePress(first);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(nullptr, menu);
  EXPECT_GE(menu->pos().y(), first->mapToGlobal(QPoint(0, first->height())).y() - 1);
  testsupport::MouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(w.Open.Action()).center());
  EXPECT_EQ((std::vector<std::string>{"Brantel", "Open"}), w.log);
  EXPECT_EQ(nullptr, QApplication::activePopupWidget());
  w.Brantel.SetVisible(false);
  QApplication::processEvents();
  EXPECT_FALSE(last->isVisible());
}

TEST(StartUpPosition, AWindowCentredOnItsOwnerIsCentredOnIt) {
  PanelProgram p;
  auto& owner = p.Panel();
  owner.Move(300 * 15, 200 * 15);
  owner.Show();
  QApplication::processEvents();
  p.Small().Show(vb::vbModeless, &owner);
  const QPoint expected = owner.TopWidget()->frameGeometry().center();
  const QPoint centre = p.Small().TopWidget()->frameGeometry().center();
  EXPECT_LE(std::abs(expected.x() - centre.x()), 1);
  EXPECT_LE(std::abs(expected.y() - centre.y()), 1);
  // Without an owner named, the active window of the program is the owner.
  p.Small.Unload();
  owner.Move(100 * 15, 150 * 15);
  QApplication::processEvents();
  p.Small().Show();
  const QPoint again = p.Small().TopWidget()->frameGeometry().center();
  EXPECT_LE(std::abs(owner.TopWidget()->frameGeometry().center().x() - again.x()), 1);
  EXPECT_LE(std::abs(owner.TopWidget()->frameGeometry().center().y() - again.y()), 1);
}

}  // namespace
