#pragma once
// Compiles a pattern and finds its matches in a text.
//
// The search backtracks on an explicit stack (no native recursion), and every search works
// against a step budget: a step is a node visited, a character compared or scanned, or a
// backtrack. The budget is set per method call (see stepBudgetFor) and shared by all the
// searches of that call. When it runs out, or the backtracking stack would exceed
// kMaxBacktrackFrames, the search stops, reports no match and exhausted() becomes true; the
// pattern methods then give the result of "no match" for the whole call.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pattern_program.h"

namespace tessel {

inline constexpr std::uint64_t kBaseStepBudget = std::uint64_t{1} << 20;
inline constexpr std::uint64_t kStepsPerCharacter = 64;
inline constexpr std::size_t kMaxBacktrackFrames = std::size_t{1} << 24;

// The budget of one method call on a text of that many characters.
inline std::uint64_t stepBudgetFor(std::size_t textLength) {
  return kBaseStepBudget + kStepsPerCharacter * textLength;
}

class PatternMatcher {
 public:
  // Builds the program; false for a syntax error, after which nothing matches.
  bool compile(std::u16string_view pattern);

  // Gives the following searches a fresh budget of that many steps.
  void setStepBudget(std::uint64_t steps);
  bool exhausted() const { return exhausted_; }

  // The 0-based start of the first match in text (`^` matches at 0), or -1.
  std::int32_t find(std::u16string_view text);

  // Finds the first match that starts at or after `from` in text. `^` matches at position
  // `lineStart` (which may lie outside the text). With skipEmpty, empty matches are passed
  // over. When tried is given, it receives the trials that did not give the match, as the
  // positions whose trial looked further than any earlier one, each with the furthest
  // position it looked at (a later change of the text at or beyond that position can change
  // the trial's outcome).
  struct Trial {
    std::int32_t start;
    std::int32_t reach;
  };
  std::int32_t search(std::u16string_view text, std::int32_t from, std::int64_t lineStart,
                      bool skipEmpty, std::vector<Trial>* tried);

  // End minus start of the last match; 0 when there is none.
  std::int32_t matchLength() const;
  // The text of group 0..9 of the last match, taken from source at the positions the match
  // had in the searched text (source may differ from it in case only); empty when the group
  // did not take part.
  std::u16string_view group(int n, std::u16string_view source) const;
  // Appends the replacement for the last match: & is the match, \0 to \9 a group, \\ and \&
  // the characters themselves; a \ before anything else stays.
  void expand(std::u16string_view replacement, std::u16string_view source, std::u16string& out) const;

 private:
  // One entry of the backtracking stack: a choice to come back to, or a slot to restore.
  struct Frame {
    enum class Kind : std::uint8_t {
      Alternative,  // go on at pc from pos
      Backoff,      // retry the Repeat node at pc from pos with at most k repetitions
      Restore,      // put slot pc back to the value pos
    };
    Kind kind;
    std::int32_t pc;
    std::int32_t pos;
    std::int32_t k;
  };
  bool containsRequiredLiteral(std::u16string_view text, std::int32_t from);
  bool tryAt(std::int32_t start);
  bool spend(std::uint64_t steps);
  bool backtrack(std::int32_t& pc, std::int32_t& pos);
  std::int32_t repeatCount(const pattern::Node& node, std::int32_t pos) const;
  std::int32_t nextRepeatCount(const pattern::Node& node, std::int32_t pos, std::int32_t k) const;

  std::optional<pattern::Program> program_;
  std::vector<std::size_t> literalBorders_;  // of the required literal
  // The text being searched and where `^` matches in it.
  std::u16string_view text_;
  std::int64_t lineStart_ = 0;
  // Slots 2n and 2n+1: start and end of group n; -1 when unset.
  std::int32_t slots_[pattern::kSlotCount] = {};
  bool found_ = false;
  std::int32_t reach_ = 0;
  std::vector<Frame> stack_;
  std::uint64_t budget_ = kBaseStepBudget;
  bool exhausted_ = false;
};

}  // namespace tessel
