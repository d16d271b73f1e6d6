#include "arguments.h"

#include <limits>

namespace tessel {

using automation::Variant;

std::u16string separatorArgument(const Variant& arg, const automation::WString& separators,
                                 std::u16string_view builtIn) {
  if (const automation::WString* s = arg.getString()) return std::u16string(s->view());
  if (!separators.isEmpty()) return std::u16string(separators.view());
  return std::u16string(builtIn);
}

namespace {

// The decimal number a text begins with, after leading blanks; saturated to 32 bits.
std::int32_t leadingNumber(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::int64_t value = 0;
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > limit) value = limit;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t integerArgument(const Variant& arg) {
  if (auto i = arg.getI4()) return *i;
  if (auto i = arg.getI2()) return *i;
  if (const automation::WString* s = arg.getString()) return leadingNumber(s->view());
  if (auto b = arg.getBool()) return *b ? 1 : 0;
  return 0;
}

}  // namespace tessel
