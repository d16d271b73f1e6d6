#include "album_panel_fixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

using namespace albryn;
using test::PanelFixture;
using ui::Message;

namespace {

// A folder with pictures of known sizes: a.jpg 1536 bytes, b.jpg 512, c.jpg d.jpg e.jpg 100 each.
QString sizedFolder() {
  const QString folder = test::newFolder("pics");
  test::writeFile(folder + "/a.jpg", QByteArray(1536, 'a'));
  test::writeFile(folder + "/b.jpg", QByteArray(512, 'b'));
  for (const char* name : {"c.jpg", "d.jpg", "e.jpg"}) test::writeFile(folder + "/" + name, QByteArray(100, 'c'));
  return folder;
}

QStringList paths(const QString& folder, const QStringList& names) {
  QStringList result;
  for (const QString& name : names) result.append(folder + "/" + name);
  return result;
}

}  // namespace

class ImageListPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void selectionOverfillingTheListShowsTheLimitOnce() {
    const QString folder = sizedFolder();
    PanelFixture f(folder);
    for (int i = 0; i < 248; ++i) f.images.append(QStringLiteral("/elsewhere/%1.jpg").arg(i), 250);
    f.files->selectAll();
    f.browser->addSelectedToImageList();
    QCOMPARE(f.images.count(), 250);
    QCOMPARE(f.images.path(249), folder + "/b.jpg");
    const Message limit{"Max 250 Image Limit Reached.", ui::kDefaultCaption};
    QCOMPARE(f.dialogs.messages(), QList<Message>{limit});
    QTRY_COMPARE(f.info(), QString("Image Count:250   Total Size:2Kb"));

