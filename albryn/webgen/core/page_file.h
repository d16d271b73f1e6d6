#pragma once
// A generated page: its lines, ended by CR LF, written in one go. Pure ASCII text is written byte
// for byte; text with other characters is written as UTF-8 after a byte order mark, since the
// pages carry no charset tag.
#include <QString>
#include <QStringList>
#include <optional>

namespace albryn::webgen {

// A failure as the messages show it: a classic error number and its description.
struct WriteFailure {
  int number = 0;
  QString description;
  bool operator==(const WriteFailure&) const = default;
};

// A failure message: the text, the error number and its description on three lines.
QString FailureText(const QString& text, const WriteFailure& failure);

// The bytes of a page (lines joined with CR LF, each line ended by one).
QByteArray EncodePage(const QStringList& lines);

// Writes bytes to path, replacing an existing file only once the new one is complete.
std::optional<WriteFailure> WriteWholeFile(const QString& path, const QByteArray& bytes);

// Writes the page to path (see WriteWholeFile).
std::optional<WriteFailure> WritePage(const QString& path, const QStringList& lines);

}  // namespace albryn::webgen
