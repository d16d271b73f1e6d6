#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "golden.h"
#include "project_commands.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"

using namespace albryn::webgen;
using albryn::webgen::testing::NewFolder;
using albryn::webgen::testing::WriteFile;
using albryn::ui::Message;
using albryn::ui::MessageButtons;
using albryn::ui::MessageIcon;
using albryn::webgen::testing::ReadBytes;

namespace {

Message Warning(const QString& text) {
  return {text, "Albryn Web Page Generator", MessageIcon::Warning, MessageButtons::Ok};
}
Message Info(const QString& text) {
  return {text, "Albryn Web Page Generator", MessageIcon::Information, MessageButtons::Ok};
}

// A project with a value of its own on every line.
ProjectData SampleProject() {
  ProjectData d;
  d.attributes = InitialPageAttributes();
  d.attributes.title = "Summer in Zürich";
  d.attributes.soundPath = "/music/Night Song.mid";
  d.attributes.display.backgroundText = "/pics/sky.jpg";
  d.attributes.display.backgroundSwatch = 0xFFFFFF;
  d.attributes.display.backIsColor = false;
  d.attributes.display.font = {"Times New Roman", "5", true, false, true, "FF0000", 0x0000FF};
  d.attributes.link.backgroundText = "102030";
  d.attributes.link.backgroundSwatch = RgbColor(0x10, 0x20, 0x30);
  d.attributes.link.font = {"Verdana", "+1", false, true, false, "00FF00", 0x00FF00};
  d.uploadFilePath = "/out/album.html";
  d.reservedName = "Albryn.jpg";
  d.outputFolder = "/out/";
  d.outputBaseName = "album";
  d.countLabel = "Image Count:3   Total Size:120Kb";
  d.pathEntries = {"/m/a.mid", "/p/x.alb", "/out/album.html", "/out/*.html", "/pics/sky.jpg", "/pics/*.jpg"};
  d.paths = {"/pics/b.jpg", "/pics/a 1.jpg", "/pics/Café.gif"};
  d.displayNames = {"Bee's knees", "A \"one\"", "Café"};
  return d;
}

}  // namespace

TEST(webgen_Project, SaveNewLoadBringsEverythingBack) {
  const QString folder = NewFolder();
  ProjectData saved = SampleProject();
  albryn::ui::ScriptedDialogServices dialogs;
  dialogs.queueFile(folder + "album.txt");
  ASSERT_TRUE(SaveProject(saved, dialogs, "/home/ann/Pictures"));
  const auto request = dialogs.fileDialogs().at(0).request;
  EXPECT_EQ(request.filter, "Albryn File (*.alb)|*.alb|All (*.*)|*.*");
  EXPECT_EQ(request.initialName, "/p/x.alb");
  EXPECT_EQ(request.initialFolder, "/home/ann/Pictures");
  EXPECT_EQ(request.defaultExtension, "");  // the ".alb" rule adds the extension
  EXPECT_EQ(dialogs.messages(), QList<Message>{Info("Save Albryn File Completed!")});
  EXPECT_TRUE(QFile::exists(folder + "album.txt.alb"));
  EXPECT_EQ(saved.pathEntries[1], folder + "album.txt");  // proposed as typed next time

  ProjectData loaded;
  loaded.attributes = ResetPageAttributes();
  loaded.paths = {"/old.jpg"};
  loaded.displayNames = {"old"};
  dialogs.clearRecords();
  dialogs.queueFile(folder + "album.txt.alb");
  ASSERT_TRUE(LoadProject(loaded, dialogs, "/home/ann/Pictures"));
  EXPECT_EQ(dialogs.fileDialogs().at(0).request.defaultExtension, "ALB");
  EXPECT_TRUE(dialogs.messages().isEmpty());
  EXPECT_EQ(loaded, saved);  // every line, the rows in order, the "alb" entry from the file
}

