#pragma once
// Small drawings that show what each page style looks like in a browser.
#include <QPixmap>

#include "page_styles.h"

namespace albryn::webgen {

inline constexpr int kStylePictureWidth = 120;
inline constexpr int kStylePictureHeight = 90;

QPixmap DrawStylePicture(PageStyle style);

}  // namespace albryn::webgen
