#pragma once
// The string library's error codes and how its methods raise them.
#include <cstdint>

#include "automation/dispatch.h"
#include "interfaces/tessel.h"

namespace tessel {

// The codes are published with the interface (TesselErrs).
using TesselErr = TesselErrs;

// The text of a code ("\n" is a line break); empty for codes without one.
std::u16string_view errorText(std::int32_t code);

// The source named in every error the library raises.
inline constexpr char16_t kErrorSource[] = u"CTesselDLL";

// Raises code with its text (an exception a client sees with that number and text).
[[noreturn]] void raise(TesselErr code);
// Raises code with a text of its own (the file errors of ParseFile, code 7 with 2004's text).
[[noreturn]] void raise(std::int32_t code, std::u16string_view text);
// Fails with a plain status and no text (382 for read-only properties, 0x800A005E for Null).
[[noreturn]] void fail(automation::HRESULT status);

// 2009 when a required string argument is null (a zero-length string passes).
inline void requireNotNull(const automation::WString& s) {
  if (s.isNull()) raise(IDS_ERR_ARGUMENT_EMPTY);
}

}  // namespace tessel
