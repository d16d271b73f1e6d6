#pragma once
// The three listing formats: Unix "ls -l" lines, DOS directory listings and VMS listings. Each
// reads the reply's non-empty lines into entries, asking before each line whether to go on.
#include <functional>
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
  // Called with each entry; returns false when the parse is to stop.
  std::function<bool(const ListingEntry&)> onEntry;
};

// Each reads the listing's entries in order and hands them to onEntry; returns false when
// beforeLine or onEntry stopped it. Errors: ecParseError for a line of the wrong shape,
// ecBadDateFormat for an unknown month, anything else raised again with the parser's name as
// the source.
bool parseUnix(const std::vector<std::u16string_view>& lines, const ParseContext& context);
bool parseDos(const std::vector<std::u16string_view>& lines, const ParseContext& context);
bool parseVms(const std::vector<std::u16string_view>& lines, const ParseContext& context);

}  // namespace plover
