#pragma once
// A structural check of a JPEG file that needs no decoding.
#include <QString>

namespace albryn::imaging {

struct JpegFrameSize {
  int width = 0;
  int height = 0;
};

// Walks the file's markers from the start-of-image to the end-of-image marker, through the
// compressed data of every scan, and returns the frame's size as stored (before any EXIF
// orientation). Throws ImageFailure: SourceUnreadable (missing, a folder, no access), NotJpeg
// (no start-of-image marker), DecodeFailed (broken structure, or the file ends before the
// end-of-image marker: truncated) or TooLarge (the frame exceeds kMaxImagePixels). Whatever
// follows the end-of-image marker (camera trailers) is ignored.
//
// The decoder reports truncation too, but under libvips' worker threads that report can get
// lost and the missing rows are silently filled in, so it is checked here first.
JpegFrameSize CheckJpegFile(const QString& path);

}  // namespace albryn::imaging
