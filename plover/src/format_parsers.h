#pragma once
// The three listing formats: Unix "ls -l" lines, DOS directory listings and VMS listings. Each
// reads the reply's non-empty lines into entries, testing for a cancel and calling the yield
// hook before each line.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "listing_entry.h"

namespace kestrel {
class TesselClient;
}

namespace plover {

// The source of errors raised by the parser without a source of their own.
inline constexpr char16_t kLibrary[] = u"Plover";

struct ParseContext {
  const kestrel::TesselClient& tessel;
  // Called before each line; returns true when the parse is to stop (cancelled).
  std::function<bool()> beforeLine;
};

// Each returns the entries, or none when the parse was cancelled. Errors: ecParseError for a
// line of the wrong shape, ecBadDateFormat for an unknown month, anything else raised again
// with the parser's name as the source.
std::optional<ListingEntries> parseUnix(const std::vector<std::u16string_view>& lines, const ParseContext& context);
std::optional<ListingEntries> parseDos(const std::vector<std::u16string_view>& lines, const ParseContext& context);
std::optional<ListingEntries> parseVms(const std::vector<std::u16string_view>& lines, const ParseContext& context);

}  // namespace plover
