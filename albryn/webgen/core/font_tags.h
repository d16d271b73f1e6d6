#pragma once
// The HTML tag texts that carry each area's font into the pages.
#include <QString>

#include "page_attributes.h"

namespace albryn::webgen {

struct FontTags {
  QString linkFontOpen, linkFontClose;
  QString linkStyleOpen, linkStyleClose;
  QString backFontOpen, backFontClose;
  QString backStyleOpen, backStyleClose;
  bool operator==(const FontTags&) const = default;
};

// FONT tags for name, size and (display area only) colour, and U/B/I tags for the effects. One
// "</FONT>" closes however many FONT tags were opened, and the closing style tags follow the
// order of the opening ones; the pages are written with these texts as they are.
FontTags BuildFontTags(const PageAttributes& attributes);

}  // namespace albryn::webgen
