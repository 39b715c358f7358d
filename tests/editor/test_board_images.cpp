// The board picture, pixel for pixel, against reference images kept beside this file: strips
// across and down, cut gaps and drill marks, pads, label preview, the trace side, zoom, a
// partial repaint and every default part record; and against a program that draws the board
// for the first time, after random edits. Run with BRANTEL_WRITE_BOARD_IMAGES=1 to
// write the references afresh (only when a change of the picture is meant).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// Far in, most of the board lies off the picture; scrolled and seen from the trace side.
TEST_F(BoardImages, DeepZoomScrolledAndFlipped) {
  Board(100, 100);
  scenes::TwoHundredParts(m());
  f().Command15_Click();
  m().LastHoleX = 7;  // the first pin of R22
  m().LastHoleY = 12;
  for (int i = 0; i < 30; ++i) f().Command13_Click();
  Compare("zoomed_30");
  f().HScroll1.SetValue(f().HScroll1.Value() + 1700);
  f().VScroll1.SetValue(f().VScroll1.Value() - 900);
  Compare("zoomed_30_scrolled");
  f().Flip_Click();
  Compare("zoomed_30_trace_side");
}

// The number of pixels in which two pictures differ (all of them when the sizes differ).
long Differing(const vb::Picture& a, const vb::Picture& b) {
  if (a.WidthPx() != b.WidthPx() || a.HeightPx() != b.HeightPx()) return 1L << 30;
  long n = 0;
  for (int y = 0; y < a.HeightPx(); ++y)
    for (int x = 0; x < a.WidthPx(); ++x) n += a.PixelAt(x, y) != b.PixelAt(x, y);
  return n;
}

// A program that has drawn the board many times, through edits that change which record
// stands on which hole (new parts, changed record texts, parts moved, removed and swapped),
// paints the same picture as a program that draws the same board for its first time.
TEST_F(BoardImages, RepeatedRepaintsAfterRandomEditsMatchAFirstPaint) {
  Fitted(30, 30);
  f().Check1.SetValue(0);  // the records' own line widths show too
  struct Part {
    std::vector<std::pair<int, int>> pins;
    std::string reference;
  };
  std::vector<Part> parts;
  std::mt19937 random(240511);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  const auto& records = scenes::DefaultRecords();
  // A record of the library, or one with a number of one of its ops changed.
  auto record = [&] {
    std::vector<std::string> words = SplitRecord(records[pick(0, static_cast<int>(records.size()) - 1)]);
    if (pick(0, 1) == 1 && words.size() > 12) words[pick(7, static_cast<int>(words.size()) - 2)] = std::to_string(pick(-3, 9));
    std::string text = words[0];
    for (size_t i = 1; i < words.size(); ++i) text += " " + words[i];
    return text;
  };
  auto place = [&](const std::string& text) {
    const int a = pick(2, 22), d = pick(2, 22);
    const auto pins = scenes::PinsOf(text, a, d, pick(0, 1) == 1);
    for (auto [pa, pd] : pins)
      if (pa > 30 || pd > 30 || m().HoleGrid(pa, pd, CompXFrom) != 0) return;
    parts.push_back({pins, "U" + std::to_string(pick(1, 99))});
    parttest::PlacePart(m(), pins, text, parts.back().reference);
  };
  auto remove = [&](size_t i) {
    for (auto [a, d] : parts[i].pins) f().KillGrid(a, d);
    parts.erase(parts.begin() + static_cast<long>(i));
  };
  auto first = [&](const Part& p) -> Value& { return m().HoleGrid(p.pins[0].first, p.pins[0].second, XYs); };

  for (int i = 0; i < 12; ++i) place(record());
  for (int round = 0; round < 24; ++round) {
    const int edit = parts.size() < 2 ? 0 : pick(0, 4);
    const size_t i = parts.empty() ? 0 : pick(0, static_cast<int>(parts.size()) - 1);
    const size_t j = parts.empty() ? 0 : pick(0, static_cast<int>(parts.size()) - 1);
    if (edit == 0) {
      place(record());
    } else if (edit == 1) {  // another record text on the same pins
      first(parts[i]) = record();
    } else if (edit == 2) {  // moved: the same record on other holes
      const std::string text = first(parts[i]).Text();
      remove(i);
      place(text);
    } else if (edit == 3) {
      remove(i);
    } else {  // two parts swap their records
      const Value other = first(parts[j]);
      first(parts[j]) = first(parts[i]);
      first(parts[i]) = other;
    }
    Repaint();

    Brantel fresh;
    Form1& g = fresh.Form1();
    g.Text1.SetText(f().Text1.Text());
    g.Text2.SetText(f().Text2.Text());
    g.Check1.SetValue(f().Check1.Value());
    for (int a = 0; a < HoleGridTable::kSize; ++a)
      for (int d = 0; d < HoleGridTable::kSize; ++d)
        for (int k = 0; k < HoleGridTable::kFields; ++k) fresh.m.HoleGrid(a, d, k) = m().HoleGrid(a, d, k);
    for (Value Module1::*v : {&Module1::HolesAcross, &Module1::HolesDown, &Module1::HolePitch, &Module1::ScrollX,
                              &Module1::ScrollY, &Module1::TraceColour, &Module1::BoardColour})
      fresh.m.*v = m().*v;
    g.Picture1.Cls();
    RefreshBoard(fresh);
    ASSERT_EQ(0, Differing(f().Picture1.Image(), g.Picture1.Image())) << "after edit " << edit << " of round " << round;
  }
}

// "Build" of a larger board paints the new board once, at its end: the picture is the one a
// repaint of the new board paints.
TEST_F(BoardImages, BuildOfALargerBoardShowsTheNewBoard) {
  Fitted(15, 15);
  scenes::Place(m(), scenes::DefaultRecords()[0], 3, 2, "R1");
  Repaint();
  f().Text1.SetText("100");
  f().Text2.SetText("60");
  responder.Expect("The board will be cleared! Are you sure? ", "Warning", vb::vbYes);
  f().Command2.PerformClick();
  const vb::Picture built = f().Picture1.Image();
  Repaint();
  EXPECT_EQ(0, Differing(built, f().Picture1.Image()));
  EXPECT_EQ(Value(std::string()), m().HoleGrid(3, 2, XYs));
  EXPECT_EQ(100, m().HolesAcross.Num());
}

TEST_F(BoardImages, LargeBoardAfterZoomAll) {
  Board(100, 100);
  scenes::TwoHundredParts(m());
  f().Command15_Click();
  Compare("zoom_all_100");
}

}  // namespace
