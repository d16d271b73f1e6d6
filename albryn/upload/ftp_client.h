#pragma once
// The asynchronous FTP client control. Calls return at once; the caller learns the outcome from
// Busy, Connected and the five events while it runs the event loop. One operation runs at a
// time: a call made while Busy raises ftpErrBusy, a call that needs a connection when there is
// none raises ftpErrNotConnected. Every wait has a time limit (see FtpSettings); when one runs
// out the control reports OnError, fails the operation, closes what must be closed and can be
// used again.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "ftp_errors.h"
#include "ftp_log.h"
#include "ftp_reply.h"
#include "ftp_settings.h"

class QFile;
class QSaveFile;
class QTcpServer;

namespace albryn::upload {

class FtpClient : public QObject {
  Q_OBJECT

 public:
  explicit FtpClient(QObject* parent = nullptr);
  ~FtpClient() override;

  // The remote host as typed: "host", "host:port" or "ftp://host[:port]".
  QString Host() const { return host_; }
  void setHost(const QString& host) { host_ = host; }
  QString UserName() const { return userName_; }
  void setUserName(const QString& name) { userName_ = name; }
  QString Password() const { return password_; }
  void setPassword(const QString& password) { password_ = password; }
  // The account sent with ACCT after the password; empty sends none unless the server asks.
  QString ExtraLogin() const { return extraLogin_; }
  void setExtraLogin(const QString& account) { extraLogin_ = account; }
  // File of the next PutFile; an empty RemoteFile stores under the local file's name.
  QString LocalFile() const { return localFile_; }
  void setLocalFile(const QString& path) { localFile_ = path; }
  QString RemoteFile() const { return remoteFile_; }
  void setRemoteFile(const QString& name) { remoteFile_ = name; }
  // Flags the callers keep on the control for their own bookkeeping (which window uses it and
  // whether an upload put follows); transfers are always binary and listings always ASCII.
  bool ExplorerOption() const { return explorerOption_; }
  void setExplorerOption(bool on) { explorerOption_ = on; }
  bool TransferOption() const { return transferOption_; }
  void setTransferOption(bool on) { transferOption_ = on; }

  bool Busy() const { return busy_; }
  bool Connected() const { return phase_ == Phase::Ready; }
  // The host system code (see ftp_system_type.h); 0 before the first connection.
  int HostSystemType() const { return hostSystemType_; }
  // The remote folder reported by PWD after login and after each ChangeDir.
  QString CurrentDir() const { return currentDir_; }
  // Whether the last operation that ended succeeded.
  bool LastOperationOk() const { return lastOk_; }

  FtpSettings settings() const { return settings_; }
  void setSettings(const FtpSettings& settings) {
    settings_ = settings;
    log_.setPath(settings.logFile);
  }

  // Connects, logs in, reads the system type and the current folder; OnConnect tells the end.
  // A connection that is still open is closed first.
  void Connect();
  // Sends QUIT and closes; Connected is false at once. Stops a running operation.
  void Disconnect();
  void ChangeDir(const QString& path);
  void MakeDir(const QString& name);
  void RemoveDir(const QString& name);
  void DeleteFile(const QString& name);
  void Rename(const QString& from, const QString& to);
  // Stores LocalFile as RemoteFile, reading the file as it is sent. A local file that cannot be
  // opened is reported by OnError (ftpErrLocalFile) and nothing is sent.
  void PutFile();
  // Fetches a remote file; the local file is replaced only after a complete transfer.
  void GetFile(const QString& remoteName, const QString& localPath);
  // Lists a folder (the current one when path is empty); the text arrives by OnDirList.
  void ListDir(const QString& path = QString());
  // Sends one command and waits (running the event loop) for its final reply: returns the code
  // and puts the reply text into reply. A time limit that runs out raises ftpErrTimedOut.
  int SendCommand(const QString& command, QString& reply);
  // Stops the running transfer: the data connection is reset and ABOR is sent.
  void AbortTransfer();
  // Cancels what is pending: a connection being made, a transfer, or the wait for a reply.
  void CancelOperation();

