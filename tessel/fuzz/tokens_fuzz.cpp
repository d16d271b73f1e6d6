// Feeds the token, field and search methods with a text, a separator or delimiter set and the
// numbers and flags they take, all cut from the fuzzer's bytes. Library errors are expected
// results; a crash, a hang or a leak is the fault looked for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "arrays.h"
#include "errors.h"
#include "search.h"
#include "tokens.h"

using automation::AutomationError;
using automation::SafeArray;
using automation::WString;

namespace {

// Reads the fuzzer's bytes: a header of small numbers, then texts separated by 0xFF bytes.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::int32_t number() { return static_cast<std::int8_t>(byte()); }
  // A text of UTF-16 characters: bytes below 0xF0 are themselves, 0xF0..0xFE pick a few
  // characters outside Latin-1; 0xFF ends the text. An absent text stands for null.
  WString text() {
    if (pos_ >= size_) return WString::null();
    std::u16string out;
    while (pos_ < size_ && data_[pos_] != 0xFF) {
      const std::uint8_t b = data_[pos_++];
      out.push_back(b < 0xF0 ? char16_t{b} : static_cast<char16_t>(0x391 + (b - 0xF0) * 7));
    }
    ++pos_;
    return WString(std::move(out));
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

template <class Body>
void tolerateLibraryErrors(Body&& body) {
  try {
    body();
  } catch (const AutomationError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const std::int32_t a = in.number(), b = in.number();
  const std::uint8_t flags = in.byte();
  const bool ignoreCase = flags & 1, global = flags & 2, trimRest = flags & 4;
  WString text = in.text(), sep = in.text(), other = in.text();
  const std::u16string separators(sep.view());

  tolerateLibraryErrors([&] {
    SafeArray tokens = SafeArray::vector(automation::VT_BSTR, a, static_cast<std::uint32_t>(b & 0x0F));
    std::int32_t numFlds = 0;
    tessel::strTokl(text, &tokens, separators, numFlds);
    if (numFlds != static_cast<std::int32_t>(tokens.elementCount())) __builtin_trap();
    SafeArray chars = SafeArray::vector(flags & 8 ? automation::VT_I2 : automation::VT_BSTR, a, 1);
    tessel::strChrl(text, &chars, numFlds);
  });
  tolerateLibraryErrors([&] {
    WString rest;
    tessel::frontTokenEx(text, rest, separators, trimRest);
    WString front = text, token = sep, restStr = other;
    tessel::frontToken(front, token, restStr, separators, trimRest);
  });
  tolerateLibraryErrors([&] { tessel::getFieldCount(text, separators, ignoreCase); });
  tolerateLibraryErrors([&] { tessel::getField(text, a, separators, ignoreCase); });
  tolerateLibraryErrors([&] { tessel::getDelimField(text, sep, other, b, ignoreCase); });
  tolerateLibraryErrors([&] { tessel::inStrR(a, text, sep, ignoreCase); });
  tolerateLibraryErrors([&] { tessel::numMatches(text, sep, ignoreCase); });
  tolerateLibraryErrors([&] {
    WString target = text;
    tessel::replaceStr(target, sep, other, ignoreCase, global);
  });
  tolerateLibraryErrors([&] {
    WString target = text;
    tessel::deleteStr(target, sep, ignoreCase, global);
    // A global delete leaves no occurrence behind.
    if (global && !ignoreCase && !sep.isEmpty() && target.view().find(sep.view()) != std::u16string_view::npos) {
      __builtin_trap();
    }
  });
  tolerateLibraryErrors([&] {
    WString target = text;
    tessel::insertStr(target, other, a);
    tessel::replaceAt(target, sep, a, b);
    tessel::deleteAt(target, b, a);
  });
  return 0;
}
