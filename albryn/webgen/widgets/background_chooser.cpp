#include "background_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "attribute_editing.h"

namespace albryn::webgen {

BackgroundChooser::BackgroundChooser(QWidget* parent) : QDialog(parent), word_(kChooseCancel) {
  setObjectName(QStringLiteral("frmMsgBox"));
  setWindowTitle(QStringLiteral("Select Web Page Background"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto* layout = new QVBoxLayout(this);
  for (const char* line : {"Select a Background Image or Color.", "OR",
                           "To Remove current background Choose Clear."}) {
    auto* label = new QLabel(QString::fromLatin1(line), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
    const QString& word;
  } choices[] = {{"cmdImage", "&Image", kChooseImage},
                 {"cmdColor", "&Color", kChooseColor},
                 {"cmdClear", "Clea&r", kChooseClear},
                 {"cmdCancel", "Ca&ncel", kChooseCancel}};
  for (const auto& choice : choices) {
    auto* button = new QPushButton(QString::fromLatin1(choice.caption), this);
    button->setObjectName(QString::fromLatin1(choice.name));
    button->setAutoDefault(false);
    const QString word = choice.word;
    connect(button, &QPushButton::clicked, this, [this, word] { choose(word); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BackgroundChooser::choose(const QString& word) {
  word_ = word;
  done(word == kChooseCancel ? Rejected : Accepted);
}

QString BackgroundChooser::Ask(QWidget* parent) {
  BackgroundChooser chooser(parent);
  chooser.exec();
  return chooser.word();
}

}  // namespace albryn::webgen
