#include "animation.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace albryn::shell {

void Animate(int durationMs, const std::function<void(double t)>& frame) {
  constexpr int kFrameMs = 15;
  if (durationMs <= 0) {
    frame(1.0);
    return;
  }
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer ticks;
  ticks.setInterval(kFrameMs);
  QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
    const double t = qMin(1.0, double(clock.elapsed()) / durationMs);
    frame(t);
    if (t >= 1.0) loop.quit();
  });
  frame(0.0);
  ticks.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace albryn::shell
