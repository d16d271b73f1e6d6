#pragma once
// The base interfaces of the object model and the reference-holding pointer.
//
// Interfaces are abstract structs without virtual destructors, so that an interface's C++
// virtual order is exactly its published member order: IUnknown's three slots, IDispatch's four,
// then the interface's own members.
#include <cstdint>
#include <utility>

#include "automation/guid.h"
#include "automation/hresult.h"

namespace automation {

struct IUnknown {
  static constexpr Guid IID = Guid::fromString("{00000000-0000-0000-C000-000000000046}");
  virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
  virtual std::uint32_t AddRef() = 0;
  virtual std::uint32_t Release() = 0;

 protected:
  ~IUnknown() = default;
};

using DispId = std::int32_t;
class Variant;
struct DispParams;
struct ExcepInfo;

// Late binding: members are called by dispatch id (see dispatch.h for the call frame).
struct IDispatch : IUnknown {
  static constexpr Guid IID = Guid::fromString("{00020400-0000-0000-C000-000000000046}");
  virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
  virtual HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t lcid, void** info) = 0;
  virtual HRESULT GetIDsOfNames(const Guid& iid, const char16_t* const* names, std::uint32_t count,
                                std::uint32_t lcid, DispId* ids) = 0;
  virtual HRESULT Invoke(DispId id, const Guid& iid, std::uint32_t lcid, std::uint16_t flags,
                         DispParams* params, Variant* result, ExcepInfo* excep,
                         std::uint32_t* argError) = 0;

 protected:
  ~IDispatch() = default;
};

// Holds one reference; releases it when it goes.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit ComPtr(T* p) : p_(p) { if (p_) p_->AddRef(); }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U>
  ComPtr(const ComPtr<U>& other) : ComPtr(static_cast<T*>(other.get())) {}
  ~ComPtr() { reset(); }

  ComPtr& operator=(ComPtr other) noexcept { std::swap(p_, other.p_); return *this; }

  // Adopts a reference the caller already owns (an out parameter's result).
  static ComPtr adopt(T* p) { ComPtr c; c.p_ = p; return c; }

  void reset() { if (auto* p = std::exchange(p_, nullptr)) p->Release(); }
  // Releases what is held and returns the slot for an out parameter.
  T** put() { reset(); return &p_; }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  // Gives up the reference to the caller.
  T* detach() { return std::exchange(p_, nullptr); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }

  // QueryInterface for U; null when the object does not offer it.
  template <class U>
  ComPtr<U> query() const {
    ComPtr<U> out;
    if (p_) p_->QueryInterface(U::IID, out.putVoid());
    return out;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace automation
