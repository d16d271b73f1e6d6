#pragma once
// The dialog services the program uses: Qt's message box, file, input, colour and font dialogs.
#include <QPointer>
#include <QWidget>

#include "dialog_services.h"

namespace albryn::ui {

class QtDialogServices final : public DialogServices {
 public:
  // Dialogs are modal to parent (the main window once it exists).
  explicit QtDialogServices(QWidget* parent = nullptr) : parent_(parent) {}
  void setParentWindow(QWidget* parent) { parent_ = parent; }

  using DialogServices::message;
  Answer message(const Message& m) override;
  std::optional<QString> openFile(const FileRequest& r) override;
  std::optional<QString> saveFile(const FileRequest& r) override;
  std::optional<QString> input(const InputRequest& r) override;
  std::optional<QColor> chooseColour(const QColor& initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void beginBusy(BusyKind kind) override;
  void endBusy() override;

 private:
  std::optional<QString> runFileDialog(const FileRequest& r, bool save);

  QPointer<QWidget> parent_;
};

}  // namespace albryn::ui
