#include "frame_ftp_upload.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "frm_ftp_session.h"
#include "ftp_client.h"

namespace albryn::upload {

namespace {

// Characters that typing into a box drops.
const QString kNoQuotes = QStringLiteral("'\"");
const QString kNoQuotesOrBackslash = QStringLiteral("\"\\'");

QString shown(const QString& status) {
  QString text = status;
  return text.replace("\r\n", "\n");
}

}  // namespace

FrameFtpUpload::FrameFtpUpload(FtpClient& client, SettingsStore& store,
                               ui::DialogServices& dialogs, webgen::ResizeFunction resize,
                               std::function<UploadInput()> album, QWidget* parent)
    : QGroupBox("FTP Upload to Web Site", parent),
      client_(client),
      dialogs_(dialogs),
      resize_(std::move(resize)),
      album_(std::move(album)),
      scratch_(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
               "/Albryn"),
      sites_(store) {
  setObjectName("FrameFtpUpload");
  FtpSettings settings = client_.settings();
  settings.logFile = scratch_ + "/FtpLog.log";
  client_.setSettings(settings);
  buildControls();
  UploadHooks hooks{dialogs_, resize_, scratch_,
                    [this](bool on) { enableFtpControls(on); },
                    [this](int i, int n, const QString&) {
                      lblImage_->setText("Uploading " + QString::number(i + 1) + " of " +
                                         QString::number(n));
                    },
                    [this](const QString& folder) { txtFtpUrlPath_->setText(folder); },
                    [this] { SaveUrlList(); }};
  session_ = std::make_unique<UploadSession>(client_, hooks);
  connect(session_.get(), &UploadSession::statusChanged, this,
          [this](const QString& text) { lblFtpStatus_->setPlainText(shown(text)); });
}

FrameFtpUpload::~FrameFtpUpload() = default;

void FrameFtpUpload::buildControls() {
  auto* grid = new QGridLayout(this);
  const auto label = [&](const QString& text, const QString& tip, int row) {
    auto* l = new QLabel(text, this);
    l->setToolTip(tip);
    grid->addWidget(l, row, 0);
  };
  const QString hostTip = "FTP URL (Example: " + kExampleHost + ").";
  txtFtpUrl_ = new QComboBox(this);
  txtFtpUrl_->setObjectName("txtFtpUrl");
  txtFtpUrl_->setEditable(true);
  txtFtpUrl_->setInsertPolicy(QComboBox::NoInsert);
  txtFtpUrl_->setToolTip(hostTip);
  label("FTP URL Path:", "FTP URL (Example: ftp://" + kExampleHost + ").", 0);
  grid->addWidget(txtFtpUrl_, 0, 1);
  chkSaveURL_ = new QCheckBox(this);
  chkSaveURL_->setObjectName("chkSaveURL");
  chkSaveURL_->setChecked(true);
  chkSaveURL_->setToolTip("Auto Save URL to Drop Down List");
  grid->addWidget(chkSaveURL_, 0, 2);
  cmdSaveUrl_ = new QPushButton("Save", this);
  cmdSaveUrl_->setObjectName("cmdSaveUrl");
  cmdSaveUrl_->setToolTip("Save the entered URL Details.");
  grid->addWidget(cmdSaveUrl_, 0, 3);

  const auto box = [&](const char* name, const QString& text, const QString& tip) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setToolTip(tip);
    return edit;
  };
  txtFtpUrlPath_ = box("txtFtpUrlPath", "",
                       "URL File Path (Example: Incoming or Pictures/Vacation).");
  label("Ftp Upload Path:", "URL File Path (Example: Incoming).", 1);
  grid->addWidget(txtFtpUrlPath_, 1, 1, 1, 3);
  const QString userTip = "FTP Site User Name for Login (Example: anonymous).";
  txtFtpUserName_ = box("txtFtpUserName", "anonymous", userTip);
  label("User Name:", userTip, 2);
  grid->addWidget(txtFtpUserName_, 2, 1, 1, 3);
  const QString passwordTip =
      "FTP Site User Password for Login (Example: " + kAnonymousPassword + ").";
  txtFtpPassword_ = box("txtFtpPassword", kAnonymousPassword, passwordTip);
  txtFtpPassword_->setEchoMode(QLineEdit::Password);
  label("Password:", passwordTip, 3);
  grid->addWidget(txtFtpPassword_, 3, 1, 1, 3);
  txtFilePath_ = box("txtFilePath", "", "");
  txtFilePath_->setReadOnly(true);
  label("Uploading:", "", 4);
  grid->addWidget(txtFilePath_, 4, 1, 1, 3);

  cmbResizePercent_ = new QComboBox(this);
  cmbResizePercent_->setObjectName("cmbResizePercent");
  cmbResizePercent_->setEditable(true);
  cmbResizePercent_->addItems(
      {"100", "90", "80", "75", "70", "60", "50", "40", "30", "25", "20", "10"});
  cmbResizePercent_->setCurrentText("100");
  cmbResizePercent_->setToolTip("Resize Images During Upload.");
  label("% Image Size", "Resize .JPG Images During Upload.", 5);
  grid->addWidget(cmbResizePercent_, 5, 1);

