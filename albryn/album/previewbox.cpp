#include "previewbox.h"

#include "previewpicture.h"

namespace albryn {

PreviewBox::PreviewBox(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("ImagePreview"));
  setAlignment(Qt::AlignCenter);
  // The box keeps the size its window gives it, whatever the picture.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

bool PreviewBox::showPicture(const QString& path) {
  const QImage picture = LoadPreviewPicture(path, contentsRect().size());
  if (picture.isNull()) return false;
  setPixmap(QPixmap::fromImage(picture));
  shownPath_ = path;
  return true;
}

void PreviewBox::showImage(const QPixmap& picture) {
  if (picture.isNull()) {
    clear();
  } else {
    setPixmap(picture.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  shownPath_.clear();
}

}  // namespace albryn
