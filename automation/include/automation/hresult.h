#pragma once
// Status codes of the component runtime. The values are those of the classic automation ABI,
// so that clients written against that contract see the numbers they expect.
#include <cstdint>

namespace automation {

using HRESULT = std::int32_t;

constexpr HRESULT hr(std::uint32_t v) { return static_cast<HRESULT>(v); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = hr(0x80004001);
constexpr HRESULT E_NOINTERFACE = hr(0x80004002);
constexpr HRESULT E_POINTER = hr(0x80004003);
constexpr HRESULT E_FAIL = hr(0x80004005);
constexpr HRESULT E_UNEXPECTED = hr(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = hr(0x8007000E);
constexpr HRESULT E_INVALIDARG = hr(0x80070057);

constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hr(0x80020001);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = hr(0x80020003);
constexpr HRESULT DISP_E_PARAMNOTFOUND = hr(0x80020004);
constexpr HRESULT DISP_E_TYPEMISMATCH = hr(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = hr(0x80020006);
constexpr HRESULT DISP_E_BADVARTYPE = hr(0x80020008);
constexpr HRESULT DISP_E_EXCEPTION = hr(0x80020009);
constexpr HRESULT DISP_E_OVERFLOW = hr(0x8002000A);
constexpr HRESULT DISP_E_BADINDEX = hr(0x8002000B);
constexpr HRESULT DISP_E_ARRAYISLOCKED = hr(0x8002000D);
constexpr HRESULT DISP_E_BADPARAMCOUNT = hr(0x8002000E);
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = hr(0x8002000F);

constexpr HRESULT CLASS_E_NOAGGREGATION = hr(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hr(0x80040111);
constexpr HRESULT REGDB_E_INVALIDVALUE = hr(0x80040153);
constexpr HRESULT REGDB_E_CLASSNOTREG = hr(0x80040154);
constexpr HRESULT SELFREG_E_CLASS = hr(0x80040201);
constexpr HRESULT CO_E_CLASSSTRING = hr(0x800401F3);
constexpr HRESULT CO_E_DLLNOTFOUND = hr(0x800401F8);
constexpr HRESULT CO_E_ERRORINDLL = hr(0x800401F9);
constexpr HRESULT CONNECT_E_NOCONNECTION = hr(0x80040200);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = hr(0x80040202);

// A Basic run-time error number as a status (facility "control"): 382 is "property is read-only",
// 94 (0x800A005E) is "invalid use of Null".
constexpr HRESULT basicError(std::uint16_t number) { return hr(0x800A0000u | number); }
constexpr bool isBasicError(HRESULT status) { return (static_cast<std::uint32_t>(status) & 0xFFFF0000u) == 0x800A0000u; }
constexpr std::uint16_t basicErrorNumber(HRESULT status) { return static_cast<std::uint16_t>(status & 0xFFFF); }

constexpr bool succeeded(HRESULT status) { return status >= 0; }
constexpr bool failed(HRESULT status) { return status < 0; }

}  // namespace automation
