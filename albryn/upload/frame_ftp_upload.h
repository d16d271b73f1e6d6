#pragma once
// The upload panel "FTP Upload to Web Site": the site fields with their saved-site drop-down,
// the picture size, Begin and Cancel, the status box with its session log window, and
// "&Manage Website" (disabled until the FTP explorer exists).
#include <QGroupBox>
#include <functional>
#include <memory>

#include "dialog_services.h"
#include "ftp_site_list.h"
#include "thumbnails.h"
#include "upload_session.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace albryn::upload {

class FtpClient;

// The example host of the tool tips and the anonymous password the panel starts with.
inline const QString kExampleHost = QStringLiteral("ftp.example.com");
inline const QString kAnonymousPassword = QStringLiteral("guest@example.com");

class FrameFtpUpload : public QGroupBox {
  Q_OBJECT

 public:
  // album gives the generation's records, output location, backgrounds, sound and options at
  // the moment Begin is pressed; the panel adds its own fields.
  FrameFtpUpload(FtpClient& client, SettingsStore& store, ui::DialogServices& dialogs,
                 webgen::ResizeFunction resize, std::function<UploadInput()> album,
                 QWidget* parent = nullptr);
  ~FrameFtpUpload() override;

  // Prepares the panel when step 5 opens it; genhtml is the path bag's "genhtml" entry.
  void prepare(const QString& genhtml);
  // The main window's own part of enabling for a transfer (its buttons and menus).
  void setWindowEnabler(std::function<void(bool)> enable) { windowEnabler_ = std::move(enable); }
  // Where the shrunk copies of the pictures go (the per-user cache folder by default).
  void setScratchFolder(const QString& folder) { scratch_ = folder; }

  UploadSession& session() { return *session_; }
  FtpSiteList& sites() { return sites_; }
  // The panel's five site values.
  FtpSite panelSite() const;
  void showSite(const FtpSite& site);

  void LoadUrlList();
  void SaveUrlList();

  // Opens the session log window with the status box's text.
  void showSessionLog();

 private:
  void buildControls();
  void beginUpload();
  void saveClicked();
  void siteChosen(int item);
  void enableFtpControls(bool enabled);
  bool eventFilter(QObject* watched, QEvent* event) override;

  FtpClient& client_;
  ui::DialogServices& dialogs_;
  webgen::ResizeFunction resize_;
  std::function<UploadInput()> album_;
  std::function<void(bool)> windowEnabler_ = [](bool) {};
  QString scratch_;
  FtpSiteList sites_;
  std::unique_ptr<UploadSession> session_;

  QComboBox* txtFtpUrl_;
  QCheckBox* chkSaveURL_;
  QPushButton* cmdSaveUrl_;
  QLineEdit* txtFtpUrlPath_;
  QLineEdit* txtFtpUserName_;
  QLineEdit* txtFtpPassword_;
  QLineEdit* txtFilePath_;
  QComboBox* cmbResizePercent_;
  QPushButton* cmdBeginFtpUpload_;
  QPushButton* cmdCancelFtpUpload_;
  QPushButton* cmdManageWebsite_;
  QPlainTextEdit* lblFtpStatus_;
  QPushButton* cmdFtpSessionView_;
  QLabel* lblImage_;
};

}  // namespace albryn::upload
