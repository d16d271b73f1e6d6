#pragma once
// The string library's error codes and how its methods raise them.
#include <cstdint>

#include "automation/dispatch.h"

namespace tessel {

enum TesselErr : std::int32_t {
  IDS_ERR_BYREF = 2001,
  IDS_ERR_WRONGDIM = 2002,
  IDS_ERR_DYNAMIC = 2003,
  IDS_ERR_HEAPALLOC = 2004,
  IDP_UNABLE_TO_CREATE_INPROC = 2005,
  IDS_ERR_STRTOKL = 2006,
  IDS_ERR_PARSEFILE = 2007,
  IDS_ERR_RANGE = 2008,
  IDS_ERR_ARGUMENT_EMPTY = 2009,
  IDS_ERR_STRCHRL = 2010,
  IDS_ERR_STRTYPEMISMATCH = 2011,
  IDS_ERR_INTTYPEMISMATCH = 2012,
  IDS_ERR_TYPEMISMATCH = 2013,
  IDS_ERR_PARAMTYPE = 2014,
};

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
