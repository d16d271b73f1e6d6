#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUrl>

#include "album_files.h"
#include "droppedfiles.h"
#include "imagelist.h"
#include "paths.h"

using namespace albryn;

TEST(album_ImageList, DisplayNameCutsTheLastFourCharacters) {
  const struct {
    QString file, name;
  } cases[] = {
      {"img 001.jpg", "img 001"},
      {"x.jpeg", "x."},      // four characters go, whatever they are
      {"a.gif", "a"},
      {".jpg", ".jpg"},      // nothing would be left: the whole name stays
      {"ab", "ab"},          // shorter than four characters
      {"   .jpg", "   .jpg"},  // only blanks would be left
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultDisplayName(c.file), c.name) << c.file.toStdString();
}

TEST(album_ImageList, KilobytesRoundHalvesToEven) {
  const struct {
    qint64 bytes, kb;
  } cases[] = {{0, 0}, {511, 0}, {512, 0}, {513, 1}, {1536, 2}, {2048, 2}, {2560, 2}, {3584, 4}, {1024LL * 1024 * 5000 + 512, 5120000}};
  for (const auto& c : cases) EXPECT_EQ(KilobytesHalfEven(c.bytes), c.kb) << c.bytes;
}

TEST(album_ImageList, InfoTextSumsSizesAndCountsMissingFilesAsZero) {
  const QString folder = test::newFolder();
  test::writeFile(folder + "/big.jpg", QByteArray(1536, 'x'));
  test::writeFile(folder + "/small.jpg", QByteArray(512, 'y'));
  EXPECT_EQ(ImageListInfoText({}), "Image Count:0   Total Size:0Kb");
  EXPECT_EQ(ImageListInfoText({folder + "/small.jpg"}), "Image Count:1   Total Size:0Kb");
  EXPECT_EQ(ImageListInfoText({folder + "/big.jpg", folder + "/small.jpg"}), "Image Count:2   Total Size:2Kb");
  EXPECT_EQ(ImageListInfoText({folder + "/big.jpg", folder + "/gone.jpg", folder}), "Image Count:3   Total Size:2Kb");
}

TEST(album_ImageList, AppendStopsAtTheLimit) {
  ImageList images;
  for (const char* name : {"a.jpg", "b.jpg"}) EXPECT_TRUE(images.append(JoinFolder("/pics", name), 3));
  EXPECT_EQ(images.appendAll({"/pics/c.jpg", "/pics/d.jpg", "/pics/e.jpg"}, 3), 1);
  EXPECT_FALSE(images.append("/pics/f.jpg", 3));
  EXPECT_EQ(images.paths(), QStringList({"/pics/a.jpg", "/pics/b.jpg", "/pics/c.jpg"}));
  EXPECT_EQ(images.names(), QStringList({"a", "b", "c"}));
  EXPECT_EQ(images.appendAll({"/pics/g.jpg"}, 3), 0);
  EXPECT_TRUE(images.isFull(3));
}

TEST(album_ImageList, MovingAndRemovingKeepNamesWithPaths) {
  ImageList images;
  images.appendAll({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg", "/p/e.jpg"}, 250);
  images.setName(1, " Beach ");
  EXPECT_EQ(images.moveUp(0), -1);
  EXPECT_EQ(images.moveDown(4), -1);
  EXPECT_EQ(images.moveDown(1), 2);
  EXPECT_EQ(images.moveUp(4), 3);
  EXPECT_EQ(images.paths(), QStringList({"/p/a.jpg", "/p/c.jpg", "/p/b.jpg", "/p/e.jpg", "/p/d.jpg"}));
  EXPECT_EQ(images.names(), QStringList({"a", "c", " Beach ", "e", "d"}));

  images.removeRowSet({2, 1, 99, -1});  // one run of rows; rows that do not exist are ignored
  EXPECT_EQ(images.paths(), QStringList({"/p/a.jpg", "/p/e.jpg", "/p/d.jpg"}));
  EXPECT_EQ(images.names(), QStringList({"a", "e", "d"}));
  images.appendAll({"/p/f.jpg", "/p/g.jpg"}, 250);
  images.removeRowSet({4, 0, 2, 2});  // scattered rows
  EXPECT_EQ(images.paths(), QStringList({"/p/e.jpg", "/p/f.jpg"}));
  EXPECT_EQ(images.names(), QStringList({"e", "f"}));
  images.clear();
  EXPECT_EQ(images.count(), 0);
  EXPECT_EQ(images.names().size(), 0);
}

TEST(album_ImageList, ModelShowsOneListPerColumn) {
  ImageList images;
  QSignalSpy inserted(&images, &QAbstractItemModel::rowsInserted);
  images.appendAll({"/p/a.jpg", "/p/b.jpg"}, 250);
  EXPECT_EQ(inserted.size(), 1);  // one insertion for the batch
  EXPECT_EQ(images.data(images.index(1, ImageList::NameColumn), Qt::DisplayRole).toString(), "b");
  EXPECT_EQ(images.data(images.index(1, ImageList::PathColumn), Qt::DisplayRole).toString(), "/p/b.jpg");
  EXPECT_EQ(images.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Display Name");
  EXPECT_EQ(images.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Image File Path");
}

TEST(album_DroppedFiles, DoubledSeparatorsAreReduced) {
  EXPECT_EQ(ReduceDoubledSeparators("/home//ann///pics/a.jpg"), "/home/ann/pics/a.jpg");
  ImageList images;
  const auto outcome = AddDroppedFiles(images, {QUrl("file:///home//ann//pics/a b.jpg"), QUrl::fromLocalFile("/x/y.gif")}, 250);
  EXPECT_EQ(outcome.added, 2);
  EXPECT_FALSE(outcome.limitReached);
  EXPECT_TRUE(outcome.failure.isEmpty());
  EXPECT_EQ(images.paths(), QStringList({"/home/ann/pics/a b.jpg", "/x/y.gif"}));
  EXPECT_EQ(images.names(), QStringList({"a b", "y"}));
}

TEST(album_DroppedFiles, LimitOrForeignUrlEndsTheDropKeepingEarlierRows) {
  ImageList images;
  images.append("/p/first.jpg", 3);
  auto outcome = AddDroppedFiles(images, {QUrl("file:///p/a.jpg"), QUrl("file:///p/b.jpg"), QUrl("file:///p/c.jpg")}, 3);
  EXPECT_EQ(outcome.added, 2);
  EXPECT_TRUE(outcome.limitReached);
  EXPECT_EQ(images.count(), 3);

  // Filling the list exactly is not a refusal.
  ImageList exact;
  outcome = AddDroppedFiles(exact, {QUrl("file:///p/a.jpg"), QUrl("file:///p/b.jpg")}, 2);
  EXPECT_FALSE(outcome.limitReached);

  ImageList mixed;
  outcome = AddDroppedFiles(mixed, {QUrl("file:///p/a.jpg"), QUrl("https://example.org/b.jpg"), QUrl("file:///p/c.jpg")}, 250);
  EXPECT_EQ(outcome.added, 1);
  EXPECT_FALSE(outcome.failure.isEmpty());
  EXPECT_EQ(mixed.paths(), QStringList({"/p/a.jpg"}));
}
