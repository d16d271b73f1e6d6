#include "previewpicture.h"

#include <QImageReader>

namespace albryn {

QImage LoadPreviewPicture(const QString& path, const QSize& box) {
  if (box.isEmpty()) return {};
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QSize stored = reader.size();
  if (stored.isValid()) {
    // Decode straight at the size needed. The reader's size is the stored one, before turning.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QSize decoded = turned ? box.transposed() : box;
    decoded = stored.scaled(decoded, Qt::KeepAspectRatio);
    if (decoded.width() < stored.width()) reader.setScaledSize(decoded);
  }
  const QImage picture = reader.read();
  if (picture.isNull()) return {};
  if (picture.size() == picture.size().scaled(box, Qt::KeepAspectRatio)) return picture;
  return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace albryn
