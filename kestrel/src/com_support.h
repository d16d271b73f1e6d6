#pragma once
// Glue between the dual interfaces and their dispatch tables. Members are implemented once, as
// the interface's virtual methods; a failing method returns its error's status and leaves the
// full error (number, source, description) for this thread, where the dispatch table picks it
// up again so that late-bound callers see the source and description too.
#include <new>
#include <optional>

#include "automation/dispatch_object.h"
#include "automation/enumerator.h"
#include "interfaces/kestrel.h"

namespace kestrel {

using automation::AutomationError;
using automation::CallArgs;
using automation::ComPtr;
using automation::DispatchMember;
using automation::DispatchTable;
using automation::DispId;

// The status a vtable caller sees for an error.
automation::HRESULT statusOf(const AutomationError& error);
// Remembers the error of the failing call on this thread.
void rememberError(const AutomationError& error);
// Throws the remembered error of a failed call (or a plain one for its status).
void check(automation::HRESULT status);

template <class Body>
automation::HRESULT guarded(Body&& body) noexcept {
  try {
    body();
    return automation::S_OK;
  } catch (const AutomationError& e) {
    rememberError(e);
    return statusOf(e);
  } catch (const std::bad_alloc&) {
    return automation::E_OUTOFMEMORY;
  } catch (...) {
    return automation::E_UNEXPECTED;
  }
}

inline VariantBool toVariantBool(bool b) { return b ? automation::VARIANT_TRUE : automation::VARIANT_FALSE; }

// Hands out a new reference to an object through an out parameter.
template <class I>
automation::HRESULT giveOut(const ComPtr<I>& object, I** out) {
  if (!out) return automation::E_POINTER;
  *out = ComPtr<I>(object).detach();
  return automation::S_OK;
}

// An interface pointer held by a variant argument (null for Nothing); a wrong type fails.
template <class I>
ComPtr<I> objectArgument(const Variant& v) {
  const Variant& value = v.deref();
  if (value.type() == automation::VT_EMPTY || value.isMissing()) return {};
  auto object = value.getObject();
  if (!object) {
    if (auto unknown = value.getUnknown()) return unknown.template query<I>();
    if (value.baseType() == automation::VT_DISPATCH) return {};
    throw AutomationError(automation::DISP_E_TYPEMISMATCH);
  }
  auto typed = object.template query<I>();
  if (!typed) throw AutomationError(automation::DISP_E_TYPEMISMATCH);
  return typed;
}

template <class I>
Variant objectResult(I* adopted) {
  return Variant::object(ComPtr<IDispatch>::adopt(adopted));
}

// ---- dispatch-table members built from the interface's methods ----

// Properties answer puts even when read-only, refusing them with 382 (property is read-only).
constexpr std::uint16_t kPropertyKinds = automation::DISPATCH_PROPERTYGET | automation::DISPATCH_PROPERTYPUT;

template <class T>
DispatchMember<T> stringProperty(DispId id, std::u16string name, automation::HRESULT (T::*get)(WString*),
                                 automation::HRESULT (T::*put)(const WString&) = nullptr) {
  return {id, std::move(name), kPropertyKinds, 0, 0,
          [get, put](T& self, CallArgs& args) {
            if (args.isPut()) {
              if (!put) throw AutomationError(automation::basicError(382));
              auto value = args.putValue().toString();
              if (!value) throw AutomationError(automation::DISP_E_TYPEMISMATCH);
              check((self.*put)(*value));
              return Variant();
            }
            WString out;
            check((self.*get)(&out));
            return Variant::string(std::move(out));
          }};
}

template <class T, class N>
DispatchMember<T> numberProperty(DispId id, std::u16string name, automation::HRESULT (T::*get)(N*),
                                 automation::HRESULT (T::*put)(N) = nullptr) {
  return {id, std::move(name), kPropertyKinds, 0, 0,
          [get, put](T& self, CallArgs& args) {
            if (args.isPut()) {
              if (!put) throw AutomationError(automation::basicError(382));
              Variant converted;
              const auto type = sizeof(N) == 2 ? automation::VT_I2 : automation::VT_I4;
              if (auto s = args.putValue().deref().changeType(type, converted); automation::failed(s)) throw AutomationError(s);
              check((self.*put)(static_cast<N>(sizeof(N) == 2 ? *converted.getI2() : *converted.getI4())));
              return Variant();
            }
            N out{};
            check((self.*get)(&out));
            return sizeof(N) == 2 ? Variant::i2(static_cast<std::int16_t>(out)) : Variant::i4(static_cast<std::int32_t>(out));
          }};
}

template <class T>
DispatchMember<T> boolProperty(DispId id, std::u16string name, automation::HRESULT (T::*get)(VariantBool*),
                               automation::HRESULT (T::*put)(VariantBool)) {
  return {id, std::move(name), kPropertyKinds, 0, 0,
          [get, put](T& self, CallArgs& args) {
            if (args.isPut()) {
              auto value = args.putValue().deref().toBool();
              if (!value) throw AutomationError(automation::DISP_E_TYPEMISMATCH);
              check((self.*put)(toVariantBool(*value)));
              return Variant();
            }
            VariantBool out = 0;
            check((self.*get)(&out));
            return Variant::boolean(out != 0);
          }};
}

// An object property: get, and put / put ref (both assign the object) when a setter is given.
template <class T, class I>
DispatchMember<T> objectProperty(DispId id, std::u16string name, automation::HRESULT (T::*get)(I**),
                                 automation::HRESULT (T::*put)(I*) = nullptr) {
  return {id, std::move(name), kPropertyKinds | automation::DISPATCH_PROPERTYPUTREF, 0, 0, [get, put](T& self, CallArgs& args) {
            if (args.isPut()) {
              if (!put) throw AutomationError(automation::basicError(382));
              auto object = objectArgument<I>(args.putValue());
              check((self.*put)(object.get()));
              return Variant();
            }
            I* out = nullptr;
            check((self.*get)(&out));
            return objectResult(out);
          }};
}

// The item (default member), Count and NewEnum of a collection interface.
template <class T, class I>
DispatchMember<T> itemMember(automation::HRESULT (T::*get)(const Variant&, I**)) {
  return {automation::DISPID_VALUE, u"item", automation::DISPATCH_PROPERTYGET | automation::DISPATCH_METHOD, 1, 1,
          [get](T& self, CallArgs& args) {
            I* out = nullptr;
            check((self.*get)(args[0], &out));
            return objectResult(out);
          }};
}

template <class T>
DispatchMember<T> countMember(DispId id, automation::HRESULT (T::*get)(std::int32_t*)) {
  return numberProperty<T, std::int32_t>(id, u"Count", get);
}

template <class T>
DispatchMember<T> newEnumMember(automation::HRESULT (T::*get)(IUnknown**)) {
  return {automation::DISPID_NEWENUM, u"NewEnum", automation::DISPATCH_PROPERTYGET | automation::DISPATCH_METHOD, 0, 0,
          [get](T& self, CallArgs&) {
            IUnknown* out = nullptr;
            check((self.*get)(&out));
            return Variant::unknown(ComPtr<IUnknown>::adopt(out));
          }};
}

template <class T>
DispatchMember<T> removeMember(DispId id, automation::HRESULT (T::*remove)(const Variant&)) {
  return {id, u"Remove", automation::DISPATCH_METHOD, 1, 1, [remove](T& self, CallArgs& args) {
            check((self.*remove)(args[0]));
            return Variant();
          }};
}

}  // namespace kestrel
