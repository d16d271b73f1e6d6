#include "droppedfiles.h"

#include "imagelist.h"

namespace albryn {

QString ReduceDoubledSeparators(QString path) {
  while (path.contains(QStringLiteral("//"))) path.replace(QStringLiteral("//"), QStringLiteral("/"));
  return path;
}

DropOutcome AddDroppedFiles(ImageList& images, const QList<QUrl>& urls, int limit) {
  DropOutcome outcome;
  QStringList paths;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) {
      outcome.failure = QStringLiteral("Not a local file: %1").arg(url.toDisplayString());
      break;
    }
    if (images.count() + paths.size() >= limit) {
      outcome.limitReached = true;
      break;
    }
    paths.append(ReduceDoubledSeparators(url.toLocalFile()));
  }
  outcome.added = images.appendAll(paths, limit);
  return outcome;
}

}  // namespace albryn
