#pragma once
// The six page styles, their words and the flags that steer the writers.
#include <QString>
#include <optional>

namespace albryn::webgen {

enum class PageStyle { Frame, LinkThumb, FrameThumb, Thumb, UDScroll, LRScroll };

inline constexpr PageStyle kAllStyles[] = {PageStyle::Frame,    PageStyle::LinkThumb,
                                           PageStyle::FrameThumb, PageStyle::Thumb,
                                           PageStyle::UDScroll, PageStyle::LRScroll};

// "frame", "linkthumb", "framethumb", "thumb", "udscroll", "lrscroll".
QString StyleWord(PageStyle style);
std::optional<PageStyle> StyleFromWord(const QString& word);

struct StyleFlags {
  bool useFrames = false;
  bool thumbsInLinks = false;
  bool thumbsInMain = false;
  bool operator==(const StyleFlags&) const = default;
};

// The flags after choosing style, starting from the flags as the generate command left them
// (the scroll styles do not change them).
StyleFlags FlagsForStyle(PageStyle style, StyleFlags current);

}  // namespace albryn::webgen
