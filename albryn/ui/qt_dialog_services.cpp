#include "qt_dialog_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "file_filter.h"

namespace albryn::ui {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

Answer fromQt(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return cancelAnswer(buttons);
  }
}

// The font dialog with a colour choice beside the font's own effects.
class FontAndColourDialog : public QDialog {
 public:
  FontAndColourDialog(const FontChoice& initial, QWidget* parent)
      : QDialog(parent), colour_(initial.colour) {
    setWindowTitle(QObject::tr("Font"));
    fonts_ = new QFontDialog(this);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons);
    QFont font(initial.family);
    if (initial.pointSize > 0) font.setPointSizeF(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    fonts_->setCurrentFont(font);

    auto* colourButton = new QPushButton(QObject::tr("Colour..."), this);
    showColour(colourButton);
    connect(colourButton, &QPushButton::clicked, this, [this, colourButton] {
      const QColor c = QColorDialog::getColor(colour_, this);
      if (c.isValid()) colour_ = c;
      showColour(colourButton);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addWidget(colourButton, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
  }

  FontChoice choice() const {
    const QFont f = fonts_->currentFont();
    return FontChoice{f.family(), f.pointSizeF(), f.bold(), f.italic(), f.underline(), f.strikeOut(), colour_};
  }

 private:
  void showColour(QPushButton* button) const {
    QPixmap swatch(16, 16);
    swatch.fill(colour_);
    button->setIcon(QIcon(swatch));
  }

  QFontDialog* fonts_ = nullptr;
  QColor colour_;
};

}  // namespace

Answer QtDialogServices::message(const Message& m) {
  QMessageBox box(qtIcon(m.icon), shownCaption(m.caption), QString(m.text).replace("\r\n", "\n"),
                  qtButtons(m.buttons), parent_);
  box.setTextFormat(Qt::PlainText);
  return fromQt(box.exec(), m.buttons);
}

std::optional<QString> QtDialogServices::runFileDialog(const FileRequest& r, bool save) {
  QFileDialog dialog(parent_, shownFileDialogTitle(r, save));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The overwrite question is asked below, after the default extension is added.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = qtNameFilters(r.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);

  const QFileInfo initial(r.initialName);
  if (r.initialName.contains('/')) {
    dialog.setDirectory(initial.absolutePath());
  } else if (!r.initialFolder.isEmpty()) {
    dialog.setDirectory(r.initialFolder);
  }
  if (!r.initialName.isEmpty()) dialog.selectFile(initial.fileName());

  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (!save) return path;
    const std::optional<QString> chosen = finishSave(
        *this, r, path, int(filters.indexOf(dialog.selectedNameFilter())), dialog.windowTitle());
    if (chosen) return chosen;
    dialog.selectFile(QFileInfo(path).fileName());
  }
}

std::optional<QString> QtDialogServices::openFile(const FileRequest& r) { return runFileDialog(r, false); }

std::optional<QString> QtDialogServices::saveFile(const FileRequest& r) { return runFileDialog(r, true); }

std::optional<QString> QtDialogServices::input(const InputRequest& r) {
  bool ok = false;
  QString text = QInputDialog::getText(parent_, shownCaption(r.caption), r.prompt, QLineEdit::Normal,
                                       r.proposed, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QColor> QtDialogServices::chooseColour(const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent_);
  if (!c.isValid()) return std::nullopt;
  return c;
}

std::optional<FontChoice> QtDialogServices::chooseFont(const FontChoice& initial) {
  FontAndColourDialog dialog(initial, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void QtDialogServices::beginBusy(BusyKind kind) {
  QApplication::setOverrideCursor(kind == BusyKind::Hourglass ? Qt::WaitCursor : Qt::BusyCursor);
}

void QtDialogServices::endBusy() { QApplication::restoreOverrideCursor(); }

}  // namespace albryn::ui
