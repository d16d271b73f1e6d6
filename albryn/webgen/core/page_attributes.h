#pragma once
// The look of the generated pages: title, sound, and for each of the two page areas a background
// (colour or image) and a font. Colours are 24-bit values with red in the low byte (0x00BBGGRR);
// the pages carry them as six-digit colour texts in HTML order (RRGGBB).
#include <QString>
#include <QtGlobal>

namespace albryn::webgen {

struct FontSettings {
  QString name;
  QString size;       // an HTML font size, written into the pages as typed
  bool underline = false;
  bool bold = false;
  bool italic = false;
  QString colorText;  // RRGGBB (the display area starts with "0")
  quint32 color = 0;  // the swatch, 0x00BBGGRR
  bool operator==(const FontSettings&) const = default;
};

struct AreaLook {
  QString backgroundText;      // a colour text, a full image path, or empty
  quint32 backgroundSwatch = 0;
  bool backIsColor = true;     // whether backgroundText is a colour text
  FontSettings font;
  bool operator==(const AreaLook&) const = default;
};

struct PageAttributes {
  QString title;
  QString soundPath;
  AreaLook link;     // the "Web Page Image Link Frame"
  AreaLook display;  // the "Web Page Title and Image Display Frame"
  bool operator==(const PageAttributes&) const = default;
};

inline const QString kInitialTitle = QStringLiteral("Created with Albryn Web Page Generator");

// The values at start-up.
PageAttributes InitialPageAttributes();
// The values after "New": as at start-up but with an empty title.
PageAttributes ResetPageAttributes();

// 0x00BBGGRR -> "RRGGBB", upper-case, zero-padded.
QString ColorToText(quint32 color);
// "RRGGBB" -> 0x00BBGGRR: characters 5-6, 3-4 and 1-2 read together as one hexadecimal number.
// A shorter text gives what those positions hold ("0" gives black); reading stops at the first
// character that is not a hexadecimal digit.
quint32 TextToColor(const QString& text);

constexpr quint32 RgbColor(int red, int green, int blue) {
  return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

}  // namespace albryn::webgen
