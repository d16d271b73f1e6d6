#pragma once
// Every test process runs in its own sandbox: a temporary folder that holds its settings store
// (XDG_CONFIG_HOME), data and cache folders and class registry (ALBRYN_CLASS_REGISTRY). It is
// set up before main and removed when the process ends.
#include <filesystem>
#include <string>

namespace albryn::testing {

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::filesystem::path& root() const { return root_; }
  // A fresh, empty folder inside the sandbox.
  std::filesystem::path newFolder(const std::string& name = "work");

 private:
  std::filesystem::path root_;
  int folders_ = 0;
};

// The sandbox of this test process.
Sandbox& sandbox();

// Registers a component library into the sandbox's class registry; throws on failure.
void registerComponentLibrary(const std::string& path);

}  // namespace albryn::testing
