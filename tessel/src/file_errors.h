#pragma once
// File errors of ParseFile: the cause number of a failed system call and its text.
#include <string_view>

#include "automation/wstring.h"

namespace tessel {

// Raises the file error for errno value `error` on the named file.
[[noreturn]] void raiseFileError(int error, const automation::WString& fileName);

}  // namespace tessel
