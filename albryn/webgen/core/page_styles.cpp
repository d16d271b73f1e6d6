#include "page_styles.h"

namespace albryn::webgen {

QString StyleWord(PageStyle style) {
  switch (style) {
    case PageStyle::Frame: return QStringLiteral("frame");
    case PageStyle::LinkThumb: return QStringLiteral("linkthumb");
    case PageStyle::FrameThumb: return QStringLiteral("framethumb");
    case PageStyle::Thumb: return QStringLiteral("thumb");
    case PageStyle::UDScroll: return QStringLiteral("udscroll");
    case PageStyle::LRScroll: return QStringLiteral("lrscroll");
  }
  return {};
}

std::optional<PageStyle> StyleFromWord(const QString& word) {
  for (const PageStyle style : kAllStyles)
    if (StyleWord(style) == word) return style;
  return std::nullopt;
}

StyleFlags FlagsForStyle(PageStyle style, StyleFlags current) {
  switch (style) {
    case PageStyle::Frame: return {true, false, false};
    case PageStyle::LinkThumb: return {true, true, false};
    case PageStyle::FrameThumb: return {true, false, true};
    case PageStyle::Thumb: return {false, false, true};
    case PageStyle::UDScroll:
    case PageStyle::LRScroll: return current;
  }
  return current;
}

}  // namespace albryn::webgen
