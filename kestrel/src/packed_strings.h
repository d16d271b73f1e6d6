#pragma once
// N strings kept end to end in one buffer: an item's texts cost one allocation instead of one
// each, which matters when a listing creates a hundred thousand items.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrel {

template <std::size_t N>
class PackedStrings {
 public:
  PackedStrings() { ends_.fill(0); }
  // Exactly N values, in field order.
  PackedStrings(std::initializer_list<std::u16string_view> values) {
    std::size_t total = 0;
    for (auto v : values) total += v.size();
    text_.reserve(total);
    std::size_t i = 0;
    for (auto v : values) {
      text_.append(v);
      ends_[i++] = text_.size();
    }
    for (; i < N; ++i) ends_[i] = text_.size();
  }

  std::u16string_view get(std::size_t field) const {
    return std::u16string_view(text_).substr(start(field), ends_[field] - start(field));
  }

  void set(std::size_t field, std::u16string_view value) {
    const std::u16string copy(value);  // value may point into text_
    const std::size_t begin = start(field), length = ends_[field] - begin;
    text_.replace(begin, length, copy);
    for (std::size_t k = field; k < N; ++k) ends_[k] = ends_[k] - length + copy.size();
  }

 private:
  std::size_t start(std::size_t field) const { return field == 0 ? 0 : ends_[field - 1]; }

  std::u16string text_;
  std::array<std::size_t, N> ends_;
};

}  // namespace kestrel
