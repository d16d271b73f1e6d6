#include <QtTest>

#include "album_pictures.h"
#include "previewbox.h"
#include "previewpicture.h"

using namespace albryn;

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void jpegIsTurnedByItsOrientationAndScaledToTheBox() {
    const QString path = test::newFolder() + "/turned.jpg";
    test::writeTurnedJpeg(path);
    const QImage picture = LoadPreviewPicture(path, {100, 100});
    QCOMPARE(picture.size(), QSize(50, 100));
    // Turned clockwise, the left (red) half is on top.
    QVERIFY(qRed(picture.pixel(25, 10)) > 200 && qBlue(picture.pixel(25, 10)) < 60);
    QVERIFY(qBlue(picture.pixel(25, 90)) > 200 && qRed(picture.pixel(25, 90)) < 60);
  }

  void gifLoadsToo() {
    const QString path = test::newFolder() + "/tiny.gif";
    test::writeGif(path);
    const QImage picture = LoadPreviewPicture(path, {40, 40});
    QCOMPARE(picture.size(), QSize(40, 20));
    QVERIFY(qRed(picture.pixel(2, 10)) > 200);
    QVERIFY(qBlue(picture.pixel(37, 10)) > 200);
  }

  void aPictureThatCannotLoadLeavesTheBoxAsItWas() {
    const QString folder = test::newFolder();
    test::writeGif(folder + "/good.gif");
    test::writeFile(folder + "/broken.jpg", "not a picture");
    PreviewBox box;
    box.resize(64, 64);
    QVERIFY(box.showPicture(folder + "/good.gif"));
    const QImage before = box.pixmap().toImage();
    QVERIFY(!box.showPicture(folder + "/broken.jpg"));
    QVERIFY(!box.showPicture(folder + "/missing.jpg"));
    QCOMPARE(box.shownPath(), folder + "/good.gif");
    QCOMPARE(box.pixmap().toImage(), before);
  }
};

QTEST_MAIN(PreviewTest)
#include "album_preview_test.moc"
