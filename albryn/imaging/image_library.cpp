#include <atomic>
#include <vips/vips8>

#include "image_operations.h"
#include "library_started.h"

namespace albryn {
namespace {

std::atomic<bool> g_started{false};

}  // namespace

ImageLibrary::ImageLibrary() {
  if (VIPS_INIT("albryn") != 0) return;
  // No operation cache: pictures are replaced in place, and a cached load would hand back the
  // pixels of the file as it was before.
  vips_cache_set_max(0);
  started_ = true;
  g_started = true;
}

ImageLibrary::~ImageLibrary() {
  if (!started_) return;
  g_started = false;
  vips_shutdown();
}

namespace imaging {

bool LibraryStarted() { return g_started; }

}  // namespace imaging
}  // namespace albryn
