#pragma once
// What the "..." buttons of the panel "Title, Fonts and Backgrounds" do to the page attributes,
// through the dialog services. Cancelling a dialog changes nothing and reports nothing.
#include <QColor>
#include <QString>

#include "dialog_services.h"
#include "page_attributes.h"

namespace albryn::webgen {

// The background chooser's answers.
inline const QString kChooseImage = QStringLiteral("image");
inline const QString kChooseColor = QStringLiteral("color");
inline const QString kChooseClear = QStringLiteral("clear");
inline const QString kChooseCancel = QStringLiteral("cancel");

inline constexpr quint32 kWhite = 0xFFFFFF;

// A 0x00BBGGRR colour as a QColor, and back.
QColor ToQColor(quint32 color);
quint32 FromQColor(const QColor& color);

// Acts on the background chooser's word for one area: "image" asks for a picture (starting at
// pathEntry, which then holds the picture chosen), "color" for a colour, "clear" empties the
// background; anything else changes nothing.
void ChooseBackground(const QString& word, AreaLook& area, ui::DialogServices& dialogs,
                      QString& pathEntry);

// The font dialog for one area, starting from its values. A size text that is not a number
// gives the font error message and changes nothing.
void ChooseFont(FontSettings& font, ui::DialogServices& dialogs);

// Asks for the background sound (starting at midiEntry, which then holds the sound chosen).
void ChooseSound(QString& soundPath, ui::DialogServices& dialogs, QString& midiEntry);

// Whether a character may be typed into the title and the read-only boxes of the panel: the
// apostrophe and the double quote would break the quoted attributes of the pages.
bool IsAllowedInTitle(QChar c);

}  // namespace albryn::webgen
