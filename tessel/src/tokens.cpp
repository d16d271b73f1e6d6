#include "tokens.h"

#include "char_set.h"
#include "errors.h"
#include "text_case.h"

namespace tessel {

using automation::WString;

std::vector<std::u16string_view> tokensOf(std::u16string_view text, std::u16string_view separators) {
  const CharSet set(separators);
  auto isSeparator = [&](char16_t c) { return set.contains(c); };
  std::vector<std::u16string_view> tokens;
  for (TokenSpan t = nextToken(text, 0, isSeparator); t.begin < text.size(); t = nextToken(text, t.end, isSeparator)) {
    tokens.push_back(text.substr(t.begin, t.end - t.begin));
  }
  if (tokens.empty()) tokens.push_back(text);
  return tokens;
}

namespace {

struct FrontSplit {
  std::u16string_view token;
  std::u16string_view rest;
};

// The first token and what follows it, starting with the separator that ended the token; with
// no token, the token is empty and the rest is the whole text. trimRest drops the rest's
// leading separators.
FrontSplit splitFront(std::u16string_view text, std::u16string_view separators, bool trimRest) {
  const CharSet set(separators);
  auto isSeparator = [&](char16_t c) { return set.contains(c); };
  const TokenSpan t = nextToken(text, 0, isSeparator);
  FrontSplit split;
  if (t.begin < text.size()) {
    split.token = text.substr(t.begin, t.end - t.begin);
    split.rest = text.substr(t.end);
  } else {
    split.rest = text;
  }
  if (trimRest) {
    std::size_t skip = 0;
    while (skip < split.rest.size() && isSeparator(split.rest[skip])) ++skip;
    split.rest.remove_prefix(skip);
  }
  return split;
}

// Non-overlapping occurrences of needle from `from` on; npos when there is none. An empty
// needle never occurs, so no loop over occurrences can stand still.
std::size_t findFrom(std::u16string_view hay, std::u16string_view needle, std::size_t from) {
  if (needle.empty()) return std::u16string_view::npos;
  return hay.find(needle, from);
}

}  // namespace

std::u16string frontTokenEx(const WString& frontStr, WString& restStr, std::u16string_view separators,
                            bool trimRest) {
  requireNotNull(frontStr);
  const FrontSplit split = splitFront(frontStr.view(), separators, trimRest);
  std::u16string token(split.token);
  restStr = WString(split.rest);
  return token;
}

bool frontToken(WString& frontStr, WString& tokenStr, WString& restStr, std::u16string_view separators,
                bool trimRest) {
  if (frontStr.isNull() && tokenStr.isNull() && restStr.isNull()) fail(automation::basicError(94));
  // Copies, so that the same string passed for several arguments reads consistently.
  const std::u16string front(frontStr.view()), token(tokenStr.view()), rest(restStr.view());
  if (front.empty()) {
    if (token.empty() || rest.empty()) return false;
    frontStr = WString(token + rest);
    return true;
  }
  const FrontSplit split = splitFront(front, separators, trimRest);
  if (token.empty() && rest.empty()) {
    tokenStr = WString(split.token);
    restStr = WString(split.rest);
    return true;
  }
  if (token.empty()) {
    tokenStr = WString(split.token);
    return split.rest == rest;
  }
  if (rest.empty()) {
    restStr = WString(split.rest);
    return split.token == token;
  }
  // All three given: a check that they are the split of frontStr; nothing changes.
  return split.token == token && split.rest == rest;
}

std::int32_t getFieldCount(const WString& inString, std::u16string_view delimiter, bool ignoreCase) {
  requireNotNull(inString);
  const std::u16string hay = ignoreCase ? lowerCopy(inString.view()) : std::u16string(inString.view());
  const std::u16string needle = ignoreCase ? lowerCopy(delimiter) : std::u16string(delimiter);
  std::int32_t count = 1;
  for (std::size_t at = findFrom(hay, needle, 0); at != std::u16string::npos; at = findFrom(hay, needle, at + needle.size())) {
    ++count;
  }
  return count;
}

std::u16string getField(const WString& inString, std::int32_t index, std::u16string_view delimiter, bool ignoreCase) {
  requireNotNull(inString);
  if (index < 0) return {};
  const std::u16string_view text = inString.view();
  const std::u16string hay = ignoreCase ? lowerCopy(text) : std::u16string(text);
  const std::u16string needle = ignoreCase ? lowerCopy(delimiter) : std::u16string(delimiter);
  std::size_t start = 0;
  for (std::int32_t i = 0; i < index; ++i) {
    const std::size_t at = findFrom(hay, needle, start);
    if (at == std::u16string::npos) return {};  // past the last field
    start = at + needle.size();
  }
  const std::size_t end = findFrom(hay, needle, start);
  return std::u16string(text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start));
}

std::u16string getDelimField(const WString& inString, const WString& leadDelim, const WString& trailDelim,
                             std::int32_t number, bool ignoreCase) {
  requireNotNull(inString);
  requireNotNull(leadDelim);
  requireNotNull(trailDelim);
  if (number < 0) return {};
  const std::u16string_view text = inString.view();
  const std::u16string hay = ignoreCase ? lowerCopy(text) : std::u16string(text);
  const std::u16string lead = ignoreCase ? lowerCopy(leadDelim.view()) : std::u16string(leadDelim.view());
  const std::u16string trail = ignoreCase ? lowerCopy(trailDelim.view()) : std::u16string(trailDelim.view());
  std::size_t from = 0;
  std::u16string_view piece;
  for (std::int32_t i = 0; i <= number; ++i) {
    const std::size_t at = hay.find(lead, from);
    if (at == std::u16string::npos) return {};
    const std::size_t begin = at + lead.size();
    const std::size_t end = hay.find(trail, begin);
    if (end == std::u16string::npos) return {};
    piece = text.substr(begin, end - begin);
    // The next search starts at this leading delimiter plus the trailing delimiter's length;
    // with an empty trailing delimiter it would find the same piece again and again.
    if (trail.empty()) break;
    from = at + trail.size();
  }
  return std::u16string(piece);
}

}  // namespace tessel
