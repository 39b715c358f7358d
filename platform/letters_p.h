// Private to the platform: the letters of the programs' text. The text is one byte a letter,
// Windows-1252; these two lookups turn a byte into its Unicode letter and back. The host's
// names (paths.cpp) and the widgets (widgets_p.h: text shown, typed and read back) both
// convert through them, so that a letter is the same byte on the screen, from the keyboard
// and in a host name.
#pragma once

namespace vb {

// The letters of the programs' text from 0x80 to 0x9F. The five bytes the code page leaves open
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number, so that
// every byte crosses to the host and to the screen and comes back.
inline constexpr char16_t kHighLetters[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Unicode letter of a byte of the programs' text.
constexpr char32_t LetterOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighLetters[byte - 0x80] : byte;
}

// The byte of the programs' text for a letter, or -1 when the text cannot hold it.
constexpr int ByteOf(char32_t letter) {
  if (letter < 0x80 || (letter >= 0xA0 && letter <= 0xFF)) return static_cast<int>(letter);
  for (int i = 0; i < 32; ++i) {
    if (kHighLetters[i] == letter) return 0x80 + i;
  }
  return -1;
}

}  // namespace vb
