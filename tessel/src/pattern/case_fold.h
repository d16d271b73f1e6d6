#pragma once
// Case folding one UTF-16 unit at a time, so positions and lengths stay those of the
// original text. Surrogates and characters whose other case lies outside the basic plane
// are left as they are.
#include <string>
#include <string_view>

namespace tessel {

std::u16string foldToLower(std::u16string_view text);
std::u16string foldToUpper(std::u16string_view text);

}  // namespace tessel
