#pragma once
// The largest number of pictures the image list may hold.
#include <QString>

namespace albryn::shell {

inline constexpr int kDefaultImageLimit = 250;

// The limit given by the program's command line (its arguments joined by blanks): when the text
// as a whole is a number whose integer part is above 0, that number rounded to a whole number
// (halves to the even neighbour); otherwise 250. Numbers beyond the range of int give the
// largest int.
int ImageLimitFromCommandLine(const QString& commandLine);

}  // namespace albryn::shell
