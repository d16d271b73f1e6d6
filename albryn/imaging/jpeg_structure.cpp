#include "jpeg_structure.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "image_failure.h"

namespace albryn::imaging {
namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;

// Markers that carry no length: TEM and the restart markers.
bool IsStandalone(unsigned char marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// The start-of-frame markers C0 to CF, less DHT (C4), JPG (C8) and DAC (CC).
bool IsStartOfFrame(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

class MarkerWalker {
 public:
  MarkerWalker(const unsigned char* data, qint64 size) : data_(data), end_(data + size) {}

  JpegFrameSize walk() {
    if (end_ - data_ < 3 || data_[0] != kMarker || data_[1] != kStartOfImage ||
        data_[2] != kMarker) {
      fail(ImageError::NotJpeg);
    }
    at_ = data_ + 2;
    JpegFrameSize frame;
    bool hasFrame = false;
    for (;;) {
      const unsigned char marker = nextMarker();
      if (marker == kEndOfImage) break;
      if (IsStandalone(marker)) continue;
      const unsigned char* segment = at_;
      skipSegment();
      if (IsStartOfFrame(marker) && !hasFrame) {
        frame = readFrameSize(segment);
        hasFrame = true;
      }
      if (marker == kStartOfScan) {
        // Compressed data holds no end-of-image marker, so a file ending in one is whole. Only
        // other files (truncated ones, or ones with a trailer) have their data walked.
        if (endsWithEndOfImage()) break;
        skipCompressedData();
      }
    }
    if (!hasFrame || frame.width < 1 || frame.height < 1) fail(ImageError::DecodeFailed);
    return frame;
  }

 private:
  bool endsWithEndOfImage() const {
    return end_ - at_ >= 2 && end_[-2] == kMarker && end_[-1] == kEndOfImage;
  }

  // Reads the marker at the current position (after any fill bytes).
  unsigned char nextMarker() {
    if (at_ >= end_ || *at_ != kMarker) fail(ImageError::DecodeFailed);
    while (at_ < end_ && *at_ == kMarker) ++at_;
    if (at_ >= end_) fail(ImageError::DecodeFailed);
    return *at_++;
  }

  void skipSegment() {
    if (end_ - at_ < 2) fail(ImageError::DecodeFailed);
    const int length = at_[0] << 8 | at_[1];
    if (length < 2 || end_ - at_ < length) fail(ImageError::DecodeFailed);
    at_ += length;
  }

  static JpegFrameSize readFrameSize(const unsigned char* segment) {
    const int length = segment[0] << 8 | segment[1];
    if (length < 8) fail(ImageError::DecodeFailed);
    const JpegFrameSize frame{segment[5] << 8 | segment[6], segment[3] << 8 | segment[4]};
    if (static_cast<long long>(frame.width) * frame.height > kMaxImagePixels) {
      fail(ImageError::TooLarge);
    }
    return frame;
  }

  // Compressed data runs up to the next marker; a 0xFF inside it is followed by a stuffed zero
  // or a restart marker.
  void skipCompressedData() {
    for (;;) {
      const void* found = std::memchr(at_, kMarker, static_cast<size_t>(end_ - at_));
      if (!found) fail(ImageError::DecodeFailed);  // ends inside the data: truncated
      at_ = static_cast<const unsigned char*>(found);
      if (end_ - at_ < 2) fail(ImageError::DecodeFailed);
      const unsigned char next = at_[1];
      if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
        at_ += 2;
      } else if (next == kMarker) {
        ++at_;  // fill byte before a marker
      } else {
        return;
      }
    }
  }

  const unsigned char* data_;
  const unsigned char* end_;
  const unsigned char* at_ = nullptr;
};

}  // namespace

JpegFrameSize CheckJpegFile(const QString& path) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
    fail(ImageError::SourceUnreadable);
  }
  const qint64 size = file.size();
  if (size < 3) fail(ImageError::NotJpeg);
  const unsigned char* data = file.map(0, size);
  if (!data) fail(ImageError::SourceUnreadable);
  return MarkerWalker(data, size).walk();  // the mapping ends with the file
}

}  // namespace albryn::imaging
