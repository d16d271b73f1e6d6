#pragma once
// The program's only door to picture processing: seven JPEG file-to-file operations on libvips.
//
// Paths are QString local file names (handed to the system in its 8-bit file name encoding).
// Every operation returns "" on success and "Error: " followed by an ImageError number on
// failure; none throws. All of them:
//  - read a JPEG only (known by its content, not its name), check that the file is whole, and
//    refuse pictures of more than kMaxImagePixels pixels, all before anything is decoded;
//  - turn the picture upright by its EXIF orientation first, so sizes, rotations and the text
//    position are those the user sees; the result carries no orientation tag, while the other
//    metadata (camera, date, colour profile) is kept;
//  - write a JPEG at quality 80 into a temporary file beside the destination and rename it over
//    the destination only when it is complete (the permissions of a replaced file are kept); on
//    any failure the destination is exactly as it was and no temporary file is left;
//  - allow the destination to be the source itself;
//  - are safe to run on several threads at once. They block their thread for the whole
//    operation: a window keeps itself responsive by running them off its own thread.
// An ImageLibrary must be alive while operations run.
#include <QString>

namespace albryn {

// The error numbers behind "Error: N".
enum class ImageError {
  NotInitialised = 1,    // no ImageLibrary is alive
  SourceUnreadable = 2,  // the source is missing, a folder, or cannot be opened
  NotJpeg = 3,           // the source is empty or not a JPEG (a GIF, a PNG, a text file, ...)
  TooLarge = 4,          // the picture or the requested result exceeds the size limits below
  BadArgument = 5,       // a rotation code other than 0, 1, 2, a sharpen amount outside 0 to
                         // 1000, a resize fraction that is negative or not a number, or a
                         // result size below 1
  DecodeFailed = 6,      // the JPEG is damaged or truncated, or processing it failed
  WriteFailed = 7,       // the destination cannot be written (missing or read-only folder,
                         // a read-only file, a folder in its place, disk full)
};

// The largest picture accepted, as source and as result: 200 million pixels (a 200 megapixel
// camera's frame; 600 MB of decoded RGB). A JPEG side is at most kMaxImageSide pixels.
inline constexpr long long kMaxImagePixels = 200'000'000;
inline constexpr int kMaxImageSide = 65'535;

// Starts the image library on construction and shuts it down on destruction. The program
// keeps exactly one alive from start-up to exit.
class ImageLibrary {
 public:
  ImageLibrary();
  ~ImageLibrary();
  ImageLibrary(const ImageLibrary&) = delete;
  ImageLibrary& operator=(const ImageLibrary&) = delete;

  // False when the library could not start; every operation then gives NotInitialised.
  bool started() const { return started_; }

 private:
  bool started_ = false;
};

// Scales the picture. A fraction other than exactly 0 multiplies both sides (each result rounded
// to the nearest integer, halves to the even one: 5 x 7 at 0.5 gives 2 x 4); a fraction of 0
// makes it exactly width x height whatever its proportions. Decodes only as much of the JPEG as
// the new size needs (shrink-on-load).
QString ResizeImageFile(const QString& source, const QString& destination, double fraction,
                        int width, int height);

// Turns the picture: code 0 right by 90 degrees, 1 by 180 degrees, 2 left by 90 degrees.
QString RotateImageFile(const QString& source, const QString& destination, int code);

// Makes the picture gray (its luminance), written as a normal three-channel JPEG.
QString GrayscaleImageFile(const QString& source, const QString& destination);

// Sharpens with libvips' unsharp mask on the lightness (radius sigma 1): amount A from 0 to 1000
// sets the strength, slope A / 20 on faint detail and A / 10 on clear edges, so the program's
// amount 20 gives 1 and 2; 0 leaves the picture as it is.
QString SharpenImageFile(const QString& source, const QString& destination, int amount);

// Applies gamma 1.3: every channel value v of 0..255 becomes 255 * (v / 255)^(1 / 1.3), which
// keeps black and white and brightens the mid-tones (128 becomes 150).
QString GammaCorrectImageFile(const QString& source, const QString& destination);

// Draws the text in red, 18 points of the font "Ariel" (fontconfig picks its nearest face when
// there is none by that name), its top-left corner 10, 10 pixels from the picture's. The text
// is plain: markup characters are drawn as they are.
QString DrawTextOnImageFile(const QString& source, const QString& destination,
                            const QString& text);

// The picture's width and height as the user sees it (after its EXIF orientation), from its
// header; the file's structure is checked to its end, so a truncated JPEG is reported. Nothing
// is written. On failure width and height are 0.
QString GetImageFileSize(const QString& source, int& width, int& height);

}  // namespace albryn
