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

// Where each text ends when the texts are put end to end. The ends are held in 32 bits; texts
// longer than that are refused as an allocation failure.
template <std::size_t N>
std::array<std::uint32_t, N> textEnds(const std::array<std::u16string_view, N>& texts) {
  std::array<std::uint32_t, N> ends;
  std::size_t end = 0;
  for (std::size_t i = 0; i < N; ++i) {
    end += texts[i].size();
    if (end > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    ends[i] = static_cast<std::uint32_t>(end);
  }
  return ends;
}

template <std::size_t N>
class PackedStrings {
 public:
  PackedStrings() { ends_.fill(0); }
  explicit PackedStrings(const std::array<std::u16string_view, N>& values) : text_(values), ends_(textEnds(values)) {}

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
  std::size_t start(std::size_t field) const { return field == 0 ? 0 : ends_[field - 1]; }

  CompactText text_;
  std::array<std::uint32_t, N> ends_;
};

}  // namespace kestrel
