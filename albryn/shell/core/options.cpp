#include "options.h"

namespace albryn::shell {

const std::array<OptionInfo, kOptionCount>& OptionTable() {
  static const std::array<OptionInfo, kOptionCount> table{{
      {Option::ImagePreview, "mnuEnablePreview", "Enable &Image Preview Window", "imagepreview"},
      {Option::DeleteThumbnails, "mnuDeleteThumbnails", "&Delete Html and Thumbnails After FTP Upload",
       "deletethumbnails"},
      {Option::AutoSpace, "mnuOptionAutoSpace", "Enable &Auto Space Replacement in Image Names", "autospace"},
      {Option::VoicePrompt, "mnuEnableVoicePrompting", "Enable &Voice Instructions", "voiceprompt"},
      {Option::Sounds, "mnuOptionEnableSounds", "Enable &Program Sounds", "sounds"},
      {Option::ToolTips, "mnuOptionToolTips", "Show Pop-Up &ToolTips", "tooltips"},
      {Option::TipOfDay, "mnuOptionTipOfDay", "&Show Tip of The Day at Startup", "Show Tips at Startup"},
      {Option::ShowAlterImageWarning, "mnuOptionShowAltrImgWarn", "Show Alter Image &Warning",
       "ShowAlterImageWarning"},
  }};
  return table;
}

const OptionInfo& InfoOf(Option option) { return OptionTable()[std::size_t(option)]; }

void ReadStartupOptions(const SettingsStore& store, OptionChecks& checks) {
  for (Option o : {Option::ImagePreview, Option::DeleteThumbnails, Option::AutoSpace, Option::Sounds,
                   Option::ToolTips, Option::VoicePrompt, Option::ShowAlterImageWarning})
    checks.set(o, store.readBool(kOptionsSection, InfoOf(o).key));
}

bool StoredTipOfDay(const SettingsStore& store) {
  return store.readBool(kOptionsSection, InfoOf(Option::TipOfDay).key);
}

void StoreAtExit(SettingsStore& store, const OptionChecks& checks, int topUnits, int leftUnits) {
  const auto storeOption = [&](Option o) { store.writeBool(kOptionsSection, InfoOf(o).key, checks[o]); };
  for (Option o : {Option::ImagePreview, Option::DeleteThumbnails, Option::AutoSpace, Option::Sounds,
                   Option::ToolTips})
    storeOption(o);
  store.write(kFormSection, "top", QString::number(topUnits));
  store.write(kFormSection, "left", QString::number(leftUnits));
  for (Option o : {Option::TipOfDay, Option::VoicePrompt, Option::ShowAlterImageWarning}) storeOption(o);
}

}  // namespace albryn::shell
