#pragma once
// A JPEG opened for one operation: what it is, whether it is whole and how large it is are
// checked before any pixel is decoded.
#include <QString>
#include <string>
#include <vips/vips8>

namespace albryn::imaging {

class JpegSource {
 public:
  // Throws ImageFailure: SourceUnreadable, NotJpeg, DecodeFailed (a broken or truncated file)
  // or TooLarge.
  explicit JpegSource(const QString& path);

  // The size as the user sees it, after the EXIF orientation.
  int width() const { return swapsSides_ ? header_.height() : header_.width(); }
  int height() const { return swapsSides_ ? header_.width() : header_.height(); }

  // The whole picture upright, as three-band 8-bit sRGB. It is decoded while the result is
  // encoded; `willTurn` asks for the random access that a rotation needs.
  vips::VImage upright(bool willTurn) const;
  // The picture upright at exactly width x height, decoded at the smallest JPEG scale that
  // still covers that size.
  vips::VImage thumbnail(int width, int height) const;

 private:
  std::string path_;
  vips::VImage header_;
  bool upright_ = true;     // no EXIF orientation other than "top-left"
  bool swapsSides_ = false;  // the orientation turns the picture by 90 degrees
};

}  // namespace albryn::imaging
