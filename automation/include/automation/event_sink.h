#pragma once
// Base of an event sink: a source calls its sinks by dispatch id only, so a sink answers just
// Invoke; type information and name lookup are not offered.
#include "automation/object.h"

namespace automation {

template <class Derived, class... Interfaces>
class EventSink : public Object<Derived, Interfaces...> {
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
  HRESULT GetIDsOfNames(const Guid&, const char16_t* const*, std::uint32_t, std::uint32_t, DispId*) override {
    return E_NOTIMPL;
  }
};

}  // namespace automation
