#include <dlfcn.h>

#include <atomic>

#include "automation/factory.h"
#include "automation/registry.h"

namespace automation {

namespace {

// The factory of one class entry. It is not counted as a live object of the module: a client
// that keeps a factory keeps the module loaded with LockServer.
class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}

  HRESULT QueryInterface(const Guid& iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IUnknown::IID && iid != IClassFactory::IID) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  std::uint32_t AddRef() override { return ++refs_; }
  std::uint32_t Release() override {
    const std::uint32_t left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComPtr<IUnknown> created;
    try {
      created = ComPtr<IUnknown>::adopt(entry_.create());
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    } catch (...) {
      return E_UNEXPECTED;
    }
    if (!created) return E_OUTOFMEMORY;
    return created->QueryInterface(iid, object);
  }
  HRESULT LockServer(bool lock) override {
    if (lock) ModuleCounts::instance().lock();
    else ModuleCounts::instance().unlock();
    return S_OK;
  }

 private:
  const ClassEntry& entry_;
  std::atomic<std::uint32_t> refs_{0};
};

std::string modulePath(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
  std::error_code ec;
  const auto absolute = std::filesystem::canonical(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : absolute.string();
}

}  // namespace

namespace server {

HRESULT registerServer(std::span<const ClassEntry> classes, const void* moduleAddress) {
  const std::string path = modulePath(moduleAddress);
  if (path.empty()) return SELFREG_E_CLASS;
  ClassRegistry registry;
  for (const auto& c : classes) {
    std::string problem;
    if (failed(registry.add({c.clsid, c.progId, path}, problem))) return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT unregisterServer(std::span<const ClassEntry> classes) {
  ClassRegistry registry;
  for (const auto& c : classes) {
    std::string problem;
    if (failed(registry.remove(c.clsid, problem))) return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT getClassObject(std::span<const ClassEntry> classes, const Guid* clsid, const Guid* iid, void** object) {
  if (!object || !clsid || !iid) return E_POINTER;
  *object = nullptr;
  for (const auto& c : classes) {
    if (c.clsid == *clsid) {
      ComPtr<IClassFactory> factory(new ClassFactory(c));
      return factory->QueryInterface(*iid, object);
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT canUnloadNow() { return ModuleCounts::instance().canUnload() ? S_OK : S_FALSE; }

}  // namespace server
}  // namespace automation
