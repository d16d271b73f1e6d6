#pragma once
// Real picture files for the preview tests: a JPEG with an EXIF orientation and a tiny GIF.
#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "album_files.h"

namespace albryn::test {

// A 40 x 20 JPEG, red on the left and blue on the right, whose EXIF says "turn 90° clockwise".
inline void writeTurnedJpeg(const QString& path) {
  QImage image(40, 20, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.fillRect(0, 0, 20, 20, Qt::red);
  painter.fillRect(20, 0, 20, 20, Qt::blue);
  painter.end();
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 95);
  // APP1 "Exif" with a big-endian TIFF header and one IFD entry: Orientation (0x0112) = 6.
  const QByteArray exif = QByteArray::fromHex(
      "FFE10022" "457869660000" "4D4D002A00000008" "0001" "011200030000000100060000" "00000000");
  writeFile(path, jpeg.left(2) + exif + jpeg.mid(2));
}

// A 2 x 1 GIF: a red pixel and a blue one.
inline void writeGif(const QString& path) {
  writeFile(path, QByteArray::fromHex("474946383961" "02000100" "800000" "FF0000" "0000FF"
                                      "2C0000000002000100" "00" "02" "02440A" "00" "3B"));
}

}  // namespace albryn::test
