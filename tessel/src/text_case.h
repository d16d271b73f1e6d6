#pragma once
// Case folding for case-insensitive work: one character always folds to one character, so
// positions found in a folded copy are positions in the original text.
#include <string>
#include <string_view>

namespace tessel {

// Simple case mapping of the Latin (Basic, Latin-1, Extended-A), Greek and Cyrillic letters;
// every other character is left as it is.
char16_t lowerChar(char16_t c);
char16_t upperChar(char16_t c);

std::u16string lowerCopy(std::u16string_view text);
std::u16string upperCopy(std::u16string_view text);

}  // namespace tessel
