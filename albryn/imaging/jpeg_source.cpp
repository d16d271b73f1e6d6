#include "jpeg_source.h"

#include <QFile>

#include "image_failure.h"
#include "jpeg_structure.h"

namespace albryn::imaging {
namespace {

using vips::VImage;

// Decoding stops at damage that libvips reports instead of inventing pixels (truncation, which
// it may fail to report, is found before: see jpeg_structure.h).
vips::VOption* LoadOptions(VipsAccess access) {
  return VImage::option()->set("access", access)->set("fail_on", VIPS_FAIL_ON_ERROR);
}

// Grey or CMYK JPEGs become sRGB, dropping a colour profile that no longer fits the pixels.
VImage AsRgb(VImage image) {
  if (image.bands() == 3 && image.interpretation() == VIPS_INTERPRETATION_sRGB) return image;
  image = image.colourspace(VIPS_INTERPRETATION_sRGB).copy();
  image.remove(VIPS_META_ICC_NAME);
  return image;
}

}  // namespace

JpegSource::JpegSource(const QString& path) : path_(QFile::encodeName(path).toStdString()) {
  CheckJpegFile(path);
  try {
    header_ = VImage::jpegload(path_.c_str(), LoadOptions(VIPS_ACCESS_SEQUENTIAL));
  } catch (const vips::VError&) {
    vips_error_clear();
    fail(ImageError::DecodeFailed);
  }
  upright_ = vips_image_get_orientation(header_.get_image()) == 1;
  swapsSides_ = vips_image_get_orientation_swap(header_.get_image());
}

VImage JpegSource::upright(bool willTurn) const {
  const VipsAccess access =
      willTurn || !upright_ ? VIPS_ACCESS_RANDOM : VIPS_ACCESS_SEQUENTIAL;
  return AsRgb(VImage::jpegload(path_.c_str(), LoadOptions(access)).autorot());
}

VImage JpegSource::thumbnail(int width, int height) const {
  return AsRgb(VImage::thumbnail(path_.c_str(), width,
                                 VImage::option()
                                     ->set("height", height)
                                     ->set("size", VIPS_SIZE_FORCE)
                                     ->set("fail_on", VIPS_FAIL_ON_ERROR)));
}

}  // namespace albryn::imaging
