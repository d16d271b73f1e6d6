#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <thread>
#include <unistd.h>
#include <vips/vips8>

#include "image_operations.h"
#include "sandbox.h"
#include "test_pictures.h"

using namespace albryn;
using namespace albryn::testing;
using vips::VImage;
namespace fs = std::filesystem;

namespace {

QString ErrorOf(ImageError error) {
  return "Error: " + QString::number(static_cast<int>(error));
}

int OpenFileCount() {
  return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

std::vector<std::string> FileNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class imaging_Operations : public ::testing::Test {
 protected:
  void SetUp() override {
    static const ImageLibrary library;  // started once per process, like the program does
    ASSERT_TRUE(library.started());
    folder_ = sandbox().newFolder();
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  QString qpath(const std::string& name) const { return QString::fromStdString(path(name)); }

  fs::path folder_;
};

// The seven operations with the callers' arguments, each writing to the destination given.
struct Operation {
  const char* name;
  std::function<QString(const QString& source, const QString& destination)> run;
  bool writes = true;  // GetImageFileSize writes nothing
};

const std::vector<Operation>& AllOperations() {
  static const std::vector<Operation> operations{
      {"resize fraction", [](auto& s, auto& d) { return ResizeImageFile(s, d, 0.5, 0, 0); }},
      {"resize 100x75", [](auto& s, auto& d) { return ResizeImageFile(s, d, 0, 100, 75); }},
      {"rotate", [](auto& s, auto& d) { return RotateImageFile(s, d, 0); }},
      {"gray", [](auto& s, auto& d) { return GrayscaleImageFile(s, d); }},
      {"sharpen", [](auto& s, auto& d) { return SharpenImageFile(s, d, 20); }},
      {"gamma", [](auto& s, auto& d) { return GammaCorrectImageFile(s, d); }},
      {"text", [](auto& s, auto& d) { return DrawTextOnImageFile(s, d, "Albryn"); }},
      {"size",
       [](auto& s, auto&) {
         int width = -1, height = -1;
         return GetImageFileSize(s, width, height);
       },
       false},
  };
  return operations;
}

TEST_F(imaging_Operations, ResizeGivesTheRequestedSizes) {
  struct Case {
    int width, height;
    double fraction;
    int explicitWidth, explicitHeight;
    int expectWidth, expectHeight;
  } cases[] = {
      {640, 480, 0.5, 0, 0, 320, 240},
      {5, 7, 0.5, 0, 0, 2, 4},  // 2.5 rounds to 2, 3.5 to 4
      {640, 480, 0.25, 999, 999, 160, 120},  // the explicit size counts only at fraction 0
      {640, 480, 1.5, 0, 0, 960, 720},
      {640, 480, 0, 100, 75, 100, 75},
      {300, 500, 0, 100, 75, 100, 75},  // the proportions are not kept
      {40, 30, 0, 100, 75, 100, 75},    // nor is a smaller picture left small
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " at " << c.fraction);
    const QString source = SaveJpeg(Quarters(c.width, c.height), path("source.jpg"));
    ASSERT_EQ(ResizeImageFile(source, qpath("small.jpg"), c.fraction, c.explicitWidth,
                              c.explicitHeight),
              "");
    const VImage result = Load(qpath("small.jpg"));
    EXPECT_EQ(result.width(), c.expectWidth);
    EXPECT_EQ(result.height(), c.expectHeight);
    EXPECT_EQ(result.bands(), 3);
    if (result.width() >= 40) {  // the picture is scaled, not cropped or padded
      EXPECT_TRUE(Near(ColourAt(result, 5, 5), kTopLeft));
      EXPECT_TRUE(Near(ColourAt(result, result.width() - 6, result.height() - 6), kBottomRight));
    }
  }
}

TEST_F(imaging_Operations, RotateMovesTheCorners) {
  const int width = 64, height = 48;
  const QString source = SaveJpeg(Quarters(width, height), path("source.jpg"));
  struct Case {
    int code;
    int expectWidth, expectHeight;
    // The colours found at the result's top left, top right, bottom right, bottom left.
    std::vector<double> corners[4];
  } cases[] = {
      {0, height, width, {kBottomLeft, kTopLeft, kTopRight, kBottomRight}},  // right 90
      {1, width, height, {kBottomRight, kBottomLeft, kTopLeft, kTopRight}},  // 180
      {2, height, width, {kTopRight, kBottomRight, kBottomLeft, kTopLeft}},  // left 90
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    ASSERT_EQ(RotateImageFile(source, qpath("turned.jpg"), c.code), "");
    const VImage result = Load(qpath("turned.jpg"));
    ASSERT_EQ(result.width(), c.expectWidth);
    ASSERT_EQ(result.height(), c.expectHeight);
    const int right = result.width() - 6, bottom = result.height() - 6;
    EXPECT_TRUE(Near(ColourAt(result, 5, 5), c.corners[0]));
    EXPECT_TRUE(Near(ColourAt(result, right, 5), c.corners[1]));
    EXPECT_TRUE(Near(ColourAt(result, right, bottom), c.corners[2]));
    EXPECT_TRUE(Near(ColourAt(result, 5, bottom), c.corners[3]));
  }
}

TEST_F(imaging_Operations, GrayHasThreeEqualChannels) {
  const QString source = SaveJpeg(Quarters(64, 48), path("source.jpg"));
  ASSERT_EQ(GrayscaleImageFile(source, qpath("gray.jpg")), "");
  const VImage result = Load(qpath("gray.jpg"));
  EXPECT_EQ(result.width(), 64);
  EXPECT_EQ(result.height(), 48);
  ASSERT_EQ(result.bands(), 3);
  EXPECT_LE((result[0] - result[1]).abs().max(), 1);
  EXPECT_LE((result[1] - result[2]).abs().max(), 1);
  // Luminance, not one flat value: green is lighter than blue.
  EXPECT_GT(ColourAt(result, 50, 10)[0], ColourAt(result, 10, 40)[0] + 50);
}

TEST_F(imaging_Operations, GammaBrightensTheMidTonesOnly) {
  const VImage stripes = Flat(90, 30, {0, 0, 0})
                             .insert(Flat(30, 30, {128, 128, 128}), 30, 0)
                             .insert(Flat(30, 30, {255, 255, 255}), 60, 0);
  const QString source = SaveJpeg(stripes, path("source.jpg"));
  ASSERT_EQ(GammaCorrectImageFile(source, qpath("gamma.jpg")), "");
  const VImage result = Load(qpath("gamma.jpg"));
  EXPECT_EQ(result.width(), 90);
  EXPECT_EQ(result.height(), 30);
  EXPECT_TRUE(Near(ColourAt(result, 15, 15), {0, 0, 0}, 4));
  EXPECT_TRUE(Near(ColourAt(result, 45, 15), {150, 150, 150}, 4));  // 255 * (128/255)^(1/1.3)
  EXPECT_TRUE(Near(ColourAt(result, 75, 15), {255, 255, 255}, 4));
}

TEST_F(imaging_Operations, SharpenSteepensEdges) {
  const QString source = SaveJpeg(SoftEdge(200, 60), path("source.jpg"));
  ASSERT_EQ(SharpenImageFile(source, qpath("sharp.jpg"), 20), "");
  ASSERT_EQ(SharpenImageFile(source, qpath("same.jpg"), 0), "");
  const VImage sharp = Load(qpath("sharp.jpg"));
  EXPECT_EQ(sharp.width(), 200);
  EXPECT_EQ(sharp.height(), 60);
  // Sharpening overshoots on both sides of the soft edge at column 100.
  const VImage row = sharp.extract_area(80, 30, 40, 1)[1];
  EXPECT_GT(row.max(), 190 + 10);
  EXPECT_LT(row.min(), 60 - 10);
  const VImage same = Load(qpath("same.jpg")).extract_area(80, 30, 40, 1)[1];
  EXPECT_LE(same.max(), 190 + 4);
  EXPECT_GE(same.min(), 60 - 4);
}

TEST_F(imaging_Operations, TextIsRedAtTheTopLeft) {
  const QString source = SaveJpeg(Flat(200, 80, {255, 255, 255}), path("source.jpg"));
  for (const QString& text : {QString("HELLO"), QString("<b>&amp; M&M</b>")}) {
    SCOPED_TRACE(text.toStdString());
    ASSERT_EQ(DrawTextOnImageFile(source, qpath("text.jpg"), text), "");
    const VImage result = Load(qpath("text.jpg"));
    EXPECT_EQ(result.width(), 200);
    EXPECT_EQ(result.height(), 80);
    const auto red = (result[0] > 160) & (result[1] < 110) & (result[2] < 110);
    // 18-point text starting at 10, 10: red inside that box, nothing red around it.
    EXPECT_GT(red.extract_area(10, 10, 60, 24).avg(), 255 * 0.05);
    EXPECT_EQ(red.extract_area(0, 0, 200, 8).max(), 0);
    EXPECT_EQ(red.extract_area(0, 0, 8, 80).max(), 0);
    EXPECT_EQ(red.extract_area(0, 45, 200, 35).max(), 0);
  }
}

TEST_F(imaging_Operations, SizeIsReadWithoutWriting) {
  const QString source = SaveJpeg(Quarters(64, 48), path("source.jpg"));
  const auto before = FileNames(folder_);
  const auto modified = fs::last_write_time(path("source.jpg"));
  int width = 0, height = 0;
  EXPECT_EQ(GetImageFileSize(source, width, height), "");
  EXPECT_EQ(width, 64);
  EXPECT_EQ(height, 48);
  EXPECT_EQ(FileNames(folder_), before);
  EXPECT_EQ(fs::last_write_time(path("source.jpg")), modified);
}

// A picture stored sideways with an orientation tag: every operation sees it upright.
TEST_F(imaging_Operations, OrientationIsAppliedAndDroppedOtherMetadataKept) {
  VImage stored = Quarters(64, 48).copy();
  stored.set(VIPS_META_ORIENTATION, 6);  // shown turned right by 90 degrees: 48 x 64
  stored.set("exif-ifd0-Make", "Albryn Test Camera");
  VipsBlob* profile = nullptr;
  ASSERT_EQ(vips_profile_load("srgb", &profile, nullptr), 0);
  size_t profileSize = 0;
  const void* profileBytes = vips_blob_get(profile, &profileSize);
  vips_image_set_blob_copy(stored.get_image(), VIPS_META_ICC_NAME, profileBytes, profileSize);
  vips_area_unref(VIPS_AREA(profile));
  const QString source = SaveJpeg(stored, path("source.jpg"));
  ASSERT_EQ(vips_image_get_orientation(Load(source).get_image()), 6);

  int width = 0, height = 0;
  ASSERT_EQ(GetImageFileSize(source, width, height), "");
  EXPECT_EQ(width, 48);
  EXPECT_EQ(height, 64);

  for (const auto& operation : AllOperations()) {
    if (!operation.writes) continue;
    SCOPED_TRACE(operation.name);
    ASSERT_EQ(operation.run(source, qpath("result.jpg")), "");
    const VImage result = Load(qpath("result.jpg"));
    EXPECT_EQ(vips_image_get_orientation(result.get_image()), 1);
    EXPECT_NE(result.get_typeof(VIPS_META_ICC_NAME), 0u);
    ASSERT_NE(result.get_typeof("exif-ifd0-Make"), 0u);
    EXPECT_NE(std::string(result.get_string("exif-ifd0-Make")).find("Albryn Test Camera"),
              std::string::npos);
  }
  // The upright picture is 48 x 64 with the stored bottom-left quarter at its top left.
  ASSERT_EQ(ResizeImageFile(source, qpath("half.jpg"), 0.5, 0, 0), "");
  EXPECT_EQ(Load(qpath("half.jpg")).width(), 24);
  EXPECT_EQ(Load(qpath("half.jpg")).height(), 32);
  ASSERT_EQ(RotateImageFile(source, qpath("turned.jpg"), 0), "");
  const VImage turned = Load(qpath("turned.jpg"));
  ASSERT_EQ(turned.width(), 64);
  EXPECT_TRUE(Near(ColourAt(turned, 5, 5), kBottomRight));  // two right turns: 180 degrees
}

// Grey and CMYK JPEGs come out as ordinary three-channel RGB JPEGs.
TEST_F(imaging_Operations, GreyAndCmykSourcesBecomeRgb) {
  const QString grey = SaveJpeg(Quarters(64, 48)[1], path("grey.jpg"));
  const QString cmyk = SaveJpeg(
      Flat(64, 48, {20, 120, 200}).bandjoin_const({10}).copy(
          VImage::option()->set("interpretation", VIPS_INTERPRETATION_CMYK)),
      path("cmyk.jpg"));
  ASSERT_EQ(Load(grey).bands(), 1);
  ASSERT_EQ(Load(cmyk).bands(), 4);
  for (const QString& source : {grey, cmyk}) {
    for (const auto& operation : AllOperations()) {
      if (!operation.writes) continue;
      SCOPED_TRACE(::testing::Message() << source.toStdString() << ", " << operation.name);
      ASSERT_EQ(operation.run(source, qpath("result.jpg")), "");
      const VImage result = Load(qpath("result.jpg"));
      EXPECT_EQ(result.bands(), 3);
      EXPECT_EQ(result.interpretation(), VIPS_INTERPRETATION_sRGB);
    }
  }
}

TEST_F(imaging_Operations, ReplacesThePictureInPlace) {
  const QString picture = SaveJpeg(Quarters(64, 48), path("My Pic été.jpg"));
  fs::permissions(path("My Pic été.jpg"), fs::perms(0640));
  ASSERT_EQ(RotateImageFile(picture, picture, 0), "");
  VImage result = Load(picture);
  EXPECT_EQ(result.width(), 48);
  EXPECT_TRUE(Near(ColourAt(result, 5, 5), kBottomLeft));
  // A second turn starts from the replaced picture, not from a remembered one.
  ASSERT_EQ(RotateImageFile(picture, picture, 0), "");
  result = Load(picture);
  EXPECT_EQ(result.width(), 64);
  EXPECT_TRUE(Near(ColourAt(result, 5, 5), kBottomRight));
  ASSERT_EQ(ResizeImageFile(picture, picture, 0.5, 0, 0), "");
  EXPECT_EQ(Load(picture).width(), 32);
  EXPECT_EQ(fs::status(path("My Pic été.jpg")).permissions(), fs::perms(0640));
  EXPECT_EQ(FileNames(folder_), std::vector<std::string>{"My Pic été.jpg"});
}

TEST_F(imaging_Operations, ReplacesThroughASymbolicLink) {
  const QString picture = SaveJpeg(Quarters(64, 48), path("picture.jpg"));
  fs::create_symlink(path("picture.jpg"), path("link.jpg"));
  ASSERT_EQ(GrayscaleImageFile(qpath("link.jpg"), qpath("link.jpg")), "");
  EXPECT_TRUE(fs::is_symlink(path("link.jpg")));
  EXPECT_LE((Load(picture)[0] - Load(picture)[2]).abs().max(), 1);
}

// Bad sources: every operation answers with its error and leaves the destination as it was.
TEST_F(imaging_Operations, BadSourcesLeaveTheDestinationUntouched) {
  const std::string jpeg = ReadBytes(SaveJpeg(Noise(128, 128), path("good.jpg")).toStdString());
  std::string huge = jpeg;  // the frame header claims 65535 x 65535 pixels
  const auto frame = huge.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  huge.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF");
  const std::string gif(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,"
      "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;",
      43);
  void* png = nullptr;
  size_t pngSize = 0;
  Quarters(16, 16).write_to_buffer(".png", &png, &pngSize);
  const std::string pngBytes(static_cast<const char*>(png), pngSize);
  g_free(png);
  fs::create_directory(path("folder.jpg"));

  struct Case {
    const char* name;
    const char* bytes;  // nullptr: the file is not made
    size_t size;
    ImageError error;
  } cases[] = {
      {"missing.jpg", nullptr, 0, ImageError::SourceUnreadable},
      {"folder.jpg", nullptr, 0, ImageError::SourceUnreadable},
      {"picture.gif", gif.data(), gif.size(), ImageError::NotJpeg},
      {"png-inside.jpg", pngBytes.data(), pngBytes.size(), ImageError::NotJpeg},
      {"empty.jpg", "", 0, ImageError::NotJpeg},
      {"notes.jpg", "Not a picture\n", 14, ImageError::NotJpeg},
      {"truncated.jpg", jpeg.data(), jpeg.size() / 2, ImageError::DecodeFailed},
      {"truncated-late.jpg", jpeg.data(), jpeg.size() - 40, ImageError::DecodeFailed},
      {"no-end-marker.jpg", jpeg.data(), jpeg.size() - 2, ImageError::DecodeFailed},
      {"header-only.jpg", jpeg.data(), jpeg.find("\xFF\xDA"), ImageError::DecodeFailed},
      {"huge.jpg", huge.data(), huge.size(), ImageError::TooLarge},
  };
  const std::string kept =
      ReadBytes(SaveJpeg(Flat(20, 20, {9, 9, 9}), path("keep.jpg")).toStdString());
  for (const auto& c : cases) {
    if (c.bytes) WriteBytes(path(c.name), std::string(c.bytes, c.size));
    const auto before = FileNames(folder_);
    const int openFiles = OpenFileCount();
    for (const auto& operation : AllOperations()) {
      SCOPED_TRACE(::testing::Message() << c.name << ", " << operation.name);
      EXPECT_EQ(operation.run(qpath(c.name), qpath("keep.jpg")), ErrorOf(c.error));
      EXPECT_TRUE(ReadBytes(path("keep.jpg")) == kept);
      if (c.bytes) {  // in place
        EXPECT_EQ(operation.run(qpath(c.name), qpath(c.name)), ErrorOf(c.error));
        EXPECT_TRUE(ReadBytes(path(c.name)) == std::string(c.bytes, c.size));
      }
    }
    EXPECT_EQ(FileNames(folder_), before) << c.name;  // no temporary file left behind
    EXPECT_EQ(OpenFileCount(), openFiles) << c.name;
  }
}

// Whole JPEGs in other shapes than the library's own: progressive, and with a camera's trailer
// after the end-of-image marker.
TEST_F(imaging_Operations, WholeJpegsOfOtherShapesAreAccepted) {
  const QString progressive = QString::fromStdString(path("progressive.jpg"));
  Noise(64, 48).jpegsave(path("progressive.jpg").c_str(),
                         VImage::option()->set("interlace", true));
  const QString trailer = SaveJpeg(Noise(64, 48), path("trailer.jpg"));
  WriteBytes(path("trailer.jpg"), ReadBytes(path("trailer.jpg")) + "SEFH\xFF\xD8\x01\x02 trailer");
  for (const QString& source : {progressive, trailer}) {
    SCOPED_TRACE(source.toStdString());
    int width = 0, height = 0;
    EXPECT_EQ(GetImageFileSize(source, width, height), "");
    EXPECT_EQ(width, 64);
    EXPECT_EQ(RotateImageFile(source, qpath("turned.jpg"), 0), "");
    EXPECT_EQ(Load(qpath("turned.jpg")).width(), 48);
  }
}

TEST_F(imaging_Operations, BadArgumentsAreRefused) {
  const QString source = SaveJpeg(Quarters(640, 480), path("source.jpg"));
  const std::string kept =
      ReadBytes(SaveJpeg(Flat(20, 20, {9, 9, 9}), path("keep.jpg")).toStdString());
  const QString keep = qpath("keep.jpg");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    QString result;
    ImageError error;
  } cases[] = {
      {"rotate 3", RotateImageFile(source, keep, 3), ImageError::BadArgument},
      {"rotate -1", RotateImageFile(source, keep, -1), ImageError::BadArgument},
      {"sharpen -1", SharpenImageFile(source, keep, -1), ImageError::BadArgument},
      {"negative fraction", ResizeImageFile(source, keep, -0.5, 0, 0), ImageError::BadArgument},
      {"fraction NaN", ResizeImageFile(source, keep, nan, 0, 0), ImageError::BadArgument},
      {"no size", ResizeImageFile(source, keep, 0, 0, 0), ImageError::BadArgument},
      {"negative size", ResizeImageFile(source, keep, 0, -100, 75), ImageError::BadArgument},
      {"rounds to nothing", ResizeImageFile(source, keep, 0.0001, 0, 0), ImageError::BadArgument},
      {"fraction overflows", ResizeImageFile(source, keep, 1e12, 0, 0), ImageError::TooLarge},
      {"fraction infinite", ResizeImageFile(source, keep, inf, 0, 0), ImageError::TooLarge},
      {"side too long", ResizeImageFile(source, keep, 0, 70000, 10), ImageError::TooLarge},
      {"too many pixels", ResizeImageFile(source, keep, 0, 20000, 20000), ImageError::TooLarge},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.result, ErrorOf(c.error)) << c.name;
  }
  EXPECT_TRUE(ReadBytes(path("keep.jpg")) == kept);
  EXPECT_EQ(FileNames(folder_), (std::vector<std::string>{"keep.jpg", "source.jpg"}));
}

