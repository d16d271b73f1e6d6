#include "ftp_log.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace albryn::upload {
namespace {

constexpr qint64 kMaxLogBytes = 1 << 20;

}  // namespace

void FtpLog::setPath(const QString& path) {
  if (path == path_) return;
  file_.close();
  path_ = path;
}

void FtpLog::command(const QString& line) {
  const QString verb = line.section(' ', 0, 0).toUpper();
  write("> " + (verb == "PASS" || verb == "ACCT" ? verb + " ****" : line));
}

void FtpLog::reply(int code, const QString& text) { write("< " + QString::number(code) + " " + text); }

void FtpLog::error(int number, const QString& text) { write("! error " + QString::number(number) + ": " + text); }

void FtpLog::write(const QString& line) {
  if (path_.isEmpty()) return;
  if (file_.isOpen() && file_.size() > kMaxLogBytes) file_.close();  // reopened afresh below
  if (!file_.isOpen()) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (QFileInfo(path_).size() > kMaxLogBytes) {
      QFile::remove(path_ + ".old");
      QFile::rename(path_, path_ + ".old");
    }
    file_.setFileName(path_);
    if (!file_.open(QIODevice::Append | QIODevice::Text)) return;
  }
  // Reply texts may span lines; each logged line stays one line.
  QString flat = line;
  flat.replace("\r\n", " | ").replace('\n', " | ").replace('\r', ' ');
  file_.write((QDateTime::currentDateTime().toString(Qt::ISODate) + " " + flat + "\n").toUtf8());
  file_.flush();
}

}  // namespace albryn::upload
