#pragma once
// Reference counting and interface lookup for component classes.
//
//   class CThing final : public Object<CThing, IThing> {
//     void* castTo(const Guid& iid) { ... return static_cast<IThing*>(this) ... }
//   };
//   ComPtr<IThing> p = makeObject<CThing>(args...);
#include <atomic>

#include "automation/dispatch.h"
#include "automation/module.h"

namespace automation {

template <class Derived, class... Interfaces>
class Object : public Interfaces... {
 public:
  Object() { ModuleCounts::instance().objectCreated(); }
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  HRESULT QueryInterface(const Guid& iid, void** object) override {
    if (!object) return E_POINTER;
    *object = static_cast<Derived*>(this)->castTo(iid);
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  std::uint32_t AddRef() override { return ++refs_; }
  std::uint32_t Release() override {
    const std::uint32_t left = --refs_;
    if (left == 0) delete static_cast<Derived*>(this);
    return left;
  }

 protected:
  ~Object() { ModuleCounts::instance().objectDestroyed(); }

 private:
  std::atomic<std::uint32_t> refs_{0};
};

// Base of an object with a dispatch interface that offers no type information.
template <class Derived, class... Interfaces>
class ObjectWithoutTypeInfo : public Object<Derived, Interfaces...> {
 public:
  HRESULT GetTypeInfoCount(std::uint32_t* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(std::uint32_t, std::uint32_t, void** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
};

// Creates an object and hands out its first reference.
template <class T, class... Args>
ComPtr<T> makeObject(Args&&... args) {
  return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace automation
