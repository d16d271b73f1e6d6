#include <gtest/gtest.h>

#include <QFileInfo>

#include "album_files.h"
#include "fileutilitycommands.h"
#include "imagelist.h"
#include "imagelistcommands.h"
#include "scripted_dialog_services.h"

using namespace albryn;
using ui::Message;
using ui::MessageButtons;
using ui::MessageIcon;

namespace {

const Message kLimit250{"Max 250 Image Limit Reached.", ui::kDefaultCaption, MessageIcon::None, MessageButtons::Ok};

QStringList numberedPaths(int count) {
  QStringList paths;
  for (int i = 0; i < count; ++i) paths.append(QStringLiteral("/pics/%1.jpg").arg(i));
  return paths;
}

Message warning(const QString& text, const QString& caption = ui::kDefaultCaption) {
  return {text, caption, MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace

TEST(album_AddCommands, LimitMessageOnceWhenASelectionOverfillsTheList) {
  ImageList images;
  ui::ScriptedDialogServices dialogs;
  images.appendAll(numberedPaths(248), 250);
  AddFromFileList(images, dialogs, 250, "/home/ann/Pics", {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
  EXPECT_EQ(images.count(), 250);
  EXPECT_EQ(images.path(248), "/home/ann/Pics/a.jpg");
  EXPECT_EQ(images.name(249), "b");
  EXPECT_EQ(dialogs.messages(), QList<Message>{kLimit250});
  EXPECT_EQ(dialogs.busyPeriods(), 1);

  AddFromFileList(images, dialogs, 250, "/home/ann/Pics", {"f.jpg"});
  EXPECT_EQ(images.count(), 250);
  EXPECT_EQ(dialogs.messages(), QList<Message>({kLimit250, kLimit250}));
}

TEST(album_AddCommands, ListFilledByTheLastWantedFileStillShowsTheMessage) {
  ImageList images;
  ui::ScriptedDialogServices dialogs;
  AddFromFileList(images, dialogs, 2, "/", {"a.jpg"});
  EXPECT_TRUE(dialogs.messages().isEmpty());
  AddFromFileList(images, dialogs, 2, "/", {"b.jpg"});
  EXPECT_EQ(images.paths(), QStringList({"/a.jpg", "/b.jpg"}));
  ASSERT_EQ(dialogs.messages().size(), 1);
  EXPECT_EQ(dialogs.messages()[0].text, "Max 2 Image Limit Reached.");
}

TEST(album_AddCommands, DropStopsAtTheFirstRefusedFile) {
  ImageList images;
  ui::ScriptedDialogServices dialogs;
  images.appendAll(numberedPaths(249), 250);
  DropFiles(images, dialogs, 250, {QUrl("file:///a//b.jpg"), QUrl("file:///a/c.jpg"), QUrl("file:///a/d.jpg")});
  EXPECT_EQ(images.count(), 250);
  EXPECT_EQ(images.path(249), "/a/b.jpg");
  EXPECT_EQ(dialogs.messages(), QList<Message>{kLimit250});

  ImageList other;
  dialogs.clearRecords();
  DropFiles(other, dialogs, 250, {QUrl("file:///a/b.jpg"), QUrl("ftp://host/c.jpg")});
  EXPECT_EQ(other.count(), 1);
  ASSERT_EQ(dialogs.messages().size(), 1);
  EXPECT_EQ(dialogs.messages()[0].text, "Not a local file: ftp://host/c.jpg");
}

class album_FileUtilityCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = test::newFolder("pics");
    for (const char* name : {"a.jpg", "b.gif", "c.jpg"}) test::writeFile(folder + "/" + name, name);
  }
  QString folder;
  ui::ScriptedDialogServices dialogs;
  FileUtilityCommands commands{dialogs};
};

TEST_F(album_FileUtilityCommands, BatchRenameAsksForAPrefix) {
  dialogs.queueInput(std::nullopt);
  commands.batchRename(folder, {"a.jpg", "b.gif"});
  EXPECT_EQ(test::namesIn(folder), QStringList({"a.jpg", "b.gif", "c.jpg"}));

  dialogs.queueInput("Holiday-");
  commands.batchRename(folder, {"c.jpg", "a.jpg", "b.gif"});
  EXPECT_EQ(test::namesIn(folder), QStringList({"Holiday-1.jpg", "Holiday-2.jpg", "Holiday-3.jpg"}));
  EXPECT_EQ(test::readFile(folder + "/Holiday-3.jpg"), "b.gif");
  ASSERT_EQ(dialogs.inputs().size(), 2);
  EXPECT_EQ(dialogs.inputs()[1], (ui::InputRequest{
      "Enter New Batch Filename for Selected Files:\r\n\r\nNote: Selected files will be renamed as: Entered Filename + Incremental Number.",
      "Batch Rename", "Filename-"}));
  EXPECT_TRUE(dialogs.messages().isEmpty());

  dialogs.queueInput("Holiday-");
  commands.batchRename(folder, {"Holiday-1.jpg"});  // Holiday-1.jpg is its own new name
  test::writeFile(folder + "/x.jpg", "x");
  dialogs.queueInput("Holiday-");
  commands.batchRename(folder, {"x.jpg"});
  EXPECT_EQ(dialogs.messages(), QList<Message>{warning("17 - Holiday-1.jpg already exists.", "Batch File Rename")});
  EXPECT_EQ(test::readFile(folder + "/Holiday-1.jpg"), "c.jpg");
}

TEST_F(album_FileUtilityCommands, PasteOncePerCopyAndNeverOverASameNamedFile) {
  const QString target = test::newFolder("target");
  test::writeFile(target + "/b.gif", "older");
  EXPECT_FALSE(commands.canPaste());
  commands.copy(folder, {"a.jpg", "b.gif", "c.jpg"});
  ASSERT_TRUE(commands.canPaste());
  commands.paste(target);
  EXPECT_FALSE(commands.canPaste());
  EXPECT_EQ(test::namesIn(target), QStringList({"a.jpg", "b.gif", "c.jpg"}));
  EXPECT_EQ(test::readFile(target + "/b.gif"), "older");
  EXPECT_EQ(test::readFile(target + "/c.jpg"), "c.jpg");
  EXPECT_EQ(dialogs.messages(), QList<Message>{warning("File Copy Error:" + target + "/b.gif already exists.")});

  commands.copy(folder, {"a.jpg"});
  commands.forgetCopySource();
  EXPECT_FALSE(commands.canPaste());
}

TEST_F(album_FileUtilityCommands, RenameAsksPerFileAndKeepsExistingNames) {
  dialogs.queueInput("c.jpg");      // taken: nothing happens, nothing is said
  dialogs.queueInput(std::nullopt);  // cancelled
  dialogs.queueInput("beach.gif");
  commands.rename(folder, {"a.jpg", "b.gif", "c.jpg"});
  EXPECT_EQ(test::namesIn(folder), QStringList({"a.jpg", "b.gif", "beach.gif"}));
  EXPECT_EQ(test::readFile(folder + "/beach.gif"), "c.jpg");
  EXPECT_EQ(dialogs.inputs()[0], (ui::InputRequest{"Enter new filename:", "Rename Selected Files", "a.jpg"}));
  EXPECT_TRUE(dialogs.messages().isEmpty());

  dialogs.queueInput("new.jpg");
  dialogs.queueInput("sub/new.jpg");
  commands.rename(folder, {"gone.jpg", "a.jpg"});
  ASSERT_EQ(dialogs.messages().size(), 2);
  EXPECT_EQ(dialogs.messages()[0], warning("File contains invalid Single Quote characters.\r\n"
                                           "Single Quotes Are not Browser Friendly Characters.\r\n"
                                           "Please Rename with Windows File Manager."));
  EXPECT_TRUE(dialogs.messages()[1].text.startsWith("File Rename Error:"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/a.jpg"));
}

TEST_F(album_FileUtilityCommands, DeleteAsksForEveryFile) {
  dialogs.queueAnswer(ui::Answer::No);
  dialogs.queueAnswer(ui::Answer::Yes);
  commands.remove(folder, {"a.jpg", "b.gif"});
  EXPECT_EQ(test::namesIn(folder), QStringList({"a.jpg", "c.jpg"}));
  EXPECT_EQ(dialogs.messages()[0], (Message{"Delete: a.jpg ?", ui::kDefaultCaption, MessageIcon::None, MessageButtons::YesNo}));
  EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST_F(album_FileUtilityCommands, CreateFolder) {
  dialogs.queueInput(std::nullopt);
  EXPECT_FALSE(commands.createFolder(folder));
  dialogs.queueInput("");
  EXPECT_FALSE(commands.createFolder(folder));
  EXPECT_TRUE(dialogs.messages().isEmpty());
  EXPECT_EQ(dialogs.inputs()[0], (ui::InputRequest{"Enter Folder Name", "Create New Folder", "New Folder"}));

  dialogs.queueInput("New Folder");
  EXPECT_TRUE(commands.createFolder(folder));
  EXPECT_TRUE(QFileInfo(folder + "/New Folder").isDir());
  dialogs.queueInput("New Folder");
  EXPECT_FALSE(commands.createFolder(folder));
  const Message exists{"Error Creating Folder: New Folder\r\n17 - File exists", ui::kDefaultCaption, MessageIcon::None,
                       MessageButtons::Ok};
  EXPECT_EQ(dialogs.messages(), QList<Message>{exists});
}
