#pragma once
// The calls the main window makes into sounds, tool tips, the tip window, the splash, the image
// library and the work behind the steps. Each does nothing until the part that provides it is
// connected.
#include <QString>
#include <functional>

namespace albryn::shell {

struct ShellHooks {
  // Plays a sound resource ("PICTURE"/"SOUNDS", "WELCOME"/"VOICES", "STEP1".."STEP5"/"VOICES")
  // without waiting for its end.
  std::function<void(const QString& name, const QString& type)> playResourceSound = [](const QString&,
                                                                                       const QString&) {};
  // Sets (true) or clears (false) the main window's tool tips.
  std::function<void(bool on)> applyToolTips = [](bool) {};
  // Shows the splash window and calls openMainWindow when it closes; without a splash the main
  // window opens at once.
  std::function<void(const std::function<void()>& openMainWindow)> showSplash =
      [](const std::function<void()>& openMainWindow) { openMainWindow(); };
  // Shows the tip of the day modally and returns when it is closed.
  std::function<void()> showTipOfDay = [] {};
  // Starts the image library once, at start-up.
  std::function<void()> startImageLibrary = [] {};
  // The work of steps 3 and 4 after the window has made room for it, and the preparation of the
  // upload panel before step 5 shows it.
  std::function<void()> generatePages = [] {};
  std::function<void()> previewPages = [] {};
  std::function<void()> prepareUploadPanel = [] {};
};

}  // namespace albryn::shell
