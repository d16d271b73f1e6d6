#pragma once
// File names and paths: cutting at the last separator, joining, and checking that parts match.
#include <string>
#include <string_view>

#include "automation/wstring.h"

namespace tessel {

// The text after the last occurrence of separator's first character (all of it when none).
std::u16string fileFromPath(const automation::WString& fullPath, std::u16string_view separator);
// The text up to and including that character (empty when none).
std::u16string pathFromFPath(const automation::WString& fullPath, std::u16string_view separator);

// Splits fullPath into path and file, joins them into fullPath, or checks them, by which of the
// (trimmed) three are empty.
bool filePath(automation::WString& fullPath, automation::WString& file, automation::WString& path,
              std::u16string_view separator);
// The same for a file name, its base name and its extension, at the last ".".
bool fileExt(automation::WString& fileExt, automation::WString& file, automation::WString& ext);

}  // namespace tessel
