#pragma once
// A late-bound client's view of an object: call members by dispatch id or name with variants.
#include <string_view>
#include <vector>

#include "automation/dispatch.h"

namespace automation {

class LateBound {
 public:
  explicit LateBound(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  // These throw AutomationError when the member fails: with number, source and description
  // for an exception, or with the plain status.
  Variant call(DispId id, std::vector<Variant> args = {}) const;
  Variant get(DispId id, std::vector<Variant> args = {}) const;
  void put(DispId id, Variant value) const;
  void putRef(DispId id, Variant value) const;
  DispId idOf(std::u16string_view name) const;

  // The non-throwing form: the status, with excep filled for DISP_E_EXCEPTION.
  HRESULT invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result, ExcepInfo* excep) const;

  IDispatch* object() const { return object_.get(); }

 private:
  Variant invokeOrThrow(DispId id, std::uint16_t flags, std::vector<Variant> args) const;
  ComPtr<IDispatch> object_;
};

}  // namespace automation
