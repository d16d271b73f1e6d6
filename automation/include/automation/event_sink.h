#pragma once
// Base of an event sink: a source calls its sinks by dispatch id only, so a sink answers just
// Invoke; type information and name lookup are not offered.
#include "automation/object.h"

namespace automation {

template <class Derived, class... Interfaces>
class EventSink : public ObjectWithoutTypeInfo<Derived, Interfaces...> {
 public:
  HRESULT GetIDsOfNames(const Guid&, const char16_t* const*, std::uint32_t, std::uint32_t, DispId*) override {
    return E_NOTIMPL;
  }
};

}  // namespace automation
