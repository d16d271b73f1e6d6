#include "ftp_site_list.h"

namespace albryn::upload {

namespace {

const QString kSection = QStringLiteral("ftp");

}  // namespace

void FtpSiteList::SaveFtpSlot(int n, const FtpSite& site) {
  const QString slot = QString::number(n);
  store_.write(kSection, "FtpUrl" + slot, site.host);
  store_.write(kSection, "FtpUserName" + slot, site.userName);
  store_.write(kSection, "FtpPassword" + slot, site.password);
  store_.write(kSection, "FtpUrlPath" + slot, site.remoteFolder);
  store_.write(kSection, "FtpFilePath" + slot, site.pagePath);
}

FtpSite FtpSiteList::LoadFtpSlot(int n) const {
  const QString slot = QString::number(n);
  const auto read = [&](const QString& key) {
    return store_.find(kSection, key + slot).value_or(QString());
  };
  return {read("FtpUrl"), read("FtpUserName"), read("FtpPassword"), read("FtpUrlPath"),
          read("FtpFilePath")};
}

FtpSite FtpSiteList::LoadUrlList(const FtpSite& panel) {
  for (int n = 1; n <= kSlots; ++n) table_[size_t(n - 1)] = LoadFtpSlot(n);
  return panel.host.isEmpty() ? table_[0] : panel;
}

FtpSite FtpSiteList::SaveUrlList(const FtpSite& panel) {
  // Each write reaches the disk; a slot that already holds its new values is left alone.
  const std::array<FtpSite, kSlots> stored = table_;
  const auto save = [&](int n, const FtpSite& site) {
    if (stored[size_t(n - 1)] != site) SaveFtpSlot(n, site);
  };
  save(1, panel);
  int c = 0;
  for (const FtpSite& row : stored) {
    if (row.host == panel.host) continue;
    ++c;
    if (c < kSlots - 1) save(c + 1, row);
  }
  return LoadUrlList(panel);
}

QStringList FtpSiteList::hosts() const {
  QStringList items;
  for (const FtpSite& row : table_) items << row.host;
  return items;
}

}  // namespace albryn::upload
