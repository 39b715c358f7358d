// The board picture, pixel for pixel, against reference images kept beside this file: strips
// across and down, cut gaps and drill marks, pads, label preview, the trace side, zoom, a
// partial repaint and every default part record. Run with BRANTEL_WRITE_BOARD_IMAGES=1 to
// write the references afresh (only when a change of the picture is meant).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "editor/form1.h"
#include "editor_fixture.h"
#include "platform/picture.h"
#include "tests/editor/board_scenes.h"

namespace {

constexpr vb::Colour kStrip = vb::RGB(215, 140, 60);
constexpr vb::Colour kBoard = vb::RGB(225, 215, 160);

std::filesystem::path ReferenceFolder() { return std::filesystem::path(__FILE__).parent_path() / "board_images"; }

class BoardImages : public EditorTest {
 protected:
  void SetUp() override {
    m().TraceColour = static_cast<long>(kStrip);
    m().BoardColour = static_cast<long>(kBoard);
  }

  // A board built the way start-up and Zoom All leave it: pitch fitted, offsets 500.
  void Fitted(int across, int down) {
    Board(across, down);
    f().Command15_Click();
  }

  void Repaint() {
    f().Picture1.Cls();
    RefreshBoard(app);
  }

  void Compare(const std::string& name) {
    const vb::Picture shown = f().Picture1.Image();
    const std::string file = (ReferenceFolder() / (name + ".png")).string();
    if (std::getenv("BRANTEL_WRITE_BOARD_IMAGES")) {
      std::filesystem::create_directories(ReferenceFolder());
      ASSERT_TRUE(shown.SavePng(file)) << file;
      return;
    }
    const vb::Picture reference = vb::Picture::Load(file);
    ASSERT_FALSE(reference.IsEmpty()) << "no reference image " << file;
    ASSERT_EQ(reference.WidthPx(), shown.WidthPx()) << name;
    ASSERT_EQ(reference.HeightPx(), shown.HeightPx()) << name;
    long differing = 0;
    std::ostringstream first;
    for (int y = 0; y < shown.HeightPx(); ++y) {
      for (int x = 0; x < shown.WidthPx(); ++x) {
        if (shown.PixelAt(x, y) == reference.PixelAt(x, y)) continue;
        if (differing++ == 0)
          first << " first at (" << x << ", " << y << "): " << std::hex << shown.PixelAt(x, y) << " instead of "
                << reference.PixelAt(x, y);
      }
    }
    if (differing) shown.SavePng((std::filesystem::temp_directory_path() / (name + "-actual.png")).string());
    EXPECT_EQ(0, differing) << name << first.str();
  }
};

TEST_F(BoardImages, StripBoards) {
  Fitted(15, 15);
  scenes::Cuts(m());
  scenes::Place(m(), scenes::DefaultRecords()[0], 3, 2, "R1");
  scenes::Place(m(), scenes::DefaultRecords()[6], 10, 13, "LK1", true);
  scenes::Place(m(), scenes::DefaultRecords()[11], 11, 2, "IC1");
  Repaint();
  Compare("strips_across");

  f().DrillCut.SetCaption("Cut");  // the drill tool: cut holes show drill marks
  Repaint();
  Compare("strips_across_drill");
  f().DrillCut.SetCaption("Drill");

  f().Check1.SetValue(0);  // strips down, numbered afresh
  scenes::Cuts(m());
  Repaint();
  Compare("strips_down");

  f().Check4.SetValue(1);  // pad board
  Compare("pads");
}

TEST_F(BoardImages, PreviewTraceSideAndZoom) {
  Fitted(15, 15);
  scenes::Place(m(), scenes::DefaultRecords()[7], 4, 4, "R12");
  scenes::Place(m(), scenes::DefaultRecords()[4], 12, 3, "J2");
  scenes::Place(m(), scenes::DefaultRecords()[1], 6, 10, "C7", true);
  f().Check2.SetValue(1);
  Compare("label_preview");
  f().Check2.SetValue(0);

  f().Flip_Click();
  Compare("trace_side");
  f().Flip_Click();

  m().LastHoleX = 4;
  m().LastHoleY = 4;
  f().Command13_Click();
  Compare("zoomed_in");
}

TEST_F(BoardImages, EveryDefaultRecord) {
  Fitted(30, 30);
  scenes::EveryDefaultRecord(m());
  Repaint();
  Compare("every_record_across");

  f().Check1.SetValue(0);  // the record's own line width
  Compare("every_record_down");
}

TEST_F(BoardImages, PartialRepaintAroundOnePart) {
  Fitted(15, 15);
  scenes::Place(m(), scenes::DefaultRecords()[8], 7, 5, "R3");
  Repaint();
  scenes::Place(m(), scenes::DefaultRecords()[3], 9, 7, "C1");
  SetHole(m(), 9, 7, 0, std::string());
  auto r = m().RedrawRect;
  f().ReDrawFT(r[0], r[1], r[2], r[3], 0);
  Compare("partial");
}

TEST_F(BoardImages, LargeBoardAfterZoomAll) {
  Board(100, 100);
  scenes::TwoHundredParts(m());
  f().Command15_Click();
  Compare("zoom_all_100");
}

}  // namespace
