#pragma once
// Late binding: the dispatch interface, its call frame and errors.
#include <exception>
#include <string>
#include <vector>

#include "automation/variant.h"

namespace automation {

constexpr DispId DISPID_VALUE = 0;
constexpr DispId DISPID_UNKNOWN = -1;
constexpr DispId DISPID_PROPERTYPUT = -3;
constexpr DispId DISPID_NEWENUM = -4;

enum InvokeFlags : std::uint16_t {
  DISPATCH_METHOD = 1,
  DISPATCH_PROPERTYGET = 2,
  DISPATCH_PROPERTYPUT = 4,
  DISPATCH_PROPERTYPUTREF = 8,
};

// Arguments of one call, in call order: the first positional argument first. For a property
// put the new value is the last argument.
struct DispParams {
  std::vector<Variant> args;
};

// What a failing member reports. The error number a client sees is `code` when it is not zero,
// else `scode`.
struct ExcepInfo {
  std::uint16_t code = 0;
  WString source;
  WString description;
  HRESULT scode = 0;

  std::int32_t number() const { return code != 0 ? code : scode; }
};


constexpr Guid GUID_NULL{};

// An automation error inside an implementation or at a client: a number, a source and a
// description. `status` is what Invoke returns for it: DISP_E_EXCEPTION when the error carries
// a description (the client reads the rest from ExcepInfo), or a plain status with no text.
class AutomationError : public std::exception {
 public:
  // An exception with number, source and text (a client sees number = code).
  AutomationError(std::int32_t number, WString source, WString description);
  // A plain failure status and nothing else (DISP_E_TYPEMISMATCH, basicError(382), ...).
  explicit AutomationError(HRESULT status);
  // A failure status with a text (activation failures: status and number are the same).
  AutomationError(HRESULT status, WString description);
  static AutomationError fromExcepInfo(HRESULT status, const ExcepInfo& info);

  HRESULT status() const { return status_; }
  std::int32_t number() const { return number_; }
  const WString& source() const { return source_; }
  const WString& description() const { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }

  // Fills info for a DISP_E_EXCEPTION return.
  void toExcepInfo(ExcepInfo& info) const;

 private:
  HRESULT status_;
  std::int32_t number_;
  WString source_;
  WString description_;
  std::string what_;
};

// Runs body, turning what it throws into a status for a member implementation's return:
// AutomationError into its status (filling excep), std::bad_alloc into E_OUTOFMEMORY and any
// other exception into E_UNEXPECTED. No exception leaves a component.
template <class Body>
HRESULT guardCall(ExcepInfo* excep, Body&& body) noexcept;

}  // namespace automation

#include "automation/dispatch_guard.inl"
