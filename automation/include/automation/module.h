#pragma once
// Counts the live objects and client locks of one component module. The runtime is linked
// statically into every module with hidden symbols, so each module has its own counts.
#include <atomic>

namespace automation {

class ModuleCounts {
 public:
  static ModuleCounts& instance();

  void objectCreated() { ++objects_; }
  void objectDestroyed() { --objects_; }
  void lock() { ++locks_; }
  void unlock() { --locks_; }
  int objects() const { return objects_; }
  int locks() const { return locks_; }
  bool canUnload() const { return objects_ == 0 && locks_ == 0; }

 private:
  std::atomic<int> objects_{0};
  std::atomic<int> locks_{0};
};

}  // namespace automation
