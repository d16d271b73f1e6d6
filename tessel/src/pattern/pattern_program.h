#pragma once
// The compiled form of a pattern: a flat node program that the matcher runs with an
// explicit backtracking stack, plus the search hints.
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessel::pattern {

// The characters of a [list] or [^list].
class CharList {
 public:
  explicit CharList(bool negated) : negated_(negated) {}
  void addRange(char16_t first, char16_t last);
  // Sorts and merges the ranges added so far; call once before contains().
  void finish();
  bool contains(char16_t c) const { return (c < 128 ? ascii_.test(c) : inRanges(c)) != negated_; }

 private:
  bool inRanges(char16_t c) const;

  bool negated_;
  std::bitset<128> ascii_;
  std::vector<std::pair<char16_t, char16_t>> ranges_;  // beyond ASCII, inclusive
};

enum class Op : std::uint8_t {
  Match,      // success of the whole pattern
  LineStart,  // only where the search began
  LineEnd,    // only at the end of the text
  Any,        // one character
  AnyOf,      // one character of set a
  Literal,    // the run of b characters at literals[a]
  Split,      // go on at this+a; on failure go on at this+b
  Jump,       // go on at this+a
  Save,       // record the position in group slot a (2n start, 2n+1 end of group n)
  Repeat,     // the simple operand (Any, AnyOf set a, or Literal character a) `min` or
              // more times, as many as possible first; b is the first character of a literal
              // that must follow, or -1
};

struct Node {
  Op op;
  Op operand = Op::Any;  // Repeat only
  std::uint8_t min = 0;  // Repeat only
  std::int32_t a = 0;
  std::int32_t b = 0;
};

inline constexpr int kMaxGroups = 9;
inline constexpr int kSlotCount = 2 * (kMaxGroups + 1);

struct Program {
  std::vector<Node> nodes;
  std::u16string literals;
  std::vector<CharList> sets;
  // Search hints.
  std::optional<char16_t> firstChar;  // every match begins with it
  bool anchored = false;              // every match begins where the search began
  std::u16string requiredLiteral;     // every match contains it (empty: none)
};

// Compiles a pattern; nothing for a syntax error. Uses no recursion, so any pattern length
// or nesting is safe.
std::optional<Program> compilePattern(std::u16string_view pattern);

}  // namespace tessel::pattern
