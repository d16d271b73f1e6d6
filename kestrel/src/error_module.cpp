#include "error_module.h"

#include <array>

#include "interfaces/kestrel.h"

namespace kestrel {

using automation::AutomationError;

namespace {

constexpr std::array<std::u16string_view, 8> kMessages{
    u"general Parsing Failure.  Check that the directory string is the correct format and that HostType is correctly set.",
    u"Bad Directory Format.  Check that the input string has not been corruped.",
    u"The Parser was unable to correctly parse the date Field.",
    u"The Parser For the designated HostType has not yet been implemented.",
    u"The File Filter property contains an incorrectly formatted filter string; each filter element has two parts; "
    u"the first for Display, the second, a list of filter extensions. The two parts are separated by a pipe \"|\" "
    u"char. Example:  Text Files (*.txt)|*.txt.   There should be no space on either side of the pipe.",
    u"The Filename supplied contains 1 or more invalid characters for this host.",
    u"The FileName Or File Extension is too long",
    u"The specified FTP Command was not found in HELP and may not be supported.",
};

bool isWordBreak(char16_t c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v' || c == u'\r' || c == u'\n'; }

std::u16string decimal(std::int32_t n) {
  const std::string text = std::to_string(n);
  return std::u16string(text.begin(), text.end());
}

std::u16string_view runTimeMessage(std::int32_t number) {
  switch (number) {
    case 5: return u"Invalid procedure call or argument";
    case 6: return u"Overflow";
    case 7: return u"Out of memory";
    case 9: return u"Subscript out of range";
    case 13: return u"Type mismatch";
    case 91: return u"Object variable or With block variable not set";
    case 457: return u"This key is already associated with an element of this collection";
    default: return {};
  }
}

}  // namespace

std::u16string_view messageText(int messageNumber) {
  if (messageNumber < 1000 || messageNumber > 1007) return {};
  return kMessages[static_cast<std::size_t>(messageNumber - 1000)];
}

std::u16string wordWrap(std::u16string_view text, std::size_t width) {
  if (text.size() <= width) return std::u16string(text);
  std::u16string out;
  std::size_t lineLength = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isWordBreak(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isWordBreak(text[i])) ++i;
    if (start == i) break;
    if (lineLength > 0) {
      out += u' ';
      ++lineLength;
    }
    out.append(text.substr(start, i - start));
    lineLength += i - start;
    if (lineLength >= width) {
      out += u"\r\n";
      lineLength = 0;
    }
  }
  if (lineLength > 0) out += u"\r\n";
  return out;
}

std::int32_t errorNumberOf(const AutomationError& error) {
  const std::int32_t n = error.number();
  return automation::isBasicError(n) ? automation::basicErrorNumber(n) : n;
}

std::u16string standardMessage(const AutomationError& error) {
  const std::int32_t n = errorNumberOf(error);
  if (auto text = messageText(n - kObjectErrorBase); !text.empty()) return std::u16string(text);
  if (auto text = runTimeMessage(n); !text.empty()) return std::u16string(text);
  if (!error.description().isEmpty()) return error.description().str();
  return u"Automation error " + decimal(n);
}

void raiseLibraryError(std::int32_t number, std::u16string_view source) {
  std::u16string description = u"In Module.Proc: " + std::u16string(source) + u"\r\n\r\n" +
                               wordWrap(messageText(number - kObjectErrorBase));
  throw AutomationError(number, WString(source), WString(std::move(description)));
}

void raiseAgain(const AutomationError& caught, std::u16string_view source, std::u16string_view library) {
  const std::int32_t n = errorNumberOf(caught);
  std::u16string description = u"Error: " + decimal(n) + u"\r\nIn Module.Proc: " + std::u16string(source) +
                               u"\r\n\r\nError Message: " + wordWrap(standardMessage(caught));
  WString originalSource = caught.source().isNull() ? WString(library) : caught.source();
  throw AutomationError(n, std::move(originalSource), WString(std::move(description)));
}

void raiseInvalidArgument() {
  throw AutomationError(kInvalidArgumentError, WString(kLibrary), WString(runTimeMessage(kInvalidArgumentError)));
}

void raiseDuplicateKey() {
  throw AutomationError(kDuplicateKeyError, WString(kLibrary), WString(runTimeMessage(kDuplicateKeyError)));
}

}  // namespace kestrel
