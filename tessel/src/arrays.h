#pragma once
// StrTokl and StrChrl: a string cut into the elements of a caller's array, which keeps its
// lower bound and is resized to exactly the elements stored.
#include <cstdint>
#include <string_view>

#include "automation/safearray.h"
#include "errors.h"

namespace tessel {

// Checks that array (null when the argument held no array) is a one-dimensional dynamic array
// of strings, or also of 16-bit integers when allowIntegers: 2001, 2002, 2003.
void checkArrayArgument(const automation::SafeArray* array, bool allowIntegers);

// Stores the tokens of inString (none for a null string); numFlds gets their number.
bool strTokl(const automation::WString& inString, automation::SafeArray* tokl, std::u16string_view separators,
             std::int32_t& numFlds);

// Stores each character of inStr, as a one-character string or as its signed 8-bit code.
bool strChrl(const automation::WString& inStr, automation::SafeArray* chrl, std::int32_t& numFlds);

// Resizes a checked string array to the pieces and stores them from its lower bound upward;
// raises failureCode when the array cannot be resized.
template <class Pieces>
void storeStrings(automation::SafeArray& array, const Pieces& pieces, TesselErr failureCode) {
  if (automation::failed(array.redim(static_cast<std::uint32_t>(pieces.size())))) raise(failureCode);
  std::int32_t index = array.lowerBound();
  for (const auto& piece : pieces) {
    array.put(index++, automation::Variant::string(automation::WString(piece)));
  }
}

}  // namespace tessel
