#pragma once
// A short animation on the user-interface thread: frame(t) is called with t rising from 0 to 1
// over durationMs, the window repaints between frames, and the last call has t = 1. User input
// that arrives meanwhile is held back and delivered when the animation ends, so no command starts
// inside another; timers and repaints go on.
#include <functional>

namespace albryn::shell {

void Animate(int durationMs, const std::function<void(double t)>& frame);

}  // namespace albryn::shell
