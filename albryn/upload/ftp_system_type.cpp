#include "ftp_system_type.h"

#include <QRegularExpression>
#include <QStringList>

namespace albryn::upload {

int hostSystemTypeFromSyst(int code, const QString& text) {
  if (code < 200 || code >= 300) return ftpHostUnix;
  const QString upper = text.trimmed().toUpper();
  const QString word = upper.section(' ', 0, 0);
  if (upper.contains("UNIX")) return ftpHostUnix;  // "UNIX emulated by FileZilla" as well
  if (word.startsWith("MACOS") || word == "MAC") return ftpHostMacOs;
  if (word.endsWith("BSD") || word == "LINUX") return ftpHostBsd;
  if (word == "VMS" || word == "OPENVMS") return ftpHostVms;
  if (word == "MULTINET") return ftpHostMultiNet;
  if (word.startsWith("WINDOWS") || word == "WIN32" || word == "MSDOS" || word == "DOS" ||
      word == "OS/2")
    return ftpHostWindows;
  return ftpHostUnix;
}

int hostSystemTypeAfterListing(int current, const QString& listing) {
  if (current != ftpHostWindows && current != ftpHostWindowsUnixListing) return current;
  // A Unix line starts with a type letter and nine permission letters; a DOS line with a date.
  static const QRegularExpression unixLine("^[-dlbcps][-rwxsStT]{9}");
  static const QRegularExpression dosLine("^\\d{2}-\\d{2}-\\d{2,4}\\s");
  for (const QString& line : listing.split('\n')) {
    if (unixLine.match(line).hasMatch()) return ftpHostWindowsUnixListing;
    if (dosLine.match(line).hasMatch()) return ftpHostWindows;
  }
  return current;
}

}  // namespace albryn::upload
