#pragma once
// Dispatch by id for component classes: a table of members (id, name, kinds, argument counts,
// body) and a base class that answers GetIDsOfNames and Invoke from it.
#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_map>

#include "automation/object.h"

namespace automation {

// The arguments of one dispatched call, with conversions that fail the call the way a
// late-bound client expects (plain DISP_E_TYPEMISMATCH / DISP_E_PARAMNOTOPTIONAL statuses).
class CallArgs {
 public:
  CallArgs(DispParams& params, std::uint16_t flags) : params_(params), flags_(flags) {}

  std::size_t count() const { return params_.args.size(); }
  bool isPut() const { return (flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }
  // The i-th positional argument, or the missing-argument marker when it was not passed.
  const Variant& operator[](std::size_t i) const;
  // The value of a property put (the last argument).
  const Variant& putValue() const { return params_.args.back(); }

  bool isMissing(std::size_t i) const { return (*this)[i].isMissing(); }
  WString string(std::size_t i) const;
  std::int32_t i4(std::size_t i) const;
  bool boolean(std::size_t i) const;
  // A by-reference string argument: its value, and a way to write it back. A string passed by
  // value can be read; what is written to it is dropped, as with any by-value argument.
  WString* stringTarget(std::size_t i) const;

 private:
  const Variant& required(std::size_t i) const;

  DispParams& params_;
  std::uint16_t flags_;
};

template <class T>
struct DispatchMember {
  DispId id;
  std::u16string name;
  std::uint16_t kinds;  // the InvokeFlags the member answers
  std::size_t minArgs;
  std::size_t maxArgs;
  std::function<Variant(T& self, CallArgs& args)> body;
};

template <class T>
class DispatchTable {
 public:
  DispatchTable(std::initializer_list<DispatchMember<T>> members);

  // Names are matched without regard to case.
  HRESULT idsOfNames(const char16_t* const* names, std::uint32_t count, DispId* ids) const;
  HRESULT invoke(T& self, DispId id, std::uint16_t flags, DispParams* params, Variant* result,
                 ExcepInfo* excep) const;

 private:
  std::unordered_map<DispId, DispatchMember<T>> byId_;
  std::unordered_map<std::u16string, DispId> byName_;
};

std::u16string foldNameCase(std::u16string_view name);

// Base of a component class whose dispatch interface is served from Derived::dispatchTable().
template <class Derived, class... Interfaces>
class DispatchObject : public ObjectWithoutTypeInfo<Derived, Interfaces...> {
 public:
  HRESULT GetIDsOfNames(const Guid&, const char16_t* const* names, std::uint32_t count,
                        std::uint32_t, DispId* ids) override {
    return Derived::dispatchTable().idsOfNames(names, count, ids);
  }
  HRESULT Invoke(DispId id, const Guid&, std::uint32_t, std::uint16_t flags, DispParams* params,
                 Variant* result, ExcepInfo* excep, std::uint32_t*) override {
    return Derived::dispatchTable().invoke(*static_cast<Derived*>(this), id, flags, params, result, excep);
  }
};

// ---- implementation ----

template <class T>
DispatchTable<T>::DispatchTable(std::initializer_list<DispatchMember<T>> members) {
  for (const auto& m : members) {
    byName_.emplace(foldNameCase(m.name), m.id);
    byId_.emplace(m.id, m);
  }
}

template <class T>
HRESULT DispatchTable<T>::idsOfNames(const char16_t* const* names, std::uint32_t count, DispId* ids) const {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  HRESULT status = S_OK;
  for (std::uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (auto it = byName_.find(foldNameCase(names[0] ? names[0] : u"")); it != byName_.end()) ids[0] = it->second;
  else status = DISP_E_UNKNOWNNAME;
  // Argument names are not published: asking for them fails as an unknown name.
  if (count > 1) status = DISP_E_UNKNOWNNAME;
  return status;
}

template <class T>
HRESULT DispatchTable<T>::invoke(T& self, DispId id, std::uint16_t flags, DispParams* params,
                                 Variant* result, ExcepInfo* excep) const {
  auto it = byId_.find(id);
  if (it == byId_.end()) return DISP_E_MEMBERNOTFOUND;
  const DispatchMember<T>& m = it->second;
  if ((flags & m.kinds) == 0) return DISP_E_MEMBERNOTFOUND;
  DispParams none;
  DispParams& p = params ? *params : none;
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const std::size_t n = p.args.size() - (put && !p.args.empty() ? 1 : 0);
  if ((put && p.args.empty()) || n < m.minArgs || n > m.maxArgs) return DISP_E_BADPARAMCOUNT;
  // A method call may also be answered as a property get (and the other way round), so the
  // kind passed to the body is the one the member answers.
  CallArgs args(p, static_cast<std::uint16_t>(flags & m.kinds));
  Variant value;
  const HRESULT status = guardCall(excep, [&] { value = m.body(self, args); });
  if (succeeded(status) && result) *result = std::move(value);
  return status;
}

}  // namespace automation
