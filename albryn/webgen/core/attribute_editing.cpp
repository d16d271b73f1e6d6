#include "attribute_editing.h"

#include <QColor>

#include "page_file.h"

namespace albryn::webgen {

QColor ToQColor(quint32 color) {
  return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

quint32 FromQColor(const QColor& c) { return RgbColor(c.red(), c.green(), c.blue()); }

void ChooseBackground(const QString& word, AreaLook& area, ui::DialogServices& dialogs,
                      QString& pathEntry) {
  if (word == kChooseImage) {
    ui::FileRequest request;
    request.filter = QStringLiteral("JPG (*.jpg)|*.jpg|GIF (*.gif)|*.gif|All (*.*)|*.*");
    request.initialName = pathEntry;
    const std::optional<QString> path = dialogs.openFile(request);
    if (!path) return;
    area.backgroundText = *path;
    area.backgroundSwatch = kWhite;
    area.backIsColor = false;
    pathEntry = *path;
  } else if (word == kChooseColor) {
    const std::optional<QColor> color = dialogs.chooseColour(ToQColor(area.backgroundSwatch));
    if (!color || !color->isValid()) return;
    area.backgroundSwatch = FromQColor(*color);
    area.backgroundText = ColorToText(area.backgroundSwatch);
    area.backIsColor = true;
  } else if (word == kChooseClear) {
    area.backgroundText.clear();
    area.backgroundSwatch = kWhite;
    area.backIsColor = false;
  }
}

void ChooseFont(FontSettings& font, ui::DialogServices& dialogs) {
  bool isNumber = false;
  const double size = font.size.trimmed().toDouble(&isNumber);
  if (!isNumber) {
    dialogs.message(FailureText(QStringLiteral("Error Selecting Font.!"),
                                {13, QStringLiteral("Type mismatch")}),
                    ui::MessageIcon::Warning);
    return;
  }
  ui::FontChoice start;
  start.family = font.name;
  start.pointSize = size;
  start.underline = font.underline;
  start.bold = font.bold;
  start.italic = font.italic;
  start.colour = ToQColor(font.color);
  const std::optional<ui::FontChoice> chosen = dialogs.chooseFont(start);
  if (!chosen) return;
  font.name = chosen->family;
  font.size = QString::number(chosen->pointSize);
  font.underline = chosen->underline;
  font.bold = chosen->bold;
  font.italic = chosen->italic;
  font.color = FromQColor(chosen->colour);
  font.colorText = ColorToText(font.color);
}

void ChooseSound(QString& soundPath, ui::DialogServices& dialogs, QString& midiEntry) {
  ui::FileRequest request;
  request.filter = QStringLiteral("Midi (*.mid)|*.mid|All (*.*)|*.*");
  request.defaultExtension = QStringLiteral("mid");
  request.initialName = midiEntry;
  const std::optional<QString> path = dialogs.openFile(request);
  if (!path) return;
  soundPath = *path;
  midiEntry = *path;
}

bool IsAllowedInTitle(QChar c) { return c != u'\'' && c != u'"'; }

}  // namespace albryn::webgen
