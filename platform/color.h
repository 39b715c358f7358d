// Colours as the window runtime packs them: red in the low byte, then green, then blue.
#pragma once

namespace vb {

using Colour = long;

constexpr Colour RGB(int red, int green, int blue) {
  return static_cast<Colour>(red & 255) + 256L * (green & 255) + 65536L * (blue & 255);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 255); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 255); }

constexpr Colour vbBlack = RGB(0, 0, 0);
constexpr Colour vbWhite = RGB(255, 255, 255);
constexpr Colour vbButtonFace = RGB(212, 208, 200);

}  // namespace vb