TEST_F(imaging_Operations, UnwritableDestinationsAreReported) {
  const QString source = SaveJpeg(Quarters(64, 48), path("source.jpg"));
  fs::create_directory(path("pictures"));
  SaveJpeg(Flat(8, 8, {1, 2, 3}), path("pictures/inside.jpg"));
  for (const char* destination : {"no-such-folder/out.jpg", "source.jpg/out.jpg", "pictures",
                                  "pictures/", ""}) {
    SCOPED_TRACE(destination);
    for (const auto& operation : AllOperations()) {
      if (!operation.writes) continue;
      SCOPED_TRACE(operation.name);
      const QString target = *destination ? qpath(destination) : QString();
      EXPECT_EQ(operation.run(source, target), ErrorOf(ImageError::WriteFailed));
    }
  }
  EXPECT_EQ(FileNames(folder_), (std::vector<std::string>{"pictures", "source.jpg"}));
  EXPECT_EQ(FileNames(path("pictures")), std::vector<std::string>{"inside.jpg"});
}

TEST_F(imaging_Operations, LongNamesAreReplacedToo) {
  // 244 bytes: a temporary name made by adding to it would pass the limit of 255.
  const std::string longName = std::string(240, 'n') + ".jpg";
  const QString picture = SaveJpeg(Quarters(64, 48), path(longName));
  ASSERT_EQ(RotateImageFile(picture, picture, 0), "");
  EXPECT_EQ(Load(picture).width(), 48);
  EXPECT_EQ(FileNames(folder_), std::vector<std::string>{longName});
}

