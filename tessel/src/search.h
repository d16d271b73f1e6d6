#pragma once
// Plain-text search, replace, insert and delete. Positions are 0-based character offsets.
#include <cstdint>

#include "automation/wstring.h"

namespace tessel {

// The last position at or before start where findStr begins (start below 1 or past the end
// means from the end), or -1.
std::int32_t inStrR(std::int32_t start, const automation::WString& targetStr, const automation::WString& findStr,
                    bool ignoreCase);
// Non-overlapping occurrences; an empty matchStr has none.
std::int32_t numMatches(const automation::WString& inString, const automation::WString& matchStr, bool ignoreCase);
// Replaces occurrences, never searching a replacement again; returns how many.
std::int32_t replaceStr(automation::WString& targetStr, const automation::WString& subStr,
                        const automation::WString& replaceStr, bool ignoreCase, bool global);
// Deletes occurrences, each search from the start of the shortened string; returns how many.
std::int32_t deleteStr(automation::WString& inString, const automation::WString& deleteStr, bool ignoreCase,
                       bool global);
void insertStr(automation::WString& inString, const automation::WString& insertStr, std::int32_t position);
void replaceAt(automation::WString& inString, const automation::WString& replaceStr, std::int32_t position,
               std::int32_t length);
void deleteAt(automation::WString& inString, std::int32_t position, std::int32_t length);

}  // namespace tessel
