#include "sandbox.h"

#include <cstdlib>
#include <stdexcept>

#include "automation/activation.h"

namespace albryn::testing {

namespace fs = std::filesystem;

Sandbox::Sandbox() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/albryn-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a test folder in " + pattern);
  root_ = pattern;
  fs::create_directories(root_ / "config");
  fs::create_directories(root_ / "data");
  fs::create_directories(root_ / "cache");
  ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (root_ / "cache").c_str(), 1);
  ::setenv("ALBRYN_CLASS_REGISTRY", (root_ / "classes.reg").c_str(), 1);
}

Sandbox::~Sandbox() {
  std::error_code ec;
  if (!std::getenv("ALBRYN_KEEP_TEST_FILES")) fs::remove_all(root_, ec);
}

fs::path Sandbox::newFolder(const std::string& name) {
  const fs::path folder = root_ / (name + "-" + std::to_string(++folders_));
  fs::create_directories(folder);
  return folder;
}

Sandbox& sandbox() {
  static Sandbox instance;
  return instance;
}

// Sets the sandbox up before main, so that nothing in the test reads the user's own settings.
namespace {
const bool sandboxReady = (sandbox(), true);
}

void registerComponentLibrary(const std::string& path) {
  automation::ServerLibrary lib;
  std::string problem;
  if (automation::failed(automation::loadServerLibrary(path, lib, problem))) throw std::runtime_error(problem);
  if (automation::failed(lib.registerServer())) throw std::runtime_error("registration of " + path + " failed");
}

}  // namespace albryn::testing
