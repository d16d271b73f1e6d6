#pragma once
// The checkable items of the "&Options" menu and where each is kept in the settings store.
#include <QString>
#include <array>
#include <cstddef>

#include "settings_store.h"

namespace albryn::shell {

// In menu order.
enum class Option {
  ImagePreview,
  DeleteThumbnails,
  AutoSpace,
  VoicePrompt,
  Sounds,
  ToolTips,
  TipOfDay,
  ShowAlterImageWarning,
};
inline constexpr int kOptionCount = 8;

struct OptionInfo {
  Option option;
  QString menuName;  // the menu item's object name
  QString caption;
  QString key;  // in section "Options"
};

// The eight items in menu order.
const std::array<OptionInfo, kOptionCount>& OptionTable();
const OptionInfo& InfoOf(Option option);

inline const QString kOptionsSection = QStringLiteral("Options");
inline const QString kFormSection = QStringLiteral("form");

// The check of each option; all start checked.
class OptionChecks {
 public:
  OptionChecks() { checked_.fill(true); }
  bool operator[](Option o) const { return checked_[std::size_t(o)]; }
  void set(Option o, bool on) { checked_[std::size_t(o)] = on; }
  bool operator==(const OptionChecks&) const = default;

 private:
  std::array<bool, kOptionCount> checked_{};
};

// Reads the seven options restored at start-up (all but the tip of the day, which is read at
// every activation). An absent key, or a text that is not a Boolean, leaves the item checked.
void ReadStartupOptions(const SettingsStore& store, OptionChecks& checks);
// The tip-of-the-day check as stored (absent or unreadable: checked).
bool StoredTipOfDay(const SettingsStore& store);
// Stores every option and the window position (in layout units) as the program ends.
void StoreAtExit(SettingsStore& store, const OptionChecks& checks, int topUnits, int leftUnits);

}  // namespace albryn::shell
