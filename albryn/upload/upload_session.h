#pragma once
// One upload of a generated album over the FTP control: connect, make and enter the remote
// folder, send the pages, backgrounds, sound, pictures (shrunk on the way when asked) and
// thumbnails, disconnect, report, and on request delete the generated files. The session runs
// on the caller's thread and waits for the control in loops that process pending events, so
// that Cancel (and the control's events) run while it waits.
#include <QObject>
#include <functional>
#include <vector>

#include "dialog_services.h"
#include "image_records.h"
#include "thumbnails.h"

namespace albryn::upload {

class FtpClient;

// What one upload reads: the panel's fields, the generation's records and output location, and
// the page attributes' background and sound fields.
struct UploadInput {
  QString host, userName, password;
  QString remoteFolder;  // rewritten into its normal form ("/pics/2000/") by the session
  QString pagePath;      // the generated index page
  QString resizePercent = "100";
  std::vector<webgen::ImageRecord> records;
  QString outputFolder;  // ends in '/'
  QString outputBaseName;
  QString mainBackground, linkBackground, sound;
  bool autoSpaceReplacement = false;
  bool deleteAfterUpload = false;
};

// What the session asks of the window around it.
struct UploadHooks {
  ui::DialogServices& dialogs;
  webgen::ResizeFunction resize;
  // Where the shrunk copies are written (the per-user cache folder).
  QString scratchFolder;
  // Enables the window for idle (true) or for a running transfer (false).
  std::function<void(bool)> enableControls = [](bool) {};
  // Shows picture index (from 0) of count while it is sent.
  std::function<void(int index, int count, const QString& path)> showPicture = {};
  // Shows the remote folder in its normal form in the panel.
  std::function<void(const QString&)> showRemoteFolder = [](const QString&) {};
  // Puts the panel's site first in the saved-site list.
  std::function<void()> saveSites = [] {};
};

class UploadSession : public QObject {
  Q_OBJECT

 public:
  UploadSession(FtpClient& client, UploadHooks hooks, QObject* parent = nullptr);

  // "&Begin FTP Upload". input.remoteFolder is normalised in place.
  void begin(UploadInput& input);
  // "&Cancel FTP Upload".
  void cancel();

  bool running() const { return running_; }
  // The status box: the newest line first, lines ended by CR LF.
  QString statusText() const { return status_; }
  int connectState() const { return connectState_; }
  bool ftpFatal() const { return ftpFatal_; }
  bool dirReady() const { return dirReady_; }

  // The remote folder in its normal form: "/" in front and at the end, empty stays empty.
  static QString normalizeRemoteFolder(const QString& folder);
  // Whether a reply stops the session at its next checkpoint.
  static bool isFatalReply(int code, const QString& command);

 Q_SIGNALS:
  void statusChanged(const QString& text);

 private:
  void run(UploadInput& input);
  void addStatus(const QString& line);
  void onResponse(int code, const QString& command, const QString& text);
  bool checkpoint(bool firstForm);
  bool guarded(const std::function<void()>& call);
  void putFile(const QString& local, const QString& remote);
  void waitWhileBusy();
  bool createFolder(const QString& folder);
  void sendPicture(const UploadInput& input, const webgen::ImageRecord& record);
  void deleteGenerated(const UploadInput& input);
  void showBusy(bool on);

  FtpClient& client_;
  UploadHooks hooks_;
  QString status_;
  int connectState_ = 0;
  bool dirReady_ = false;
  bool ftpFatal_ = false;
  bool running_ = false;
  bool busyShown_ = false;
};

}  // namespace albryn::upload
