#pragma once
// The session log window: a snapshot of the upload's status box, shown modally.
#include <QDialog>

class QPlainTextEdit;

namespace albryn::upload {

class FrmFtpSession : public QDialog {
  Q_OBJECT

 public:
  // The caption is "FTP Session Log for " + host; text is the status box's text.
  FrmFtpSession(const QString& host, const QString& text, QWidget* parent = nullptr);
  QString text() const;

 private:
  QPlainTextEdit* txtFtpSession_;
};

}  // namespace albryn::upload
