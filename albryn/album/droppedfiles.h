#pragma once
// Pictures dragged from a file manager onto the image list.
#include <QList>
#include <QString>
#include <QUrl>

namespace albryn {

class ImageList;

// The path with every run of separators reduced to a single '/'.
QString ReduceDoubledSeparators(QString path);

struct DropOutcome {
  int added = 0;
  bool limitReached = false;  // a dropped file was refused because the list was full
  QString failure;            // why the drop stopped early, empty when it did not fail
};

// Adds the dropped files in the drag's order. A file the limit refuses ends the drop, and so does
// a URL that is not a local file; the rows added before stay.
DropOutcome AddDroppedFiles(ImageList& images, const QList<QUrl>& urls, int limit);

}  // namespace albryn
