#pragma once
// Conversions the format parsers share: month names, permission strings, numbers and columns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {
class TesselClient;
}

namespace plover {

// "jan"/"january" ... "dec"/"december" (any case) as "01" ... "12"; ecBadDateFormat with the
// source "CPlover.MonSToI" for anything else.
std::u16string monthNumber(std::u16string_view name);

// The nine Unix permission characters (owner, group, world) as a 16-position string: "rwxd" for
// the system, and after each group a copy of its read flag as its delete flag.
std::u16string unixPermissions(std::u16string_view modes);

// A VMS protection such as "(RWED,RWED,RE,)" as a 16-position string: "rwxdrwxdr-x-----".
std::u16string vmsPermissions(const kestrel::TesselClient& tessel, const std::u16string& protection);

// A number as listings write it: an optional sign, digits with optional thousands separators
// and an optional fraction. None when the text is not such a number.
std::optional<double> numberValue(std::u16string_view text);
inline bool isNumeric(std::u16string_view text) { return numberValue(text).has_value(); }
// A number rounded and held in 32 bits, the largest (or smallest) value when it is beyond.
std::int32_t clampedInt32(double value);

// Where column `index` (0-based) of a line begins, the columns being runs of characters not in
// `separators`; npos when the line has fewer columns.
std::size_t columnStart(std::u16string_view line, std::u16string_view separators, std::size_t index);

// The number of lines in a text whose lines end in CR LF, LF or CR.
std::size_t lineCount(std::u16string_view text);

// The text after the first line end (CR LF, LF or CR); empty when there is none.
std::u16string_view afterFirstLine(std::u16string_view text);

std::u16string lowerCase(std::u16string_view text);
std::u16string decimal(std::int64_t n);

}  // namespace plover
