#pragma once
// The five step lamps, each black or green, and their idle chase.
#include <array>
#include <cstddef>

namespace albryn::shell {

// In step order; the chase runs in this order too.
enum class Lamp { SelectColor, SelectImages, GenWebPage, PreView, Upload };
inline constexpr int kLampCount = 5;

class Lamps {
 public:
  bool isGreen(Lamp lamp) const { return green_[std::size_t(lamp)]; }
  // All lamps black, then the given one green.
  void light(Lamp lamp);
  // One chase step: a single green lamp passes its light to the next (the last to the first);
  // with all lamps black the last one lights, so the chase starts at the first one tick later;
  // any other pattern stays as it is.
  void chaseStep();
  bool operator==(const Lamps&) const = default;

 private:
  std::array<bool, kLampCount> green_{};
};

}  // namespace albryn::shell
