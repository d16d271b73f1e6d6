#pragma once
// Loading a picture for the small preview box.
#include <QImage>
#include <QSize>
#include <QString>

namespace albryn {

// The picture at path (JPEG, GIF or any format Qt reads) turned by its EXIF orientation and
// scaled to fit box, keeping its proportions; a null image when it cannot be read. Large JPEGs are
// decoded at a reduced size.
QImage LoadPreviewPicture(const QString& path, const QSize& box);

}  // namespace albryn
