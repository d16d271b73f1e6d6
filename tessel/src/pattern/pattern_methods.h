#pragma once
// The four pattern methods of the string library, as plain C++ functions that the dispatch
// layer binds to its methods. Each raises IDS_ERR_ARGUMENT_EMPTY (2009) when a required
// string is null; a zero-length string is accepted.
//
// A pattern that does not compile, or whose search runs out of its step budget, gives the
// result of "no match": -1 from regInStr, 0 from the others, and every by-reference
// argument is left as it was. No other error is raised. The budget of one call is 2^20
// steps plus 64 per character of the text, and at most 2^24 open choices on the
// backtracking stack (see PatternMatcher): pathological patterns (exponential backtracking)
// end in bounded time. Ordinary searches take a few steps per character and stay far below
// it; work that grows with the square of the text can reach it on long texts (counting
// overlapping matches of a+ in a million a's, for example).
#include <cstdint>

#include "automation/wstring.h"

namespace tessel {

// The 0-based position of the first match of regStr in inString, or -1. The search begins
// at offset start when start is 2 or more (and not past the end), else at offset 0; `^`
// matches where the search begins. On a match, length receives the match length; otherwise
// it is unchanged. ignoreCase folds both strings to lower case first.
std::int32_t regInStr(std::int32_t start, const automation::WString& inString,
                      const automation::WString& regStr, std::int32_t& length, bool ignoreCase);

// Replaces the first match (or, with global, every match) of searchExp in inString by the
// expansion of replaceExp (`&` the match, \0 to \9 the groups, \\ and \& the characters).
// The search goes on after each match and never looks at inserted text; an empty match
// keeps the character after it and goes on behind that character. With ignoreCase the
// matching is case-insensitive, while untouched text and the inserted match and group texts
// keep their case. Returns the number of replacements.
std::int32_t regReplaceStr(automation::WString& inString, const automation::WString& searchExp,
                           const automation::WString& replaceExp, bool ignoreCase, bool global);

// Counts the matches of matchStr in inString; each search after a match begins one
// character after that match's start (matches may overlap, `^` matches at each new search
// start). A match at the very end of the text is counted and ends the count. ignoreCase
// folds both strings to upper case first.
std::int32_t regNumMatches(const automation::WString& inString, const automation::WString& matchStr,
                           bool ignoreCase);

// Deletes the first match (or, with global, repeatedly the first match of what is left) of
// the pattern from inString; every search looks at the whole current string, so deletions
// that create new matches are followed by more deletions. Empty matches delete nothing and
// are passed over (the search takes the first match that is not empty). With ignoreCase the
// matching is case-insensitive and the text that stays keeps its case. Returns the number
// of deletions.
std::int32_t regDeleteStr(automation::WString& inString, const automation::WString& regDeleteStr,
                          bool ignoreCase, bool global);

}  // namespace tessel
