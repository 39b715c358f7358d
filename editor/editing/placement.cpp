// Placing a part picked in the Add Component window: pin by pin for parts of one or two
// pins, whole from the hole of pin 1 for the multi-pin package classes, each pin written into
// the grid and linked into the part's closed ring of pins.
#include <algorithm>

#include "editor/form1.h"
#include "platform/msgbox.h"
#include "platform/strings.h"

namespace {

constexpr int kCritical = vb::vbOKOnly | vb::vbCritical;

void PlaceError(const std::string& text) { vb::MsgBox(text, kCritical, "Place Error"); }
void PinError(const std::string& text) { vb::MsgBox(text, kCritical, "Place pin Error"); }

// A hole number from a position; positions far off the board (a huge pitch) stay far off it
// rather than wrapping round into it.
int RoundHole(double v) {
  constexpr double kFar = 1 << 30;
  const double r = vb::Round(v);
  if (!(r > -kFar)) return static_cast<int>(-kFar);
  return static_cast<int>(std::min(r, kFar));
}

// A screen position as a whole number. Far zoomed boards lie beyond the 16-bit range; the
// position is kept within it rather than stopping the placement half way.
int ScreenInt(double v) { return static_cast<int>(std::clamp(vb::Round(v), -32768.0, 32767.0)); }

bool OneOf(int n, std::initializer_list<int> values) {
  for (int v : values)
    if (n == v) return true;
  return false;
}

}  // namespace

bool Form1::PlacePin(int& x, int& y) {
  auto& g = m.HoleGrid;
  if (!(Value(0) < Value(x) && Value(x) < m.HolesAcross + Value(1) && Value(0) < Value(y) &&
        Value(y) < m.HolesDown + Value(1))) {
    PlaceError("Hole outside of board");
    m.PinCount = 0;
    return false;
  }
  if (!(g(x, y, CompXFrom) == Value(0) && g(x, y, CompYFrom) == Value(0))) {
    PlaceError("Hole not empty");
    return false;
  }
  g(x, y, CompName) = Text7.Text();
  g(x, y, CompValue) = Text8.Text();
  g(x, y, CompPackage) = Text20.Text();
  g(x, y, PartFit) = Text21.Text();
  if (m.PrevPinX == 0 && m.PrevPinY == 0) {
    m.PinNumber = 1;
    g(x, y, PinNumber) = 1;
    g(x, y, CompXFrom) = x;
    g(x, y, CompYFrom) = y;
    g(x, y, XYs) = m.CurrentPart;
    m.PrevPinX = x;
    m.PrevPinY = y;
    m.FirstPinX = x;
    m.FirstPinY = y;
  } else {
    g(x, y, PinNumber) = m.PinNumber;
    g(x, y, CompXFrom) = m.FirstPinX;
    g(x, y, CompYFrom) = m.FirstPinY;
    g(m.PrevPinX, m.PrevPinY, CompXToo) = x;
    g(m.PrevPinX, m.PrevPinY, CompYToo) = y;
    m.PrevPinX = x;
    m.PrevPinY = y;
  }
  m.PinNumber += 1;
  m.LastPinScreenX = ScreenInt((g(x, y, HoleX) + m.ScrollX).Num());
  m.LastPinScreenY = ScreenInt((g(x, y, HoleY) + m.ScrollY).Num());

  m.PinCount -= 1;
  if (m.PinCount == 0) {
    // The last pin closes the ring back to pin 1.
    g(x, y, CompXFrom) = m.FirstPinX;
    g(x, y, CompYFrom) = m.FirstPinY;
    g(x, y, CompXToo) = m.FirstPinX;
    g(x, y, CompYToo) = m.FirstPinY;
    m.PrevPinX = 0;
    m.PrevPinY = 0;
    m.PlacingPart = false;
    Picture1.SetMousePointer(vb::vbDefault);
    SetHole(m, m.FirstPinX, m.FirstPinY, 0, Value(std::string()));
    auto r = m.RedrawRect;
    ReDrawFT(r[0], r[1], r[2], r[3], 0);
  }
  return true;
}

