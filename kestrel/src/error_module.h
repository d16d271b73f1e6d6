#pragma once
// The error module shared by the directory model and the listing parser: their error numbers
// with message texts 1000 to 1007, raising a library error with a decorated description,
// raising a caught error again, and the word wrap of messages.
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/dispatch.h"

namespace kestrel {

// The source of errors raised by the directory model without a source of their own.
inline constexpr char16_t kLibrary[] = u"KestrelDLL";

// The text of message 1000 to 1007 (empty for other numbers).
std::u16string_view messageText(int messageNumber);

// Cuts a text longer than `width` characters into lines of words, each line ended by CR LF
// after the word that brings it to `width` characters or more; shorter texts are unchanged.
std::u16string wordWrap(std::u16string_view text, std::size_t width = 45);

// The error number a client sees for a caught error: the run-time number for statuses of the
// run-time facility (0x800A01C9 is 457), else the number or status itself.
std::int32_t errorNumberOf(const automation::AutomationError& error);

// The standard message of an error number: the library's own texts, the run-time texts the
// collections raise, else the error's own description or a generic text.
std::u16string standardMessage(const automation::AutomationError& error);

// Raises library error `number` (one of KestrelErrors) with source `source` and the description
// "In Module.Proc: " + source, an empty line, and the wrapped message text.
[[noreturn]] void raiseLibraryError(std::int32_t number, std::u16string_view source);

// Raises `caught` again under its own number and source (`library` when it has none) with the
// description "Error: N", "In Module.Proc: " + source, an empty line, "Error Message: " +
// the wrapped standard message.
[[noreturn]] void raiseAgain(const automation::AutomationError& caught, std::u16string_view source,
                             std::u16string_view library);

// The collections' own errors: 5 for a missing key or position, 457 for a duplicate key.
[[noreturn]] void raiseInvalidArgument();
[[noreturn]] void raiseDuplicateKey();

}  // namespace kestrel
