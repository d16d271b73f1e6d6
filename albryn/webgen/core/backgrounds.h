#pragma once
// Copies the background pictures and the sound next to the generated pages.
#include <QString>

#include "page_attributes.h"

namespace albryn::webgen {

struct BackgroundValues {
  QString mainBackValue;  // how the pages name the display area's background
  QString linkBackValue;  // ... and the link area's
  bool operator==(const BackgroundValues&) const = default;
};

// For an image background, the web name of its file (copied into outputFolder under that name);
// for a colour text or an empty text, the text itself without surrounding spaces. The sound is
// copied under its web name too. A copy that fails is skipped silently: the pages still name the
// file.
BackgroundValues PrepareBackgrounds(const PageAttributes& attributes, const QString& outputFolder,
                                    bool autoSpaceReplacement);

// The name under which the sound is copied and which the pages embed.
QString SoundWebName(const QString& soundPath, bool autoSpaceReplacement);

// Copies source over destination through a temporary file, so that an existing destination is
// replaced only by a complete copy. Copying a file onto itself does nothing and succeeds.
bool CopyFileOver(const QString& source, const QString& destination);

}  // namespace albryn::webgen
