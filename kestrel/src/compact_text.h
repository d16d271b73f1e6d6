#pragma once
// A UTF-16 text held in one byte per character when every character fits in one (as most file
// names and keys do), else in two: a folder of a hundred thousand files takes half the memory
// for its texts, and fresh memory is much of what building such a folder costs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace kestrel {

class CompactText {
 public:
  CompactText() = default;
  explicit CompactText(std::u16string_view text) : CompactText(std::initializer_list<std::u16string_view>{text}) {}
  // The pieces (string views) one after the other.
  template <class Pieces>
  explicit CompactText(const Pieces& pieces) {
    std::size_t size = 0;
    bool narrow = true;
    for (auto piece : pieces) {
      size += piece.size();
      narrow = narrow && std::all_of(piece.begin(), piece.end(), [](char16_t c) { return c < 0x100; });
    }
    if (size == 0) return;
    size_ = size;
    wide_ = !narrow;
    bytes_ = std::make_unique_for_overwrite<unsigned char[]>(size * (wide_ ? 2 : 1));
    std::size_t at = 0;
    for (auto piece : pieces) {
      if (wide_) {
        std::memcpy(bytes_.get() + 2 * at, piece.data(), 2 * piece.size());
      } else {
        std::transform(piece.begin(), piece.end(), bytes_.get() + at, [](char16_t c) { return static_cast<unsigned char>(c); });
      }
      at += piece.size();
    }
  }

  std::size_t size() const { return size_; }

  // The characters from `position` on, `count` of them.
  std::u16string substr(std::size_t position, std::size_t count) const {
    if (wide_) return std::u16string(reinterpret_cast<const char16_t*>(bytes_.get()) + position, count);
    const unsigned char* first = bytes_.get() + position;
    return std::u16string(first, first + count);
  }
  std::u16string str() const { return substr(0, size_); }

  bool operator==(std::u16string_view text) const {
    if (text.size() != size_) return false;
    if (wide_) return std::memcmp(bytes_.get(), text.data(), 2 * size_) == 0;
    return std::equal(text.begin(), text.end(), bytes_.get());
  }

 private:
  std::unique_ptr<unsigned char[]> bytes_;
  std::size_t size_ = 0;
  bool wide_ = false;
};

}  // namespace kestrel
