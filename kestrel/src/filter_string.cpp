#include "filter_string.h"

#include <vector>

#include "com_support.h"
#include "error_module.h"
#include "model.h"

namespace kestrel {

namespace {

constexpr char16_t kSource[] = u"CKestrel.ParseFilter";

// Splits at every separator, keeping empty parts ("a|" is "a" and "").
std::vector<std::u16string_view> splitKeepingEmpty(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::u16string_view::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

ComPtr<IFilters> parseFilterString(std::u16string_view text) {
  auto filters = makeFilters();
  try {
    ComPtr<IExts> exts;
    check(filters->get_Exts(exts.put()));
    const auto parts = splitKeepingEmpty(text, u'|');
    if (parts.size() % 2 != 0) return filters;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
      const WString display(parts[i]);
      ComPtr<IFilter> filter;
      check(filters->Add(display, filter.put()));
      const auto extensions = splitKeepingEmpty(parts[i + 1], u';');
      if (extensions.front().empty()) raiseLibraryError(ecBadFilterFormat, kSource);
      for (std::u16string_view pattern : extensions) {
        if (pattern.empty()) continue;
        ComPtr<IExt> ext;
        // The pattern is written "*.ext": the extension follows its first two characters.
        check(exts->Add(display, WString(pattern.substr(std::min<std::size_t>(2, pattern.size()))), ext.put()));
      }
    }
  } catch (const AutomationError& e) {
    if (e.number() == ecBadFilterFormat) throw;
    raiseAgain(e, kSource, kLibrary);
  }
  return filters;
}

}  // namespace kestrel
