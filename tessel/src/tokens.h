#pragma once
// Tokens (runs between separator characters) and fields (pieces between delimiter strings).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/wstring.h"

namespace tessel {

// The tokens of text as StrTokl stores them: every maximal run of non-separators, or, when
// there is none, the whole text as the one token.
std::vector<std::u16string_view> tokensOf(std::u16string_view text, std::u16string_view separators);

// The first token of frontStr; rest receives what follows it (see FrontTokenEx). Null frontStr
// raises 2009.
std::u16string frontTokenEx(const automation::WString& frontStr, automation::WString& restStr,
                            std::u16string_view separators, bool trimRest);

// Splits, joins or checks frontStr, tokenStr and restStr by which of them are empty.
bool frontToken(automation::WString& frontStr, automation::WString& tokenStr, automation::WString& restStr,
                std::u16string_view separators, bool trimRest);

std::int32_t getFieldCount(const automation::WString& inString, std::u16string_view delimiter, bool ignoreCase);
std::u16string getField(const automation::WString& inString, std::int32_t index, std::u16string_view delimiter,
                        bool ignoreCase);
std::u16string getDelimField(const automation::WString& inString, const automation::WString& leadDelim,
                             const automation::WString& trailDelim, std::int32_t number, bool ignoreCase);

}  // namespace tessel
