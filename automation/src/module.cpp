#include "automation/module.h"

namespace automation {

ModuleCounts& ModuleCounts::instance() {
  static ModuleCounts counts;
  return counts;
}

}  // namespace automation
