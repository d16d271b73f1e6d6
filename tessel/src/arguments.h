#pragma once
// How the variant arguments of the methods become values: separator strings, Compare integers
// and bGlobal flags.
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/variant.h"

namespace tessel {

// Built-in separator defaults of the methods.
inline constexpr char16_t kTokenSeparators[] = u" \n\r\t\v";
inline constexpr char16_t kFieldDelimiter[] = u" ";
inline constexpr char16_t kPathSeparator[] = u"\\";
inline constexpr char16_t kRecordSeparators[] = u"\n\r";
inline constexpr char16_t kParseFieldSeparators[] = u" \t\v";

// A string given by value, by reference, or by a reference to a variant holding one (even an
// empty one) is used; anything else falls back to the object's Separators when that is not
// empty, else to builtIn.
std::u16string separatorArgument(const automation::Variant& arg, const automation::WString& separators,
                                 std::u16string_view builtIn);

// The integer rule: missing is 0; 16/32-bit integers are themselves; a string gives the decimal
// number it begins with (0 when none); a boolean gives 1 for True and 0 for False; anything else
// is 0. Integers and strings may come by reference.
std::int32_t integerArgument(const automation::Variant& arg);

// Compare: nonzero means case-insensitive work.
inline bool ignoreCaseArgument(const automation::Variant& arg) { return integerArgument(arg) != 0; }

// The global-flag rule: the 16 bits the variant stores, unconverted, are not all zero (so a
// missing flag counts as true, and 65536 as false).
inline bool globalFlagArgument(const automation::Variant& arg) { return arg.storedLow16() != 0; }

}  // namespace tessel
