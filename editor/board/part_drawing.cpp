// Part outlines: a placed part's record turned into lines on the board picture, placed at
// pin 1, aimed at pin 2 (pin 3 on a "Z" part, along the row on an "O" part), scaled to the
// hole pitch and shifted by the part's offset; the reference printed beside pin 1.
#include "editor/board/part_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "editor/board/part_record.h"
#include "editor/form1.h"
#include "platform/errors.h"
#include "platform/strings.h"

namespace {

constexpr int kPinListSize = 101;
constexpr int kMaxPenWidth = 100;

// The leading number of a text, or nothing when it is a number the runtime cannot hold
// ("1e400"). Records come from files users edit by hand: such a number must not stop the
// repaint.
std::optional<double> ReadNumber(const std::string& text) {
  try {
    return vb::Val(text);
  } catch (const vb::RuntimeError&) {
    return std::nullopt;
  }
}

// A grid value as a number: a text reads its leading number, so a stray text in a numeric
// field draws as 0 instead of stopping the repaint.
double NumberOf(const Value& v) { return v.IsText() ? ReadNumber(v.Text()).value_or(0) : v.Num(); }

// A number word of the record; one the runtime cannot hold reads as 0.
double WordNumber(const std::string& word) { return ReadNumber(word).value_or(0); }

bool IsNumberOne(const std::string& word) {
  double n = 0;
  return vb::ParseNumber(word, &n) && n == 1;
}

struct ScreenPoint {
  double x = 0, y = 0;
};

ScreenPoint ScreenOf(Module1& m, const Value& across, const Value& down) {
  return {NumberOf(m.HoleGrid(across, down, HoleX)) + NumberOf(m.ScrollX),
          NumberOf(m.HoleGrid(across, down, HoleY)) + NumberOf(m.ScrollY)};
}

// The font size of the label: one point per 100 picture units between pin 1 and its
// neighbour in the row, 6 to 30. The neighbour is the hole to the right, or to the left on
// the board's last column (the column past the board holds no position of this board).
double LabelFontSize(Module1& m, const Value& x1, const Value& y1) {
  const double across = NumberOf(x1);
  const double lastColumn = std::min(NumberOf(m.HolesAcross), static_cast<double>(HoleGridTable::kSize - 1));
  double gap = NumberOf(m.HolePitch);
  if (across + 1 <= lastColumn) {
    gap = NumberOf(m.HoleGrid(x1 + 1, y1, HoleX)) - NumberOf(m.HoleGrid(x1, y1, HoleX));
  } else if (across - 1 >= 1) {
    gap = NumberOf(m.HoleGrid(x1, y1, HoleX)) - NumberOf(m.HoleGrid(x1 - 1, y1, HoleX));
  }
  double size = vb::Int(std::fabs(gap) / 100);
  if (size < 6) size = 6;
  if (size > 30) size = 30;
  return size;
}

}  // namespace

int BuildPinList(Module1& m, const Value& x, const Value& y) {
  m.PinListX.assign(kPinListSize, Value());
  m.PinListY.assign(kPinListSize, Value());
  if (m.HoleGrid(x, y, CompXToo) == 0 || m.HoleGrid(x, y, CompYToo) == 0) return 0;
  Value cx = x, cy = y;
  int n = 0;
  while (n < kPinListSize) {
    m.PinListX[n] = cx;
    m.PinListY[n] = cy;
    ++n;
    const Value nx = m.HoleGrid(cx, cy, CompXToo);
    const Value ny = m.HoleGrid(cx, cy, CompYToo);
    if (nx == m.PinListX[0] && ny == m.PinListY[0]) break;
    // A broken link ends the list instead of walking into the scratch record.
    if (nx == 0 || ny == 0) break;
    cx = nx;
    cy = ny;
  }
  return n;
}

void MeanXY(Module1& m, const Value& x, const Value& y, double& mx, double& my) {
  // The sums are whole numbers after every addition, held wide enough for any board.
  double sumX = 0, sumY = 0;
  long count = 0;
  Value cx = x, cy = y;
  const long maxSteps = static_cast<long>(HoleGridTable::kSize) * HoleGridTable::kSize;
  m.DoneFlag = false;
  while (!m.DoneFlag && count < maxSteps) {
    const Value nx = m.HoleGrid(cx, cy, CompXToo);
    const Value ny = m.HoleGrid(cx, cy, CompYToo);
    if (nx == 0 || ny == 0) break;  // no next pin: the ring is not closed
    sumX = vb::Round(sumX + NumberOf(m.HoleGrid(nx, ny, HoleX)));
    sumY = vb::Round(sumY + NumberOf(m.HoleGrid(nx, ny, HoleY)));
    ++count;
    cx = nx;
    cy = ny;
    if (cx == x && cy == y) m.DoneFlag = true;
  }
  if (count == 0) {
    const ScreenPoint p = ScreenOf(m, x, y);
    mx = p.x;
    my = p.y;
  } else {
    mx = static_cast<float>(sumX) / static_cast<float>(count) + NumberOf(m.ScrollX);
    my = static_cast<float>(sumY) / static_cast<float>(count) + NumberOf(m.ScrollY);
  }
  m.PrevPinX = 0;
  m.PrevPinY = 0;
}

