#pragma once
// The file-type filter string: pairs of display text and extension list separated by "|",
// extensions separated by ";" and written as "*.ext".
#include <string_view>

#include "interfaces/kestrel.h"

namespace kestrel {

// Builds the filters of a filter string. An odd number of parts builds no filter; an extension
// list that starts empty raises ecBadFilterFormat; other errors (an extension in two filters)
// are raised again with the source "CKestrel.ParseFilter".
automation::ComPtr<IFilters> parseFilterString(std::u16string_view text);

}  // namespace kestrel