TEST_F(imaging_Operations, ReadOnlyPicturesAreKept) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write to read-only files";
  const QString picture = SaveJpeg(Quarters(64, 48), path("picture.jpg"));
  fs::permissions(path("picture.jpg"), fs::perms(0444));
  const std::string before = ReadBytes(path("picture.jpg"));
  EXPECT_EQ(RotateImageFile(picture, picture, 0), ErrorOf(ImageError::WriteFailed));
  EXPECT_TRUE(ReadBytes(path("picture.jpg")) == before);
}

TEST_F(imaging_Operations, RunsOnSeveralThreadsAtOnce) {
  const QString source = SaveJpeg(Quarters(640, 480), path("source.jpg"));
  constexpr int kThreads = 8;
  std::vector<QString> results(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      const QString destination = qpath("thumb" + std::to_string(i) + ".jpg");
      results[i] = i % 2 ? ResizeImageFile(source, destination, 0, 100 + i, 75)
                         : RotateImageFile(source, destination, 0);
    });
  }
  for (auto& thread : threads) thread.join();
  for (int i = 0; i < kThreads; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(results[i], "");
    const VImage result = Load(qpath("thumb" + std::to_string(i) + ".jpg"));
    EXPECT_EQ(result.width(), i % 2 ? 100 + i : 480);
    EXPECT_TRUE(Near(ColourAt(result, 5, 5), i % 2 ? kTopLeft : kBottomLeft));
  }
}

}  // namespace
