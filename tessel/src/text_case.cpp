#include "text_case.h"

namespace tessel {

namespace {

constexpr bool in(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

// Latin Extended-A pairs its letters as (upper, lower) starting at an even code, except in
// 0x139..0x148 and 0x179..0x17E, where the upper case letter has the odd code.
bool extendedAUpper(char16_t c) {
  if (in(c, 0x100, 0x137) || in(c, 0x14A, 0x177)) return c % 2 == 0;
  if (in(c, 0x139, 0x148) || in(c, 0x179, 0x17E)) return c % 2 == 1;
  return false;
}
bool extendedALower(char16_t c) {
  if (in(c, 0x100, 0x137) || in(c, 0x14A, 0x177)) return c % 2 == 1;
  if (in(c, 0x139, 0x148) || in(c, 0x179, 0x17E)) return c % 2 == 0;
  return false;
}

}  // namespace

char16_t lowerChar(char16_t c) {
  if (in(c, u'A', u'Z')) return static_cast<char16_t>(c + 0x20);
  if (c < 0xC0) return c;
  if (in(c, 0xC0, 0xDE) && c != 0xD7) return static_cast<char16_t>(c + 0x20);
  if (extendedAUpper(c)) return static_cast<char16_t>(c + 1);
  if (c == 0x178) return 0xFF;
  if (in(c, 0x391, 0x3A9) && c != 0x3A2) return static_cast<char16_t>(c + 0x20);
  if (in(c, 0x410, 0x42F)) return static_cast<char16_t>(c + 0x20);
  if (in(c, 0x400, 0x40F)) return static_cast<char16_t>(c + 0x50);
  return c;
}

char16_t upperChar(char16_t c) {
  if (in(c, u'a', u'z')) return static_cast<char16_t>(c - 0x20);
  if (c < 0xE0) return c;
  if (in(c, 0xE0, 0xFE) && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  if (c == 0xFF) return 0x178;
  if (extendedALower(c)) return static_cast<char16_t>(c - 1);
  if (in(c, 0x3B1, 0x3C9) && c != 0x3C2) return static_cast<char16_t>(c - 0x20);
  if (in(c, 0x430, 0x44F)) return static_cast<char16_t>(c - 0x20);
  if (in(c, 0x450, 0x45F)) return static_cast<char16_t>(c - 0x50);
  return c;
}

std::u16string lowerCopy(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = lowerChar(c);
  return out;
}

std::u16string upperCopy(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = upperChar(c);
  return out;
}

}  // namespace tessel
