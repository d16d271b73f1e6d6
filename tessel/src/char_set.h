#pragma once
// A set of separator characters with a quick test for the first 256 codes.
#include <array>
#include <string>
#include <string_view>

namespace tessel {

class CharSet {
 public:
  explicit CharSet(std::u16string_view chars) : chars_(chars) {
    for (char16_t c : chars) {
      if (c < small_.size()) small_[c] = true;
      else wide_ = true;
    }
  }
  bool contains(char16_t c) const {
    return c < small_.size() ? small_[c] : wide_ && chars_.find(c) != std::u16string::npos;
  }
  // For byte text, where each byte is the character of the same code.
  bool containsByte(unsigned char b) const { return small_[b]; }

 private:
  std::u16string chars_;
  std::array<bool, 256> small_{};
  bool wide_ = false;
};

// Where the token that starts at or after `from` begins and ends; begin == end == size when
// there is none. A token is a maximal run of characters outside the set. Works on any text
// whose characters the predicate `isSeparator` classifies.
struct TokenSpan {
  std::size_t begin;
  std::size_t end;
};

template <class Text, class IsSeparator>
TokenSpan nextToken(const Text& text, std::size_t from, IsSeparator isSeparator) {
  const std::size_t n = text.size();
  std::size_t b = from;
  while (b < n && isSeparator(text[b])) ++b;
  std::size_t e = b;
  while (e < n && !isSeparator(text[e])) ++e;
  return {b, e};
}

}  // namespace tessel
