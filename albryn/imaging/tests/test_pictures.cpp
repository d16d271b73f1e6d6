#include "test_pictures.h"

#include <QFile>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace albryn::testing {

using vips::VImage;

VImage Flat(int width, int height, const std::vector<double>& colour) {
  return VImage::black(width, height, VImage::option()->set("bands", 3))
      .new_from_image(colour)
      .copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

VImage Quarters(int width, int height) {
  const int half_w = width / 2;
  const int half_h = height / 2;
  return Flat(width, height, kBottomRight)
      .insert(Flat(half_w, half_h, kTopLeft), 0, 0)
      .insert(Flat(width - half_w, half_h, kTopRight), half_w, 0)
      .insert(Flat(half_w, height - half_h, kBottomLeft), 0, half_h);
}

VImage SoftEdge(int width, int height) {
  const VImage dark = Flat(width / 2, height, {60, 60, 60});
  const VImage sharp = Flat(width, height, {190, 190, 190}).insert(dark, 0, 0);
  return sharp.gaussblur(1).cast(VIPS_FORMAT_UCHAR);
}

VImage Noise(int width, int height) {
  const auto grain = [&] {
    return VImage::gaussnoise(width, height, VImage::option()->set("mean", 128)->set("sigma", 50));
  };
  return VImage::bandjoin({grain(), grain(), grain()}).cast(VIPS_FORMAT_UCHAR).copy(
      VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

QString SaveJpeg(const VImage& picture, const std::string& path) {
  picture.jpegsave(path.c_str(), VImage::option()->set("Q", 95));
  return QString::fromStdString(path);
}

VImage Load(const QString& path) {
  return VImage::new_from_file(QFile::encodeName(path).constData());
}

std::vector<double> ColourAt(const VImage& picture, int x, int y) {
  const VImage patch = picture.extract_area(x - 2, y - 2, 5, 5);
  std::vector<double> colour;
  for (int band = 0; band < patch.bands(); ++band) colour.push_back(patch[band].avg());
  return colour;
}

bool Near(const std::vector<double>& a, const std::vector<double>& b, double tolerance) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::abs(a[i] - b[i]) > tolerance) return false;
  }
  return true;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace albryn::testing
