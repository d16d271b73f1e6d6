#pragma once
// The saved FTP sites: 15 slots in the settings section "ftp", slot 1 the site used last.
// Slot n keeps "FtpUrl" n, "FtpUserName" n, "FtpPassword" n (plain text), "FtpUrlPath" n and
// "FtpFilePath" n; a missing key reads as empty.
#include <QString>
#include <QStringList>
#include <array>

#include "settings_store.h"

namespace albryn::upload {

// The five values of one site, as the upload panel shows them.
struct FtpSite {
  QString host, userName, password, remoteFolder, pagePath;
  bool operator==(const FtpSite&) const = default;
};

class FtpSiteList {
 public:
  static constexpr int kSlots = 15;

  explicit FtpSiteList(SettingsStore& store) : store_(store) {}

  void SaveFtpSlot(int n, const FtpSite& site);
  FtpSite LoadFtpSlot(int n) const;

  // Reads every slot into FtpUrlTable. Returns what the panel shows afterwards: its own values
  // when its host is not empty, else slot 1's.
  FtpSite LoadUrlList(const FtpSite& panel);
  // Puts the panel's site in slot 1 and the other sites of the table (as loaded last, each
  // host once, in their order) in slots 2 to 14; slot 15 is never written. Then LoadUrlList.
  FtpSite SaveUrlList(const FtpSite& panel);

  // Rows 1 to 15 at positions 0 to 14.
  const std::array<FtpSite, kSlots>& FtpUrlTable() const { return table_; }
  // The hosts of the rows, empty ones included: the drop-down's 15 items.
  QStringList hosts() const;

 private:
  SettingsStore& store_;
  std::array<FtpSite, kSlots> table_;
};

}  // namespace albryn::upload
