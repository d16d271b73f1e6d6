#pragma once
// Small fixture helpers for the album tests: files with known contents in a sandbox folder.
#include <QDir>
#include <QFile>
#include <QString>

#include "sandbox.h"

namespace albryn::test {

inline QString newFolder(const char* name = "work") {
  return QString::fromStdString(albryn::testing::sandbox().newFolder(name).string());
}

inline void writeFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names in a folder, hidden ones included, sorted.
inline QStringList namesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace albryn::test