    // A double-click on a full list adds nothing and says so again.
    PanelFixture::doubleClick(f.files, 4);
    QCOMPARE(f.images.count(), 250);
    QCOMPARE(f.dialogs.messages().size(), 2);
  }

  void countLabelRoundsHalvesToEven() {
    const QString folder = sizedFolder();
    PanelFixture f(folder);
    QCOMPARE(f.info(), QString("Image Count:0   Total Size:0Kb"));
    PanelFixture::drop(f.paths, {QUrl::fromLocalFile(folder + "/b.jpg")});
    QCOMPARE(f.info(), QString("Image Count:1   Total Size:0Kb"));  // 0.5 goes to 0
    PanelFixture::drop(f.names, {QUrl::fromLocalFile(folder + "/a.jpg")});
    QCOMPARE(f.info(), QString("Image Count:2   Total Size:2Kb"));
    test::writeFile(folder + "/f.jpg", QByteArray(512, 'f'));  // 2560 bytes: 2.5 goes to 2
    PanelFixture::drop(f.names, {QUrl::fromLocalFile(folder + "/f.jpg")});
    QCOMPARE(f.info(), QString("Image Count:3   Total Size:2Kb"));
    QFile::remove(folder + "/a.jpg");  // a file gone from the disk counts as 0 bytes
    f.imageList->updateImageListInfo();
    QCOMPARE(f.info(), QString("Image Count:3   Total Size:1Kb"));
  }

  void droppedPathsLoseDoubledSeparatorsAndGetDisplayNames() {
    PanelFixture f(test::newFolder());
    PanelFixture::drop(f.paths, {QUrl("file:///home//ann//pics/x.jpeg"), QUrl("file:///home/ann/img 001.jpg")});
    QCOMPARE(f.images.paths(), QStringList({"/home/ann/pics/x.jpeg", "/home/ann/img 001.jpg"}));
    QCOMPARE(f.images.names(), QStringList({"x.", "img 001"}));
    QCOMPARE(f.names->model()->index(0, 0).data().toString(), QString("x."));
    QCOMPARE(f.paths->model()->index(0, 1).data().toString(), QString("/home/ann/pics/x.jpeg"));
    QVERIFY(f.dialogs.messages().isEmpty());
  }

  void movingRowsKeepsNamesWithTheirPaths() {
    PanelFixture f(test::newFolder());
    f.images.appendAll(paths("/p", {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}), 250);
    PanelFixture::click(f.paths, 1);
    f.names->setCurrentIndex(f.images.index(3, 0));  // the name list looking elsewhere changes nothing
    f.imageList->moveDown();
    QCOMPARE(f.images.paths(), paths("/p", {"a.jpg", "c.jpg", "b.jpg", "d.jpg"}));
    QCOMPARE(f.images.names(), QStringList({"a", "c", "b", "d"}));
    QCOMPARE(f.imageList->selectedRows(), QList<int>{2});
    QCOMPARE(f.names->currentIndex().row(), 2);
    f.imageList->moveUp();
    f.imageList->moveUp();
    QCOMPARE(f.images.names(), QStringList({"b", "a", "c", "d"}));
    f.imageList->moveUp();  // the first row does not go up
    QCOMPARE(f.images.names(), QStringList({"b", "a", "c", "d"}));
    PanelFixture::click(f.paths, 3);
    f.imageList->moveDown();  // nor the last one down
    PanelFixture::click(f.paths, 2, Qt::ControlModifier);
    f.imageList->moveUp();  // two rows selected: neither arrow moves
    f.imageList->moveDown();
    QCOMPARE(f.images.names(), QStringList({"b", "a", "c", "d"}));
    QCOMPARE(f.images.paths(), paths("/p", {"b.jpg", "a.jpg", "c.jpg", "d.jpg"}));
    QCOMPARE(f.focusSinks, 7);  // every arrow press, moved or not
  }

  void deleteKeyAsksBeforeRemovingTheSelectedRows() {
    PanelFixture f(test::newFolder());
    f.paths->setFocus();
    QTest::keyClick(f.paths, Qt::Key_Delete);  // empty list: no question
    QVERIFY(f.dialogs.messages().isEmpty());

    f.images.appendAll(paths("/p", {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}), 250);
    PanelFixture::click(f.paths, 0);
    PanelFixture::click(f.paths, 2, Qt::ControlModifier);
    PanelFixture::click(f.paths, 3, Qt::ControlModifier);
    QTest::keyClick(f.paths, Qt::Key_Delete, Qt::ShiftModifier);
    QVERIFY(f.dialogs.messages().isEmpty());

    f.dialogs.queueAnswer(ui::Answer::Cancel);
    QTest::keyClick(f.paths, Qt::Key_Delete);
    QCOMPARE(f.images.count(), 4);
    f.dialogs.queueAnswer(ui::Answer::Ok);
    QTest::keyClick(f.names, Qt::Key_Delete);
    const Message question{"Remove Selected Images from list?", ui::kDefaultCaption, ui::MessageIcon::None,
                           ui::MessageButtons::OkCancel};
    QCOMPARE(f.dialogs.messages(), QList<Message>({question, question}));
    QCOMPARE(f.images.paths(), paths("/p", {"b.jpg"}));
    QCOMPARE(f.images.names(), QStringList{"b"});
    QVERIFY(f.imageList->selectedRows().isEmpty());
    QCOMPARE(f.info(), QString("Image Count:1   Total Size:0Kb"));
  }

  void clearAsksYesOrNo() {
    PanelFixture f(test::newFolder());
    f.images.appendAll(paths("/p", {"a.jpg", "b.jpg"}), 250);
    f.dialogs.queueAnswer(ui::Answer::No);
    f.imageList->confirmClear();
    QCOMPARE(f.images.count(), 2);
    f.dialogs.queueAnswer(ui::Answer::Yes);
    f.imageList->findChild<QAction*>("mnuImageListClear")->trigger();
    QCOMPARE(f.images.count(), 0);
    QCOMPARE(f.dialogs.messages().last(),
             (Message{"Clear Image List?", "Albryn Web Page Generator", ui::MessageIcon::Question, ui::MessageButtons::YesNo}));
    QCOMPARE(f.info(), QString("Image Count:0   Total Size:0Kb"));
  }

  void editingADisplayName() {
    PanelFixture f(test::newFolder());
    f.images.appendAll(paths("/p", {"a.jpg", "b.jpg", "c.jpg"}), 250);
    auto* editor = f.imageList->findChild<QLineEdit*>("txtEditDisplayName");
    PanelFixture::click(f.paths, 1);
    PanelFixture::doubleClick(f.names, 1);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QString("b"));
    QCOMPARE(editor->selectedText(), QString("b"));

    editor->setText("   ");
    QTest::keyClick(editor, Qt::Key_Return);  // blank: refused, the box stays
    QVERIFY(editor->isVisible());
    QCOMPARE(f.images.name(1), QString("b"));

    // Clicking another row while editing: the text goes to the row being edited.
    editor->setText(" Beach ");
    PanelFixture::click(f.names, 2);
    QVERIFY(!editor->isVisible());
    QCOMPARE(f.images.names(), QStringList({"a", " Beach ", "c"}));

    PanelFixture::doubleClick(f.names, 0);
    editor->setText("Harbour");
    QTest::keyClick(editor, Qt::Key_Enter);
    QVERIFY(!editor->isVisible());
    QCOMPARE(f.images.names(), QStringList({"Harbour", " Beach ", "c"}));
  }

  void clickPreviewsThePictureOfThePathListsCurrentRow() {
    PanelFixture f(test::newFolder());
    f.images.appendAll(paths("/p", {"a.jpg", "b.jpg", "c.jpg"}), 250);
    f.images.setPreviewFromFileList(true);
    PanelFixture::click(f.paths, 2);
    QVERIFY(!f.images.previewFromFileList());
    QCOMPARE(f.names->currentIndex().row(), 2);
    const QList<QPair<QString, QString>> shown{{"ImageList Pre-View", "/p/c.jpg"}};
    QCOMPARE(f.previews, shown);
    PanelFixture::click(f.paths, 0, Qt::ShiftModifier);  // several rows selected: no preview
    QCOMPARE(f.previews.size(), 1);
    PanelFixture::click(f.names, 1);  // a click on a name selects its picture
    QCOMPARE(f.imageList->selectedRows(), QList<int>{1});
    QCOMPARE(f.previews.last(), (QPair<QString, QString>{"ImageList Pre-View", "/p/b.jpg"}));
    QTest::keyClick(f.paths, Qt::Key_Up);  // the keyboard chooses a row as a click does
    QCOMPARE(f.previews.last(), (QPair<QString, QString>{"ImageList Pre-View", "/p/a.jpg"}));
    QCOMPARE(f.names->currentIndex().row(), 0);
    f.previewOn = false;
    PanelFixture::click(f.paths, 2);
    QCOMPARE(f.previews.size(), 3);
  }

  void scrollingEitherListScrollsTheOther() {
    PanelFixture f(test::newFolder());
    QStringList many;
    for (int i = 0; i < 200; ++i) many.append(QStringLiteral("/p/%1.jpg").arg(i));
    f.images.appendAll(many, 250);
    QTRY_VERIFY(f.names->verticalScrollBar()->maximum() > 120 && f.paths->verticalScrollBar()->maximum() > 120);
    f.names->verticalScrollBar()->setValue(120);
    QCOMPARE(f.paths->verticalScrollBar()->value(), 120);
    f.paths->scrollTo(f.images.index(10, 1), QAbstractItemView::PositionAtTop);
    QCOMPARE(f.names->verticalScrollBar()->value(), 10);
    QCOMPARE(f.names->indexAt({2, 2}).row(), 10);
  }

  void popUpMenuOffersRemoveAndClear() {
    PanelFixture f(test::newFolder());
    QMenu* menu = f.imageList->menu();
    QStringList items;
    for (QAction* action : menu->actions()) items.append(action->text());
    QCOMPARE(items, QStringList({"AlterImage", "Remove Selected", "Clear Image list"}));
    QVERIFY(!f.imageList->alterImageMenu()->menuAction()->isEnabled());
    QContextMenuEvent press(QContextMenuEvent::Mouse, {5, 5}, f.paths->viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(f.paths->viewport(), &press);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
  }
};

QTEST_MAIN(ImageListPanelTest)
#include "album_imagelist_panel_test.moc"