ParsedRecord ParseRecord(const std::string& record) {
  ParsedRecord parsed;
  const std::vector<std::string> words = SplitRecord(record);
  const int last = static_cast<int>(words.size()) - 1;
  const auto word = [&](int i) -> std::string { return i >= 0 && i <= last ? words[i] : std::string(); };

  for (int j = 0; 5 * j <= last - 6; ++j) parsed.maxY = std::max(parsed.maxY, WordNumber(word(10 + 5 * j)));
  PackageLetters code = ReadPackageCode(word(2));
  parsed.placement = std::move(code.placement);
  parsed.style = std::move(code.style);
  parsed.pinCount = WordNumber(word(3));
  parsed.penWidth = WordNumber(word(4));
  parsed.fitFromStart = IsNumberOne(word(5));
  parsed.fitted = vb::Trim(word(5)) == "1";

  // A record without ops ("*" or nothing at word 6) has no outline.
  for (int i = 6; i <= last && word(i) != "*"; i += 5) {
    RecordOp op;
    op.letter = word(i);
    const std::optional<double> numbers[4] = {ReadNumber(word(i + 1)), ReadNumber(word(i + 2)),
                                              ReadNumber(word(i + 3)), ReadNumber(word(i + 4))};
    op.readable = numbers[0] && numbers[1] && numbers[2] && numbers[3];
    if (op.readable) {
      op.sx = *numbers[0];
      op.sy = *numbers[1];
      op.ex = *numbers[2];
      op.ey = *numbers[3];
    }
    parsed.ops.push_back(std::move(op));
    if (i + 5 > last - 2) break;
  }
  return parsed;
}

const ParsedRecord& RecordCache::Of(const std::string& record) {
  auto found = parsed_.find(record);
  if (found != parsed_.end()) return found->second;
  // A board holds a few hundred parts of a few dozen kinds; texts beyond that are forgotten.
  constexpr std::size_t kKept = 1024;
  if (parsed_.size() >= kKept) parsed_.clear();
  return parsed_.emplace(record, ParseRecord(record)).first->second;
}

Outline OutlineOf(Module1& m, const std::string& record, const Value& x1, const Value& y1, Value& x3,
                  Value& y3, const OutlineView& view) {
  return OutlineOf(m, ParseRecord(record), x1, y1, x3, y3, view);
}

