#include "album_panel_fixture.h"

#include <QComboBox>
#include <QStorageInfo>
#include <QMenu>

using namespace albryn;
using test::PanelFixture;
using ui::Message;

namespace {

// c.gif, a.JPG, b.jpg and two files that are not pictures, each holding its own name.
QString mixedFolder() {
  const QString folder = test::newFolder("pics");
  for (const char* name : {"c.gif", "a.JPG", "b.jpg", "notes.txt", "clip.png"}) test::writeFile(folder + "/" + name, name);
  return folder;
}

QAction* action(const FileBrowserPanel& browser, const char* name) {
  return browser.findChild<QAction*>(name);
}

void openMenu(PanelFixture& f) {
  QContextMenuEvent press(QContextMenuEvent::Mouse, {5, 5}, f.files->viewport()->mapToGlobal(QPoint(5, 5)));
  QCoreApplication::sendEvent(f.files->viewport(), &press);
  f.browser->menu()->close();
}

}  // namespace

class FileBrowserTest : public QObject {
  Q_OBJECT

 private slots:
  void fileListShowsJpegAndGifInAnyCase() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    QCOMPARE(f.browser->currentFolder(), folder);
    QCOMPARE(f.browser->fileNames(), QStringList({"a.JPG", "b.jpg", "c.gif"}));
    QCOMPARE(f.browser->findChild<QComboBox*>("Drive1")->currentData().toString(), QStorageInfo(folder).rootPath());
    f.browser->setCurrentFolder(test::newFolder("empty"));
    QVERIFY(f.browser->fileNames().isEmpty());
  }

  void batchRenameFollowsListOrder() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    PanelFixture::click(f.files, 2);
    PanelFixture::click(f.files, 0, Qt::ControlModifier);
    PanelFixture::click(f.files, 1, Qt::ControlModifier);
    QCOMPARE(f.browser->selectedFileNames(), QStringList({"a.JPG", "b.jpg", "c.gif"}));
    f.dialogs.queueInput("Holiday-");
    openMenu(f);
    action(*f.browser, "mnuBatchRename")->trigger();
    QCOMPARE(f.browser->fileNames(), QStringList({"Holiday-1.jpg", "Holiday-2.jpg", "Holiday-3.jpg"}));
    QCOMPARE(test::readFile(folder + "/Holiday-1.jpg"), QByteArray("a.JPG"));
    QCOMPARE(test::readFile(folder + "/Holiday-3.jpg"), QByteArray("c.gif"));
    QVERIFY(f.dialogs.messages().isEmpty());
  }

  void menuOffersFileCommandsOnlyWithAFileAndPasteOncePerCopy() {
    const QString folder = mixedFolder();
    const QString target = test::newFolder("target");
    PanelFixture f(target);
    openMenu(f);
    for (const char* name : {"mnuAdd", "mnuCopyFile", "mnuPasteFile", "mnuRenameFile", "mnuDelete", "mnuBatchRename"}) {
      QVERIFY2(!action(*f.browser, name)->isEnabled(), name);
    }
    QVERIFY(action(*f.browser, "mnuCreateFolder")->isEnabled());
    QVERIFY(action(*f.browser, "mnuRefresh")->isEnabled());

    f.browser->setCurrentFolder(folder);
    PanelFixture::click(f.files, 0);
    PanelFixture::click(f.files, 2, Qt::ShiftModifier);
    openMenu(f);
    QVERIFY(action(*f.browser, "mnuCopyFile")->isEnabled());
    action(*f.browser, "mnuCopyFile")->trigger();
    f.browser->setCurrentFolder(target);
    openMenu(f);
    QVERIFY(action(*f.browser, "mnuPasteFile")->isEnabled());
    action(*f.browser, "mnuPasteFile")->trigger();
    QCOMPARE(f.browser->fileNames(), QStringList({"a.JPG", "b.jpg", "c.gif"}));
    openMenu(f);
    QVERIFY(!action(*f.browser, "mnuPasteFile")->isEnabled());
    QCOMPARE(test::readFile(folder + "/b.jpg"), QByteArray("b.jpg"));
  }

  void deleteAsksPerFileAndRefreshes() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    f.files->selectAll();
    f.dialogs.queueAnswer(ui::Answer::Yes);
    f.dialogs.queueAnswer(ui::Answer::No);
    f.dialogs.queueAnswer(ui::Answer::Yes);
    f.browser->deleteFiles();
    QCOMPARE(f.browser->fileNames(), QStringList({"b.jpg"}));
    QCOMPARE(f.dialogs.messages().size(), 3);
    QCOMPARE(f.dialogs.messages()[2].text, QString("Delete: c.gif ?"));
  }

  void createFolderCancelledDoesNothing() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    f.dialogs.queueInput(std::nullopt);
    f.browser->createFolder();
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(test::namesIn(folder).size(), 5);
  }

  void clickPreviewsTheFileAndDoubleClickAddsIt() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    PanelFixture::click(f.files, 1);
    QVERIFY(f.images.previewFromFileList());
    const QList<QPair<QString, QString>> shown{{"FileList Pre-View", folder + "/b.jpg"}};
    QCOMPARE(f.previews, shown);
    f.images.setPreviewFromFileList(false);
    QTest::keyClick(f.files, Qt::Key_Down);
    QVERIFY(f.images.previewFromFileList());
    QCOMPARE(f.previews.last(), (QPair<QString, QString>{"FileList Pre-View", folder + "/c.gif"}));
    PanelFixture::doubleClick(f.files, 2);
    QCOMPARE(f.images.paths(), QStringList{folder + "/c.gif"});
    QCOMPARE(f.images.names(), QStringList{"c"});
    QTRY_COMPARE(f.info(), QString("Image Count:1   Total Size:0Kb"));
    f.browser->refresh();
    QCOMPARE(f.logos, 1);
  }

  void unusableDriveIsReportedAndTheDriveListGoesBack() {
    const QString folder = mixedFolder();
    PanelFixture f(folder);
    auto* drives = f.browser->findChild<QComboBox*>("Drive1");
    const QString before = drives->currentData().toString();
    f.browser->changeDrive(folder + "/vanished");
    const Message error{"Error: Drive not available: " + folder + "/vanished", ui::kDefaultCaption, ui::MessageIcon::Warning};
    QCOMPARE(f.dialogs.messages(), QList<Message>{error});
    QCOMPARE(drives->currentData().toString(), before);
    QCOMPARE(f.browser->currentFolder(), folder);
  }
};

QTEST_MAIN(FileBrowserTest)
#include "album_file_browser_test.moc"
