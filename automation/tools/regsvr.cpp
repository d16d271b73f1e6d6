// albryn-regsvr [-u] LIBRARY...: registers or unregisters component libraries in the class
// registry ($ALBRYN_CLASS_REGISTRY or the per-user default).
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "automation/activation.h"
#include "automation/registry.h"

int main(int argc, char** argv) {
  bool unregister = false;
  int status = 0, libraries = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-u") == 0) {
      unregister = true;
      continue;
    }
    ++libraries;
    std::error_code ec;
    const auto path = std::filesystem::absolute(argv[i], ec).string();
    automation::ServerLibrary lib;
    std::string problem;
    if (automation::failed(automation::loadServerLibrary(path, lib, problem))) {
      std::fprintf(stderr, "albryn-regsvr: %s\n", problem.c_str());
      status = 1;
      continue;
    }
    const automation::HRESULT s = unregister ? lib.unregisterServer() : lib.registerServer();
    if (automation::failed(s)) {
      std::fprintf(stderr, "albryn-regsvr: %s of %s failed (0x%08X)\n", unregister ? "unregistration" : "registration",
                   path.c_str(), static_cast<unsigned>(s));
      status = 1;
    }
  }
  if (libraries == 0) {
    std::fprintf(stderr, "usage: albryn-regsvr [-u] LIBRARY...\n");
    return 2;
  }
  if (status == 0) {
    std::printf("%s %d librar%s in %s\n", unregister ? "unregistered" : "registered", libraries,
                libraries == 1 ? "y" : "ies", automation::ClassRegistry::defaultLocation().c_str());
  }
  return status;
}
