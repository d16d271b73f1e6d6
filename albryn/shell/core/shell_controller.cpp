#include "shell_controller.h"

namespace albryn::shell {
namespace {

const QString kSounds = QStringLiteral("SOUNDS");
const QString kVoices = QStringLiteral("VOICES");

QString stepVoice(Lamp lamp) { return QStringLiteral("STEP%1").arg(int(lamp) + 1); }

}  // namespace

ShellController::ShellController(ShellView& view, ShellHooks hooks, SettingsStore store)
    : view_(view), hooks_(std::move(hooks)), store_(std::move(store)) {
  chase_.setInterval(kLampChaseMs);
  connect(&chase_, &QTimer::timeout, this, &ShellController::chaseLamps);
}

void ShellController::startUp(const QString& commandLine) {
  ReadStartupOptions(store_, state_.options);
  for (const OptionInfo& info : OptionTable()) view_.showOptionChecked(info.option, state_.options[info.option]);
  view_.placeWindow();
  state_.imageLimit = ImageLimitFromCommandLine(commandLine);
  hooks_.applyToolTips(state_.options[Option::ToolTips]);
  state_.pathBag.fillInitial(ProgramFolder(store_));
  hooks_.startImageLibrary();
  state_.uploadResizeChoices = kUploadResizeChoices;
  state_.pageAttributes.link.backIsColor = true;
  state_.pageAttributes.display.backIsColor = true;
  state_.reservedName = QStringLiteral("Albryn.jpg");
  view_.showLamps(lamps_);
  chase_.start();
  if (state_.options[Option::VoicePrompt]) hooks_.playResourceSound("WELCOME", kVoices);
}

void ShellController::activated() {
  const QString key = InfoOf(Option::TipOfDay).key;
  // The flag is set before the tip window opens, so the activation that follows its closing
  // does not open it again.
  const bool first = !activatedOnce_;
  activatedOnce_ = true;
  // Only the text "True" opens the tip window; an absent key reads "1" and does not.
  if (first && store_.read(kOptionsSection, key) == "True") hooks_.showTipOfDay();
  state_.options.set(Option::TipOfDay, StoredTipOfDay(store_));
  view_.showOptionChecked(Option::TipOfDay, state_.options[Option::TipOfDay]);
}

void ShellController::exiting() { StoreAtExit(store_, state_.options, view_.topUnits(), view_.leftUnits()); }

void ShellController::toggleOption(Option option) {
  const bool on = !state_.options[option];
  state_.options.set(option, on);
  view_.showOptionChecked(option, on);
  switch (option) {
    case Option::TipOfDay:
    case Option::ShowAlterImageWarning:
      store_.writeBool(kOptionsSection, InfoOf(option).key, on);
      break;
    case Option::ToolTips:
      hooks_.applyToolTips(on);
      break;
    case Option::ImagePreview:
      if (on) {
        view_.previewSwitchedOn();
      } else {
        view_.resetPreview();
      }
      break;
    default:
      break;
  }
}

void ShellController::activateStep(Lamp lamp) {
  if (state_.options[Option::Sounds]) hooks_.playResourceSound("PICTURE", kSounds);
  chase_.stop();
  lamps_.light(lamp);
  view_.showLamps(lamps_);
  view_.resetPreview();
  if (state_.options[Option::VoicePrompt]) hooks_.playResourceSound(stepVoice(lamp), kVoices);
}

void ShellController::stepSelectAttributes() {
  activateStep(Lamp::SelectColor);
  if (!windowExpanded_) expandWindow();
  if (driveBrowserShown_) toggleDriveBrowser();
  showPanel(Panel::ColorFontTitle);
  view_.moveFocusToSink();
}

void ShellController::stepSelectImages() {
  activateStep(Lamp::SelectImages);
  if (!windowExpanded_) expandWindow();
  showPanel(Panel::ImageList);
  if (!driveBrowserShown_) toggleDriveBrowser();
  view_.moveFocusToSink();
}

void ShellController::stepGenerate() {
  activateStep(Lamp::GenWebPage);
  if (driveBrowserShown_) toggleDriveBrowser();
  if (windowExpanded_) collapseWindow();
  view_.moveFocusToSink();
  hooks_.generatePages();
}

void ShellController::stepPreview() {
  activateStep(Lamp::PreView);
  if (driveBrowserShown_) toggleDriveBrowser();
  if (windowExpanded_) collapseWindow();
  view_.moveFocusToSink();
  hooks_.previewPages();
}

void ShellController::stepUpload() {
  activateStep(Lamp::Upload);
  if (!windowExpanded_) expandWindow();
  hooks_.prepareUploadPanel();
  if (driveBrowserShown_) toggleDriveBrowser();
  showPanel(Panel::FtpUpload);
  view_.moveFocusToSink();
}

int ShellController::heightFor(bool expanded) const {
  // The browser lies below the panel area; while it is shown the window keeps room for it.
  return (expanded ? kExpandedHeight : kCollapsedHeight) + (driveBrowserShown_ ? kDriveBrowserHeight : 0);
}

void ShellController::expandWindow() {
  view_.animateHeight(kPanelAreaHeight, heightFor(true));
  windowExpanded_ = true;
}

void ShellController::collapseWindow() {
  view_.animateHeight(-kPanelAreaHeight, heightFor(false));
  windowExpanded_ = false;
}

void ShellController::showPanel(Panel panel) {
  if (!visiblePanel_) return;
  view_.setStepButtonsEnabled(false);
  if (*visiblePanel_ != panel) {
    view_.slidePanel(*visiblePanel_, panel);
    visiblePanel_ = panel;
  }
  view_.setStepButtonsEnabled(true);
}

void ShellController::toggleDriveBrowser() {
  view_.setDriveButtonEnabled(false);
  const int height = view_.heightUnits();
  if (!driveBrowserShown_) {
    view_.setDriveBrowserVisible(true);
    view_.animateHeight(kDriveBrowserHeight, height + kDriveBrowserHeight);
    driveBrowserShown_ = true;
    view_.setDriveButtonCaption(kHideDriveList);
  } else {
    view_.animateHeight(-kDriveBrowserHeight, height - kDriveBrowserHeight);
    view_.setDriveBrowserVisible(false);
    driveBrowserShown_ = false;
    view_.setDriveButtonCaption(kShowDriveList);
  }
  view_.moveFocusToSink();
  view_.setDriveButtonEnabled(true);
}

void ShellController::chaseLamps() {
  lamps_.chaseStep();
  view_.showLamps(lamps_);
}

}  // namespace albryn::shell
