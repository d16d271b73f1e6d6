#pragma once
// The enumerator interface of collections (the NewEnum member).
#include <vector>

#include "automation/object.h"

namespace automation {

struct IEnumVARIANT : IUnknown {
  static constexpr Guid IID = Guid::fromString("{00020404-0000-0000-C000-000000000046}");
  // Copies up to count items into items; S_FALSE when fewer than count were left.
  virtual HRESULT Next(std::uint32_t count, Variant* items, std::uint32_t* fetched) = 0;
  virtual HRESULT Skip(std::uint32_t count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

 protected:
  ~IEnumVARIANT() = default;
};

// Enumerates a snapshot of items taken when it was made.
ComPtr<IEnumVARIANT> makeEnumerator(std::vector<Variant> items);

}  // namespace automation
