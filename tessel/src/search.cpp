#include "search.h"

#include <algorithm>

#include "errors.h"
#include "text_case.h"

namespace tessel {

using automation::WString;

namespace {

std::u16string folded(std::u16string_view text, bool ignoreCase) {
  return ignoreCase ? lowerCopy(text) : std::u16string(text);
}

std::int32_t count32(std::size_t n) { return static_cast<std::int32_t>(std::min<std::size_t>(n, INT32_MAX)); }

}  // namespace

std::int32_t inStrR(std::int32_t start, const WString& targetStr, const WString& findStr, bool ignoreCase) {
  requireNotNull(targetStr);
  requireNotNull(findStr);
  const std::int64_t n = static_cast<std::int64_t>(targetStr.size());
  if (n == 0 || findStr.isEmpty()) return -1;
  const std::int64_t s = (start < 1 || start >= n) ? n - 1 : start;
  const std::u16string hay = folded(targetStr.view(), ignoreCase);
  const std::size_t at = hay.rfind(folded(findStr.view(), ignoreCase), static_cast<std::size_t>(s));
  return at == std::u16string::npos ? -1 : static_cast<std::int32_t>(at);
}

std::int32_t numMatches(const WString& inString, const WString& matchStr, bool ignoreCase) {
  if (inString.isNull() || matchStr.isNull()) fail(automation::basicError(94));
  if (matchStr.isEmpty()) return 0;
  const std::u16string hay = folded(inString.view(), ignoreCase);
  const std::u16string needle = folded(matchStr.view(), ignoreCase);
  std::size_t count = 0;
  for (std::size_t at = hay.find(needle); at != std::u16string::npos; at = hay.find(needle, at + needle.size())) {
    ++count;
  }
  return count32(count);
}

std::int32_t replaceStr(WString& targetStr, const WString& subStr, const WString& replaceStr, bool ignoreCase,
                        bool global) {
  requireNotNull(targetStr);
  requireNotNull(subStr);
  requireNotNull(replaceStr);
  if (subStr.isEmpty()) return 0;
  const std::u16string_view text = targetStr.view();
  const std::u16string hay = folded(text, ignoreCase);
  const std::u16string needle = folded(subStr.view(), ignoreCase);
  std::u16string out;
  std::size_t from = 0, count = 0;
  for (std::size_t at = hay.find(needle); at != std::u16string::npos; at = hay.find(needle, from)) {
    out.append(text.substr(from, at - from)).append(replaceStr.view());
    from = at + needle.size();
    ++count;
    if (!global) break;
  }
  if (count == 0) return 0;
  out.append(text.substr(from));
  targetStr = WString(std::move(out));
  return count32(count);
}

std::int32_t deleteStr(WString& inString, const WString& deleteStr, bool ignoreCase, bool global) {
  requireNotNull(inString);
  requireNotNull(deleteStr);
  if (deleteStr.isEmpty()) return 0;
  const std::u16string_view text = inString.view();
  const std::u16string needle = folded(deleteStr.view(), ignoreCase);
  // Deleting the first occurrence again and again from the start equals one pass that keeps
  // the text kept so far free of occurrences: an occurrence completes when its last character
  // is appended, and deleting it may join the text before it with what follows.
  std::u16string kept, keptFolded;
  kept.reserve(text.size());
  keptFolded.reserve(text.size());
  std::size_t count = 0, i = 0;
  for (; i < text.size(); ++i) {
    if (!global && count > 0) break;
    kept.push_back(text[i]);
    keptFolded.push_back(ignoreCase ? lowerChar(text[i]) : text[i]);
    if (keptFolded.size() >= needle.size() && keptFolded.back() == needle.back() &&
        std::u16string_view(keptFolded).substr(keptFolded.size() - needle.size()) == needle) {
      kept.resize(kept.size() - needle.size());
      keptFolded.resize(keptFolded.size() - needle.size());
      ++count;
    }
  }
  if (count == 0) return 0;
  kept.append(text.substr(i));
  inString = WString(std::move(kept));
  return count32(count);
}

void insertStr(WString& inString, const WString& insertStr, std::int32_t position) {
  requireNotNull(inString);
  requireNotNull(insertStr);
  if (position < 0 || static_cast<std::size_t>(position) > inString.size()) raise(IDS_ERR_RANGE);
  std::u16string out(inString.view());
  out.insert(static_cast<std::size_t>(position), insertStr.view());
  inString = WString(std::move(out));
}

void replaceAt(WString& inString, const WString& replaceStr, std::int32_t position, std::int32_t length) {
  requireNotNull(inString);
  requireNotNull(replaceStr);
  if (position < 1 || static_cast<std::size_t>(position) > inString.size() || length < 1) raise(IDS_ERR_RANGE);
  std::u16string out(inString.view());
  out.replace(static_cast<std::size_t>(position), static_cast<std::size_t>(length), replaceStr.view());
  inString = WString(std::move(out));
}

void deleteAt(WString& inString, std::int32_t position, std::int32_t length) {
  if (position < 0 || static_cast<std::size_t>(position) > inString.size() || length < 1) raise(IDS_ERR_RANGE);
  std::u16string out(inString.view());
  out.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(length));
  inString = WString(std::move(out));
}

}  // namespace tessel
