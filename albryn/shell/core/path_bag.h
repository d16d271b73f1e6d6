#pragma once
// The path bag: for each kind of file the user picks, the path picked last. The file dialogs
// open with it and the project file stores it.
#include <QList>
#include <QString>
#include <utility>

#include "settings_store.h"

namespace albryn::shell {

class PathBag {
 public:
  // The six keys in their fixed order.
  static const QStringList& keys();

  // Every entry becomes the program's folder followed by its wildcard pattern ("*.mid" …).
  void fillInitial(const QString& programFolder);
  // The entry of a key; empty for a key the bag does not have.
  QString value(const QString& key) const;
  // Replaces the entry of one of the six keys; other keys are ignored.
  void set(const QString& key, const QString& path);
  // For "genhtml" and "prevhtml": true while the entry is still a wildcard ("*.html" or "*.htm"
  // at its end), meaning no such file has been chosen yet.
  bool isUnchosen(const QString& key) const;
  bool operator==(const PathBag&) const = default;

 private:
  QList<std::pair<QString, QString>> entries_;
};

// The program's folder: the folder named by the "ProgramFolder" key of section "Options" when it
// exists, else the user's Pictures folder when that exists, else the home folder.
QString ProgramFolder(const SettingsStore& store);

}  // namespace albryn::shell