TEST(webgen_Project, FileLayout) {
  ProjectData d = SampleProject();
  const QStringList lines = ProjectLines(d);
  ASSERT_EQ(lines.size(), 31 + 1 + 6 + 1);
  EXPECT_EQ(lines[3], "16777215");  // display swatch, white
  EXPECT_EQ(lines[4], "False");
  EXPECT_EQ(lines[7], "1");
  EXPECT_EQ(lines[8], "0");
  EXPECT_EQ(lines[11], "/out/album.html");
  EXPECT_EQ(lines[14], "True");
  EXPECT_EQ(lines[24], "Image Count:3   Total Size:120Kb");
  EXPECT_EQ(lines[31], "ImageListStart");
  EXPECT_EQ(lines[32], "/pics/b.jpg");
  EXPECT_EQ(lines[33], "Bee's knees");
  EXPECT_EQ(lines.last(), "ImageListEnd");

  // With no pictures: 31 value lines and the end marker; loading it keeps every value and says
  // the file is empty.
  d.paths.clear();
  d.displayNames.clear();
  const QString path = NewFolder() + "empty.alb";
  ASSERT_EQ(WriteProjectFile(path, d), std::nullopt);
  const QByteArray bytes = ReadBytes(path);
  EXPECT_EQ(bytes.count("\r\n"), 32);
  EXPECT_TRUE(bytes.endsWith("\r\n/pics/*.jpg\r\nImageListEnd\r\n"));
  ProjectData loaded;
  albryn::ui::ScriptedDialogServices dialogs;
  dialogs.queueFile(path);
  ASSERT_TRUE(LoadProject(loaded, dialogs, {}));
  EXPECT_EQ(dialogs.messages(), QList<Message>{Warning("Invalid or Empty Albryn File!")});
  EXPECT_EQ(loaded, d);
}

TEST(webgen_Project, LegacyWindows1252FileWithSpacedNumbers) {
  // As the older program wrote it: its code page, numbers with a space before and after.
  const QByteArray legacy =
      "Vacances d'\xE9t\xE9\r\n\r\nC:\\Images\\Ciel.jpg\r\n 16777215 \r\nFalse\r\nArial\r\n6\r\n"
      " 0 \r\n 1 \r\n 1 \r\n0\r\n\r\n80FFFF\r\n 16777088 \r\nTrue\r\nArial\r\n3\r\n 0 \r\n 0 \r\n"
      " 0 \r\n0000FF\r\nAlbryn.jpg\r\nC:\\Web\\\r\nalbum\r\nImage Count:1   Total Size:5Kb\r\n"
      "\r\n\r\n\r\n\r\n\r\n\r\nImageListStart\r\nC:\\Images\\Ch\xE2teau \x80.jpg\r\n"
      "Ch\xE2teau \x93one\x94\r\nImageListEnd\r\n";
  const QString path = NewFolder() + "legacy.alb";
  WriteFile(path, legacy);
  ProjectData d;
  const LoadResult result = ReadProjectFile(path, d);
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded) << result.failure.description.toStdString();
  EXPECT_EQ(d.attributes.title, "Vacances d'été");
  EXPECT_EQ(d.attributes.display.backgroundText, "C:\\Images\\Ciel.jpg");
  EXPECT_FALSE(d.attributes.display.backIsColor);  // the pages use BACKGROUND
  EXPECT_EQ(d.attributes.display.backgroundSwatch, 0xFFFFFFu);
  EXPECT_TRUE(d.attributes.display.font.bold);
  EXPECT_FALSE(d.attributes.display.font.underline);
  EXPECT_EQ(d.attributes.display.font.color, 0u);
  EXPECT_EQ(d.attributes.link.backgroundSwatch, RgbColor(128, 255, 255));
  EXPECT_EQ(d.attributes.link.font.color, RgbColor(0, 0, 255));
  EXPECT_EQ(d.paths, QStringList{"C:\\Images\\Château €.jpg"});
  EXPECT_EQ(d.displayNames, QStringList{"Château “one”"});
}

