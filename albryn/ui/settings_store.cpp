#include "settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <cmath>

namespace albryn {
namespace {

QString keyPath(const QString& section, const QString& key) { return section + '/' + key; }

}  // namespace

SettingsStore::SettingsStore()
    : fileName_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/Albryn/Albryn.conf") {}

std::optional<QString> SettingsStore::find(const QString& section, const QString& key) const {
  // QSettings objects on one file share their data within the process, so a fresh one per call
  // sees every earlier write.
  const QSettings settings(fileName_, QSettings::IniFormat);
  const QVariant value = settings.value(keyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  return value.toString();
}

QString SettingsStore::read(const QString& section, const QString& key) const {
  return find(section, key).value_or(QStringLiteral("1"));
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text) {
  QSettings settings(fileName_, QSettings::IniFormat);
  settings.setValue(keyPath(section, key), text);
  settings.sync();
}

void SettingsStore::writeBool(const QString& section, const QString& key, bool value) {
  write(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

bool SettingsStore::readBool(const QString& section, const QString& key, bool fallback) const {
  return StoredTextToBool(read(section, key)).value_or(fallback);
}

std::optional<bool> StoredTextToBool(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare("True", Qt::CaseInsensitive) == 0) return true;
  if (t.compare("False", Qt::CaseInsensitive) == 0) return false;
  bool isNumber = false;
  const double number = t.toDouble(&isNumber);
  if (!isNumber || std::isnan(number)) return std::nullopt;
  return number != 0;
}

}  // namespace albryn