// Visits the holes the package will take, in the order placement takes them, without
// writing anything. The pin counter is its own, so that a test after a placed pin (a
// two-pin part of class "ZO") leaves the pin numbering of the part alone.
bool Form1::TestHoles(int x, int y, int mode, int shift) {
  if (mode < 1 || mode > 4) return true;
  auto& g = m.HoleGrid;
  double a = 0, b = 0;
  int k = 1;
  bool f = true;
  const double dir = shift == 1 ? -1 : 1;
  const double p = vb::Val(Text22.Text()) * 10;
  const bool horizontal = Check1.Value() == 1;
  const double n = m.PinCount;
  for (;;) {
    const int hx = RoundHole(x + a), hy = RoundHole(y + b);
    if (!(Value(0) < Value(hx) && Value(hx) < m.HolesAcross + Value(1) && Value(0) < Value(hy) &&
          Value(hy) < m.HolesDown + Value(1))) {
      PlaceError("Hole outside of board");
      return false;
    }
    if (g(hx, hy, CompXFrom) != Value(0) && g(hx, hy, CompYFrom) != Value(0)) {
      PlaceError("Hole not empty");
      return false;
    }
    switch (mode) {
      case 1:
        (horizontal ? b : a) += dir * p;
        break;
      case 2:
        if (!horizontal) {
          if (k >= n / 2 + 1) a -= dir;
          else if (k == n / 2) b -= dir * p;
          else a += dir;
        } else {
          if (k >= n / 2 + 1) b -= dir;
          else if (k == n / 2) a += dir * p;
          else b += dir;
        }
        break;
      case 3:
        if (horizontal) {
          b += dir;
          a += f ? dir * p : -dir * p;
        } else {
          a += dir;
          b += f ? -dir * p : dir * p;
        }
        f = !f;
        break;
      default:
        if (k <= n / 4) b += 1;
        else if (k <= n / 2) a += 1;
        else if (k <= 3 * n / 4) b -= 1;
        else a -= 1;
        break;
    }
    ++k;
    if (k >= n + 1) return true;  // a count of 0 tests the clicked hole alone
  }
}

void Form1::PlaceBranches(int n, int Shift) {
  const std::string code = Text9.Text();
  const std::string c1 = vb::Mid(code, 1, 1), c2 = vb::Mid(code, 2, 1);
  const double dir = Shift == 1 ? -1 : 1;
  const double p = vb::Val(Text22.Text()) * 10;
  const bool horizontal = Check1.Value() == 1;
  int& ex = m.EditHoleX;
  int& ey = m.EditHoleY;

  // A refused pin inside a package ends the placement: the pins placed so far go again.
  const auto giveUp = [this] {
    AbandonPlacement();
    m.PinCount = 0;
    m.PlacingPart = false;
    Picture1.SetMousePointer(vb::vbDefault);
  };

  // The pins placed so far are gone (a new board, a design loaded): the part is given up
  // rather than linked into whatever the holes now hold.
  if ((m.PrevPinX != 0 || m.PrevPinY != 0) &&
      (m.HoleGrid(m.PrevPinX, m.PrevPinY, CompXFrom) != Value(m.FirstPinX) ||
       m.HoleGrid(m.PrevPinX, m.PrevPinY, CompYFrom) != Value(m.FirstPinY))) {
    giveUp();
    return;
  }

  if (n > 0 && n < 3) {
    if (!PlacePin(ex, ey)) {
      PinError("Error, hole not empty (1..2 Pin)");
      RefreshBoard(app);
      // A pin off the board (a size box changed without a new build) ends this part.
      if (m.PinCount == 0) giveUp();
    }
  }

  if ((c1 == "A" || c1 == "I" || c1 == "F") && n > 2) {
    if (TestHoles(ex, ey, 1, Shift)) {
      while (m.PinCount > 0) {
        if (!PlacePin(ex, ey)) {
          PinError("Error, hole not empty (A or F)");
          RefreshBoard(app);
          giveUp();
          break;
        }
        if (horizontal) ey = RoundHole(ey + dir * p);
        else ex = RoundHole(ex + dir * p);
      }
    }
  }

  if (c1 == "D" && OneOf(n, {4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 40})) {
    if (TestHoles(ex, ey, 2, Shift)) {
      const double half = n / 2.0 + 1;
      while (m.PinCount > 0) {
        if (!PlacePin(ex, ey)) {
          PinError("Error, hole not empty (D)");
          giveUp();
          break;
        }
        const int k = m.PinNumber;
        if (!horizontal) {
          if (k < half) ex += static_cast<int>(dir);
          else if (k == half) ey = RoundHole(ey - dir * p);
          else ex -= static_cast<int>(dir);
        } else {
          if (k < half) ey += static_cast<int>(dir);
          else if (k == half) ex = RoundHole(ex + dir * p);
          else ey -= static_cast<int>(dir);
        }
      }
    }
  }

  if (c1 == "Q" && OneOf(n, {8, 12, 16, 20, 24, 28, 32, 36, 40})) {
    if (TestHoles(ex, ey, 4, Shift)) {
      while (m.PinCount > 0) {
        if (!PlacePin(ex, ey)) {
          PinError("Error, hole not empty (Q)");
          giveUp();
          break;
        }
        const int k = m.PinNumber;
        if (k <= n / 4.0 + 1) ey += 1;
        else if (k <= n / 2.0 + 1) ex += 1;
        else if (k <= 3.0 * n / 4 + 1) ey -= 1;
        else ex -= 1;
      }
    }
  }

  if (c1 == "Z" && c2 == "O") {
    if (TestHoles(ex, ey, 3, Shift)) {
      bool f = true;
      while (m.PinCount > 0) {
        if (!PlacePin(ex, ey)) {
          PinError("Error, hole not empty (Z abd O)");
          giveUp();
          break;
        }
        if (horizontal) {
          ey += static_cast<int>(dir);
          ex = RoundHole(f ? ex + dir * p : ex - dir * p);
        } else {
          ex += static_cast<int>(dir);
          ey = RoundHole(f ? ey - dir * p : ey + dir * p);
        }
        f = !f;
      }
    }
  }
}