  const auto button = [&](const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
  };
  cmdBeginFtpUpload_ = button("cmdBeginFtpUpload", "&Begin FTP Upload", "");
  cmdCancelFtpUpload_ = button("cmdCancelFtpUpload", "&Cancel FTP Upload", "");
  cmdCancelFtpUpload_->setEnabled(false);
  cmdManageWebsite_ = button("cmdManageWebsite", "&Manage Website", "Open FTP Explorer Window.");
  cmdManageWebsite_->setEnabled(false);  // until the FTP explorer exists
  grid->addWidget(cmdBeginFtpUpload_, 6, 0);
  grid->addWidget(cmdCancelFtpUpload_, 6, 1);
  grid->addWidget(cmdManageWebsite_, 6, 2, 1, 2);

  lblFtpStatus_ = new QPlainTextEdit(this);
  lblFtpStatus_->setObjectName("lblFtpStatus");
  lblFtpStatus_->setReadOnly(true);
  lblFtpStatus_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  lblFtpStatus_->setToolTip("FTP Operation Status: Scroll to view entire session log.");
  lblFtpStatus_->viewport()->installEventFilter(this);
  grid->addWidget(lblFtpStatus_, 7, 0, 1, 3);
  cmdFtpSessionView_ = button("cmdFtpSessionView", "...", "View FTP Session Log.");
  grid->addWidget(cmdFtpSessionView_, 7, 3);
  lblImage_ = new QLabel(this);
  lblImage_->setObjectName("lblImage");
  grid->addWidget(lblImage_, 8, 0, 1, 4);

  for (QLineEdit* edit : {txtFtpUserName_, txtFtpPassword_, txtFtpUrlPath_})
    edit->installEventFilter(this);

  connect(cmdBeginFtpUpload_, &QPushButton::clicked, this, &FrameFtpUpload::beginUpload);
  connect(cmdCancelFtpUpload_, &QPushButton::clicked, this, [this] { session_->cancel(); });
  connect(cmdSaveUrl_, &QPushButton::clicked, this, &FrameFtpUpload::saveClicked);
  connect(cmdFtpSessionView_, &QPushButton::clicked, this, &FrameFtpUpload::showSessionLog);
  connect(txtFtpUrl_, &QComboBox::activated, this, &FrameFtpUpload::siteChosen);
}

bool FrameFtpUpload::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    const QString& dropped = watched == txtFtpUrlPath_ ? kNoQuotesOrBackslash : kNoQuotes;
    if (!typed.isEmpty() && (watched == txtFtpUserName_ || watched == txtFtpPassword_ ||
                             watched == txtFtpUrlPath_)) {
      for (const QChar c : typed)
        if (dropped.contains(c)) return true;
    }
  }
  if (watched == lblFtpStatus_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    showSessionLog();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

FtpSite FrameFtpUpload::panelSite() const {
  return {txtFtpUrl_->currentText(), txtFtpUserName_->text(), txtFtpPassword_->text(),
          txtFtpUrlPath_->text(), txtFilePath_->text()};
}

void FrameFtpUpload::showSite(const FtpSite& site) {
  txtFtpUrl_->setCurrentText(site.host);
  txtFtpUserName_->setText(site.userName);
  txtFtpPassword_->setText(site.password);
  txtFtpUrlPath_->setText(site.remoteFolder);
  txtFilePath_->setText(site.pagePath);
}

void FrameFtpUpload::LoadUrlList() {
  const FtpSite panel = panelSite();
  const FtpSite after = sites_.LoadUrlList(panel);
  txtFtpUrl_->clear();
  txtFtpUrl_->addItems(sites_.hosts());
  showSite(after);
}

void FrameFtpUpload::SaveUrlList() {
  if (!chkSaveURL_->isChecked()) return;
  sites_.SaveUrlList(panelSite());
  LoadUrlList();
}

void FrameFtpUpload::prepare(const QString& genhtml) {
  LoadUrlList();
  if (txtFtpUrl_->currentText().isEmpty()) showSite(sites_.LoadFtpSlot(1));
  // The entry holds a wildcard pattern ("*.html") until a page has been generated.
  const QString lower = genhtml.toLower();
  txtFilePath_->setText(lower.endsWith("*.html") || lower.endsWith("*.htm") ? QString() : genhtml);
}

void FrameFtpUpload::saveClicked() {
  if (chkSaveURL_->isChecked()) return SaveUrlList();
  chkSaveURL_->setChecked(true);
  SaveUrlList();
  chkSaveURL_->setChecked(false);
}

void FrameFtpUpload::siteChosen(int item) {
  if (item < 0 || item >= FtpSiteList::kSlots || txtFtpUrl_->itemText(item).isEmpty()) return;
  const FtpSite& row = sites_.FtpUrlTable()[size_t(item)];
  const QString pagePath = txtFilePath_->text();
  showSite({row.host, row.userName, row.password, row.remoteFolder, pagePath});
}

void FrameFtpUpload::beginUpload() {
  UploadInput input = album_ ? album_() : UploadInput{};
  const FtpSite site = panelSite();
  input.host = site.host;
  input.userName = site.userName;
  input.password = site.password;
  input.remoteFolder = site.remoteFolder;
  input.pagePath = site.pagePath;
  input.resizePercent = cmbResizePercent_->currentText();
  session_->begin(input);
}

void FrameFtpUpload::enableFtpControls(bool enabled) {
  windowEnabler_(enabled);
  cmdBeginFtpUpload_->setEnabled(enabled);
  cmdCancelFtpUpload_->setEnabled(!enabled);
  lblImage_->clear();
}

void FrameFtpUpload::showSessionLog() {
  FrmFtpSession log(txtFtpUrl_->currentText(), lblFtpStatus_->toPlainText(), this);
  log.exec();
}

}  // namespace albryn::upload
