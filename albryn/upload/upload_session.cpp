#include "upload_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "ftp_client.h"
#include "paths.h"

namespace albryn::upload {

namespace {

const QString kFtpCaption = QStringLiteral("Albryn FTP Upload");
const QString kAlbumCaption = QStringLiteral("Albryn Web Page FTP Upload");
const QString kSeeLog = QStringLiteral("See the FTP Log for details.");
constexpr qsizetype kStatusLimit = 30000;

void processPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace

UploadSession::UploadSession(FtpClient& client, UploadHooks hooks, QObject* parent)
    : QObject(parent), client_(client), hooks_(std::move(hooks)) {
  connect(&client_, &FtpClient::OnConnect, this, [this](int result) {
    if (result == ftpConnectOk) {
      addStatus("Connected to: " + client_.Host());
      connectState_ = -1;
    } else {
      addStatus("Connect FAILED!");
      connectState_ = 0;
    }
  });
  connect(&client_, &FtpClient::OnResponse, this, &UploadSession::onResponse);
  connect(&client_, &FtpClient::OnError, this, [this](int number, const QString& text) {
    addStatus("FTP Error: " + QString::number(number) + ":" + text);
  });
  connect(&client_, &FtpClient::OnProgress, this, [this](qint64 size, qint64 bytes, const QString&) {
    addStatus("FileSize: " + QString::number(size) + "  Bytes Transferred: " + QString::number(bytes));
    if (status_.size() > kStatusLimit) {
      status_.truncate(kStatusLimit);
      emit statusChanged(status_);
    }
  });
}

QString UploadSession::normalizeRemoteFolder(const QString& folder) {
  QString p = folder;
  if (!p.isEmpty() && !p.endsWith('/')) p += '/';
  if (!p.isEmpty() && !p.startsWith('/')) p.prepend('/');
  return p;
}

bool UploadSession::isFatalReply(int code, const QString& command) {
  static const QList<int> always = {400, 401, 403, 404, 421, 425, 426, 450, 451, 452};
  static const QList<int> refusals = {500, 502, 503, 504, 530, 532, 551, 552, 553};
  // CWD and MKD fail for folders that exist or cannot be made and REST is optional; EPSV and
  // SYST are the control's own probes, which it does without when a server refuses them.
  static const QStringList exempt = {"CWD", "MKD", "REST", "EPSV", "SYST"};
  if (always.contains(code)) return true;
  if (exempt.contains(command)) return false;
  // A picture or page the server refused to store must not end as "FTP Upload Complete.".
  return refusals.contains(code) || (code == 550 && command == "STOR");
}

void UploadSession::onResponse(int code, const QString& command, const QString& text) {
  if (!dirReady_ && (code == 250 || code == 521)) dirReady_ = true;
  addStatus("Code:" + QString::number(code) + " Command:" + command + " Response:" + text);
  if (isFatalReply(code, command)) ftpFatal_ = true;
}

void UploadSession::addStatus(const QString& line) {
  status_ = line + "\r\n" + status_;
  emit statusChanged(status_);
}

void UploadSession::showBusy(bool on) {
  if (on == busyShown_) return;
  busyShown_ = on;
  if (on)
    hooks_.dialogs.beginBusy(ui::BusyKind::ArrowAndHourglass);
  else
    hooks_.dialogs.endBusy();
}

void UploadSession::begin(UploadInput& input) {
  if (running_) {
    // A cancelled session is still waiting for the control to stop.
    addStatus("Please wait: the cancelled FTP upload is still stopping.");
    return;
  }
  running_ = true;
  run(input);
  running_ = false;
}

void UploadSession::run(UploadInput& input) {
  using ui::MessageButtons;
  using ui::MessageIcon;
  ftpFatal_ = false;
  dirReady_ = false;
  if (input.host.isEmpty()) {
    hooks_.dialogs.message("An FTP URL must be entered.", MessageIcon::Critical);
    return;
  }
  if (input.pagePath.isEmpty()) {
    hooks_.dialogs.message("You must Generate an HTML File to Upload.\r\nThe Generated file path "
                           "will be displayed in the (Uploading:) Text Box.",
                           MessageIcon::Critical);
    return;
  }
  hooks_.enableControls(false);
  status_.clear();
  emit statusChanged(status_);
  input.remoteFolder = normalizeRemoteFolder(input.remoteFolder);
  hooks_.showRemoteFolder(input.remoteFolder);
  const QString& p = input.remoteFolder;
  const QString d = FolderOf(input.pagePath);
  hooks_.saveSites();

  // Connect. A connection left open by a cancelled or stopped session is closed first, so
  // that every session starts from the login folder and sees its own OnConnect.
  connectState_ = 1;
  addStatus("Connecting to: " + input.host);
  processPendingEvents();
  client_.setHost(input.host);
  client_.setUserName(input.userName);
  client_.setPassword(input.password);
  client_.setExtraLogin(QString());
  if (!guarded([this] {
        client_.Disconnect();
        client_.Connect();
      }))
    return;
  while (connectState_ == 1 && client_.Busy())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  if (connectState_ != -1) {
    connectState_ = 0;
    hooks_.dialogs.message("FTP Connect Failed!");
    hooks_.enableControls(true);
    return;
  }
  showBusy(true);

  if (!p.isEmpty()) {
    if (!createFolder(p)) return;
    if (!guarded([&] { client_.ChangeDir(p); })) return;
    waitWhileBusy();
    if (!dirReady_) {
      hooks_.dialogs.message("Create Directory " + p + " Failed!\r\n" + kSeeLog,
                             MessageIcon::Critical, MessageButtons::Ok, kFtpCaption);
      cancel();
      return;
    }
  }

  const QString n = input.outputBaseName;
  for (const QString& page : {n + ".html", n + "Link.html", n + "Main.html"}) {
    if (!checkpoint(true)) return;
    addStatus("Executing FTP Transfer of " + page);
    processPendingEvents();
    putFile(d + page, page);
  }
  if (!checkpoint(false)) return;

  for (const QString* field : {&input.mainBackground, &input.linkBackground, &input.sound}) {
    if (field->trimmed().isEmpty()) continue;
    const QString m = FileNameOf(*field);
    if (m.isEmpty()) continue;  // a colour code
    addStatus("Executing FTP Transfer of " + m);
    processPendingEvents();
    putFile(*field, MakeWebName(m, input.autoSpaceReplacement));
    if (!checkpoint(false)) return;
  }

  const int count = int(input.records.size());
  for (int i = 0; i < count; ++i) {
    const webgen::ImageRecord& record = input.records[size_t(i)];
    addStatus("Executing FTP Transfer of " + record.sourcePath());
    if (hooks_.showPicture) hooks_.showPicture(i, count, record.sourcePath());
    processPendingEvents();
    sendPicture(input, record);
    if (record.hasThumbnail())
      putFile(input.outputFolder + record.thumbnailBase + record.extension,
              record.thumbnailBase + record.extension);
    if (!checkpoint(false)) return;
  }

  showBusy(false);
  client_.Disconnect();
  addStatus("FTP Upload Complete.");
  hooks_.dialogs.message("FTP Upload Complete.\r\nWeb Page: " + p + n + ".html\r\nCreated at: " +
                             input.host,
                         MessageIcon::Information, MessageButtons::Ok, kAlbumCaption);
  hooks_.enableControls(true);

  if (input.deleteAfterUpload &&
      hooks_.dialogs.message("Delete Generated HTML and Thumbnail Files from Hard Drive?",
                             MessageIcon::Question, MessageButtons::YesNo,
                             "Delete Generated Files After FTP Upload") == ui::Answer::Yes) {
    ui::BusyPointer hourglass(hooks_.dialogs, ui::BusyKind::Hourglass);
    deleteGenerated(input);
  }
}

void UploadSession::sendPicture(const UploadInput& input, const webgen::ImageRecord& record) {
  const QString local = record.sourcePath();
  const QString remote = record.webBase + record.extension;
  if (input.resizePercent == "100") return putFile(local, remote);
  bool isNumber = false;
  const double percent = input.resizePercent.trimmed().toDouble(&isNumber);
  if (!isNumber) {
    addStatus("Resize Failed: " + local + " (the image size \"" + input.resizePercent +
              "\" is not a number; the picture is sent unshrunk)");
    return putFile(local, remote);
  }
  const QString shrunk =
      QDir(hooks_.scratchFolder).absoluteFilePath("Rsize" + record.baseName + record.extension);
  QDir().mkpath(hooks_.scratchFolder);
  const QString result = hooks_.resize(local, shrunk, percent / 100.0, 0, 0);
  if (!result.isEmpty()) {
    addStatus("Resize Failed: " + local);
    QFile::remove(shrunk);
    return putFile(local, remote);
  }
  addStatus("Resize OK: " + local);
  putFile(shrunk, remote);
  QFile::remove(shrunk);
}

bool UploadSession::checkpoint(bool firstForm) {
  // A connection the control lost (the server went silent or dropped it) stops the session
  // like a fatal reply: nothing after it can arrive, so it must not end as complete.
  if (!client_.Connected()) ftpFatal_ = true;
  if (!ftpFatal_) return true;
  hooks_.dialogs.message(QString(firstForm ? "Fatal FTP Error Occurred!" : "Fatal FTP Error occurred!") +
                             "\r\n" + kSeeLog,
                         ui::MessageIcon::Critical, ui::MessageButtons::Ok, kFtpCaption);
  cancel();
  return false;
}

void UploadSession::cancel() {
  client_.CancelOperation();
  ftpFatal_ = true;
  addStatus("FTP Upload Cancelled.");
  showBusy(false);
  hooks_.dialogs.message("FTP Upload Cancelled.", ui::MessageIcon::Information,
                         ui::MessageButtons::Ok, kAlbumCaption);
  hooks_.enableControls(true);
}

// Runs a control call. An error it raises is shown; 35754 (no connection) ends the session
// (the result is then false), any other lets the session go on with the next step.
bool UploadSession::guarded(const std::function<void()>& call) {
  try {
    call();
    return true;
  } catch (const FtpError& e) {
    hooks_.dialogs.message(e.number() == ftpErrBusy
                               ? QString("Slow FTP Connection: Click OK to Continue.")
                               : QString::number(e.number()) + " - " + e.description());
    if (e.number() != ftpErrNotConnected) return true;
    showBusy(false);
    client_.Disconnect();
    hooks_.enableControls(true);
    return false;
  }
}

// Errors of the put's own calls are left out without a message; the control's events report
// what happened.
void UploadSession::putFile(const QString& local, const QString& remote) {
  client_.setLocalFile(local);
  client_.setRemoteFile(remote);
  client_.setTransferOption(true);
  try {
    client_.PutFile();
  } catch (const FtpError&) {
  }
  waitWhileBusy();
}

void UploadSession::waitWhileBusy() {
  while (client_.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Makes and enters each segment of the folder in turn, starting from the login folder.
bool UploadSession::createFolder(const QString& folder) {
  QString segment;
  for (qsizetype i = 1; i < folder.size(); ++i) {
    if (folder[i] != '/') {
      segment += folder[i];
      continue;
    }
    if (!guarded([&] { client_.MakeDir(segment); })) return false;
    waitWhileBusy();
    if (!guarded([&] { client_.ChangeDir(segment); })) return false;
    waitWhileBusy();
    segment.clear();
  }
  return true;
}

void UploadSession::deleteGenerated(const UploadInput& input) {
  // The user's own files are never removed, even when a generated name would point at one
  // (a background picture kept in the output folder is its own "copy").
  QStringList own = {input.mainBackground, input.linkBackground, input.sound};
  for (const auto& record : input.records) own << record.sourcePath();
  const auto remove = [&](const QString& path) {
    if (!QFile::exists(path) || own.contains(path)) return;
    if (!QFile::remove(path))
      hooks_.dialogs.message("75 - Path/File access error: " + path);
  };
  const QString d = FolderOf(input.pagePath);
  const QString n = input.outputBaseName;
  for (const QString& page : {n + ".html", n + "Link.html", n + "Main.html"}) remove(d + page);
  for (const QString* field : {&input.mainBackground, &input.linkBackground, &input.sound}) {
    if (field->trimmed().isEmpty()) continue;
    const QString m = FileNameOf(*field);
    if (!m.isEmpty()) remove(input.outputFolder + MakeWebName(m, input.autoSpaceReplacement));
  }
  for (const auto& record : input.records)
    if (record.hasThumbnail())
      remove(input.outputFolder + record.thumbnailBase + record.extension);
}

}  // namespace albryn::upload
