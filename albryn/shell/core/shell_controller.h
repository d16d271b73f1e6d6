#pragma once
// The main window's behaviour without its widgets: start-up, activation and exit, the option
// toggles, the step commands with their lamps, the panels, the window's growth and shrinkage and
// the drive browser.
#include <QObject>
#include <QTimer>
#include <optional>

#include "lamps.h"
#include "program_state.h"
#include "settings_store.h"
#include "shell_hooks.h"
#include "shell_view.h"

namespace albryn::shell {

class ShellController : public QObject {
  Q_OBJECT

 public:
  inline static const QString kShowDriveList = QStringLiteral("Display Hard Drive List Box");
  inline static const QString kHideDriveList = QStringLiteral("Hide Hard Drive List Box");
  static constexpr int kLampChaseMs = 1000;

  ShellController(ShellView& view, ShellHooks hooks, SettingsStore store = SettingsStore());

  ProgramState& state() { return state_; }
  const ProgramState& state() const { return state_; }
  const Lamps& lamps() const { return lamps_; }
  bool windowExpanded() const { return windowExpanded_; }
  bool driveBrowserShown() const { return driveBrowserShown_; }
  std::optional<Panel> visiblePanel() const { return visiblePanel_; }
  bool lampsChasing() const { return chase_.isActive(); }
  SettingsStore& settings() { return store_; }
  // The window connects the work of the parts it hosts here.
  ShellHooks& hooks() { return hooks_; }

  // Start-up of the main window; commandLine is the program's arguments joined by blanks.
  void startUp(const QString& commandLine);
  // Every time the main window becomes the active window.
  void activated();
  // Stores the options and the window position as the program ends.
  void exiting();

  // Inverts an option's check and applies what goes with it.
  void toggleOption(Option option);

  void stepSelectAttributes();  // step 1
  void stepSelectImages();      // step 2
  void stepGenerate();          // step 3
  void stepPreview();           // step 4
  void stepUpload();            // step 5
  // The common first action of every step command and of "&Edit HTML".
  void activateStep(Lamp lamp);

  void expandWindow();
  void collapseWindow();
  void showPanel(Panel panel);
  void toggleDriveBrowser();

 private:
  void chaseLamps();
  // The height the window has with the panel area shown or not, and the browser as it is.
  int heightFor(bool expanded) const;

  ShellView& view_;
  ShellHooks hooks_;
  SettingsStore store_;
  ProgramState state_;
  Lamps lamps_;
  QTimer chase_;
  bool windowExpanded_ = false;
  bool driveBrowserShown_ = false;
  bool activatedOnce_ = false;
  std::optional<Panel> visiblePanel_ = Panel::ImageList;
};

}  // namespace albryn::shell
