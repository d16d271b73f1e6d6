#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "golden.h"
#include "page_writers.h"
#include "sandbox.h"
#include "thumbnails.h"

using namespace albryn::webgen;
using albryn::webgen::testing::NewFolder;
using albryn::webgen::testing::CompareWithGolden;
using albryn::webgen::testing::ReadBytes;

namespace {

// Stands in for the image operation: writes a small file, and fails for sources named "broken".
QString FakeResize(const QString& source, const QString& destination, double, qint32 w, qint32 h) {
  if (source.contains("broken")) return "Error: 7";
  QFile f(destination);
  if (!f.open(QIODevice::WriteOnly)) return "Error: 1";
  f.write(QStringLiteral("%1x%2 of %3").arg(w).arg(h).arg(source).toUtf8());
  return {};
}

struct Scenario {
  const char* name;  // golden folder
  PageStyle style;
  QStringList paths;
  QStringList names;
  bool thumbnails = false;
  bool drivePaths = false;
  bool autoSpace = true;
  std::function<void(PageAttributes&)> adjust = [](PageAttributes&) {};
};

struct Generated {
  QString folder;
  std::vector<ImageRecord> records;
  WriteOutcome outcome;
  QStringList messages;
};

Generated Generate(const Scenario& s, const QString& folder) {
  PageAttributes attributes = InitialPageAttributes();
  attributes.title = "Holiday";
  s.adjust(attributes);
  PageJob job;
  job.title = attributes.title;
  job.outputFolder = folder;
  job.baseName = "album";
  job.tags = BuildFontTags(attributes);
  job.backgrounds = PrepareBackgrounds(attributes, folder, s.autoSpace);
  job.mainBackIsColor = attributes.display.backIsColor;
  job.linkBackIsColor = attributes.link.backIsColor;
  job.linkFontColor = attributes.link.font.colorText;
  job.soundPath = attributes.soundPath;
  job.flags = FlagsForStyle(s.style, {});
  job.thumbnails = s.thumbnails;
  job.drivePaths = s.drivePaths;
  job.autoSpaceReplacement = s.autoSpace;
  Generated g{folder, BuildImageRecords(s.paths, s.names, s.autoSpace), {}, {}};
  const ThumbnailStep thumbs = [&](std::vector<ImageRecord>& records) {
    MakeThumbnails(records, folder, s.autoSpace, FakeResize);
  };
  g.outcome = WriteStylePages(s.style, job, g.records, thumbs,
                              [&](const QString& text) { g.messages << text; });
  return g;
}

QStringList Files(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList kExamplePaths{"/Pics/a 1.jpg", "/Pics/b.jpg"};
const QStringList kExampleNames{"Beach", "Hotel"};
const QStringList kMixedPaths{"/Pics/Beach Day.jpg", "/Pics/Logo (old).gif", "/Other/b.jpg"};
const QStringList kMixedNames{"Beach", "Logo", "Hotel"};

}  // namespace

// Every style, compared byte for byte with its reviewed golden pages; the files made beside
// the pages are listed exactly.
TEST(webgen_Writers, GoldenPagesForEveryStyle) {
  const auto withSound = [](PageAttributes& a) { a.soundPath = "/Music/Night Song (live).mid"; };
  const Scenario scenarios[] = {
      {"frame_example", PageStyle::Frame, kExamplePaths, kExampleNames, true, false, true},
      {"linkthumb_drive_sound", PageStyle::LinkThumb, kMixedPaths, kMixedNames, true, true, true,
       withSound},
      {"framethumb_nothumbs_images", PageStyle::FrameThumb, kMixedPaths, kMixedNames, false, false,
       false,
       [](PageAttributes& a) {
         a.display.font.name.clear();
         a.display.backgroundText = "/Pics/My Sky.jpg";
         a.display.backIsColor = false;
         a.link.backgroundText.clear();
         a.link.backIsColor = false;
         a.link.font.underline = a.link.font.bold = a.link.font.italic = true;
       }},
      {"thumb_web_sound", PageStyle::Thumb,
       {"/Pics/Beach Day.jpg", "/Pics/Logo (old).gif", "/Pics/broken.jpg", "/Other/b.jpg"},
       {"1", "2", "3", "4"}, true, false, true, withSound},
      {"thumb_drive_nothumbs", PageStyle::Thumb, kMixedPaths, kMixedNames, false, true, false},
      {"udscroll_drive", PageStyle::UDScroll, {"/Pics/a.jpg", "/Pics/b b.jpg", "/Other/c.gif"},
       {"A", "B", "C"}, true, true, true},
      {"lrscroll_web_sound", PageStyle::LRScroll, {"/Pics/My Cat.jpg", "/Pics/dog.JPG"},
       {"Cat", "Dog"}, true, false, true, withSound},
  };
  const std::map<std::string, QStringList> expectedFiles = {
      {"frame_example", {"album.html", "albumLink.html", "albumMain.html"}},
      {"linkthumb_drive_sound",
       {"album.html", "albumLink.html", "albumMain.html", "thumbBeach_Day.jpg", "thumbb.jpg"}},
      {"framethumb_nothumbs_images", {"album.html", "albumLink.html", "albumMain.html"}},
      {"thumb_web_sound", {"album.html", "thumbBeach_Day.jpg", "thumbb.jpg"}},
      {"thumb_drive_nothumbs", {"album.html"}},
      {"udscroll_drive", {"album.html"}},
      {"lrscroll_web_sound", {"album.html"}},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    const Generated g = Generate(s, NewFolder());
    EXPECT_EQ(g.outcome, std::nullopt);
    EXPECT_TRUE(g.messages.isEmpty());
    EXPECT_EQ(Files(g.folder), expectedFiles.at(s.name));
    for (const QString& page : Files(g.folder).filter(".html")) {
      const std::string diff = CompareWithGolden(g.folder + page, QString(s.name) + "/" + page,
                                                 {{g.folder, "@OUT@/"}});
      EXPECT_EQ(diff, "");
    }
  }
}

// The worked example: style "frame", web paths, automatic space replacement on.
TEST(webgen_Writers, FrameExampleLines) {
  const Generated g =
      Generate({"", PageStyle::Frame, kExamplePaths, kExampleNames, false, false, true},
               NewFolder());
  const QList<QByteArray> index = ReadBytes(g.folder + "album.html").split('\n');
  EXPECT_EQ(index[5], "<FRAME SCROLLING='AUTO' SRC='albumLink.html' NAME='linkframe'>\r");
  const QByteArray link = ReadBytes(g.folder + "albumLink.html");
  EXPECT_TRUE(link.contains(
      "\r\n<BODY BGCOLOR = '80FFFF' LINK =0000FF VLINK =0000FF bgproperties='fixed'>\r\n"));
  EXPECT_TRUE(link.contains(
      "\r\n<A HREF='a_1.jpg' TARGET='mainframe'>Beach</A><BR>\r\n"
      "<A HREF='b.jpg' TARGET='mainframe'>Hotel</A><BR>\r\n"));
  EXPECT_FALSE(link.contains("<embed"));
  const QByteArray main = ReadBytes(g.folder + "albumMain.html");
  EXPECT_TRUE(main.contains("\r\n<BODY BGCOLOR = '0080FF' bgproperties='fixed'>\r\n"));
  EXPECT_FALSE(main.contains("<IMG"));
  EXPECT_TRUE(main.endsWith("</HTML>\r\n"));
}

TEST(webgen_Writers, RecordsKeepTheThumbnailsMade) {
  const Generated g = Generate({"", PageStyle::LinkThumb, kMixedPaths, kMixedNames, true, false,
                                false},
                               NewFolder());
  ASSERT_EQ(g.records.size(), 3u);
  EXPECT_EQ(g.records[0].thumbnailBase, "thumbBeach Day");  // no replacement: the space stays
  EXPECT_FALSE(g.records[1].hasThumbnail());                // GIFs never get one
  EXPECT_EQ(g.records[2].thumbnailBase, "thumbb");
  EXPECT_TRUE(QFile::exists(g.folder + "thumbBeach Day.jpg"));
}

TEST(webgen_Writers, NonAsciiTextGetsAByteOrderMark) {
  const Generated g = Generate({"", PageStyle::UDScroll, {"/Bilder/Grüße.jpg"}, {"x"}, false,
                                false, true,
                                [](PageAttributes& a) { a.title = "Été à Zürich"; }},
                               NewFolder());
  const QByteArray page = ReadBytes(g.folder + "album.html");
  EXPECT_TRUE(page.startsWith("\xEF\xBB\xBF<HTML>\r\n"));
  EXPECT_TRUE(page.contains(QString("<TITLE>Été à Zürich</TITLE>").toUtf8()));
  EXPECT_TRUE(page.contains(QString("<IMG SRC='Grüße.jpg' border=0><BR><HR>").toUtf8()));
}

TEST(webgen_Writers, FailuresAreReportedAndEarlierPagesStay) {
  struct Case {
    PageStyle style;
    bool missingFolder;
    int number;
    QStringList messages;
  } cases[] = {
      {PageStyle::Thumb, true, 76, {"Error Generating Thumbnails: 76 - Path not found"}},
      {PageStyle::Thumb, false, 75, {"Error Generating Thumbnails: 75 - Path/File access error"}},
      {PageStyle::UDScroll, true, 76, {}},
      {PageStyle::LRScroll, false, 75, {}},
      {PageStyle::Frame, true, 76, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(StyleWord(c.style).toStdString());
    QString folder = NewFolder();
    if (c.missingFolder) {
      folder += "missing/";
    } else {
      QDir(folder).mkdir("album.html");  // the page path is taken by a folder
    }
    const Generated g = Generate({"", c.style, kExamplePaths, kExampleNames}, folder);
    ASSERT_TRUE(g.outcome.has_value());
    EXPECT_EQ(g.outcome->number, c.number);
    EXPECT_EQ(g.messages, c.messages);
  }

  // The display page cannot be written: the index page stays, the link page is not started.
  const QString folder = NewFolder();
  QDir(folder).mkdir("albumMain.html");
  const Generated g = Generate({"", PageStyle::Frame, kExamplePaths, kExampleNames}, folder);
  ASSERT_TRUE(g.outcome.has_value());
  EXPECT_EQ(g.outcome->number, 75);
  EXPECT_EQ(Files(folder), QStringList({"album.html", "albumMain.html"}));
  EXPECT_TRUE(ReadBytes(folder + "album.html").startsWith("<HTML>\r\n"));
}
