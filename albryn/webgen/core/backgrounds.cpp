#include "backgrounds.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

#include "paths.h"

namespace albryn::webgen {

namespace {

QString CopyBackground(const QString& text, const QString& outputFolder, bool autoSpace) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return {};
  const QString webName = MakeWebName(FileNameOf(trimmed), autoSpace);
  if (webName.isEmpty()) return trimmed;  // a colour text: no file to copy
  CopyFileOver(trimmed, outputFolder + webName);
  return webName;
}

}  // namespace

bool CopyFileOver(const QString& source, const QString& destination) {
  const QFileInfo from(source);
  const QFileInfo to(destination);
  if (!from.isFile()) return false;
  if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) return true;
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return false;
  QTemporaryFile out(destination + QStringLiteral(".XXXXXX"));
  if (!out.open()) return false;
  while (!in.atEnd()) {
    const QByteArray chunk = in.read(1 << 20);
    if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return false;
  }
  if (!out.flush()) return false;
  out.setPermissions(in.permissions());
  out.close();
  // rename() replaces the destination in one step: it is never missing or half-written.
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(out.fileName()).toStdString(),
                          QFile::encodeName(destination).toStdString(), error);
  if (error) return false;
  out.setAutoRemove(false);
  return true;
}

QString SoundWebName(const QString& soundPath, bool autoSpaceReplacement) {
  return MakeWebName(FileNameOf(soundPath), autoSpaceReplacement);
}

BackgroundValues PrepareBackgrounds(const PageAttributes& attributes, const QString& outputFolder,
                                    bool autoSpaceReplacement) {
  BackgroundValues values;
  values.mainBackValue =
      CopyBackground(attributes.display.backgroundText, outputFolder, autoSpaceReplacement);
  values.linkBackValue =
      CopyBackground(attributes.link.backgroundText, outputFolder, autoSpaceReplacement);
  if (!attributes.soundPath.isEmpty()) {
    const QString name = SoundWebName(attributes.soundPath, autoSpaceReplacement);
    if (!name.isEmpty()) CopyFileOver(attributes.soundPath, outputFolder + name);
  }
  return values;
}

}  // namespace albryn::webgen
