#include "ftp_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "ftp_client.h"

namespace albryn::upload {

namespace {

QSpinBox* secondsBox(int milliseconds, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(1, 3600);
  box->setSuffix(" s");
  box->setValue(qMax(1, milliseconds / 1000));
  return box;
}

}  // namespace

FtpSettingsDialog::FtpSettingsDialog(const FtpSettings& settings, QWidget* parent)
    : QDialog(parent), base_(settings) {
  setWindowTitle("Advanced FTP Settings");
  auto* form = new QFormLayout(this);
  passive_ = new QCheckBox("&Passive data connections", this);
  passive_->setChecked(settings.passive);
  form->addRow(passive_);
  port_ = new QSpinBox(this);
  port_->setRange(1, 65535);
  port_->setValue(settings.port);
  form->addRow("P&ort:", port_);
  connectSeconds_ = secondsBox(settings.connectTimeoutMs, this);
  form->addRow("&Connect time limit:", connectSeconds_);
  replySeconds_ = secondsBox(settings.replyTimeoutMs, this);
  form->addRow("&Reply time limit:", replySeconds_);
  stallSeconds_ = secondsBox(settings.dataStallTimeoutMs, this);
  form->addRow("&Stalled transfer time limit:", stallSeconds_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

FtpSettings FtpSettingsDialog::settings() const {
  FtpSettings s = base_;
  s.passive = passive_->isChecked();
  s.port = quint16(port_->value());
  // A value the user did not touch keeps its exact milliseconds.
  const auto ms = [](const QSpinBox* box, int old) {
    return box->value() == qMax(1, old / 1000) ? old : box->value() * 1000;
  };
  s.connectTimeoutMs = ms(connectSeconds_, base_.connectTimeoutMs);
  s.replyTimeoutMs = ms(replySeconds_, base_.replyTimeoutMs);
  s.dataStallTimeoutMs = ms(stallSeconds_, base_.dataStallTimeoutMs);
  return s;
}

void ShowSettings(FtpClient& client, QWidget* parent) {
  FtpSettingsDialog dialog(client.settings(), parent);
  if (dialog.exec() == QDialog::Accepted) client.setSettings(dialog.settings());
}

}  // namespace albryn::upload