 Q_SIGNALS:
  // Every final server reply, with the command word it answers (empty for the greeting).
  void OnResponse(int code, const QString& command, const QString& text);
  // The listing of the last ListDir. complete is false when the listing broke off; path is the
  // folder that ListDir was given.
  void OnDirList(const QString& listing, bool complete, const QString& path);
  // ftpConnectOk when connected and logged in, else the error number.
  void OnConnect(int result);
  void OnError(int number, const QString& text);
  void OnProgress(qint64 fileSize, qint64 bytesTransferred, const QString& fileName);
  // Emitted when an operation ends (after its events); Busy is then false.
  void operationFinished(bool ok);

 private:
  enum class Phase { Idle, Connecting, LoggingIn, Ready, Quitting };
  enum class TransferKind { Put, Get, List };
  using ReplyHandler = std::function<void(const FtpReply&)>;
  struct Pending {
    QString verb;
    ReplyHandler handler;
    bool transferCommand = false;  // its preliminary replies open the data flow
  };
  struct Transfer;

  void requireIdleConnection() const;
  static void requireOneLine(const QString& text);
  void begin();
  // Ends the operation: Busy becomes false, then announce runs (the operation's own event),
  // then operationFinished.
  void finish(bool ok, const std::function<void()>& announce = {});
  // Fails a transfer call whose local file cannot be opened.
  void refuseLocalFile(const QString& path);
  // Writes one command line on the control connection, logging it.
  void writeCommand(const QString& command);
  void send(const QString& command, ReplyHandler handler, bool transferCommand = false);
  void simpleCommand(const QString& command, std::function<bool(int)> accepted);
  void updateTimers();

  void onControlConnected();
  void onControlReadyRead();
  void onControlClosed();
  void handleReply(const FtpReply& reply);
  void onReplyTimeout();
  void loseConnection(int number, const QString& text);
  int lostNumber() const;
  void closeControl();
  bool cancelled();

  void login(const FtpReply& greeting);
  void afterPassword(const FtpReply& reply);
  void afterLogin(bool accountSent);
  void querySystem();
  void failLogin(const FtpReply& reply);

  void startTransfer(std::unique_ptr<Transfer> transfer);
  void openDataConnection();
  void openPassive(const QHostAddress& address, quint16 port);
  void openActive();
  void sendTransferCommand();
  void onTransferStarted(const FtpReply& reply);
  void failTransfer(int number, const QString& text);
  void adoptDataSocket(QTcpSocket* socket);
  void onDataReadyRead();
  void onDataBytesWritten(qint64 bytes);
  void onDataClosed();
  void onDataError();
  void onStall();
  void pump();
  void drain();
  void onTransferReply(const FtpReply& reply);
  void endTransferIfDone();
  void dropData(bool reset);
  void reportProgress(bool force);

  QString host_, userName_, password_, extraLogin_, localFile_, remoteFile_;
  bool explorerOption_ = false;
  bool transferOption_ = false;
  FtpSettings settings_;
  FtpLog log_;

  Phase phase_ = Phase::Idle;
  bool busy_ = false;
  bool lastOk_ = false;
  bool cancel_ = false;
  int lastError_ = 0;
  quint64 epoch_ = 0;  // counts closed connections, so that a handler sees its own was closed
  int hostSystemType_ = 0;
  QString currentDir_;
  QChar type_;              // the TYPE in force, null when unknown
  bool epsvRefused_ = false;

  QTcpSocket control_;
  FtpReplyReader reader_;
  std::deque<Pending> pending_;
  QTimer connectTimer_, replyTimer_, stallTimer_, drainTimer_;

  std::unique_ptr<Transfer> transfer_;
  QTcpSocket* data_ = nullptr;
  QTcpServer* listener_ = nullptr;
};

}  // namespace albryn::upload
