#pragma once
// UTF-16 texts held in one byte per character when every character fits in one (as most file
// names and keys do), else in two: a folder of a hundred thousand files takes half the memory
// for its texts, and fresh memory is much of what building such a folder costs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <string_view>

namespace kestrel {

// A compact text in memory that somebody else owns.
class CompactTextView {
 public:
  CompactTextView() = default;

  // Encodes the pieces (string views), one after the other, into memory from
  // allocate(bytes, alignment).
  template <class Pieces, class Allocate>
  static CompactTextView encode(const Pieces& pieces, Allocate&& allocate) {
    CompactTextView text;
    bool narrow = true;
    std::size_t size = 0;
    for (std::u16string_view piece : pieces) {
      size += piece.size();
      narrow = narrow && std::all_of(piece.begin(), piece.end(), [](char16_t c) { return c < 0x100; });
    }
    if (size == 0) return text;
    if (size > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();  // sizes are 32-bit
    text.size_ = static_cast<std::uint32_t>(size);
    text.wide_ = !narrow;
    unsigned char* bytes = static_cast<unsigned char*>(allocate(text.size_ * text.width(), text.width()));
    text.bytes_ = bytes;
    for (std::u16string_view piece : pieces) {
      if (piece.empty()) continue;  // an empty view may have no data at all
      if (text.wide_) {
        std::memcpy(bytes, piece.data(), 2 * piece.size());
      } else {
        std::transform(piece.begin(), piece.end(), bytes, [](char16_t c) { return static_cast<unsigned char>(c); });
      }
      bytes += piece.size() * text.width();
    }
    return text;
  }

  // The first `count` characters.
  CompactTextView prefix(std::size_t count) const {
    CompactTextView text = *this;
    text.size_ = static_cast<std::uint32_t>(std::min<std::size_t>(count, size_));
    return text;
  }

  // The characters from `position` on, `count` of them.
  std::u16string substr(std::size_t position, std::size_t count) const {
    if (!wide_) return std::u16string(bytes_ + position, bytes_ + position + count);
    std::u16string out(count, u'\0');
    std::memcpy(out.data(), bytes_ + 2 * position, 2 * count);
    return out;
  }

  bool operator==(std::u16string_view text) const {
    if (text.size() != size_) return false;
    if (wide_) return std::memcmp(bytes_, text.data(), 2 * size_) == 0;
    return std::equal(text.begin(), text.end(), bytes_);
  }

 private:
  std::size_t width() const { return wide_ ? 2 : 1; }

  const unsigned char* bytes_ = nullptr;
  std::uint32_t size_ = 0;
  bool wide_ = false;
};

// A compact text that owns its memory.
class CompactText {
 public:
  CompactText() = default;
  template <class Pieces>
  explicit CompactText(const Pieces& pieces)
      : view_(CompactTextView::encode(pieces, [this](std::size_t bytes, std::size_t) {
          bytes_ = std::make_unique_for_overwrite<unsigned char[]>(bytes);
          return bytes_.get();
        })) {}

  const CompactTextView& view() const { return view_; }

 private:
  std::unique_ptr<unsigned char[]> bytes_;  // before view_, which is made from it
  CompactTextView view_;
};

}  // namespace kestrel
