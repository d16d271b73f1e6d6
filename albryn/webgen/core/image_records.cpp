#include "image_records.h"

#include "paths.h"

namespace albryn::webgen {

namespace {

constexpr qsizetype kExtensionLength = 4;

QString WithoutExtension(const QString& fileName) {
  return fileName.left(qMax<qsizetype>(0, fileName.size() - kExtensionLength));
}

}  // namespace

std::vector<ImageRecord> BuildImageRecords(const QStringList& paths,
                                           const QStringList& displayNames,
                                           bool autoSpaceReplacement) {
  std::vector<ImageRecord> records;
  const qsizetype count = qMin(paths.size(), displayNames.size());
  records.reserve(count);
  for (qsizetype i = 0; i < count; ++i) {
    const QString& path = paths[i];
    const QString fileName = FileNameOf(path);
    ImageRecord r;
    r.displayName = displayNames[i];
    r.folder = FolderOf(path);
    r.baseName = WithoutExtension(fileName);
    r.extension = fileName.mid(r.baseName.size());
    r.thumbnailBase = r.baseName;
    r.webBase = WithoutExtension(MakeWebName(fileName, autoSpaceReplacement));
    records.push_back(r);
  }
  return records;
}

}  // namespace albryn::webgen
