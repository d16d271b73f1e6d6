#include "frm_ftp_session.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace albryn::upload {

FrmFtpSession::FrmFtpSession(const QString& host, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint) {
  setObjectName("frmFtpSession");
  setWindowTitle(QString("FTP Session Log") + " for " + host);
  setAttribute(Qt::WA_DeleteOnClose, false);
  txtFtpSession_ = new QPlainTextEdit(this);
  txtFtpSession_->setObjectName("txtFtpSession");
  txtFtpSession_->setReadOnly(true);
  txtFtpSession_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtFtpSession_->setPlainText(text);
  // The text box follows the window's size.
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtFtpSession_);
  resize(640, 480);
}

QString FrmFtpSession::text() const { return txtFtpSession_->toPlainText(); }

}  // namespace albryn::upload
