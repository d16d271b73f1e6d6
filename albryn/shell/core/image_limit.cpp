#include "image_limit.h"

#include <QLocale>
#include <climits>
#include <cmath>

namespace albryn::shell {

int ImageLimitFromCommandLine(const QString& commandLine) {
  bool isNumber = false;
  const double number = QLocale::c().toDouble(commandLine.trimmed(), &isNumber);
  if (!isNumber || !std::isfinite(number) || std::trunc(number) <= 0) return kDefaultImageLimit;
  const double rounded = std::nearbyint(number);  // the default rounding mode: halves to even
  return rounded >= double(INT_MAX) ? INT_MAX : int(rounded);
}

}  // namespace albryn::shell
