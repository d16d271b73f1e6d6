#pragma once
// Class factories and the entry points a component module exports.
#include <span>

#include "automation/object.h"

namespace automation {

struct IClassFactory : IUnknown {
  static constexpr Guid IID = Guid::fromString("{00000001-0000-0000-C000-000000000046}");
  virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) = 0;
  virtual HRESULT LockServer(bool lock) = 0;

 protected:
  ~IClassFactory() = default;
};

// The creatable classes of a module, for its entry points.
struct ClassEntry {
  Guid clsid;
  const char* progId;
  // Makes a new object and returns it as IUnknown with one reference.
  IUnknown* (*create)();
};

// Makes an object of T (T must be default constructible and offer IUnknown).
template <class T>
IUnknown* createObjectOf() {
  return makeObject<T>().template query<IUnknown>().detach();
}

// The module entry points, implemented once for every module. `moduleAddress` is any address
// inside the module (it finds the module's own file for registration).
namespace server {
HRESULT registerServer(std::span<const ClassEntry> classes, const void* moduleAddress);
HRESULT unregisterServer(std::span<const ClassEntry> classes);
HRESULT getClassObject(std::span<const ClassEntry> classes, const Guid* clsid, const Guid* iid, void** object);
HRESULT canUnloadNow();
}  // namespace server

}  // namespace automation

// Marks the four entry points for export from a module built with hidden symbols.
#define AUTOMATION_EXPORT extern "C" __attribute__((visibility("default")))

// Defines DllRegisterServer, DllUnregisterServer, DllGetClassObject and DllCanUnloadNow for the
// module's class table (a std::array<ClassEntry, N> or similar named by `classes`).
#define AUTOMATION_SERVER_ENTRY_POINTS(classes)                                                   \
  AUTOMATION_EXPORT automation::HRESULT DllRegisterServer() {                                     \
    return automation::server::registerServer(classes, reinterpret_cast<const void*>(&DllRegisterServer)); \
  }                                                                                               \
  AUTOMATION_EXPORT automation::HRESULT DllUnregisterServer() {                                   \
    return automation::server::unregisterServer(classes);                                         \
  }                                                                                               \
  AUTOMATION_EXPORT automation::HRESULT DllGetClassObject(const automation::Guid* clsid,          \
                                                          const automation::Guid* iid, void** object) { \
    return automation::server::getClassObject(classes, clsid, iid, object);                      \
  }                                                                                               \
  AUTOMATION_EXPORT automation::HRESULT DllCanUnloadNow() { return automation::server::canUnloadNow(); }
