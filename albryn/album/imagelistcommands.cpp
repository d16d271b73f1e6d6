#include "imagelistcommands.h"

#include "droppedfiles.h"
#include "imagelist.h"
#include "paths.h"

namespace albryn {

QString ImageLimitMessage(int limit) {
  return QStringLiteral("Max %1 Image Limit Reached.").arg(limit);
}

void AddFromFileList(ImageList& images, ui::DialogServices& dialogs, int limit, const QString& folder,
                     const QStringList& selectedNames) {
  ui::BusyPointer busy(dialogs);
  QStringList paths;
  for (const QString& name : selectedNames) paths.append(JoinFolder(folder, name));
  images.appendAll(paths, limit);
  if (images.isFull(limit)) dialogs.message(ImageLimitMessage(limit));
}

void DropFiles(ImageList& images, ui::DialogServices& dialogs, int limit, const QList<QUrl>& urls) {
  ui::BusyPointer busy(dialogs);
  const DropOutcome outcome = AddDroppedFiles(images, urls, limit);
  if (outcome.limitReached) dialogs.message(ImageLimitMessage(limit));
  if (!outcome.failure.isEmpty()) dialogs.message(outcome.failure);
}

}  // namespace albryn
