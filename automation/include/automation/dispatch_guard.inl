#pragma once
#include <new>

namespace automation {

template <class Body>
HRESULT guardCall(ExcepInfo* excep, Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (const AutomationError& e) {
    if (excep && e.status() == DISP_E_EXCEPTION) e.toExcepInfo(*excep);
    return e.status();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace automation
