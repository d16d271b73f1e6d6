#include "automation/wstring.h"

namespace automation {

WString WString::fromUtf8(std::string_view utf8) { return WString(utf16FromUtf8(utf8)); }

std::string WString::toUtf8() const { return utf8FromUtf16(text_); }

std::u16string utf16FromUtf8(std::string_view in) {
  std::u16string out;
  out.reserve(in.size());
  std::size_t i = 0;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
  while (i < in.size()) {
    const unsigned char c = byte(i);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    const std::size_t need = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 99;
    if (need == 0) {
      cp = c;
    } else if (need <= 3 && i + need < in.size()) {
      char32_t v = c & (0x3F >> need);
      bool ok = true;
      for (std::size_t k = 1; k <= need; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) { ok = false; break; }
        v = (v << 6) | (byte(i + k) & 0x3F);
      }
      static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
      if (ok && v >= minimum[need] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
        cp = v;
        len = need + 1;
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string utf8FromUtf16(std::u16string_view in) {
  std::string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    char32_t cp = in[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace automation
