#include "automation/activation.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "automation/registry.h"

namespace automation {

namespace {

std::mutex& libraryMutex() {
  static std::mutex m;
  return m;
}

// Loaded libraries by path. They stay loaded for the life of the process: objects and
// factories they handed out may still be alive anywhere.
std::map<std::string, ServerLibrary>& loadedLibraries() {
  static std::map<std::string, ServerLibrary> libraries;
  return libraries;
}

template <class F>
bool resolve(void* handle, const char* name, F& out) {
  out = reinterpret_cast<F>(::dlsym(handle, name));
  return out != nullptr;
}

}  // namespace

HRESULT loadServerLibrary(const std::string& path, ServerLibrary& out, std::string& problem) {
  std::lock_guard guard(libraryMutex());
  auto& libraries = loadedLibraries();
  if (auto it = libraries.find(path); it != libraries.end()) {
    out = it->second;
    return S_OK;
  }
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    problem = "cannot load the component library " + path + (why ? std::string(": ") + why : std::string());
    return CO_E_DLLNOTFOUND;
  }
  ServerLibrary lib;
  lib.path = path;
  const bool complete = resolve(handle, "DllRegisterServer", lib.registerServer) &&
                        resolve(handle, "DllUnregisterServer", lib.unregisterServer) &&
                        resolve(handle, "DllGetClassObject", lib.getClassObject) &&
                        resolve(handle, "DllCanUnloadNow", lib.canUnloadNow);
  if (!complete) {
    ::dlclose(handle);
    problem = "the library " + path + " is not a component library (an entry point is missing)";
    return CO_E_ERRORINDLL;
  }
  libraries.emplace(path, lib);
  out = lib;
  return S_OK;
}

HRESULT createInstance(const std::string& classIdOrProgId, const Guid& iid, void** object, std::string& problem) {
  if (!object) return E_POINTER;
  *object = nullptr;
  ClassRegistry registry;
  ClassRegistration reg;
  if (const HRESULT s = registry.find(classIdOrProgId, reg, problem); failed(s)) return s;
  ServerLibrary lib;
  if (const HRESULT s = loadServerLibrary(reg.libraryPath, lib, problem); failed(s)) return s;
  ComPtr<IClassFactory> factory;
  if (const HRESULT s = lib.getClassObject(&reg.clsid, &IClassFactory::IID, factory.putVoid()); failed(s) || !factory) {
    problem = "the library " + reg.libraryPath + " has no class factory for " + reg.clsid.toString();
    return failed(s) ? s : CLASS_E_CLASSNOTAVAILABLE;
  }
  if (const HRESULT s = factory->CreateInstance(nullptr, iid, object); failed(s)) {
    problem = "the class " + reg.clsid.toString() + " could not create the object asked for";
    return s;
  }
  return S_OK;
}

}  // namespace automation
