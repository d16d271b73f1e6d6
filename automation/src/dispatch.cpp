#include "automation/dispatch.h"

#include "automation/dispatch_object.h"

namespace automation {

AutomationError::AutomationError(std::int32_t number, WString source, WString description)
    : status_(DISP_E_EXCEPTION), number_(number), source_(std::move(source)), description_(std::move(description)),
      what_("automation error " + std::to_string(number) + ": " + description_.toUtf8()) {}

AutomationError::AutomationError(HRESULT status)
    : status_(status), number_(status), what_("automation status " + std::to_string(status)) {}

AutomationError::AutomationError(HRESULT status, WString description)
    : status_(status), number_(status), source_(u"automation"), description_(std::move(description)),
      what_(description_.toUtf8()) {}

AutomationError AutomationError::fromExcepInfo(HRESULT status, const ExcepInfo& info) {
  if (status != DISP_E_EXCEPTION) return AutomationError(status);
  return AutomationError(info.number(), info.source, info.description);
}

void AutomationError::toExcepInfo(ExcepInfo& info) const {
  info = ExcepInfo{};
  // Numbers that fit in 16 bits travel as the code; status-like numbers as scode.
  if (number_ > 0 && number_ <= 0xFFFF) info.code = static_cast<std::uint16_t>(number_);
  else info.scode = number_;
  info.source = source_;
  info.description = description_;
}

std::u16string foldNameCase(std::u16string_view name) {
  std::u16string out(name);
  for (auto& c : out) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return out;
}

const Variant& CallArgs::operator[](std::size_t i) const {
  static const Variant missingArgument = Variant::missing();
  const std::size_t positional = params_.args.size() - (isPut() && !params_.args.empty() ? 1 : 0);
  return i < positional ? params_.args[i] : missingArgument;
}

const Variant& CallArgs::required(std::size_t i) const {
  const Variant& v = (*this)[i];
  if (v.isMissing()) throw AutomationError(DISP_E_PARAMNOTOPTIONAL);
  return v;
}

WString CallArgs::string(std::size_t i) const {
  auto s = required(i).toString();
  if (!s) throw AutomationError(DISP_E_TYPEMISMATCH);
  return *s;
}

std::int32_t CallArgs::i4(std::size_t i) const {
  Variant out;
  if (const HRESULT s = required(i).changeType(VT_I4, out); failed(s)) throw AutomationError(s);
  return *out.getI4();
}

bool CallArgs::boolean(std::size_t i) const {
  auto b = required(i).toBool();
  if (!b) throw AutomationError(DISP_E_TYPEMISMATCH);
  return *b;
}

WString* CallArgs::stringTarget(std::size_t i) const {
  const Variant& v = required(i);
  if (WString* target = v.stringTarget()) return target;
  // Passed by value (or as another type): work on the argument's own copy.
  Variant& slot = params_.args[i];
  auto s = slot.toString();
  if (!s) throw AutomationError(DISP_E_TYPEMISMATCH);
  slot = Variant::string(*s);
  return const_cast<WString*>(slot.getString());
}

}  // namespace automation
