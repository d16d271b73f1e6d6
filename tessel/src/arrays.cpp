#include "arrays.h"

#include <vector>

#include "tokens.h"

namespace tessel {

using automation::SafeArray;
using automation::Variant;
using automation::WString;

void checkArrayArgument(const SafeArray* array, bool allowIntegers) {
  const bool typeFits = array && (array->elementType() == automation::VT_BSTR ||
                                  (allowIntegers && array->elementType() == automation::VT_I2));
  if (!typeFits) raise(IDS_ERR_BYREF);
  if (array->dimensions() != 1) raise(IDS_ERR_WRONGDIM);
  constexpr std::uint16_t fixed = automation::FADF_STATIC | automation::FADF_FIXEDSIZE;
  if ((array->features() & fixed) == fixed) raise(IDS_ERR_DYNAMIC);
}

bool strTokl(const WString& inString, SafeArray* tokl, std::u16string_view separators, std::int32_t& numFlds) {
  numFlds = 0;
  checkArrayArgument(tokl, false);
  std::vector<std::u16string_view> tokens;
  if (!inString.isNull()) tokens = tokensOf(inString.view(), separators);
  storeStrings(*tokl, tokens, IDS_ERR_STRTOKL);
  numFlds = static_cast<std::int32_t>(tokens.size());
  return numFlds > 0;
}

namespace {

// The character's code in the library's single-byte code page (Latin-1; other characters
// become '?'), read as a signed byte: codes 128 to 255 give -128 to -1.
std::int16_t signedByteCode(char16_t c) {
  const unsigned char byte = c <= 0xFF ? static_cast<unsigned char>(c) : static_cast<unsigned char>('?');
  return static_cast<std::int16_t>(static_cast<signed char>(byte));
}

}  // namespace

bool strChrl(const WString& inStr, SafeArray* chrl, std::int32_t& numFlds) {
  requireNotNull(inStr);
  checkArrayArgument(chrl, true);
  const std::u16string_view text = inStr.view();
  if (chrl->elementType() == automation::VT_BSTR) {
    std::vector<std::u16string_view> characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) characters.push_back(text.substr(i, 1));
    storeStrings(*chrl, characters, IDS_ERR_STRCHRL);
  } else {
    if (automation::failed(chrl->redim(static_cast<std::uint32_t>(text.size())))) raise(IDS_ERR_STRCHRL);
    std::int32_t index = chrl->lowerBound();
    for (char16_t c : text) {
      if (automation::failed(chrl->put(index++, Variant::i2(signedByteCode(c))))) raise(IDS_ERR_STRCHRL);
    }
  }
  numFlds = static_cast<std::int32_t>(text.size());
  return !text.empty();
}

}  // namespace tessel
