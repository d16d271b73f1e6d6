#pragma once
// The FTP control's own settings dialog: passive mode, the default port and the time limits.
// The values last as long as the control; they are not saved.
#include <QDialog>

#include "ftp_settings.h"

class QCheckBox;
class QSpinBox;

namespace albryn::upload {

class FtpClient;

class FtpSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FtpSettingsDialog(const FtpSettings& settings, QWidget* parent = nullptr);
  FtpSettings settings() const;

 private:
  FtpSettings base_;
  QCheckBox* passive_;
  QSpinBox* port_;
  QSpinBox* connectSeconds_;
  QSpinBox* replySeconds_;
  QSpinBox* stallSeconds_;
};

// Shows the dialog modally and gives the control the new values when the user presses OK.
void ShowSettings(FtpClient& client, QWidget* parent);

}  // namespace albryn::upload
