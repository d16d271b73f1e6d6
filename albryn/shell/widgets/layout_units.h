#pragma once
// The window's sizes are given in layout units (1440 to the inch). The window uses a fixed scale
// of 10 units to a pixel, which leaves room for the platform's widget sizes.
#include <QtMath>

namespace albryn::shell {

inline constexpr double kUnitsPerPixel = 10.0;

inline int toPixels(int units) { return qRound(units / kUnitsPerPixel); }
inline int toUnits(int pixels) { return qRound(pixels * kUnitsPerPixel); }

}  // namespace albryn::shell
