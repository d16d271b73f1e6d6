#include "ftp_test_servers.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <utility>

namespace albryn::upload::testing {

namespace {

QStringList readLog(const QString& path, const QString& marker) {
  QStringList lines;
  const QString text = QString::fromUtf8(readFile(path));
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
    if (marker.isEmpty()) {
      lines << line.trimmed();
    } else if (const qsizetype at = line.indexOf(marker); at >= 0) {
      QString command = line.mid(at + marker.size()).trimmed();
      if (command.startsWith('"')) command = command.mid(1, command.size() - 2);
      lines << command;
    }
  }
  return lines;
}

bool accepts(quint16 port) {
  QTcpSocket probe;
  probe.connectToHost("127.0.0.1", port);
  return probe.waitForConnected(200);
}

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

}  // namespace

quint16 freePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

QByteArray randomBytes(qsizetype size, quint32 seed) {
  QRandomGenerator generator(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (qsizetype i = 0; i < size; ++i) bytes[i] = char(generator.bounded(256));
  return bytes;
}

// ---- pyftpdlib ------------------------------------------------------------------------------

PyFtpServer::PyFtpServer(const QString& root, const QString& user, const QString& password,
                         const QStringList& extraArgs)
    : log_(QDir(root).absoluteFilePath("../pyftpd-" + QString::number(quintptr(this)) + ".log")) {
  QStringList args{ALBRYN_FTP_SERVER_SCRIPT, "--root", root, "--log", log_};
  if (!user.isEmpty()) args << "--user" << user << "--password" << password;
  process_.start("/usr/bin/python3", args + extraArgs);
  if (!process_.waitForStarted(5000)) {
    error_ = "python3 did not start: " + process_.errorString();
    return;
  }
  QDeadlineTimer deadline(10000);
  while (!process_.canReadLine() && process_.state() == QProcess::Running && !deadline.hasExpired())
    process_.waitForReadyRead(200);
  bool ok = false;
  port_ = quint16(process_.readLine().trimmed().toUInt(&ok));
  if (!ok) {
    port_ = 0;
    error_ = "pyftpdlib did not start: " + QString::fromUtf8(process_.readAllStandardError());
  }
}

PyFtpServer::~PyFtpServer() { stop(process_); }

QStringList PyFtpServer::commands() const { return readLog(log_, QString()); }

// ---- vsftpd ---------------------------------------------------------------------------------

Vsftpd::Vsftpd(const QString& folder, int maxRate) {
  if (::geteuid() != 0) {
    error_ = "vsftpd needs root here (chroot of the anonymous user)";
    return;
  }
  QDir dir(folder);
  dir.mkpath("anon/pub");
  dir.mkpath("empty");
  upload_ = dir.absoluteFilePath("anon/pub");
  log_ = dir.absoluteFilePath("vsftpd.log");
  // The anonymous root must not be writable by the anonymous user; its "pub" folder is.
  QFile::setPermissions(dir.absoluteFilePath("anon"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
  QProcess id;
  id.start("id", {"-u", "ftp"});
  id.waitForFinished(3000);
  const uint ftpUid = id.readAll().trimmed().toUInt();
  if (ftpUid == 0 || ::chown(qPrintable(upload_), ftpUid, uint(-1)) != 0) {
    error_ = "no ftp user for vsftpd's anonymous login";
    return;
  }
  const quint16 port = freePort();
  const quint16 pasvBase = freePort();
  const QString config = dir.absoluteFilePath("vsftpd.conf");
  writeFile(config, QString("listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\n"
                            "listen_port=%1\nbackground=NO\nseccomp_sandbox=NO\n"
                            "anonymous_enable=YES\nlocal_enable=NO\nno_anon_password=YES\n"
                            "write_enable=YES\nanon_upload_enable=YES\n"
                            "anon_mkdir_write_enable=YES\nanon_other_write_enable=YES\n"
                            "anon_umask=022\nanon_root=%2\nsecure_chroot_dir=%3\n"
                            "pasv_enable=YES\npasv_min_port=%4\npasv_max_port=%5\n"
                            "port_enable=YES\nconnect_from_port_20=NO\n"
                            "xferlog_enable=YES\nxferlog_std_format=NO\nlog_ftp_protocol=YES\n"
                            "vsftpd_log_file=%6\ndirmessage_enable=NO\ncheck_shell=NO\n"
                            "anon_max_rate=%7\n")
                        .arg(port)
                        .arg(dir.absoluteFilePath("anon"), dir.absoluteFilePath("empty"))
                        .arg(pasvBase)
                        .arg(qMin(65535, pasvBase + 20))
                        .arg(log_)
                        .arg(maxRate)
                        .toUtf8());
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.start("/usr/sbin/vsftpd", {config});
  if (!process_.waitForStarted(5000)) {
    error_ = "vsftpd did not start: " + process_.errorString();
    return;
  }
  QDeadlineTimer deadline(10000);
  while (process_.state() == QProcess::Running && !deadline.hasExpired()) {
    if (accepts(port)) {
      port_ = port;
      return;
    }
    QThread::msleep(50);
  }
  error_ = "vsftpd did not listen: " + QString::fromUtf8(process_.readAll());
}

Vsftpd::~Vsftpd() { stop(process_); }

QStringList Vsftpd::commands() const { return readLog(log_, "FTP command: Client \"127.0.0.1\", "); }

// ---- scripted server ------------------------------------------------------------------------

ScriptedFtpServer::ScriptedFtpServer(QByteArray greeting, Script script, DataHandler onData)
    : greeting_(std::move(greeting)), script_(std::move(script)), onData_(std::move(onData)) {
  server_.listen(QHostAddress::LocalHost, 0);
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    QTcpSocket* control = server_.nextPendingConnection();
    if (!greeting_.isEmpty()) control->write(greeting_);
    connect(control, &QTcpSocket::readyRead, this, [this, control] {
      while (control->canReadLine()) onCommand(control, control->readLine().trimmed());
    });
  });
  connect(&dataServer_, &QTcpServer::newConnection, this, [this] {
    data_ = dataServer_.nextPendingConnection();
    if (waiting_ && onData_) onData_(data_, std::exchange(waiting_, nullptr));
  });
}

void ScriptedFtpServer::onCommand(QTcpSocket* control, const QByteArray& line) {
  const QString text = QString::fromUtf8(line);
  const QString verb = text.section(' ', 0, 0).toUpper();
  commands_ << text;
  QByteArray reply = script_(verb, text);
  if (reply.isNull()) {  // the script leaves the usual commands to the defaults
    if (verb == "USER") reply = "331 Password please.\r\n";
    else if (verb == "PASS") reply = "230 Logged in.\r\n";
    else if (verb == "SYST") reply = "215 UNIX Type: L8\r\n";
    else if (verb == "PWD") reply = "257 \"/\" is the current directory.\r\n";
    else if (verb == "TYPE") reply = "200 Type set.\r\n";
    else if (verb == "NOOP") reply = "200 NOOP ok.\r\n";
    else if (verb == "EPSV") {
      dataServer_.close();
      data_ = nullptr;
      dataServer_.listen(QHostAddress::LocalHost, 0);
      reply = "229 Entering Extended Passive Mode (|||" +
              QByteArray::number(dataServer_.serverPort()) + "|)\r\n";
    } else reply = "502 Not implemented.\r\n";
  }
  control->write(reply);
  if (reply.startsWith('1') && onData_) {
    if (data_)
      onData_(data_, control);
    else
      waiting_ = control;  // handed over when the client has made the data connection
  }
}

}  // namespace albryn::upload::testing
