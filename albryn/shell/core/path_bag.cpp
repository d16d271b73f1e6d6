#include "path_bag.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "options.h"
#include "paths.h"

namespace albryn::shell {
namespace {

const QStringList kPatterns{"*.mid", "*.alb", "*.html", "*.html", "*.jpg", "*.jpg"};

bool isFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

}  // namespace

const QStringList& PathBag::keys() {
  static const QStringList order{"midi", "alb", "genhtml", "prevhtml", "linkback", "mainback"};
  return order;
}

void PathBag::fillInitial(const QString& programFolder) {
  entries_.clear();
  for (qsizetype i = 0; i < keys().size(); ++i)
    entries_.append({keys()[i], JoinFolder(programFolder, kPatterns[i])});
}

QString PathBag::value(const QString& key) const {
  for (const auto& [k, v] : entries_)
    if (k == key) return v;
  return {};
}

void PathBag::set(const QString& key, const QString& path) {
  for (auto& [k, v] : entries_)
    if (k == key) v = path;
}

bool PathBag::isUnchosen(const QString& key) const {
  const QString v = value(key);
  return v.endsWith("*.html") || v.endsWith("*.htm");
}

QString ProgramFolder(const SettingsStore& store) {
  if (const auto chosen = store.find(kOptionsSection, "ProgramFolder"); chosen && isFolder(*chosen))
    return QDir::cleanPath(*chosen);
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (isFolder(pictures)) return QDir::cleanPath(pictures);
  return QDir::homePath();
}

}  // namespace albryn::shell
