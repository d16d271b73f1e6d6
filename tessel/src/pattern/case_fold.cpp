#include "case_fold.h"

#include <locale.h>
#include <wctype.h>

namespace tessel {

namespace {

// The Unicode case tables of the C library, independent of the process locale; null when
// the system has none (then only ASCII letters fold).
locale_t unicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

bool isSurrogate(wint_t c) { return c >= 0xD800 && c <= 0xDFFF; }

std::u16string fold(std::u16string_view text, bool upper) {
  const locale_t locale = unicodeLocale();
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c < 0x80) {
      if (!upper && c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
      if (upper && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
      continue;
    }
    if (!locale || isSurrogate(c)) continue;
    const wint_t mapped = upper ? towupper_l(c, locale) : towlower_l(c, locale);
    if (mapped <= 0xFFFF && !isSurrogate(mapped)) c = static_cast<char16_t>(mapped);
  }
  return out;
}

}  // namespace

std::u16string foldToLower(std::u16string_view text) { return fold(text, false); }
std::u16string foldToUpper(std::u16string_view text) { return fold(text, true); }

}  // namespace tessel