Outline OutlineOf(Module1& m, const ParsedRecord& record, const Value& x1, const Value& y1, Value& x3,
                  Value& y3, const OutlineView& view) {
  Outline out;
  const double maxY = record.maxY;
  const std::string& L1 = record.placement;
  const std::string& L2 = record.style;
  const double pinCount = record.pinCount;

  ScreenPoint R;
  if (x3 == x1 && y3 == y1) {
    x3 = x3 + 1;
    if (x3 > m.HolesAcross) x3 = 1;
    // Until a later step aims it, the outline of a one-pin ring looks at the hole to the right.
    R = ScreenOf(m, x3, y3);
  } else {
    x3 = m.HoleGrid(x1, y1, CompXToo);
    y3 = m.HoleGrid(x1, y1, CompYToo);
    R = ScreenOf(m, x3, y3);
    if (L1 == "Z") R = ScreenOf(m, m.HoleGrid(x3, y3, CompXToo), m.HoleGrid(x3, y3, CompYToo));
  }
  ScreenPoint P = ScreenOf(m, x1, y1);

  int width = 2;
  if (!view.horizontal) {
    width = vb::CInt(std::clamp(record.penWidth, 1.0, static_cast<double>(kMaxPenWidth)));
  }

  const double pitch = NumberOf(m.HolePitch);
  int pinsListed = -1;  // no pin list
  bool leadsAcross = true;
  if (L2 == "O" && L1 != "Z") {
    if (pinCount > 2 && L1 != "D") {
      pinsListed = BuildPinList(m, x1, y1);
      const bool fanned = L1 == "F";
      const auto dX = [&](int i) { return NumberOf(m.PinListX[0]) - NumberOf(m.PinListX[i]); };
      const auto dY = [&](int i) { return NumberOf(m.PinListY[0]) - NumberOf(m.PinListY[i]); };
      const auto holds = [&](auto test) { return test(1) || test(2); };
      if (holds([&](int i) { return -(i + 1) < dX(i) && dX(i) < 1 && dY(i) > 0; })) {  // upward
        R = fanned ? ScreenPoint{P.x + pitch, P.y} : ScreenPoint{P.x, P.y - pitch};
        leadsAcross = true;
      }
      if (holds([&](int i) { return -1 < dX(i) && dX(i) < i + 1 && dY(i) < 0; })) {  // downward
        R = fanned ? ScreenPoint{P.x - pitch, P.y} : ScreenPoint{P.x, P.y + pitch};
        leadsAcross = true;
      }
      if (holds([&](int i) { return 0 < dX(i) && dX(i) < i + 1 && -1 < dY(i) && dY(i) < i + 1; })) {  // left
        R = fanned ? ScreenPoint{P.x, P.y - pitch} : ScreenPoint{P.x - pitch, P.y};
        leadsAcross = false;
      }
      if (holds([&](int i) { return dX(i) < 0 && -(i + 1) < dY(i) && dY(i) < 1; })) {  // right
        R = fanned ? ScreenPoint{P.x, P.y + pitch} : ScreenPoint{P.x + pitch, P.y};
        leadsAcross = false;
      }
    } else {
      R = ScreenOf(m, x3, y3);
    }
  } else if (pinCount == 1) {
    R = ScreenOf(m, x3, y3);
  }

  const double theta = Atn2(R.y - P.y, R.x - P.x);
  const double d = std::fabs(std::sqrt((R.x - P.x) * (R.x - P.x) + (R.y - P.y) * (R.y - P.y)));
  const double unit = pitch / 3;

  out.label.fontSize = LabelFontSize(m, x1, y1);
  out.label.x = P.x + NumberOf(m.HoleGrid(x1, y1, LabelX));
  out.label.y = P.y + NumberOf(m.HoleGrid(x1, y1, LabelY));
  out.label.text = m.HoleGrid(x1, y1, CompName).Text();

  int o1 = 0, o2 = 0, o3 = 0, o4 = 0;
  Quadrant(P.x, R.x, P.y, R.y, o1, o2, o3, o4);

  if (L2 == "M") MeanXY(m, x1, y1, P.x, P.y);

  const double cosT = std::cos(theta), sinT = std::sin(theta);
  const auto place = [&](double sx, double sy, double off) {
    return ScreenPoint{P.x + o3 * unit * sx * std::fabs(cosT) + unit * (sy + off) * sinT,
                       P.y + o4 * unit * sx * std::fabs(sinT) + unit * (sy + off) * cosT};
  };

  const double offset = NumberOf(m.HoleGrid(x1, y1, CompOffset));
  ScreenPoint T = P;
  bool firstOp = true;
  for (const RecordOp& op : record.ops) {
    // An op with a number the runtime cannot hold is left out; the rest of the outline is
    // drawn. So is a line whose ends lie past any number.
    if (op.readable) {
      const ScreenPoint s = place(op.sx, op.sy, firstOp && record.fitFromStart ? 0 : offset);
      ScreenPoint e = place(op.ex, op.ey, offset);
      if (firstOp && L1 == "F") T = e;
      if (record.fitted && op.ex == 0 && op.ey == maxY) e = d == 0 ? P : R;
      const bool finite = std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(e.x) && std::isfinite(e.y);
      if (op.letter != "S" && finite)
        out.lines.push_back({s.x, s.y, e.x, e.y, GetColor(op.letter, view.flipped), width});
    }
    firstOp = false;
  }

  // Lead lines from pins 2 onward to the outline; only a part with a pin list has them.
  if (L1 == "F" && pinsListed > 0) {
    const int leads = static_cast<int>(std::min<double>(pinCount - 1, pinsListed - 1));
    for (int i = 1; i <= leads; ++i) {
      const ScreenPoint pin = ScreenOf(m, m.PinListX[i], m.PinListY[i]);
      const ScreenPoint to = leadsAcross ? ScreenPoint{T.x, pin.y} : ScreenPoint{pin.x, T.y};
      if (!std::isfinite(to.x) || !std::isfinite(to.y)) continue;
      out.lines.push_back({pin.x, pin.y, to.x, to.y, vb::vbBlack, width});
    }
  }

  m.PinListX.clear();
  m.PinListY.clear();
  return out;
}

void Form1::BuildPinList(const Value& x, const Value& y) { ::BuildPinList(m, x, y); }

void Form1::MeanXY(const Value& x, const Value& y, double& mx, double& my) { ::MeanXY(m, x, y, mx, my); }

void Form1::DrawComp(const std::string& record, Value x1, Value y1, Value& x3, Value& y3, const Value&) {
  OutlineView view;
  view.horizontal = Check1.Value() == 1;
  view.flipped = Picture1.ScaleWidth() < 0;
  const Outline outline = OutlineOf(m, records_.Of(record), x1, y1, x3, y3, view);

  Picture1.SetForeColor(vb::vbBlack);
  Picture1.SetFontSize(outline.label.fontSize);
  Picture1.SetCurrentX(outline.label.x);
  Picture1.SetCurrentY(outline.label.y);
  Picture1.Print(outline.label.text);
  const double printX = Picture1.CurrentX(), printY = Picture1.CurrentY();

  for (const OutlineLine& line : outline.lines) {
    Picture1.SetDrawWidth(line.width);
    Picture1.Line(line.x1, line.y1, line.x2, line.y2, line.colour);
  }
  // The print position stays after the label, as the lines are drawn without moving it.
  Picture1.SetCurrentX(printX);
  Picture1.SetCurrentY(printY);
  Picture1.SetDrawWidth(1);
  m.PinListX.clear();
  m.PinListY.clear();
}
