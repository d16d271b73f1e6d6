#pragma once
// Conversions the format parsers share: month names, permission strings, numbers and columns.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {
class TesselClient;
}

namespace plover {

// "jan"/"january" ... "dec"/"december" (any case) as "01" ... "12"; ecBadDateFormat with the
// source "CPlover.MonSToI" for anything else.
std::u16string_view monthNumber(std::u16string_view name);

// The nine Unix permission characters (owner, group, world) as a 16-position string: "rwxd" for
// the system, and after each group a copy of its read flag as its delete flag. Written into buffer.
std::u16string_view unixPermissions(std::u16string_view modes, std::array<char16_t, 16>& buffer);

// A VMS protection such as "(RWED,RWED,RE,)" as a 16-position string: "rwxdrwxdr-x-----".
std::u16string vmsPermissions(const kestrel::TesselClient& tessel, const std::u16string& protection);

// A number as listings write it: an optional sign, digits with optional thousands separators
// and an optional fraction. None when the text is not such a number.
std::optional<double> numberValue(std::u16string_view text);
inline bool isNumeric(std::u16string_view text) { return numberValue(text).has_value(); }
// A number rounded and held in 32 bits, the largest (or smallest) value when it is beyond.
std::int32_t clampedInt32(double value);

// A set of separator characters, with a table for the ASCII range so that cutting a line does
// not search the set for every character.
class SeparatorSet {
 public:
  constexpr SeparatorSet(std::u16string_view characters) : characters_(characters) {
    for (char16_t c : characters) {
      if (c < 128) ascii_[c] = true;
      highest_ = std::max(highest_, c);
    }
  }
  // Most characters of a listing lie above every separator: one comparison settles them.
  constexpr bool contains(char16_t c) const {
    if (c > highest_) return false;
    return c < 128 ? ascii_[c] : characters_.find(c) != std::u16string_view::npos;
  }

 private:
  std::u16string_view characters_;
  std::array<bool, 128> ascii_{};
  char16_t highest_ = 0;
};

// The columns of a line: the runs of characters not in `separators` (a line without any is its
// own one column), cut as the string library's StrTokl cuts tokens. The views point into line,
// so a column's position in the line is known.
std::vector<std::u16string_view> columnsOf(std::u16string_view line, const SeparatorSet& separators);
// The same into a vector kept by the caller, so that a parse does not allocate for every line.
void columnsOf(std::u16string_view line, const SeparatorSet& separators, std::vector<std::u16string_view>& columns);

// The extension of a file name: what follows its last "." (none without a "."), as the string
// library's FileExt splits names.
std::u16string_view extensionOf(std::u16string_view name);

// A file key: the folder key and the name joined by sep unless the key ends, or the name
// begins, with it; as the string library's FilePath builds paths.
// Written into key, whose buffer is reused from entry to entry.
void joinKey(std::u16string_view folderKey, std::u16string_view name, std::u16string_view sep, std::u16string& key);

// The text after the first line end (CR LF, LF or CR); empty when there is none.
std::u16string_view afterFirstLine(std::u16string_view text);

std::u16string lowerCase(std::u16string_view text);
std::u16string decimal(std::int64_t n);

}  // namespace plover
