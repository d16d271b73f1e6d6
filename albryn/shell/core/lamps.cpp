#include "lamps.h"

#include <algorithm>

namespace albryn::shell {

void Lamps::light(Lamp lamp) {
  green_.fill(false);
  green_[std::size_t(lamp)] = true;
}

void Lamps::chaseStep() {
  const auto greenCount = std::count(green_.begin(), green_.end(), true);
  if (greenCount == 0) {
    light(Lamp::Upload);
  } else if (greenCount == 1) {
    const auto lit = std::find(green_.begin(), green_.end(), true) - green_.begin();
    light(Lamp((lit + 1) % kLampCount));
  }
}

}  // namespace albryn::shell
