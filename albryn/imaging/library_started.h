#pragma once

namespace albryn::imaging {

// True while an ImageLibrary is alive and started.
bool LibraryStarted();

}  // namespace albryn::imaging
