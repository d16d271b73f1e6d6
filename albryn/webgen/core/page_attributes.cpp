#include "page_attributes.h"

namespace albryn::webgen {

namespace {

FontSettings Font(const QString& name, const QString& size, bool bold, bool italic,
                  const QString& colorText, quint32 color) {
  FontSettings f;
  f.name = name;
  f.size = size;
  f.bold = bold;
  f.italic = italic;
  f.colorText = colorText;
  f.color = color;
  return f;
}

AreaLook Look(const QString& backgroundText, quint32 swatch, const FontSettings& font) {
  AreaLook look;
  look.backgroundText = backgroundText;
  look.backgroundSwatch = swatch;
  look.backIsColor = true;
  look.font = font;
  return look;
}

}  // namespace

PageAttributes ResetPageAttributes() {
  PageAttributes a;
  a.link = Look(QStringLiteral("80FFFF"), RgbColor(128, 255, 255),
                Font(QStringLiteral("Arial"), QStringLiteral("3"), false, false,
                     QStringLiteral("0000FF"), RgbColor(0, 0, 255)));
  a.display = Look(QStringLiteral("0080FF"), RgbColor(0, 128, 255),
                   Font(QStringLiteral("Arial"), QStringLiteral("6"), true, true,
                        QStringLiteral("0"), RgbColor(0, 0, 0)));
  return a;
}

PageAttributes InitialPageAttributes() {
  PageAttributes a = ResetPageAttributes();
  a.title = kInitialTitle;
  return a;
}

QString ColorToText(quint32 color) {
  const auto hex = [](quint32 byte) { return QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QChar(u'0')); };
  return (hex(color) + hex(color >> 8) + hex(color >> 16)).toUpper();
}

quint32 TextToColor(const QString& text) {
  const QString bbggrr = text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
  quint32 value = 0;
  for (const QChar c : bbggrr) {
    bool ok = false;
    const uint digit = QString(c).toUInt(&ok, 16);
    if (!ok) break;
    value = value * 16 + digit;
  }
  return value & 0xFFFFFF;
}

}  // namespace albryn::webgen
