#pragma once
// FTP servers on 127.0.0.1 for the tests: pyftpdlib and vsftpd run as child processes, and a
// small scripted server inside the test process for the misbehaving cases.
#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>

namespace albryn::upload::testing {

// A free TCP port on 127.0.0.1 (free when asked; the caller binds it soon after).
quint16 freePort();
// The whole contents of a file, or a null array when it cannot be read.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Random bytes of the given size (a fixed seed, so that a failure can be repeated).
QByteArray randomBytes(qsizetype size, quint32 seed);

// pyftpdlib serving root. Login with the user and password given, or anonymously (user
// "anonymous") when user is empty. extraArgs go to ftp_server.py (--syst, --no-epsv, ...).
class PyFtpServer {
 public:
  PyFtpServer(const QString& root, const QString& user, const QString& password,
              const QStringList& extraArgs = {});
  ~PyFtpServer();
  bool running() const { return port_ != 0; }
  QString error() const { return error_; }
  quint16 port() const { return port_; }
  QString address() const { return "127.0.0.1:" + QString::number(port_); }
  // The commands the server received, in order (the password masked).
  QStringList commands() const;

 private:
  QProcess process_;
  QString log_;
  QString error_;
  quint16 port_ = 0;
};

// vsftpd with anonymous login that may write in "/pub" (folder upload() on disk), throttled to
// maxRate bytes per second when that is not 0. Needs root; running() is false, with error()
// saying why, when vsftpd cannot start on this machine.
class Vsftpd {
 public:
  explicit Vsftpd(const QString& folder, int maxRate = 0);
  ~Vsftpd();
  bool running() const { return port_ != 0; }
  QString error() const { return error_; }
  quint16 port() const { return port_; }
  QString address() const { return "127.0.0.1:" + QString::number(port_); }
  QString upload() const { return upload_; }
  QStringList commands() const;

 private:
  QProcess process_;
  QString upload_, log_, error_;
  quint16 port_ = 0;
};

// A server that follows a script: every command line gets the reply the script returns
// ("" = no reply at all). It logs in anyone, answers SYST and PWD, and opens a data listener
// for EPSV. What happens on the data connection is up to onData (called with the server's
// data socket once a transfer command has been answered with a 1xx reply).
class ScriptedFtpServer : public QObject {
  Q_OBJECT

 public:
  using Script = std::function<QByteArray(const QString& verb, const QString& line)>;
  using DataHandler = std::function<void(QTcpSocket* data, QTcpSocket* control)>;
  ScriptedFtpServer(QByteArray greeting, Script script, DataHandler onData = {});
  quint16 port() const { return server_.serverPort(); }
  QString address() const { return "127.0.0.1:" + QString::number(port()); }
  QStringList commands() const { return commands_; }

 private:
  void onCommand(QTcpSocket* control, const QByteArray& line);

  QTcpServer server_;
  QTcpServer dataServer_;
  QTcpSocket* data_ = nullptr;
  QTcpSocket* waiting_ = nullptr;  // control connection whose transfer waits for data_
  QByteArray greeting_;
  Script script_;
  DataHandler onData_;
  QStringList commands_;
};

}  // namespace albryn::upload::testing
