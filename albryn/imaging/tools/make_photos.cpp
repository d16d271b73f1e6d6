// imaging_make_photos FOLDER COUNT [WIDTH HEIGHT]: writes COUNT photo-like JPEGs (quality 90,
// 4000 x 3000 unless told) named photo01.jpg, ... into FOLDER for the benchmarks. Each has a sky
// gradient, large soft colour areas, fine texture and sensor grain, so that it compresses and
// decodes like a camera picture rather than a flat test card. Existing files are kept.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vips/vips8>

using vips::VImage;

namespace {

VImage Perlin(int width, int height, int cellSize, int seed) {
  return VImage::perlin(width, height,
                        VImage::option()->set("cell_size", cellSize)->set("seed", seed));
}

// Brightness: soft areas at three scales, fine texture, and a ramp brighter towards the top,
// as a sky over the ground.
VImage Lightness(int width, int height, int seed) {
  const VImage areas = Perlin(width, height, 700, seed) * 0.6 +
                       Perlin(width, height, 160, seed + 1) * 0.3 +
                       Perlin(width, height, 40, seed + 2) * 0.1;
  const VImage ramp = VImage::xyz(width, height)[1] * (-60.0 / height) + 30;
  return areas * 180 + Perlin(width, height, 5, seed + 3) * 20 + ramp + 115;
}

VImage Photo(int width, int height, int seed) {
  const VImage lightness = Lightness(width, height, seed * 10);
  // Each channel drifts slowly away from the shared lightness: muted, varying colours.
  const auto channel = [&](int offset, double cast) {
    return lightness + Perlin(width, height, 900, seed * 10 + offset) * 90 + cast;
  };
  const VImage grain =
      VImage::gaussnoise(width, height, VImage::option()->set("mean", 0.0)->set("sigma", 3.0));
  return VImage::bandjoin({channel(4, 8), channel(5, 0), channel(6, -10)})
      .add(grain)
      .cast(VIPS_FORMAT_UCHAR)
      .copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s FOLDER COUNT [WIDTH HEIGHT]\n", argv[0]);
    return 2;
  }
  if (VIPS_INIT(argv[0]) != 0) return 1;
  const std::filesystem::path folder = argv[1];
  const int count = std::atoi(argv[2]);
  const int width = argc == 5 ? std::atoi(argv[3]) : 4000;
  const int height = argc == 5 ? std::atoi(argv[4]) : 3000;
  std::filesystem::create_directories(folder);
  for (int i = 1; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "photo%02d.jpg", i);
    const std::filesystem::path path = folder / name;
    if (std::filesystem::exists(path)) continue;
    const std::filesystem::path partial = folder / (std::string(name) + ".part.jpg");
    Photo(width, height, i).jpegsave(partial.c_str(), VImage::option()->set("Q", 90));
    std::filesystem::rename(partial, path);
  }
  vips_shutdown();
  return 0;
}
