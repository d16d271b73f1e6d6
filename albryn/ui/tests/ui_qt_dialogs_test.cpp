// The Qt dialog services driven as a user would: the test answers each modal dialog as it opens.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "qt_dialog_services.h"
#include "sandbox.h"

using namespace albryn::ui;

namespace {

// Runs handle on the next modal dialog of type T once it is shown.
template <typename T>
void whenShown(std::function<void(T*)> handle) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
      poll->deleteLater();
      poll->stop();
      handle(dialog);
    }
  });
  poll->start(10);
}

void clickInBox(QMessageBox* box, QMessageBox::StandardButton button) { box->button(button)->click(); }

}  // namespace

class UiQtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxShowsTextCaptionIconAndButtons() {
    QtDialogServices services;
    QString text, caption;
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons{};
    whenShown<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      caption = box->windowTitle();
      icon = box->icon();
      buttons = box->standardButtons();
      clickInBox(box, QMessageBox::No);
    });
    QCOMPARE(services.message("Remove the file?\r\nIt cannot be undone.", MessageIcon::Question,
                              MessageButtons::YesNoCancel),
             Answer::No);
    QCOMPARE(text, QString("Remove the file?\nIt cannot be undone."));
    QCOMPARE(caption, QString("Albryn Web Page Generator"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    whenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
    QCOMPARE(services.message(Message{"Go on?", "Upload", MessageIcon::Warning, MessageButtons::RetryCancel}),
             Answer::Cancel);
  }

  void saveDialogAddsTheExtensionAndAsksBeforeReplacing() {
    const QString folder = QString::fromStdString(albryn::testing::sandbox().newFolder().string());
    QFile existing(folder + "/album.alb");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    QtDialogServices services;
    QString shownFolder, question;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
      shownFolder = dialog->directory().absolutePath();
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText("album");
      whenShown<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        clickInBox(box, QMessageBox::Yes);
      });
      static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = services.saveFile(
        FileRequest{"Save Album", "Albryn File (*.alb)|*.alb|All (*.*)|*.*", "ALB", "", folder, true});
    QCOMPARE(shownFolder, folder);
    QCOMPARE(chosen, std::optional<QString>(folder + "/album.alb"));
    QCOMPARE(question, folder + "/album.alb already exists.\nDo you want to replace it?");

    whenShown<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    QCOMPARE(services.saveFile(FileRequest{"", "", "", folder + "/x.html", "", false}), std::nullopt);
  }
};

QTEST_MAIN(UiQtDialogsTest)
#include "ui_qt_dialogs_test.moc"
