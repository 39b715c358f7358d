// Across the two programs: a part drawn with the mouse and saved by the part editor is read
// from the library file the way the layout editor reads it and drawn on a board by the
// layout editor. The layout editor's own library reader is not in this build yet, so its
// record grammar (the word split and the package code) reads the record.
//
// With MORAVINT_SHOTS set to a folder, the test leaves pictures of both windows there.
#include <QPixmap>
#include <cstdlib>
#include <string>

#include "editor/board/part_record.h"
#include "editor/form1.h"
#include "tests/editor/part_helpers.h"
#include "tests/parteditor/parteditor_fixture.h"
#include "tests/support/real_input.h"

namespace {

// The record of the drawing below, as the part editor saves it.
const char* const kBoxRecord = "Res 0.2 AR 2 2 0 S 0 0 -1 1 C -1 1 1 1 C 1 1 1 5 C 1 5 -1 5 C -1 5 -1 1 S -1 1 0 0 *";

void Shoot(QWidget* top, const char* name) {
  const char* folder = std::getenv("MORAVINT_SHOTS");
  if (folder && *folder) top->grab().save(QString::fromUtf8(folder) + "/" + name);
}

}  // namespace

TEST_F(PartEditorTest, APartDrawnHereIsReadAndPlacedByTheLayoutEditor) {
  Start();
  moravint::Form1& w = f();
  // A real click at a pixel of the drawing picture (1.5 picture units a pixel, 2 of border).
  auto at = [&](int px, int py) {
    testsupport::MouseClick(w.Picture1.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(px + 2, py + 2));
  };
  testsupport::MouseClick(w.Text1);
  for (int i = 0; i < 4; ++i) testsupport::KeyClick(w.Text1.Widget(), Qt::Key_Backspace);
  for (char c : std::string("Res")) testsupport::KeyClick(w.Text1.Widget(), c, Qt::NoModifier, QString(QChar(c)));
  testsupport::MouseClick(w.Check7);  // not fitted between the pins
  testsupport::MouseClick(w.Command19);  // a hidden move from the origin
  at(70, 63);                            // (105, 95)
  testsupport::MouseClick(w.Command11);  // red from here on
  at(97, 63);                            // (145, 95)
  at(97, 117);                           // (145, 175)
  at(70, 117);                           // (105, 175)
  at(70, 63);                            // back to (105, 95)
  testsupport::MouseClick(w.Command19);
  EXPECT_EQ("Res", w.Text1.Text());
  EXPECT_EQ("0", w.Text5.Text());
  EXPECT_EQ((std::vector<std::string>{"S 125 75", "C 105 95", "C 145 95", "C 145 175", "C 105 175", "S 105 95"}),
            Points());
  Shoot(w.TopWidget(), "moravint-drawn.png");
  at(83, 50);  // on the origin: saves
  EXPECT_EQ("Name", w.Text1.Text());

  // The layout editor's view of the library: each record's lines joined, each followed by a blank.
  std::string record;
  for (const auto& line : LibraryLines()) record += line + " ";
  EXPECT_EQ(std::string(kBoxRecord) + " ", record);
  const std::vector<std::string> words = SplitRecord(record);
  ASSERT_EQ(38u, words.size());
  EXPECT_EQ("Res", words[0]);
  EXPECT_EQ("0.2", words[1]);
  EXPECT_EQ("A", ReadPackageCode(words[2]).placement);
  EXPECT_EQ("R", ReadPackageCode(words[2]).style);
  EXPECT_EQ("*", words[36]);
  EXPECT_EQ(vb::RGB(255, 0, 0), GetColor(words[11], false));

  // Placed on a board of the layout editor, pin 1 at (5, 5) and pin 2 two holes down.
  Brantel editor;
  ::Form1& board = editor.Form1();
  board.Text1.SetText("15");
  board.Text2.SetText("15");
  board.GraphicLimits(true);
  board.GraphicLimits(true);
  board.BuildArray(true);
  board.InitKelm();
  editor.m.TraceColour = vb::RGB(215, 140, 60);  // copper strips on a paper board
  editor.m.BoardColour = vb::RGB(225, 215, 160);
  parttest::PlacePart(editor.m, {{5, 5}, {5, 7}}, record, "R1", "10k");
  RefreshBoard(editor);
  board.Show();
  // The red box stands one unit (a third of the pitch) left and right of the pins, from one
  // unit below pin 1 to five units below it.
  const vb::Picture image = board.Picture1.Image();
  int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
  for (int y = 0; y < image.HeightPx(); ++y)
    for (int x = 0; x < image.WidthPx(); ++x)
      if (image.PixelAt(x, y) == vb::RGB(255, 0, 0)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0) << "no red outline on the board";
  const double unit = board.Picture1.ToPixelX(editor.m.HolePitch.Num() / 3) - board.Picture1.ToPixelX(0);
  const double pinX = board.Picture1.ToPixelX((editor.m.HoleGrid(5, 5, HoleX) + editor.m.ScrollX).Num());
  const double pinY = board.Picture1.ToPixelY((editor.m.HoleGrid(5, 5, HoleY) + editor.m.ScrollY).Num());
  EXPECT_NEAR(pinX - unit, left, 2.5);
  EXPECT_NEAR(pinX + unit, right, 2.5);
  EXPECT_NEAR(pinY + unit, top, 2.5);
  EXPECT_NEAR(pinY + 5 * unit, bottom, 2.5);
  Shoot(board.TopWidget(), "brantel-placed.png");
}
