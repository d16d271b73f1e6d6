#pragma once
// The main window's menu bar. Items whose commands are not part of the program yet are present
// and disabled; whoever provides a command enables its item and connects it.
#include <array>

#include "lamps.h"
#include "options.h"

class QAction;
class QMenu;
class QMenuBar;

namespace albryn::shell {

struct MainMenus {
  QMenu* file = nullptr;
  QAction* newProject = nullptr;
  QAction* loadProject = nullptr;
  QAction* saveProject = nullptr;
  QMenu* importTwain = nullptr;
  QAction* acquire = nullptr;
  QAction* selectSource = nullptr;
  QAction* exit = nullptr;

  QMenu* webPage = nullptr;
  std::array<QAction*, kLampCount> steps{};  // in step order

  // "&Edit": the picture alteration commands for the list clicked last.
  QMenu* edit = nullptr;
  QAction* openInternalEditor = nullptr;
  QAction* openExternalEditor = nullptr;
  QAction* rotateRight = nullptr;
  QAction* rotateLeft = nullptr;
  QAction* rotate180 = nullptr;
  QAction* resize = nullptr;
  QAction* gamma = nullptr;
  QAction* sharpen = nullptr;
  QAction* grayscale = nullptr;
  QAction* pasteText = nullptr;  // never shown

  QMenu* options = nullptr;
  std::array<QAction*, kOptionCount> optionItems{};  // in the order of Option
  QAction* advancedFtp = nullptr;

  QMenu* help = nullptr;
  QAction* albrynHelp = nullptr;
  QAction* about = nullptr;
};

MainMenus BuildMainMenus(QMenuBar* bar);

}  // namespace albryn::shell
