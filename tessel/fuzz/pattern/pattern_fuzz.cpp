// Compiles arbitrary patterns and runs them on arbitrary text through the four pattern
// methods. Input: one flag byte, then pattern, text and replacement separated by 0x01 bytes.
// Bytes are characters of the same code, except 0xF8..0xFF, which become surrogate halves.
// The incremental delete loop is checked against deleting by rescanning from the start.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "delete_reference.h"
#include "pattern_methods.h"

namespace {

std::u16string characters(const std::uint8_t* data, std::size_t size) {
  std::u16string s;
  s.reserve(size);
  for (std::size_t i = 0; i < size; ++i)
    s.push_back(data[i] >= 0xF8 ? static_cast<char16_t>(0xD800 + (data[i] - 0xF8) * 0x100) : data[i]);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const bool ignoreCase = flags & 1;
  const bool global = flags & 2;
  const std::int32_t start = static_cast<std::int8_t>(flags) >> 2;

  std::u16string parts[3];
  std::size_t part = 0;
  for (std::size_t i = 1, from = 1; i <= size; ++i) {
    if (i == size || (data[i] == 0x01 && part < 2)) {
      parts[part++] = characters(data + from, i - from);
      from = i + 1;
    }
  }
  const automation::WString pattern(parts[0]), text(parts[1]), replacement(parts[2]);

  std::int32_t length = -1;
  const std::int32_t at = tessel::regInStr(start, text, pattern, length, ignoreCase);
  if (at < -1 || at > static_cast<std::int32_t>(text.size()) || (at >= 0 && at + length > static_cast<std::int32_t>(text.size())))
    std::abort();
  tessel::regNumMatches(text, pattern, ignoreCase);

  automation::WString replaced(text);
  tessel::regReplaceStr(replaced, pattern, replacement, ignoreCase, global);

  automation::WString deleted(text);
  const std::int32_t count = tessel::regDeleteStr(deleted, pattern, ignoreCase, global);
  if (!ignoreCase && text.size() <= 256) {
    const auto expected = tessel::testing::deleteByRescanning(text.str(), pattern.view(), global);
    if (expected && (expected->count != count || expected->text != deleted.str())) std::abort();
  }
  return 0;
}
