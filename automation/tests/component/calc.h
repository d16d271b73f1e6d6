#pragma once
// The published interface of the runtime's test component, shared by the component and its
// test client (the client does not link the component).
#include "automation/connection.h"

namespace calc {

inline constexpr automation::Guid CLSID_Calc = automation::Guid::fromString("{6A1F0C2E-5B7D-4E8A-9C31-2D4B6E8F0A11}");
inline constexpr const char* PROGID_Calc = "AutomationTest.Calc";
inline constexpr automation::Guid IID_CalcEvents = automation::Guid::fromString("{6A1F0C2E-5B7D-4E8A-9C31-2D4B6E8F0A13}");

// Dual interface: these members follow IDispatch's four in this order.
struct ICalc : automation::IDispatch {
  static constexpr automation::Guid IID = automation::Guid::fromString("{6A1F0C2E-5B7D-4E8A-9C31-2D4B6E8F0A12}");
  virtual automation::HRESULT get_Total(std::int32_t* total) = 0;
  virtual automation::HRESULT put_Total(std::int32_t total) = 0;

 protected:
  ~ICalc() = default;
};

// Dispatch ids.
enum : automation::DispId {
  DISPID_Total = 1,     // property, read and write
  DISPID_Add = 2,       // Add(Amount long, Times opt (1)) -> long, fires Changed
  DISPID_Twice = 3,     // Twice(Text string by ref): Text becomes Text & Text
  DISPID_Fail = 4,      // Fail(): raises error 2009 with a source and a description
  DISPID_Counter = 5,   // property, read only: refuses writes with status 382
  DISPID_Changed = 1,   // event ICalcEvents.Changed(Total long, Cancel boolean by ref)
};

inline constexpr std::int32_t kFailNumber = 2009;
inline constexpr char16_t kFailSource[] = u"AutomationTest.Calc";
inline constexpr char16_t kFailText[] = u"The input argument must not be an empty string.";

}  // namespace calc
