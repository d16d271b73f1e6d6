#include "pattern_methods.h"

#include <algorithm>

#include "../errors.h"
#include "../text_case.h"
#include "pattern_matcher.h"

namespace tessel {

namespace {

// Compiles the pattern and gives the matcher the budget of one call on a text of that length.
bool prepare(PatternMatcher& matcher, std::u16string_view pattern, std::size_t textLength) {
  matcher.setStepBudget(stepBudgetFor(textLength));
  return matcher.compile(pattern);
}

// The first match at or after `from`, for loops that go on from there (`^` matches there).
std::int32_t searchOnFrom(PatternMatcher& matcher, std::u16string_view text, std::size_t from) {
  return matcher.search(text, static_cast<std::int32_t>(from), static_cast<std::int64_t>(from), false, nullptr);
}

// The string of a delete loop, kept as the characters before a gap and those after it.
// Deleting moves the gap to the match and widens it over the match, so each deletion moves
// only the characters between the gap and the match, never the rest of a long string. The
// searched text (possibly folded) and the kept text (its original case) move together.
class GapText {
 public:
  GapText(std::u16string searched, std::u16string kept)
      : searched_(std::move(searched)), kept_(std::move(kept)) {}

  std::size_t gapStart() const { return gapStart_; }
  // The searched text after the gap, which starts at logical position gapStart().
  std::u16string_view afterGap() const { return std::u16string_view(searched_).substr(gapEnd_); }

  void moveGapTo(std::size_t at) {
    for (std::u16string* s : {&searched_, &kept_}) {
      if (s->empty()) continue;
      auto* data = s->data();
      if (at < gapStart_)
        std::copy_backward(data + at, data + gapStart_, data + gapEnd_);
      else
        std::copy(data + gapEnd_, data + gapEnd_ + (at - gapStart_), data + gapStart_);
    }
    if (at < gapStart_)
      gapEnd_ -= gapStart_ - at;
    else
      gapEnd_ += at - gapStart_;
    gapStart_ = at;
  }

  void eraseAfterGap(std::size_t length) { gapEnd_ += length; }

  std::u16string kept() const {
    const std::u16string& text = kept_.empty() ? searched_ : kept_;
    return text.substr(0, gapStart_) + text.substr(gapEnd_);
  }

