// imaging_resize_bench OUTPUT_FOLDER PICTURE...: makes a 100 x 75 thumbnail of every picture
// into the folder, one after the other, the way album generation does. Prints each failure and
// exits with 1 when there was one.
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "image_operations.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PICTURE...\n", argv[0]);
    return 2;
  }
  const albryn::ImageLibrary library;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  int status = 0;
  for (int i = 2; i < argc; ++i) {
    const QString source = QString::fromLocal8Bit(argv[i]);
    const QString destination = folder + "/" + QFileInfo(source).fileName();
    const QString result = albryn::ResizeImageFile(source, destination, 0, 100, 75);
    if (!result.isEmpty()) {
      std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(result));
      status = 1;
    }
  }
  return status;
}
