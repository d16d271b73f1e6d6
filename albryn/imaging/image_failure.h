#pragma once
// How the operations' building blocks report a failure: they throw the error number, and the
// operation turns it into its result text.
#include "image_operations.h"

namespace albryn::imaging {

struct ImageFailure {
  ImageError error;
};

[[noreturn]] inline void fail(ImageError error) { throw ImageFailure{error}; }

}  // namespace albryn::imaging
