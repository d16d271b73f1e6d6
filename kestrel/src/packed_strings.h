#pragma once
// N strings kept end to end in one compact text: an item's texts cost one allocation instead
// of one each, which matters when a listing creates a hundred thousand items.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <string>
#include <string_view>

#include "compact_text.h"

namespace kestrel {

template <std::size_t N>
class PackedStrings {
 public:
  PackedStrings() { ends_.fill(0); }
  // Exactly N values (string views), in field order.
  template <class Values>
  explicit PackedStrings(const Values& values) : text_(values) {
    std::size_t end = 0, i = 0;
    for (auto v : values) {
      end += v.size();
      ends_[i++] = offset(end);
    }
    for (; i < N; ++i) ends_[i] = offset(end);
  }

  std::u16string get(std::size_t field) const { return text_.view().substr(start(field), ends_[field] - start(field)); }

  void set(std::size_t field, std::u16string_view value) {
    std::array<std::u16string, N> values;
    std::array<std::u16string_view, N> views;
    for (std::size_t i = 0; i < N; ++i) {
      values[i] = i == field ? std::u16string(value) : get(i);
      views[i] = values[i];
    }
    *this = PackedStrings(views);
  }

 private:
  // Offsets are held in 32 bits; texts beyond that are refused as an allocation failure.
  static std::uint32_t offset(std::size_t end) {
    if (end > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    return static_cast<std::uint32_t>(end);
  }
  std::size_t start(std::size_t field) const { return field == 0 ? 0 : ends_[field - 1]; }

  CompactText text_;
  std::array<std::uint32_t, N> ends_;
};

}  // namespace kestrel
