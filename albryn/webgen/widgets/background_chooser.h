#pragma once
// frmMsgBox: asks whether a page area gets a background image, a colour, or none.
#include <QDialog>
#include <QString>

namespace albryn::webgen {

class BackgroundChooser : public QDialog {
  Q_OBJECT

 public:
  explicit BackgroundChooser(QWidget* parent = nullptr);

  // "image", "color", "clear" or "cancel" (also when closed any other way).
  QString word() const { return word_; }

  // Shows the chooser modally and returns its word.
  static QString Ask(QWidget* parent);

 private:
  void choose(const QString& word);

  QString word_;
};

}  // namespace albryn::webgen
