#include "ftp_client.h"

#include <sys/socket.h>

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTcpServer>

#include "ftp_address.h"
#include "ftp_system_type.h"
#include "paths.h"
#include "socket_queue.h"

namespace albryn::upload {

namespace {

// A put reads the file in chunks and keeps at most this much waiting in the socket, so memory
// stays flat whatever the file size.
constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qint64 kHighWaterBytes = 256 * 1024;
constexpr qint64 kProgressIntervalMs = 100;
// While the last bytes of a put leave the system's buffer we look again after 1 ms, doubling
// the pause up to this many milliseconds: a fast link is done at once, a slow one is not polled
// needlessly often.
constexpr int kDrainPollMaxMs = 64;

QString verbOf(const QString& command) { return command.section(' ', 0, 0).toUpper(); }

bool isCompletion(int code) { return code >= 200 && code < 300; }

// Closes a data connection with a reset instead of an orderly end, so that the server sees a
// broken transfer rather than a complete, shorter file.
void resetSocket(QTcpSocket* socket) {
  if (socket->socketDescriptor() != -1) {
    const linger now{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
  }
  socket->abort();
}

// The size a 150 reply announces, as in "Opening BINARY mode data connection for x (1234 bytes)".
qint64 announcedSize(const QString& text) {
  static const QRegularExpression bytes("\\((\\d+) bytes\\)");
  const auto m = bytes.match(text);
  return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

}  // namespace

struct FtpClient::Transfer {
  TransferKind kind = TransferKind::List;
  QString command;  // the command that moves the data, such as "STOR name"
  QString name;     // the file name OnProgress reports, or the folder a listing is of
  QChar type;
  std::unique_ptr<QFile> source;
  std::unique_ptr<QSaveFile> target;
  QByteArray listing;
  qint64 size = 0;
  qint64 moved = 0;          // bytes received, or bytes handed to the system for a put
  qint64 lastUnsent = -1;    // put: what the system still held at the last look
  int drainPauseMs = 1;      // put: the pause before the next look
  bool dataWanted = false;  // the data connection is being opened or is open
  bool dataOpen = false;
  bool dataClosed = false;
  bool commandSent = false;
  bool started = false;     // the server's preliminary reply came
  bool sourceDone = false;  // put: the whole file went to the socket
  bool replied = false;
  bool replyOk = false;
  bool failed = false;
  bool aborted = false;
  QElapsedTimer sinceProgress;
};

FtpClient::FtpClient(QObject* parent) : QObject(parent) {
  connect(this, &FtpClient::OnResponse, this,
          [this](int code, const QString&, const QString& text) { log_.reply(code, text); });
  connect(this, &FtpClient::OnError, this, [this](int number, const QString& text) { log_.error(number, text); });
  for (QTimer* timer : {&connectTimer_, &replyTimer_, &stallTimer_}) timer->setSingleShot(true);
  drainTimer_.setSingleShot(true);
  connect(&drainTimer_, &QTimer::timeout, this, &FtpClient::drain);
  connect(&connectTimer_, &QTimer::timeout, this, [this] {
    loseConnection(ftpErrTimedOut, "No connection to " + host_ + " within the time limit.");
  });
  connect(&replyTimer_, &QTimer::timeout, this, &FtpClient::onReplyTimeout);
  connect(&stallTimer_, &QTimer::timeout, this, &FtpClient::onStall);
  connect(&control_, &QTcpSocket::connected, this, &FtpClient::onControlConnected);
  connect(&control_, &QTcpSocket::readyRead, this, &FtpClient::onControlReadyRead);
  connect(&control_, &QTcpSocket::disconnected, this, &FtpClient::onControlClosed);
  connect(&control_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
    if (phase_ == Phase::Connecting)
      loseConnection(ftpErrCannotConnect, host_ + ": " + control_.errorString());
    else if (error != QAbstractSocket::RemoteHostClosedError)
      loseConnection(ftpErrConnectionLost, control_.errorString());
  });
}

FtpClient::~FtpClient() {
  control_.disconnect(this);
  dropData(true);
  control_.abort();
}

// ---- calls ----------------------------------------------------------------------------------

void FtpClient::requireIdleConnection() const {
  if (busy_) throw FtpError(ftpErrBusy);
  if (phase_ != Phase::Ready) throw FtpError(ftpErrNotConnected);
}

void FtpClient::requireOneLine(const QString& text) {
  if (text.contains('\r') || text.contains('\n')) throw FtpError(ftpErrBadArgument);
}

void FtpClient::begin() {
  busy_ = true;
  lastOk_ = false;
  cancel_ = false;
  lastError_ = 0;
}

void FtpClient::finish(bool ok, const std::function<void()>& announce) {
  dropData(!ok);
  transfer_.reset();
  busy_ = false;
  lastOk_ = ok;
  cancel_ = false;
  updateTimers();
  if (announce) announce();
  emit operationFinished(ok);
}

void FtpClient::Connect() {
  if (busy_) throw FtpError(ftpErrBusy);
  requireOneLine(userName_);
  requireOneLine(password_);
  requireOneLine(extraLogin_);
  closeControl();  // an open or closing connection
  begin();
  hostSystemType_ = 0;
  currentDir_.clear();
  phase_ = Phase::Connecting;
  const auto target = parseFtpHost(host_, settings_.port);
  if (!target) {
    const quint64 epoch = epoch_;
    QMetaObject::invokeMethod(this, [this, epoch] {
      if (epoch == epoch_ && phase_ == Phase::Connecting)
        loseConnection(ftpErrCannotConnect, "\"" + host_ + "\" is not a host name.");
    }, Qt::QueuedConnection);
    return;
  }
  connectTimer_.start(settings_.connectTimeoutMs);
  control_.connectToHost(target->host, target->port);
}

void FtpClient::Disconnect() {
  if (phase_ == Phase::Idle || phase_ == Phase::Quitting) return;
  if (phase_ != Phase::Ready) {
    CancelOperation();
    return;
  }
  // Replies to what was already sent are still read, but nobody waits for them any more.
  for (Pending& p : pending_) p.handler = [](const FtpReply&) {};
  const bool wasBusy = busy_;
  dropData(true);
  transfer_.reset();
  phase_ = Phase::Quitting;
  send("QUIT", [this](const FtpReply&) { closeControl(); });
  if (wasBusy) finish(false);
}

void FtpClient::simpleCommand(const QString& command, std::function<bool(int)> accepted) {
  requireIdleConnection();
  requireOneLine(command);
  begin();
  send(command, [this, accepted](const FtpReply& r) { finish(!cancel_ && accepted(r.code)); });
}

void FtpClient::ChangeDir(const QString& path) {
  requireIdleConnection();
  requireOneLine(path);
  begin();
  send("CWD " + path, [this](const FtpReply& r) {
    if (cancel_ || !isCompletion(r.code)) return finish(false);
    send("PWD", [this](const FtpReply& pwd) {
      if (pwd.code == 257) currentDir_ = parseQuotedPath(pwd.text);
      finish(true);
    });
  });
}

void FtpClient::MakeDir(const QString& name) { simpleCommand("MKD " + name, isCompletion); }
void FtpClient::RemoveDir(const QString& name) { simpleCommand("RMD " + name, isCompletion); }
void FtpClient::DeleteFile(const QString& name) { simpleCommand("DELE " + name, isCompletion); }

void FtpClient::Rename(const QString& from, const QString& to) {
  requireIdleConnection();
  requireOneLine(from);
  requireOneLine(to);
  begin();
  send("RNFR " + from, [this, to](const FtpReply& r) {
    if (cancel_ || r.code != 350) return finish(false);
    send("RNTO " + to, [this](const FtpReply& done) { finish(isCompletion(done.code)); });
  });
}

int FtpClient::SendCommand(const QString& command, QString& reply) {
  requireIdleConnection();
  requireOneLine(command);
  begin();
  int code = 0;
  QString text;
  const QString line = command.trimmed();
  send(line, [this, &code, &text, line](const FtpReply& r) {
    code = r.code;
    text = r.text;
    if (verbOf(line) == "TYPE") type_ = QChar();  // the caller changed it behind our back
    finish(!cancel_ && r.code < 400);
  });
  QEventLoop wait;
  connect(this, &FtpClient::operationFinished, &wait, &QEventLoop::quit);
  if (busy_) wait.exec();
  if (code == 0) throw FtpError(lastError_ ? lastError_ : ftpErrCancelled);
  reply = text;
  return code;
}

void FtpClient::refuseLocalFile(const QString& path) {
  lastOk_ = false;
  emit OnError(ftpErrLocalFile, ftpErrorText(ftpErrLocalFile) + " " + path);
}

void FtpClient::PutFile() {
  requireIdleConnection();
  const QString remote = remoteFile_.isEmpty() ? FileNameOf(localFile_) : remoteFile_;
  requireOneLine(remote);
  auto file = std::make_unique<QFile>(localFile_);
  if (localFile_.isEmpty() || !file->open(QIODevice::ReadOnly)) {
    refuseLocalFile(localFile_);
    return;
  }
  auto transfer = std::make_unique<Transfer>();
  transfer->kind = TransferKind::Put;
  transfer->command = "STOR " + remote;
  transfer->name = remote;
  transfer->type = 'I';
  transfer->size = file->size();
  transfer->source = std::move(file);
  begin();
  startTransfer(std::move(transfer));
}

void FtpClient::GetFile(const QString& remoteName, const QString& localPath) {
  requireIdleConnection();
  requireOneLine(remoteName);
  auto file = std::make_unique<QSaveFile>(localPath);
  if (localPath.isEmpty() || !file->open(QIODevice::WriteOnly)) {
    refuseLocalFile(localPath);
    return;
  }
  auto transfer = std::make_unique<Transfer>();
  transfer->kind = TransferKind::Get;
  transfer->command = "RETR " + remoteName;
  transfer->name = remoteName;
  transfer->type = 'I';
  transfer->target = std::move(file);
  begin();
  startTransfer(std::move(transfer));
}

void FtpClient::ListDir(const QString& path) {
  requireIdleConnection();
  requireOneLine(path);
  auto transfer = std::make_unique<Transfer>();
  transfer->kind = TransferKind::List;
  transfer->command = path.isEmpty() ? "LIST" : "LIST " + path;
  transfer->name = path;
  transfer->type = 'A';
  begin();
  startTransfer(std::move(transfer));
}

void FtpClient::AbortTransfer() {
  if (!transfer_ || transfer_->aborted) return;
  Transfer& t = *transfer_;
  t.aborted = true;
  t.failed = true;
  dropData(true);
  t.dataClosed = true;
  if (t.commandSent) {
    // The server answers the transfer command (426 or 226) and then ABOR; the operation ends
    // with the second reply so that no answer is left over for the next command.
    send("ABOR", [this](const FtpReply&) { finish(false); });
  } else if (pending_.empty()) {
    finish(false);  // only the data connection was being opened
  } else {
    cancel_ = true;  // the reply to TYPE, EPSV, PASV or PORT ends it
  }
}

void FtpClient::CancelOperation() {
  if (phase_ == Phase::Connecting || phase_ == Phase::LoggingIn) {
    closeControl();
    lastError_ = ftpErrCancelled;
    finish(false, [this] { emit OnConnect(ftpErrCancelled); });
    return;
  }
  if (!busy_) return;
  if (transfer_) {
    AbortTransfer();
    return;
  }
  cancel_ = true;  // the reply still comes; the operation then fails
}

// ---- control connection ---------------------------------------------------------------------

void FtpClient::writeCommand(const QString& command) {
  log_.command(command);
  control_.write((command + "\r\n").toUtf8());
}

void FtpClient::send(const QString& command, ReplyHandler handler, bool transferCommand) {
  writeCommand(command);
  pending_.push_back({verbOf(command), std::move(handler), transferCommand});
  updateTimers();
}

void FtpClient::updateTimers() {
  const bool dataFlowing = transfer_ && transfer_->started && !transfer_->dataClosed;
  const bool replyNeeded = !pending_.empty() && !dataFlowing;
  const bool dataNeeded = transfer_ && transfer_->dataWanted && !transfer_->dataClosed;
  const auto arm = [](QTimer& timer, bool on, int ms) {
    if (!on)
      timer.stop();
    else if (!timer.isActive())
      timer.start(ms);
  };
  arm(replyTimer_, replyNeeded, settings_.replyTimeoutMs);
  arm(stallTimer_, dataNeeded, settings_.dataStallTimeoutMs);
}

void FtpClient::onControlConnected() {
  connectTimer_.stop();
  phase_ = Phase::LoggingIn;
  pending_.push_back({QString(), [this](const FtpReply& r) { login(r); }});
  updateTimers();
}

void FtpClient::onControlReadyRead() {
  const quint64 epoch = epoch_;
  const auto replies = reader_.feed(control_.readAll());
  if (replyTimer_.isActive()) replyTimer_.start(settings_.replyTimeoutMs);  // the server is alive
  for (const FtpReply& reply : replies) {
    handleReply(reply);
    if (epoch != epoch_) return;  // the connection was closed meanwhile
  }
  if (reader_.broken())
    loseConnection(lostNumber(), "The server sent text that is not an FTP reply.");
}

void FtpClient::handleReply(const FtpReply& reply) {
  const quint64 epoch = epoch_;
  const QString verb = pending_.empty() ? QString() : pending_.front().verb;
  emit OnResponse(reply.code, verb, reply.text);
  if (epoch != epoch_ || pending_.empty()) return;  // closed, or a reply nobody asked for
  if (reply.preliminary()) {
    if (pending_.front().transferCommand && transfer_) onTransferStarted(reply);
    return;  // the final reply follows
  }
  Pending answered = std::move(pending_.front());
  pending_.pop_front();
  updateTimers();
  answered.handler(reply);
}

void FtpClient::onControlClosed() {
  if (phase_ == Phase::Idle) return;
  if (control_.bytesAvailable()) onControlReadyRead();
  if (phase_ == Phase::Quitting) {
    closeControl();
    return;
  }
  if (phase_ != Phase::Idle) loseConnection(lostNumber(), "The server closed the connection.");
}

int FtpClient::lostNumber() const {
  const bool connecting = phase_ == Phase::Connecting || phase_ == Phase::LoggingIn;
  return connecting ? ftpErrCannotConnect : ftpErrConnectionLost;
}

void FtpClient::onReplyTimeout() {
  const QString verb = pending_.empty() ? QString() : pending_.front().verb;
  loseConnection(ftpErrTimedOut, verb.isEmpty()
                                     ? "The server sent no greeting within the time limit."
                                     : "No reply to " + verb + " within the time limit.");
}

void FtpClient::loseConnection(int number, const QString& text) {
  const Phase was = phase_;
  closeControl();
  if (was == Phase::Idle || was == Phase::Quitting) return;
  lastError_ = number;
  emit OnError(number, text);
  if (was == Phase::Connecting || was == Phase::LoggingIn)
    finish(false, [this, number] { emit OnConnect(number); });
  else if (busy_)
    finish(false);
}

void FtpClient::closeControl() {
  ++epoch_;
  phase_ = Phase::Idle;
  pending_.clear();
  reader_.reset();
  dropData(true);
  transfer_.reset();
  type_ = QChar();
  epsvRefused_ = false;
  connectTimer_.stop();
  control_.abort();
  updateTimers();
}

// ---- login ----------------------------------------------------------------------------------

void FtpClient::login(const FtpReply& greeting) {
  if (greeting.code != 220) {
    loseConnection(ftpErrCannotConnect, QString::number(greeting.code) + " " + greeting.text);
    return;
  }
  send("USER " + (userName_.isEmpty() ? QString("anonymous") : userName_),
       [this](const FtpReply& r) {
         if (r.code == 230)
           afterLogin(false);
         else if (r.code == 331)
           send("PASS " + password_, [this](const FtpReply& pass) { afterPassword(pass); });
         else
           afterPassword(r);
       });
}

void FtpClient::afterPassword(const FtpReply& reply) {
  if (reply.code == 230 || reply.code == 202) {
    afterLogin(false);
  } else if (reply.code == 332 && !extraLogin_.isEmpty()) {
    send("ACCT " + extraLogin_, [this](const FtpReply& r) {
      if (r.code == 230 || r.code == 202)
        afterLogin(true);
      else
        failLogin(r);
    });
  } else {
    failLogin(reply);
  }
}

void FtpClient::afterLogin(bool accountSent) {
  // An account the server did not ask for is still sent; a server that has no use for it may
  // refuse it without spoiling the login.
  if (!extraLogin_.isEmpty() && !accountSent)
    send("ACCT " + extraLogin_, [this](const FtpReply&) { querySystem(); });
  else
    querySystem();
}

void FtpClient::querySystem() {
  send("SYST", [this](const FtpReply& syst) {
    hostSystemType_ = hostSystemTypeFromSyst(syst.code, syst.text);
    send("PWD", [this](const FtpReply& pwd) {
      if (pwd.code == 257) currentDir_ = parseQuotedPath(pwd.text);
      phase_ = Phase::Ready;
      finish(true, [this] { emit OnConnect(ftpConnectOk); });
    });
  });
}

void FtpClient::failLogin(const FtpReply& reply) {
  writeCommand("QUIT");
  control_.flush();
  loseConnection(ftpErrLoginRefused, QString::number(reply.code) + " " + reply.text);
}

// ---- transfers ------------------------------------------------------------------------------

void FtpClient::startTransfer(std::unique_ptr<Transfer> transfer) {
  transfer_ = std::move(transfer);
  if (type_ == transfer_->type) {
    openDataConnection();
    return;
  }
  send(QString("TYPE ") + transfer_->type, [this](const FtpReply& r) {
    if (cancelled()) return;
    if (!isCompletion(r.code)) return failTransfer(ftpErrCommandRefused, "TYPE: " + r.text);
    type_ = transfer_->type;
    openDataConnection();
  });
}

bool FtpClient::cancelled() {
  if (!cancel_) return false;
  finish(false);
  return true;
}

void FtpClient::openDataConnection() {
  if (!settings_.passive) return openActive();
  if (!epsvRefused_) {
    send("EPSV", [this](const FtpReply& r) {
      if (cancelled()) return;
      const auto port = r.code == 229 ? parseEpsvReply(r.text) : std::nullopt;
      if (port) return openPassive(QHostAddress(), *port);
      if (r.code < 500 && r.code != 229)
        return failTransfer(ftpErrDataConnection, "EPSV: " + r.text);
      epsvRefused_ = true;  // not offered or not understood: PASV from now on
      openDataConnection();
    });
    return;
  }
  send("PASV", [this](const FtpReply& r) {
    if (cancelled()) return;
    const auto named = r.code == 227 ? parsePasvReply(r.text) : std::nullopt;
    if (!named) return failTransfer(ftpErrDataConnection, "PASV: " + r.text);
    openPassive(named->address, named->port);
  });
}

void FtpClient::openPassive(const QHostAddress& named, quint16 port) {
  const QHostAddress address = chooseDataAddress(named, control_.peerAddress());
  auto* socket = new QTcpSocket(this);
  adoptDataSocket(socket);
  connect(socket, &QTcpSocket::connected, this, [this] {
    transfer_->dataOpen = true;
    stallTimer_.start(settings_.dataStallTimeoutMs);
    sendTransferCommand();
  });
  transfer_->dataWanted = true;
  updateTimers();
  socket->connectToHost(address, port);
}

void FtpClient::openActive() {
  listener_ = new QTcpServer(this);
  if (!listener_->listen(control_.localAddress(), 0))
    return failTransfer(ftpErrDataConnection, listener_->errorString());
  connect(listener_, &QTcpServer::newConnection, this, [this] {
    QTcpSocket* socket = listener_->nextPendingConnection();
    if (!socket->peerAddress().isEqual(control_.peerAddress(), QHostAddress::TolerantConversion)) {
      socket->abort();  // only the server may connect
      socket->deleteLater();
      return;
    }
    socket->setParent(this);
    listener_->close();
    adoptDataSocket(socket);
    transfer_->dataOpen = true;
    stallTimer_.start(settings_.dataStallTimeoutMs);
    pump();
  });
  transfer_->dataWanted = true;
  send(activeModeCommand(control_.localAddress(), listener_->serverPort()),
       [this](const FtpReply& r) {
         if (cancelled()) return;
         if (!isCompletion(r.code)) return failTransfer(ftpErrDataConnection, r.text);
         sendTransferCommand();
       });
}

void FtpClient::sendTransferCommand() {
  transfer_->commandSent = true;
  send(transfer_->command, [this](const FtpReply& r) { onTransferReply(r); }, true);
}

void FtpClient::onTransferStarted(const FtpReply& reply) {
  Transfer& t = *transfer_;
  t.started = true;
  if (t.kind == TransferKind::Get) t.size = announcedSize(reply.text);
  t.sinceProgress.start();
  updateTimers();
  pump();
}

void FtpClient::adoptDataSocket(QTcpSocket* socket) {
  data_ = socket;
  connect(socket, &QTcpSocket::readyRead, this, &FtpClient::onDataReadyRead);
  connect(socket, &QTcpSocket::bytesWritten, this, &FtpClient::onDataBytesWritten);
  connect(socket, &QTcpSocket::disconnected, this, &FtpClient::onDataClosed);
  connect(socket, &QTcpSocket::errorOccurred, this, &FtpClient::onDataError);
}

void FtpClient::pump() {
  if (!transfer_ || !data_) return;
  Transfer& t = *transfer_;
  if (t.kind != TransferKind::Put || !t.started || !t.dataOpen || t.failed) return;
  while (!t.sourceDone && data_->bytesToWrite() < kHighWaterBytes) {
    const QByteArray chunk = t.source->read(kChunkBytes);
    if (!chunk.isEmpty()) {
      data_->write(chunk);
    } else if (t.source->atEnd()) {
      t.sourceDone = true;
    } else {
      return failTransfer(ftpErrLocalFile, t.source->errorString() + " " + t.source->fileName());
    }
  }
  if (t.sourceDone && data_->bytesToWrite() == 0) drain();
}

// The whole file is with the system; the data connection is closed once the server has
// acknowledged every byte, and the stall limit keeps watching until then.
void FtpClient::drain() {
  if (!transfer_ || !data_) return drainTimer_.stop();
  Transfer& t = *transfer_;
  const qint64 unsent = unsentBytes(*data_);
  if (unsent == 0) {
    drainTimer_.stop();
    data_->disconnectFromHost();
    return;
  }
  if (unsent != t.lastUnsent) {
    t.lastUnsent = unsent;
    t.drainPauseMs = 1;
    stallTimer_.start(settings_.dataStallTimeoutMs);
    reportProgress(false);
  } else {
    t.drainPauseMs = qMin(t.drainPauseMs * 2, kDrainPollMaxMs);
  }
  if (!drainTimer_.isActive()) drainTimer_.start(t.drainPauseMs);
}

void FtpClient::onDataBytesWritten(qint64 bytes) {
  if (!transfer_) return;
  transfer_->moved += bytes;
  stallTimer_.start(settings_.dataStallTimeoutMs);
  reportProgress(false);
  pump();
}

void FtpClient::onDataReadyRead() {
  if (!transfer_ || !data_) return;
  Transfer& t = *transfer_;
  const QByteArray bytes = data_->readAll();
  if (bytes.isEmpty()) return;
  t.moved += bytes.size();
  stallTimer_.start(settings_.dataStallTimeoutMs);
  if (t.kind == TransferKind::List) {
    t.listing += bytes;
  } else if (t.kind == TransferKind::Get) {
    if (t.target->write(bytes) != bytes.size())
      return failTransfer(ftpErrLocalFile, t.target->errorString() + " " + t.target->fileName());
    reportProgress(false);
  }
}

void FtpClient::onDataClosed() {
  if (!transfer_ || !data_) return;
  Transfer& t = *transfer_;
  onDataReadyRead();
  if (!transfer_ || t.failed) return;
  if (t.kind == TransferKind::Put && !t.sourceDone)
    return failTransfer(ftpErrDataConnection, "The server closed the data connection early.");
  t.dataClosed = true;
  if (t.kind != TransferKind::List) reportProgress(true);
  endTransferIfDone();
}

void FtpClient::onDataError() {
  if (!transfer_ || !data_) return;
  if (data_->error() == QAbstractSocket::RemoteHostClosedError) return;  // onDataClosed decides
  const QString where = transfer_->dataOpen ? QString("The data connection failed: ")
                                            : QString("Cannot open the data connection: ");
  failTransfer(ftpErrDataConnection, where + data_->errorString());
}

void FtpClient::onStall() {
  if (!transfer_) return;
  failTransfer(ftpErrTimedOut, transfer_->dataOpen
                                   ? "The data connection stalled."
                                   : "The data connection did not open within the time limit.");
}

void FtpClient::failTransfer(int number, const QString& text) {
  if (!transfer_ || transfer_->failed) return;
  Transfer& t = *transfer_;
  t.failed = true;
  dropData(true);
  t.dataClosed = true;
  lastError_ = number;
  emit OnError(number, text);
  if (!transfer_) return;
  // The server still answers the transfer command (426 or the like); wait for that answer so
  // that it is not taken for the reply to the next command.
  if (t.commandSent && !t.replied) return updateTimers();
  finish(false);
}

void FtpClient::onTransferReply(const FtpReply& reply) {
  Transfer& t = *transfer_;
  t.replied = true;
  t.replyOk = isCompletion(reply.code);
  if (!t.replyOk && !t.failed) {
    t.failed = true;
    dropData(true);
    t.dataClosed = true;
  }
  endTransferIfDone();
}

void FtpClient::endTransferIfDone() {
  Transfer& t = *transfer_;
  if (t.aborted || !t.replied || !t.dataClosed) return updateTimers();
  bool ok = t.replyOk && !t.failed && (t.kind != TransferKind::Put || t.sourceDone);
  if (t.kind == TransferKind::Get) {
    if (ok)
      ok = t.target->commit();
    else
      t.target->cancelWriting();
  }
  if (t.kind != TransferKind::List) return finish(ok);
  const QString listing = decodeControlText(t.listing);
  hostSystemType_ = hostSystemTypeAfterListing(hostSystemType_, listing);
  const QString path = t.name;
  finish(ok, [this, listing, ok, path] { emit OnDirList(listing, ok, path); });
}

void FtpClient::dropData(bool reset) {
  drainTimer_.stop();
  if (data_) {
    data_->disconnect(this);
    if (reset)
      resetSocket(data_);
    else
      data_->abort();
    data_->deleteLater();
    data_ = nullptr;
  }
  if (listener_) {
    listener_->close();
    listener_->deleteLater();
    listener_ = nullptr;
  }
}

void FtpClient::reportProgress(bool force) {
  Transfer& t = *transfer_;
  if (!force && t.sinceProgress.isValid() && t.sinceProgress.elapsed() < kProgressIntervalMs)
    return;
  t.sinceProgress.start();
  const qint64 arrived = t.kind == TransferKind::Put && data_ ? t.moved - unsentBytes(*data_) : t.moved;
  emit OnProgress(t.size, arrived, t.name);
}

}  // namespace albryn::upload
