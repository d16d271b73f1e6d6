#include "font_tags.h"

namespace albryn::webgen {

namespace {

void BuildFontOpen(const FontSettings& font, bool withColor, QString& open, QString& close) {
  if (!font.name.isEmpty()) {
    open = QStringLiteral("<FONT FACE=") + font.name + QStringLiteral("> ");
    close = QStringLiteral("</FONT>");
  }
  if (!font.size.isEmpty()) open += QStringLiteral(" <FONT SIZE=") + font.size + QStringLiteral("> ");
  if (withColor && !font.colorText.isEmpty())
    open += QStringLiteral(" <FONT COLOR=") + font.colorText + QStringLiteral("> ");
}

void BuildStyle(const FontSettings& font, QString& open, QString& close) {
  if (font.underline) {
    open = QStringLiteral("<U>");
    close = QStringLiteral("</U>");
  }
  if (font.bold) {
    open += QStringLiteral("<B>");
    close += QStringLiteral("</B>");
  }
  if (font.italic) {
    open += QStringLiteral("<I>");
    close += QStringLiteral("</I>");
  }
}

}  // namespace

FontTags BuildFontTags(const PageAttributes& attributes) {
  FontTags tags;
  BuildFontOpen(attributes.display.font, true, tags.backFontOpen, tags.backFontClose);
  BuildStyle(attributes.display.font, tags.backStyleOpen, tags.backStyleClose);
  // The link area's colour goes into the link page's LINK and VLINK values instead.
  BuildFontOpen(attributes.link.font, false, tags.linkFontOpen, tags.linkFontClose);
  BuildStyle(attributes.link.font, tags.linkStyleOpen, tags.linkStyleClose);
  return tags;
}

}  // namespace albryn::webgen