TEST(webgen_Project, TruncatedAndBrokenFilesKeepWhatWasRead) {
  const QString folder = NewFolder();
  const QString good = folder + "good.alb";
  ASSERT_EQ(WriteProjectFile(good, SampleProject()), std::nullopt);
  const QStringList lines = ProjectLines(SampleProject());

  struct Case {
    int keptLines;  // complete lines left in the file
    int rows;       // picture rows read before the end
  } cases[] = {{0, 0}, {1, 0}, {4, 0}, {20, 0}, {31, 0}, {32, 0}, {34, 1}, {37, 2}, {38, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keptLines);
    const QString path = folder + QStringLiteral("cut%1.alb").arg(c.keptLines);
    WriteFile(path, (lines.mid(0, c.keptLines).join("\r\n") + (c.keptLines ? "\r\n" : "")).toUtf8());
    ProjectData d;
    d.attributes = ResetPageAttributes();
    albryn::ui::ScriptedDialogServices dialogs;
    dialogs.queueFile(path);
    LoadProject(d, dialogs, {});
    EXPECT_EQ(dialogs.messages(),
              QList<Message>{Warning("Error Loading Albryn File!\r\n62\r\nInput past end of file")});
    EXPECT_EQ(d.attributes.title, c.keptLines >= 1 ? "Summer in Zürich" : "");
    EXPECT_EQ(d.paths.size(), c.rows);
    EXPECT_EQ(d.displayNames.size(), c.rows);
  }

  // A number line that is not a number: the values before it stay.
  QStringList broken = lines;
  broken[4] = "maybe";
  WriteFile(folder + "bool.alb", broken.join("\r\n").toUtf8());
  ProjectData d;
  const LoadResult result = ReadProjectFile(folder + "bool.alb", d);
  EXPECT_EQ(result.outcome, LoadOutcome::Failed);
  EXPECT_EQ(result.failure, (WriteFailure{13, "Type mismatch"}));
  EXPECT_EQ(d.attributes.display.backgroundText, "/pics/sky.jpg");
}

TEST(webgen_Project, GarbageNeverCrashes) {
  const QString folder = NewFolder();
  const QByteArray good = ProjectLines(SampleProject()).join("\r\n").toUtf8();
  QRandomGenerator random(7);
  for (int i = 0; i < 300; ++i) {
    QByteArray bytes = good.left(random.bounded(good.size() + 1));
    for (int flips = random.bounded(6); flips > 0 && !bytes.isEmpty(); --flips)
      bytes[random.bounded(bytes.size())] = char(random.bounded(256));
    if (i % 10 == 0) {
      bytes.resize(random.bounded(2000));
      for (char& b : bytes) b = char(random.bounded(256));
    }
    WriteFile(folder + "g.alb", bytes);
    ProjectData d;
    const LoadResult result = ReadProjectFile(folder + "g.alb", d);
    EXPECT_EQ(d.paths.size(), d.displayNames.size());
    EXPECT_TRUE(result.outcome != LoadOutcome::Failed || result.failure.number != 0);
  }
}

TEST(webgen_Project, SaveAsksBeforeReplacingTheFileReallyWritten) {
  const QString folder = NewFolder();
  WriteFile(folder + "album.alb", "the old project");
  ProjectData d = SampleProject();
  albryn::ui::ScriptedDialogServices dialogs;
  dialogs.queueFile(folder + "album");  // written as album.alb, which exists
  dialogs.queueAnswer(albryn::ui::Answer::No);
  dialogs.queueFile(std::nullopt);  // the dialog opens again; then Cancel
  EXPECT_FALSE(SaveProject(d, dialogs, {}));
  EXPECT_EQ(dialogs.messages(),
            (QList<Message>{{folder + "album.alb already exists.\nDo you want to replace it?", "Save As",
                             MessageIcon::Warning, MessageButtons::YesNo}}));
  EXPECT_EQ(dialogs.fileDialogs().size(), 2);
  EXPECT_EQ(ReadBytes(folder + "album.alb"), "the old project");
  EXPECT_EQ(d, SampleProject());  // the "alb" entry is kept too

  dialogs.clearRecords();
  dialogs.queueFile(folder + "album");
  dialogs.queueAnswer(albryn::ui::Answer::Yes);
  EXPECT_TRUE(SaveProject(d, dialogs, {}));
  EXPECT_EQ(ReadBytes(folder + "album.alb"), ProjectLines(d).join("\r\n").toUtf8() + "\r\n");
  EXPECT_EQ(d.pathEntries[1], folder + "album");
  EXPECT_TRUE(dialogs.unexpected().isEmpty());
}

TEST(webgen_Project, SaveMessages) {
  ProjectData d = SampleProject();
  albryn::ui::ScriptedDialogServices dialogs;
  dialogs.queueFile(std::nullopt);  // Cancel: nothing happens
  EXPECT_FALSE(SaveProject(d, dialogs, {}));
  EXPECT_TRUE(dialogs.messages().isEmpty());

  dialogs.queueFile("  ");
  EXPECT_FALSE(SaveProject(d, dialogs, {}));
  dialogs.queueFile(NewFolder() + "missing/album.alb");
  EXPECT_FALSE(SaveProject(d, dialogs, {}));
  EXPECT_EQ(dialogs.messages(),
            (QList<Message>{Warning("Save Albryn File Cancelled!"),
                            Warning("Error Saving Albryn File!\r\n76\r\nPath not found")}));
}
