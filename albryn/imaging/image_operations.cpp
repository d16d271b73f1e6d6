#include "image_operations.h"

#include <cmath>
#include <exception>
#include <memory>
#include <vips/vips8>

#include "atomic_file.h"
#include "image_failure.h"
#include "jpeg_source.h"
#include "library_started.h"

namespace albryn {
namespace {

using imaging::fail;
using imaging::ImageFailure;
using imaging::JpegSource;
using vips::VImage;

constexpr int kJpegQuality = 80;
constexpr double kGamma = 1.3;
constexpr int kMaxSharpenAmount = 1000;
constexpr const char* kTextFont = "Ariel 18";  // 18 points, drawn at 72 dpi: 18 pixels
constexpr int kTextLeft = 10;
constexpr int kTextTop = 10;

QString ErrorText(ImageError error) {
  return QStringLiteral("Error: ") + QString::number(static_cast<int>(error));
}

// Runs an operation's body and turns any failure into the result text.
template <typename Body>
QString Run(Body&& body) {
  if (!imaging::LibraryStarted()) return ErrorText(ImageError::NotInitialised);
  try {
    body();
    return QString();
  } catch (const ImageFailure& failure) {
    return ErrorText(failure.error);
  } catch (const std::exception&) {  // libvips failed while decoding or processing
    vips_error_clear();
    return ErrorText(ImageError::DecodeFailed);
  }
}

// Encodes the picture in memory (which decodes and processes the source) and only then
// replaces the destination, so a damaged source never reaches the destination.
void WriteJpeg(const VImage& image, const QString& destination) {
  void* bytes = nullptr;
  size_t size = 0;
  image.write_to_buffer(".jpg", &bytes, &size, VImage::option()->set("Q", kJpegQuality));
  const std::unique_ptr<void, decltype(&g_free)> owned(bytes, &g_free);
  imaging::ReplaceFileAtomically(destination, bytes, size);
}

void CheckResultSize(double width, double height) {
  if (!(width >= 1 && height >= 1)) fail(ImageError::BadArgument);
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    fail(ImageError::TooLarge);
  }
}

}  // namespace

QString ResizeImageFile(const QString& source, const QString& destination, double fraction,
                        int width, int height) {
  return Run([&] {
    if (std::isnan(fraction) || fraction < 0) fail(ImageError::BadArgument);
    const JpegSource picture(source);
    // Halves go to the even neighbour under the default rounding mode.
    const double newWidth = fraction == 0 ? width : std::nearbyint(picture.width() * fraction);
    const double newHeight = fraction == 0 ? height : std::nearbyint(picture.height() * fraction);
    CheckResultSize(newWidth, newHeight);
    WriteJpeg(picture.thumbnail(static_cast<int>(newWidth), static_cast<int>(newHeight)),
              destination);
  });
}

QString RotateImageFile(const QString& source, const QString& destination, int code) {
  static constexpr VipsAngle kAngles[] = {VIPS_ANGLE_D90, VIPS_ANGLE_D180, VIPS_ANGLE_D270};
  return Run([&] {
    if (code < 0 || code > 2) fail(ImageError::BadArgument);
    const JpegSource picture(source);
    WriteJpeg(picture.upright(true).rot(kAngles[code]), destination);
  });
}

QString GrayscaleImageFile(const QString& source, const QString& destination) {
  return Run([&] {
    const JpegSource picture(source);
    const VImage gray = picture.upright(false).colourspace(VIPS_INTERPRETATION_B_W);
    WriteJpeg(gray.colourspace(VIPS_INTERPRETATION_sRGB), destination);
  });
}

QString SharpenImageFile(const QString& source, const QString& destination, int amount) {
  return Run([&] {
    if (amount < 0 || amount > kMaxSharpenAmount) fail(ImageError::BadArgument);
    const JpegSource picture(source);
    VImage image = picture.upright(false);
    if (amount > 0) {
      image = image.sharpen(VImage::option()
                                ->set("sigma", 1.0)
                                ->set("m1", amount / 20.0)
                                ->set("m2", amount / 10.0));
    }
    WriteJpeg(image, destination);
  });
}

QString GammaCorrectImageFile(const QString& source, const QString& destination) {
  return Run([&] {
    const JpegSource picture(source);
    WriteJpeg(picture.upright(false).gamma(VImage::option()->set("exponent", kGamma)),
              destination);
  });
}

QString DrawTextOnImageFile(const QString& source, const QString& destination,
                            const QString& text) {
  return Run([&] {
    const JpegSource picture(source);
    VImage image = picture.upright(false);
    if (!text.trimmed().isEmpty()) {
      // The text is rendered as markup: escaping keeps "<" and "&" plain characters.
      const std::unique_ptr<char, decltype(&g_free)> markup(
          g_markup_escape_text(text.toUtf8().constData(), -1), &g_free);
      const VImage coverage =
          VImage::text(markup.get(), VImage::option()->set("font", kTextFont)->set("dpi", 72))
              .embed(kTextLeft, kTextTop, image.width(), image.height());
      image = coverage.ifthenelse(std::vector<double>{255, 0, 0}, image,
                                  VImage::option()->set("blend", true));
    }
    WriteJpeg(image, destination);
  });
}

QString GetImageFileSize(const QString& source, int& width, int& height) {
  width = 0;
  height = 0;
  return Run([&] {
    const JpegSource picture(source);
    width = picture.width();
    height = picture.height();
  });
}

}  // namespace albryn
