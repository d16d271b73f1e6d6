#include <gtest/gtest.h>

#include <QFileInfo>

#include "album_files.h"
#include "fileutils.h"

using namespace albryn;

namespace {

// A folder with a.jpg, B.JPG, c.gif and a few non-pictures, each file holding its own name.
QString pictureFolder() {
  const QString folder = test::newFolder("pics");
  for (const char* name : {"a.jpg", "B.JPG", "c.gif", "notes.txt", ".hidden.jpg", "d.jpeg"}) {
    test::writeFile(folder + "/" + name, name);
  }
  QDir(folder).mkdir("sub.jpg");
  return folder;
}

}  // namespace

TEST(album_FileUtils, PictureFilterMatchesAnyCaseAndSortsByName) {
  EXPECT_EQ(PictureFilesIn(pictureFolder()), QStringList({"a.jpg", "B.JPG", "c.gif"}));
}

TEST(album_FileUtils, BatchRenameNumbersFilesInListOrder) {
  const QString folder = pictureFolder();
  ASSERT_FALSE(BatchRename(folder, {"c.gif", "a.jpg", "B.JPG"}, "Holiday-"));
  EXPECT_EQ(test::readFile(folder + "/Holiday-1.jpg"), "c.gif");  // a GIF also ends in .jpg
  EXPECT_EQ(test::readFile(folder + "/Holiday-2.jpg"), "a.jpg");
  EXPECT_EQ(test::readFile(folder + "/Holiday-3.jpg"), "B.JPG");
  EXPECT_EQ(PictureFilesIn(folder), QStringList({"Holiday-1.jpg", "Holiday-2.jpg", "Holiday-3.jpg"}));
  EXPECT_FALSE(test::namesIn(folder).join(' ').contains("albryn-rename"));
}

TEST(album_FileUtils, BatchRenameMayReuseNamesOfItsOwnFiles) {
  const QString folder = test::newFolder();
  // Sorted by name, a second batch rename meets Holiday-10 before Holiday-2.
  const QStringList order = {"Holiday-1.jpg", "Holiday-10.jpg", "Holiday-2.jpg"};
  for (const QString& name : order) test::writeFile(folder + "/" + name, name.toUtf8());
  ASSERT_FALSE(BatchRename(folder, order, "Holiday-"));
  EXPECT_EQ(test::readFile(folder + "/Holiday-1.jpg"), "Holiday-1.jpg");
  EXPECT_EQ(test::readFile(folder + "/Holiday-2.jpg"), "Holiday-10.jpg");
  EXPECT_EQ(test::readFile(folder + "/Holiday-3.jpg"), "Holiday-2.jpg");
  EXPECT_EQ(test::namesIn(folder).size(), 3);
}

TEST(album_FileUtils, BatchRenameNeverTakesTheNameOfAnotherFile) {
  const QString folder = pictureFolder();
  test::writeFile(folder + "/Trip-2.jpg", "keep me");
  const QStringList before = test::namesIn(folder);
  const auto error = BatchRename(folder, {"a.jpg", "B.JPG", "c.gif"}, "Trip-");
  ASSERT_TRUE(error);
  EXPECT_TRUE(error->description.contains("Trip-2.jpg"));
  EXPECT_EQ(test::namesIn(folder), before);
  EXPECT_EQ(test::readFile(folder + "/Trip-2.jpg"), "keep me");

  ASSERT_TRUE(BatchRename(folder, {"a.jpg"}, "sub/x"));  // a prefix that would leave the folder
  ASSERT_TRUE(BatchRename(folder, {"a.jpg", "gone.jpg"}, "New-"));  // one file vanished: all go back
  EXPECT_EQ(test::namesIn(folder), before);
}

TEST(album_FileUtils, CopyNeverOverwrites) {
  const QString from = pictureFolder();
  const QString to = test::newFolder("target");
  test::writeFile(to + "/B.JPG", "older picture");
  ASSERT_FALSE(CopyFileInto(from, "a.jpg", to));
  EXPECT_EQ(test::readFile(to + "/a.jpg"), "a.jpg");
  EXPECT_TRUE(CopyFileInto(from, "B.JPG", to));
  EXPECT_EQ(test::readFile(to + "/B.JPG"), "older picture");
  EXPECT_TRUE(CopyFileInto(from, "a.jpg", from));  // pasting into the source folder
  EXPECT_EQ(test::readFile(from + "/a.jpg"), "a.jpg");
  EXPECT_TRUE(CopyFileInto(from, "missing.jpg", to));
  EXPECT_EQ(test::namesIn(to), QStringList({"B.JPG", "a.jpg"}));
}

TEST(album_FileUtils, RenameOutcomes) {
  const QString folder = pictureFolder();
  EXPECT_EQ(RenameFileIn(folder, "a.jpg", "c.gif").status, RenameStatus::TargetExists);
  EXPECT_EQ(test::readFile(folder + "/c.gif"), "c.gif");
  EXPECT_EQ(test::readFile(folder + "/a.jpg"), "a.jpg");
  EXPECT_EQ(RenameFileIn(folder, "a.jpg", "a.jpg").status, RenameStatus::TargetExists);
  EXPECT_EQ(RenameFileIn(folder, "gone.jpg", "x.jpg").status, RenameStatus::NotFound);
  EXPECT_EQ(RenameFileIn(folder, "a.jpg", "sub.jpg/a.jpg").status, RenameStatus::Failed);
  EXPECT_EQ(RenameFileIn(folder, "a.jpg", "beach.jpg").status, RenameStatus::Renamed);
  EXPECT_EQ(test::readFile(folder + "/beach.jpg"), "a.jpg");
  EXPECT_FALSE(QFileInfo::exists(folder + "/a.jpg"));
}

TEST(album_FileUtils, DeleteAndCreateFolder) {
  const QString folder = pictureFolder();
  EXPECT_FALSE(DeleteFileIn(folder, "a.jpg"));
  EXPECT_FALSE(QFileInfo::exists(folder + "/a.jpg"));
  EXPECT_TRUE(DeleteFileIn(folder, "a.jpg"));
  EXPECT_TRUE(DeleteFileIn(folder, "sub.jpg"));  // a folder is not a file
  EXPECT_TRUE(QFileInfo(folder + "/sub.jpg").isDir());

  EXPECT_FALSE(CreateFolder(folder, "New Folder"));
  EXPECT_TRUE(QFileInfo(folder + "/New Folder").isDir());
  const auto exists = CreateFolder(folder, "New Folder");
  ASSERT_TRUE(exists);
  EXPECT_EQ(exists->number, EEXIST);
  EXPECT_TRUE(CreateFolder(folder, "a/b"));
  EXPECT_TRUE(CreateFolder(folder + "/missing", "x"));
}
