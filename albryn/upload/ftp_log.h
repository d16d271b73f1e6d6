#pragma once
// The protocol log of one FTP client control: each command sent (passwords and accounts
// hidden), each reply and each error, one time-stamped line each, appended to the file the
// control's settings name. A log past 1 MB is moved aside to "<file>.old" and begun afresh, so
// it never grows without bound. Writing the log never disturbs the transfer: a log
// that cannot be written is simply not written.
#include <QFile>
#include <QString>

namespace albryn::upload {

class FtpLog {
 public:
  // An empty path keeps no log.
  void setPath(const QString& path);

  void command(const QString& line);
  void reply(int code, const QString& text);
  void error(int number, const QString& text);

 private:
  void write(const QString& line);

  QString path_;
  QFile file_;
};

}  // namespace albryn::upload
