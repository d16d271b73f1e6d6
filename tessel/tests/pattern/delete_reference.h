#pragma once
// The plain form of the delete loop, to check the incremental one against: search the whole
// current string, erase the first match that is not empty, start again.
#include <optional>
#include <string>

#include "pattern_matcher.h"

namespace tessel::testing {

struct DeleteOutcome {
  std::u16string text;
  int count = 0;
};

// Nothing when the pattern does not compile or the budget ran out. The budget is that of
// one method call; rescanning does at least the work of the incremental loop, so when this
// one finishes, so does the method.
inline std::optional<DeleteOutcome> deleteByRescanning(std::u16string text, std::u16string_view pattern,
                                                       bool global) {
  PatternMatcher matcher;
  matcher.setStepBudget(stepBudgetFor(text.size()));
  if (!matcher.compile(pattern)) return std::nullopt;
  DeleteOutcome outcome;
  for (;;) {
    const std::int32_t at = matcher.search(text, 0, 0, true, nullptr);
    if (matcher.exhausted()) return std::nullopt;
    if (at < 0) break;
    text.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(matcher.matchLength()));
    ++outcome.count;
    if (!global) break;
  }
  outcome.text = std::move(text);
  return outcome;
}

}  // namespace tessel::testing
