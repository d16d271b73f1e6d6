#include "page_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace albryn::webgen {

namespace {

bool IsAscii(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 0x7F) return false;
  return true;
}

// The classic error for a failure to create, write or put in place the page file.
WriteFailure FailureFor(const QString& path, const QSaveFile& file, bool whileWriting) {
  if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) return {76, QStringLiteral("Path not found")};
  if (file.errorString().contains(QStringLiteral("space"), Qt::CaseInsensitive))
    return {61, QStringLiteral("Disk full")};
  if (whileWriting) return {57, QStringLiteral("Device I/O error")};
  return {75, QStringLiteral("Path/File access error")};
}

}  // namespace

QString FailureText(const QString& text, const WriteFailure& failure) {
  return text + QStringLiteral("\r\n") + QString::number(failure.number) + QStringLiteral("\r\n") +
         failure.description;
}

QByteArray EncodePage(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  if (IsAscii(text)) return text.toLatin1();
  return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

std::optional<WriteFailure> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return FailureFor(path, file, false);
  if (file.write(bytes) != bytes.size()) return FailureFor(path, file, true);
  if (!file.commit()) return FailureFor(path, file, false);
  return std::nullopt;
}

std::optional<WriteFailure> WritePage(const QString& path, const QStringList& lines) {
  return WriteWholeFile(path, EncodePage(lines));
}

}  // namespace albryn::webgen
