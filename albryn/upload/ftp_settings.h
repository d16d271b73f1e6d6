#pragma once
// The adjustable settings of one FTP client control. They live as long as the control and are
// not saved.
#include <QString>
#include <QtGlobal>

namespace albryn::upload {

struct FtpSettings {
  // Passive data connections (EPSV, then PASV); off: this side listens (PORT or EPRT).
  bool passive = true;
  // The port used when the host text names none.
  quint16 port = 21;
  // Time limits in milliseconds: reaching the server, each reply, and a data connection that
  // opens or moves no bytes for this long.
  int connectTimeoutMs = 30000;
  int replyTimeoutMs = 60000;
  int dataStallTimeoutMs = 60000;
  // The protocol log (see ftp_log.h); empty keeps none.
  QString logFile;
};

}  // namespace albryn::upload
