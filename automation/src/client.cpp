#include "automation/client.h"

namespace automation {

HRESULT LateBound::invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result,
                          ExcepInfo* excep) const {
  if (!object_) return E_POINTER;
  DispParams params{std::move(args)};
  const HRESULT status = object_->Invoke(id, GUID_NULL, 0, flags, &params, result, excep, nullptr);
  args = std::move(params.args);
  return status;
}

Variant LateBound::invokeOrThrow(DispId id, std::uint16_t flags, std::vector<Variant> args) const {
  Variant result;
  ExcepInfo excep;
  const HRESULT status = invoke(id, flags, args, &result, &excep);
  if (failed(status)) throw AutomationError::fromExcepInfo(status, excep);
  return result;
}

Variant LateBound::call(DispId id, std::vector<Variant> args) const {
  return invokeOrThrow(id, DISPATCH_METHOD, std::move(args));
}
Variant LateBound::get(DispId id, std::vector<Variant> args) const {
  return invokeOrThrow(id, DISPATCH_PROPERTYGET, std::move(args));
}
void LateBound::put(DispId id, Variant value) const {
  invokeOrThrow(id, DISPATCH_PROPERTYPUT, {std::move(value)});
}
void LateBound::putRef(DispId id, Variant value) const {
  invokeOrThrow(id, DISPATCH_PROPERTYPUTREF, {std::move(value)});
}

DispId LateBound::idOf(std::u16string_view name) const {
  if (!object_) throw AutomationError(E_POINTER);
  const std::u16string text(name);
  const char16_t* names[] = {text.c_str()};
  DispId id = DISPID_UNKNOWN;
  if (const HRESULT s = object_->GetIDsOfNames(GUID_NULL, names, 1, 0, &id); failed(s)) throw AutomationError(s);
  return id;
}

}  // namespace automation
