#include "errors.h"

namespace tessel {

std::u16string_view errorText(std::int32_t code) {
  switch (code) {
    case IDS_ERR_BYREF: return u"Type Mismatch in Tokl Parameter.\nPass a string array by reference.";
    case IDS_ERR_WRONGDIM: return u"Type Mismatch in Tokl Parameter. \nPass a one-dimensional array.";
    case IDS_ERR_DYNAMIC: return u"Type Mismatch in Tokl Parameter. \nPass a DYNAMIC string array.";
    case IDS_ERR_HEAPALLOC: return u"HeapAlloc failed.  There may not be enough memory to perform the operation.";
    case IDS_ERR_STRTOKL: return u"Unexpected Failure in StrTokl Method.";
    case IDS_ERR_PARSEFILE: return u"Unexpected Failure in ParseFile Method.";
    case IDS_ERR_RANGE: return u"Parameter is out of range.";
    case IDS_ERR_ARGUMENT_EMPTY: return u"The input argument must not be an empty string.";
    case IDS_ERR_STRCHRL: return u"Unexpected Failure in StrChrl Method.";
    default: return u"";
  }
}

void raise(TesselErr code) { raise(code, errorText(code)); }

void raise(std::int32_t code, std::u16string_view text) {
  throw automation::AutomationError(code, automation::WString(kErrorSource), automation::WString(text));
}

void fail(automation::HRESULT status) { throw automation::AutomationError(status); }

}  // namespace tessel
