#include "editor/board/tool_pictures.h"

#include "platform/color.h"

namespace {

constexpr int kSize = 33;
const vb::Colour kCopper = vb::RGB(200, 120, 40);
const vb::Colour kBoard = vb::RGB(230, 214, 160);
const vb::Colour kInk = vb::RGB(20, 20, 20);

vb::Picture Blank() { return vb::Picture(kSize, kSize, vb::vbButtonFace); }

// A short piece of strip board: two strips with holes.
void StripPiece(vb::Picture& p) {
  p.FillRect(2, 6, 29, 21, kBoard);
  p.FillRect(2, 9, 29, 5, kCopper);
  p.FillRect(2, 19, 29, 5, kCopper);
  for (int x = 6; x < 31; x += 8) {
    p.DrawEllipse(x, 11, 1, 1, kInk, kInk);
    p.DrawEllipse(x, 21, 1, 1, kInk, kInk);
  }
}

}  // namespace

vb::Picture ToolPicture(const std::string& name) {
  vb::Picture p = Blank();
  if (name == "Cut") {
    StripPiece(p);
    p.FillRect(13, 8, 4, 7, kBoard);
    p.DrawLine(9, 2, 22, 30, kInk, 2);
    p.DrawLine(22, 2, 9, 30, kInk, 2);
  } else if (name == "Drill") {
    StripPiece(p);
    p.DrawEllipse(14, 11, 4, 4, kInk, kBoard, 1);
    p.DrawLine(14, 0, 14, 7, kInk, 3);
  } else if (name == "Command1") {  // place a part
    p.DrawLine(3, 16, 9, 16, kInk, 2);
    p.FillRect(9, 11, 15, 11, vb::RGB(90, 160, 230));
    p.FillRect(13, 11, 2, 11, vb::RGB(200, 40, 40));
    p.FillRect(17, 11, 2, 11, vb::RGB(120, 70, 20));
    p.DrawLine(24, 16, 30, 16, kInk, 2);
  } else if (name == "Command3") {  // delete a part
    p.FillRect(9, 11, 15, 11, vb::RGB(90, 160, 230));
    p.DrawLine(6, 6, 27, 27, vb::RGB(210, 0, 0), 3);
    p.DrawLine(27, 6, 6, 27, vb::RGB(210, 0, 0), 3);
  } else if (name == "Command4") {  // slide an outline
    p.FillRect(9, 11, 15, 11, vb::RGB(90, 160, 230));
    p.DrawLine(4, 28, 29, 28, kInk, 2);
    p.DrawLine(25, 25, 29, 28, kInk, 2);
    p.DrawLine(8, 25, 4, 28, kInk, 2);
  } else if (name == "Command5") {  // move a pin
    p.DrawEllipse(9, 22, 4, 4, kInk, kCopper, 2);
    p.DrawLine(12, 19, 26, 6, kInk, 2);
    p.DrawLine(26, 6, 20, 7, kInk, 2);
    p.DrawLine(26, 6, 25, 12, kInk, 2);
  } else if (name == "Command6") {  // repaint
    p.DrawEllipse(16, 16, 10, 10, vb::RGB(0, 120, 0), -1, 3);
    p.FillRect(22, 2, 10, 12, vb::vbButtonFace);
    p.DrawLine(26, 9, 26, 15, vb::RGB(0, 120, 0), 3);
  } else if (name == "Command9") {
    return ToolPicture("Cut");
  } else if (name == "Command11") {  // block move
    p.DrawLine(16, 3, 16, 29, kInk, 2);
    p.DrawLine(3, 16, 29, 16, kInk, 2);
    p.DrawLine(16, 3, 12, 8, kInk, 2);
    p.DrawLine(16, 3, 20, 8, kInk, 2);
    p.DrawLine(29, 16, 24, 12, kInk, 2);
    p.DrawLine(29, 16, 24, 20, kInk, 2);
  } else if (name == "Command8") {  // files
    p.FillRect(7, 4, 17, 24, vb::vbWhite);
    p.DrawLine(7, 4, 7, 28, kInk);
    p.DrawLine(7, 28, 24, 28, kInk);
    p.DrawLine(24, 28, 24, 4, kInk);
    p.DrawLine(24, 4, 7, 4, kInk);
    for (int y = 10; y < 26; y += 4) p.DrawLine(10, y, 21, y, vb::RGB(120, 120, 120));
  } else if (name == "Command7") {  // print
    p.FillRect(9, 3, 15, 10, vb::vbWhite);
    p.FillRect(4, 13, 25, 11, vb::RGB(90, 90, 90));
    p.FillRect(9, 21, 15, 9, vb::vbWhite);
  } else if (name == "Command13" || name == "Command14") {  // zoom in / out
    p.DrawEllipse(13, 13, 9, 9, kInk, vb::vbWhite, 2);
    p.DrawLine(20, 20, 29, 29, kInk, 4);
    p.DrawLine(9, 13, 17, 13, kInk, 2);
    if (name == "Command13") p.DrawLine(13, 9, 13, 17, kInk, 2);
  } else if (name == "Command15") {  // zoom to the whole board: a board inside a frame
    p.FillRect(7, 9, 19, 15, kBoard);
    p.FillRect(7, 12, 19, 3, kCopper);
    p.FillRect(7, 18, 19, 3, kCopper);
    for (int c : {2, 30}) {
      p.DrawLine(c, 2, c, 8, kInk, 2);
      p.DrawLine(c, 24, c, 30, kInk, 2);
    }
    p.DrawLine(2, 2, 8, 2, kInk, 2);
    p.DrawLine(24, 2, 30, 2, kInk, 2);
    p.DrawLine(2, 30, 8, 30, kInk, 2);
    p.DrawLine(24, 30, 30, 30, kInk, 2);
  } else if (name == "Command16") {  // zoom on the last hole: a hole in cross hairs
    p.DrawEllipse(16, 16, 9, 9, kInk, kCopper, 2);
    p.DrawEllipse(16, 16, 2, 2, kInk, kInk);
    p.DrawLine(16, 1, 16, 8, kInk, 2);
    p.DrawLine(16, 24, 16, 31, kInk, 2);
    p.DrawLine(1, 16, 8, 16, kInk, 2);
    p.DrawLine(24, 16, 31, 16, kInk, 2);
  } else if (name == "Command12") {
    p.FillRect(8, 4, 15, 25, vb::RGB(150, 90, 40));
    p.DrawEllipse(19, 17, 1, 1, kInk, kInk);
    p.DrawLine(23, 16, 30, 16, vb::RGB(200, 0, 0), 2);
  }
  return p;
}

vb::Picture LogoPicture() {
  vb::Picture p(48, 48, vb::vbButtonFace);
  p.FillRect(2, 6, 44, 36, kBoard);
  for (int y = 10; y < 42; y += 8) p.FillRect(2, y, 44, 5, kCopper);
  for (int y = 12; y < 42; y += 8)
    for (int x = 6; x < 46; x += 8) p.DrawEllipse(x, y, 1, 1, kInk, kInk);
  p.FillRect(14, 16, 20, 9, vb::RGB(60, 60, 60));
  return p;
}
