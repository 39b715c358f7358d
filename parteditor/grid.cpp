// The drawing grid: adding points by clicking, the rubber band, the redraw with its grid
// lines, pin markers and dot lattice, the line styles, Restart, Cancel last and the vertical
// compress and expand.
#include "parteditor/form1.h"
#include "parteditor/part_library.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace moravint {

namespace {

constexpr int kLineLimit = 100;
constexpr vb::Colour kGridLine = vb::RGB(230, 230, 230);
constexpr vb::Colour kBlue = vb::RGB(0, 0, 255);

bool Holds(const Value& v) { return !(v.IsEmpty() || (v.IsText() && v.Text().empty())); }

}  // namespace

vb::Colour Form1::GetColor(const std::string& style) const { return StyleColour(style); }

void Form1::redoGrid(double w, double h) {
  Picture1.SetScaleWidth(w);
  Picture1.SetScaleHeight(h);
  Picture1.SetDrawWidth(1);
  Picture1.SetForeColor(kBlue);
}

double Form1::LineCount() const {
  // A count too large for any number stands at the limit.
  double count = 0;
  if (!BoxNumber(Text7.Text(), &count)) count = kLineLimit;
  return count;
}

void Form1::Picture1_MouseUp(int button, int, double x, double y) {
  if (button == vb::vbRightButton) {
    Command1_Click();
    return;
  }
  if (button != vb::vbLeftButton) return;
  const double step = m.GridStep.Num();
  const double half = step / 2;
  const double count = LineCount() + 1;
  Text7.SetText(vb::Format(count));
  const int index = static_cast<int>(m.PointCount.Num());
  // The last entry of the point arrays stays empty: it ends the drawing.
  if (count < kLineLimit + 1 && index < kPointSlots - 1) {
    CurX = x - m.OffX.Num();
    CurY = y - m.OffY.Num();
    m.PtX[index] = SnapToGrid(CurX, step);
    m.PtY[index] = SnapToGrid(CurY, step);
    m.PtStyle[index] = m.CurStyle;
    m.PointCount = index + 1;
    if (CurX > OrgX - half && CurX < OrgX + half && CurY > OrgY - half && CurY < OrgY + half) Command2_Click();
    Command1_Click();
  } else {
    Text7.SetText("100");
    vb::MsgBox("Maximum number of lines is " + vb::Format(kLineLimit) + "! Click Save to exit", vb::vbCritical,
               "Limits");
  }
}

void Form1::Picture1_MouseMove(int, int, double x, double y) {
  const double fromX = CurX + m.OffX.Num();
  const double fromY = CurY + m.OffY.Num();
  if (Value(x) != m.LastMouseX || Value(y) != m.LastMouseY) {
    Picture1.Line(fromX, fromY, m.LastMouseX.Num(), m.LastMouseY.Num(), Picture1.BackColor());
    m.LastMouseX = x;
    m.LastMouseY = y;
  }
  const int last = static_cast<int>(m.PointCount.Num()) - 1;
  Picture1.Line(fromX, fromY, x, y, GetColor(m.PtStyle[static_cast<size_t>(last < 0 ? 0 : last)]));
}

void Form1::Command1_Click() {
  const double step = m.GridStep.Num();
  const double half = step / 2;
  const double offX = m.OffX.Num();
  const double offY = m.OffY.Num();
  const double picW = m.PicW.Num();
  const double picH = m.PicH.Num();
  Picture1.SetDrawWidth(1);
  Picture1.Cls();
  // The grid is laid around the pen position. Only the lines within a picture's width or
  // height of the picture are drawn, found directly rather than stepped to, so a pen far off
  // the picture or a step far larger than it draws as quickly as any other.
  const double leftmost = -offX - picW, rightmost = 2 * picW - offX;
  const double topmost = -offY - picH, lowest = 2 * picH - offY;
  auto vertical = [&](double x) { Picture1.Line(x + offX, offY, x + offX, picW + offY, kGridLine); };
  auto horizontal = [&](double y) { Picture1.Line(offX, y + offY, picH + offX, y + offY, kGridLine); };
  ForEachGridLine(CurX + half, picW, step, leftmost, rightmost, vertical);
  ForEachGridLine(0, CurX - half, step, leftmost, rightmost, vertical);
  ForEachGridLine(CurY + half, picH, step, topmost, lowest, horizontal);
  ForEachGridLine(0, CurY - half, step, topmost, lowest, horizontal);

  // Pins 1 to 3, one hole apart below pin 1.
  Picture1.SetDrawWidth(1);
  for (int k = 0; k < 3; ++k) {
    Picture1.Circle(OrgX + offX, OrgY + offY + 60 * k, 6, kBlue);
    Picture1.SetCurrentX(OrgX + offX + 10);
    Picture1.SetCurrentY(OrgY + offY + 60 * k - 20);
    Picture1.Print(std::to_string(k + 1));
  }
  // One dot per hole position.
  for (int i = -2; i <= 15; ++i)
    for (int j = -1; j <= 15; ++j) Picture1.Circle(OrgX + offX + 60 * i, OrgY + offY + 60 * j, 3, kBlue);

  SegIndex = 0;
  while (SegIndex + 1 < kPointSlots && Holds(m.PtX[static_cast<size_t>(SegIndex + 1)])) {
    const auto a = static_cast<size_t>(SegIndex);
    Picture1.Line(m.PtX[a].Num() + offX, m.PtY[a].Num() + offY, m.PtX[a + 1].Num() + offX, m.PtY[a + 1].Num() + offY,
                  GetColor(m.PtStyle[a]));
    ++SegIndex;
  }
}

void Form1::Command3_Click() {
  Text7.SetText("0");
  m.PtX.fill(Value());
  m.PtY.fill(Value());
  Form_Load();
  Command1_Click();
}

void Form1::Command4_Click() {
  int count = static_cast<int>(m.PointCount.Num()) - 1;
  if (count < 1) count = 1;
  m.PointCount = count;
  const auto at = static_cast<size_t>(count);
  m.PtStyle[at] = "";
  m.PtX[at] = "";
  m.PtY[at] = "";
  CurX = m.PtX[at - 1].Num();
  CurY = m.PtY[at - 1].Num();
  const double lines = LineCount() - 1;
  Text7.SetText(lines < 0 ? "0" : vb::Format(lines));
  Command1_Click();
}

void Form1::ScaleVertical(bool compress) {
  for (size_t i = 1; i < kPointSlots && !m.PtStyle[i].empty(); ++i) {
    double t = (m.PtY[i].Num() - OrgY) / 20;
    t = compress ? t / 5 : t * 5;
    m.PtY[i] = OrgY + t * 20;
  }
}

void Form1::Command20_Click() {
  ScaleVertical(true);
  Command21.SetEnabled(true);
  Command1_Click();
}

void Form1::Command21_Click() {
  ScaleVertical(false);
  Command1_Click();
}

void Form1::ChooseStyle(const std::string& letter) {
  m.CurStyle = letter;
  const int last = static_cast<int>(m.PointCount.Num()) - 1;
  m.PtStyle[static_cast<size_t>(last < 0 ? 0 : last)] = letter;
}

void Form1::Text8_Change() {
  // Only a number of at least 1 is a step; anything else leaves the step as it was.
  const double step = StepFromText(Text8.Text());
  if (step > 0) m.GridStep = step;
  Command1_Click();
}

}  // namespace moravint