 private:
  std::u16string searched_;
  std::u16string kept_;  // empty when the searched text is the kept text
  std::size_t gapStart_ = 0;
  std::size_t gapEnd_ = 0;
};

}  // namespace

std::int32_t regInStr(std::int32_t start, const automation::WString& inString,
                      const automation::WString& regStr, std::int32_t& length, bool ignoreCase) {
  requireNotNull(inString);
  requireNotNull(regStr);
  const std::u16string text = ignoreCase ? lowerCopy(inString.view()) : inString.str();
  const std::u16string pattern = ignoreCase ? lowerCopy(regStr.view()) : regStr.str();
  PatternMatcher matcher;
  if (!prepare(matcher, pattern, text.size())) return -1;

  // A start past the end counts as 1; searching from 1 means from offset 0.
  const std::int64_t s = (start < 1 || static_cast<std::size_t>(start) > text.size()) ? 1 : start;
  const std::size_t offset = s >= 2 ? static_cast<std::size_t>(s) : 0;
  const std::int32_t at = matcher.find(std::u16string_view(text).substr(offset));
  if (at < 0) return -1;
  length = matcher.matchLength();
  return at + static_cast<std::int32_t>(offset);
}

std::int32_t regReplaceStr(automation::WString& inString, const automation::WString& searchExp,
                           const automation::WString& replaceExp, bool ignoreCase, bool global) {
  requireNotNull(inString);
  requireNotNull(searchExp);
  requireNotNull(replaceExp);
  const std::u16string& original = inString.str();
  const std::u16string text = ignoreCase ? lowerCopy(original) : original;
  const std::u16string pattern = ignoreCase ? lowerCopy(searchExp.view()) : searchExp.str();
  PatternMatcher matcher;
  if (!prepare(matcher, pattern, text.size())) return 0;

  std::u16string result;
  std::size_t copied = 0;  // original characters already in result
  std::size_t from = 0;
  std::int32_t count = 0;
  while (from <= text.size()) {
    const std::int32_t at = searchOnFrom(matcher, text, from);
    if (at < 0) break;
    ++count;
    const std::size_t matchStart = static_cast<std::size_t>(at);
    const std::size_t matchEnd = matchStart + static_cast<std::size_t>(matcher.matchLength());
    result.append(original, copied, matchStart - copied);
    matcher.expand(replaceExp.view(), original, result);
    copied = from = matchEnd;
    if (!global) break;
    if (matchEnd == matchStart) {
      // An empty match: keep the character after it and go on behind that character.
      if (matchEnd == text.size()) break;
      result.push_back(original[matchEnd]);
      copied = from = matchEnd + 1;
    }
  }
  if (count == 0 || matcher.exhausted()) return 0;
  result.append(original, copied);
  inString = automation::WString(std::move(result));
  return count;
}

std::int32_t regNumMatches(const automation::WString& inString, const automation::WString& matchStr,
                           bool ignoreCase) {
  requireNotNull(inString);
  requireNotNull(matchStr);
  const std::u16string text = ignoreCase ? upperCopy(inString.view()) : inString.str();
  const std::u16string pattern = ignoreCase ? upperCopy(matchStr.view()) : matchStr.str();
  PatternMatcher matcher;
  if (!prepare(matcher, pattern, text.size())) return 0;

  std::int32_t count = 0;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::int32_t at = searchOnFrom(matcher, text, from);
    if (at < 0) break;
    ++count;
    from = static_cast<std::size_t>(at) + 1;
  }
  return matcher.exhausted() ? 0 : count;
}

std::int32_t regDeleteStr(automation::WString& inString, const automation::WString& regDeleteStr,
                          bool ignoreCase, bool global) {
  requireNotNull(inString);
  requireNotNull(regDeleteStr);
  const std::u16string pattern = ignoreCase ? lowerCopy(regDeleteStr.view()) : regDeleteStr.str();
  PatternMatcher matcher;
  if (!prepare(matcher, pattern, inString.size())) return 0;
  GapText text = ignoreCase ? GapText(lowerCopy(inString.view()), inString.str())
                            : GapText(inString.str(), std::u16string());

  // Every search covers the whole current string from its start. Trials at earlier
  // positions that failed (or found only an empty match) without looking at the place of a
  // deletion cannot change, so the next search resumes at the first trial that did look there.
  std::vector<PatternMatcher::Trial> tried;  // logical positions, reach increasing
  std::vector<PatternMatcher::Trial> round;
  std::int32_t count = 0;
  for (;;) {
    const auto resume = static_cast<std::int32_t>(text.gapStart());
    round.clear();
    const std::int32_t at = matcher.search(text.afterGap(), 0, -static_cast<std::int64_t>(resume), true, &round);
    if (matcher.exhausted()) return 0;
    for (const auto& trial : round) {
      const PatternMatcher::Trial shifted{trial.start + resume, trial.reach + resume};
      if (tried.empty() || shifted.reach > tried.back().reach) tried.push_back(shifted);
    }
    if (at < 0) break;
    const std::int32_t deletedAt = resume + at;
    text.moveGapTo(static_cast<std::size_t>(deletedAt));
    text.eraseAfterGap(static_cast<std::size_t>(matcher.matchLength()));
    ++count;
    if (!global) break;
    std::int32_t next = deletedAt;
    while (!tried.empty() && tried.back().reach >= deletedAt) {
      next = tried.back().start;
      tried.pop_back();
    }
    text.moveGapTo(static_cast<std::size_t>(next));
  }
  if (count == 0) return 0;
  inString = automation::WString(text.kept());
  return count;
}

}  // namespace tessel
