#include "com_support.h"

namespace kestrel {

namespace {
std::optional<AutomationError>& lastError() {
  thread_local std::optional<AutomationError> error;
  return error;
}
}  // namespace

automation::HRESULT statusOf(const AutomationError& error) {
  if (error.status() != automation::DISP_E_EXCEPTION) return error.status();
  const std::int32_t n = error.number();
  if (n > 0 && n <= 0xFFFF) return automation::basicError(static_cast<std::uint16_t>(n));
  return n < 0 ? n : automation::E_FAIL;
}

void rememberError(const AutomationError& error) { lastError() = error; }

void check(automation::HRESULT status) {
  if (automation::succeeded(status)) return;
  auto& error = lastError();
  if (error && statusOf(*error) == status) {
    AutomationError e = *error;
    error.reset();
    throw e;
  }
  throw AutomationError(status);
}

}  // namespace kestrel
