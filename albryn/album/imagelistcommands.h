#pragma once
// Adding pictures to the image list with the limit message: from the local file list's selection
// and from files dropped by a file manager.
#include <QList>
#include <QStringList>
#include <QUrl>

#include "dialog_services.h"

namespace albryn {

class ImageList;

// "Max " + limit + " Image Limit Reached."
QString ImageLimitMessage(int limit);

// Appends folder/name for each selected name of the file list, in list order, while the list has
// room. When the list is full afterwards the limit message is shown once, also when the picture
// that filled it was the last one wanted; an add on a full list adds nothing and shows it again.
void AddFromFileList(ImageList& images, ui::DialogServices& dialogs, int limit, const QString& folder,
                     const QStringList& selectedNames);

// Appends dropped files in the drag's order (doubled separators reduced). A file the limit refuses
// ends the drop with the limit message; a URL that is not a local file ends it with a message
// saying so. Rows added before stay.
void DropFiles(ImageList& images, ui::DialogServices& dialogs, int limit, const QList<QUrl>& urls);

}  // namespace albryn
