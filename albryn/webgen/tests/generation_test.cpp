#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "generation.h"
#include "golden.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"

using namespace albryn::webgen;
using albryn::webgen::testing::NewFolder;
using albryn::ui::Message;
using albryn::ui::MessageButtons;
using albryn::ui::MessageIcon;
using albryn::webgen::testing::ReadBytes;

namespace {

const QString kCaption = "Albryn Web Page Generator";

QString Resize(const QString& source, const QString& destination, double, qint32, qint32) {
  if (!QFile::exists(source)) return "Error: 2";
  return QFile::copy(source, destination) ? QString() : "Error: 1";
}

struct Fixture {
  albryn::ui::ScriptedDialogServices dialogs;
  QString pictures = NewFolder();
  AlbumInput input;
  GenerationState state;
  QString genhtml;

  Fixture() {
    input.attributes = InitialPageAttributes();
    for (const char* name : {"Beach Day.jpg", "logo.gif"}) {
      QFile f(pictures + name);
      f.open(QIODevice::WriteOnly);
      f.write(name);
      input.paths << pictures + name;
      input.displayNames << name;
    }
    input.options = {true, false, true};
  }

  bool Generate(PageStyle style) {
    return GenerateAlbum(style, input, state, genhtml, {dialogs, Resize, {}});
  }
};

Message Info(const QString& text) {
  return {text, kCaption, MessageIcon::Information, MessageButtons::Ok};
}
Message Plain(const QString& text) { return {text, kCaption, MessageIcon::None, MessageButtons::Ok}; }
Message Warning(const QString& text) {
  return {text, kCaption, MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace

TEST(webgen_Generation, EmptyListIsReportedBeforeAnyDialog) {
  Fixture f;
  f.input.paths.clear();
  f.input.displayNames.clear();
  EXPECT_FALSE(f.Generate(PageStyle::Thumb));
  EXPECT_EQ(f.dialogs.messages(),
            QList<Message>{Plain("No Images in list, cannot Generate Albryn Web Page")});
  EXPECT_TRUE(f.dialogs.fileDialogs().isEmpty());
}

TEST(webgen_Generation, CancelledSaveWritesNothingAndSaysNothing) {
  Fixture f;
  f.dialogs.queueFile(std::nullopt);
  EXPECT_FALSE(f.Generate(PageStyle::Frame));
  EXPECT_TRUE(f.dialogs.messages().isEmpty());
  EXPECT_TRUE(f.genhtml.isEmpty());
}

TEST(webgen_Generation, ThumbStyleEndToEnd) {
  Fixture f;
  const QString out = NewFolder();
  f.genhtml = out + "previous.html";
  f.dialogs.queueFile(out + "album");
  ASSERT_TRUE(f.Generate(PageStyle::Thumb));
  const auto& dialog = f.dialogs.fileDialogs().at(0);
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.request.filter, "HTML (*.html)|*.html|HTM (*.htm)|*.htm|All (*.*)|*.*");
  EXPECT_EQ(dialog.request.defaultExtension, "HTML");
  EXPECT_EQ(dialog.request.initialName, out + "previous.html");
  EXPECT_TRUE(dialog.request.confirmOverwrite);
  EXPECT_EQ(f.dialogs.messages(), QList<Message>{Info("Creation of Albryn Web Page Completed!")});

  EXPECT_EQ(f.state.outputFolder, out);
  EXPECT_EQ(f.state.outputBaseName, "album");
  EXPECT_EQ(f.genhtml, out + "album.html");
  EXPECT_EQ(f.state.flags, (StyleFlags{false, false, true}));
  ASSERT_EQ(f.state.records.size(), 2u);
  EXPECT_EQ(f.state.records[0].thumbnailBase, "thumbBeach_Day");
  EXPECT_FALSE(f.state.records[1].hasThumbnail());
  EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name),
            QStringList({"album.html", "thumbBeach_Day.jpg"}));
  EXPECT_TRUE(ReadBytes(out + "album.html").contains("<IMG SRC='thumbBeach_Day.jpg'"));
  // The thumbnails were made under the hourglass, and the pointer is back.
  EXPECT_EQ(f.dialogs.busyKinds(), QList<albryn::ui::BusyKind>{albryn::ui::BusyKind::Hourglass});
  EXPECT_EQ(f.dialogs.busyDepth(), 0);
}

TEST(webgen_Generation, ChosenNamesAndTheIndexPage) {
  struct Case {
    QString typed, base, genhtmlName;
    QStringList pages;
  } cases[] = {
      {"album.html", "album", "album.html", {"album.html", "albumLink.html", "albumMain.html"}},
      {"my.album.txt", "my.album.txt", "my.album.txt.html",
       {"my.album.txt.html", "my.album.txtLink.html", "my.album.txtMain.html"}},
      // A name chosen with ".htm": the pages are written and recorded with ".html".
      {"site.htm", "site", "site.html", {"site.html", "siteLink.html", "siteMain.html"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Fixture f;
    const QString out = NewFolder();
    f.dialogs.queueFile(out + c.typed);
    ASSERT_TRUE(f.Generate(PageStyle::Frame));
    EXPECT_EQ(f.state.outputBaseName, c.base);
    EXPECT_EQ(f.genhtml, out + c.genhtmlName);
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name), c.pages);
  }
}

TEST(webgen_Generation, UnwritableOutputFolder) {
  struct Case {
    PageStyle style;
    QList<Message> messages;
  } cases[] = {
      {PageStyle::Thumb,
       {Plain("Error Generating Thumbnails: 76 - Path not found"),
        Warning("Error Generating Albryn Web Page!\r\n76\r\nPath not found")}},
      {PageStyle::UDScroll, {Warning("Error Generating Albryn Web Page!\r\n76\r\nPath not found")}},
      {PageStyle::LinkThumb, {Warning("Error Generating Albryn Web Page!\r\n76\r\nPath not found")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(StyleWord(c.style).toStdString());
    Fixture f;
    const QString missing = NewFolder() + "gone/";
    f.dialogs.queueFile(missing + "album.html");
    EXPECT_FALSE(f.Generate(c.style));
    EXPECT_EQ(f.dialogs.messages(), c.messages);
    EXPECT_FALSE(QFile::exists(missing));
  }
}

TEST(webgen_Generation, ScrollStylesKeepTheLinkFlag) {
  Fixture f;
  f.state.flags = {true, true, true};  // as a previous "linkthumb" generation left them
  f.dialogs.queueFile(NewFolder() + "a.html");
  ASSERT_TRUE(f.Generate(PageStyle::LRScroll));
  EXPECT_EQ(f.state.flags, (StyleFlags{false, true, false}));
  EXPECT_FALSE(f.state.records[0].hasThumbnail());  // scroll pages never make thumbnails
}
