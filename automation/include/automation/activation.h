#pragma once
// Creating objects by class identity: read the registry, load the library, ask it for the
// class factory, create the object.
#include <string>

#include "automation/dispatch.h"
#include "automation/factory.h"

namespace automation {

// The entry points of a loaded component library. Libraries stay loaded once loaded.
struct ServerLibrary {
  std::string path;
  HRESULT (*registerServer)() = nullptr;
  HRESULT (*unregisterServer)() = nullptr;
  HRESULT (*getClassObject)(const Guid*, const Guid*, void**) = nullptr;
  HRESULT (*canUnloadNow)() = nullptr;
};

// Loads the library at path; CO_E_DLLNOTFOUND when it cannot be loaded, CO_E_ERRORINDLL when it
// lacks an entry point. `problem` says what went wrong.
HRESULT loadServerLibrary(const std::string& path, ServerLibrary& out, std::string& problem);

// Creates an object of the class named by a class id ("{...}") or a programmatic id and asks it
// for iid. Fails with REGDB_E_CLASSNOTREG, CO_E_DLLNOTFOUND, CO_E_ERRORINDLL,
// REGDB_E_INVALIDVALUE (damaged registry) or the factory's own status.
HRESULT createInstance(const std::string& classIdOrProgId, const Guid& iid, void** object, std::string& problem);

// The same for a client that wants an exception: throws AutomationError whose description
// says what went wrong.
template <class I = IDispatch>
ComPtr<I> createObject(const std::string& classIdOrProgId) {
  ComPtr<I> out;
  std::string problem;
  const HRESULT status = createInstance(classIdOrProgId, I::IID, out.putVoid(), problem);
  if (failed(status)) throw AutomationError(status, WString::fromUtf8(problem));
  return out;
}

}  // namespace automation
