#pragma once
// The small picture preview: a box that shows a picture scaled to fit, turned by its EXIF
// orientation. A picture that cannot be loaded leaves the box as it was.
#include <QLabel>

namespace albryn {

class PreviewBox : public QLabel {
  Q_OBJECT

 public:
  explicit PreviewBox(QWidget* parent = nullptr);

  // Shows the picture at path; false, with the box unchanged, when it cannot be loaded.
  bool showPicture(const QString& path);
  // The picture file shown now, empty for the logo or nothing.
  QString shownPath() const { return shownPath_; }
  // Shows a picture that is not a file (the logo); null clears the box.
  void showImage(const QPixmap& picture);

 private:
  QString shownPath_;
};

}  // namespace albryn
