#include <gtest/gtest.h>

#include "image_records.h"
#include "page_styles.h"

using namespace albryn::webgen;

TEST(webgen_Records, FieldsFromThePathAndName) {
  struct Case {
    QString path;
    bool autoSpace;
    QString folder, base, extension, web;
  } cases[] = {
      {"/Pics/Beach Day.jpg", true, "/Pics/", "Beach Day", ".jpg", "Beach_Day"},
      {"/Pics/Beach Day.jpg", false, "/Pics/", "Beach Day", ".jpg", "Beach Day"},
      {"/Pics/Fun (1)!.JPG", true, "/Pics/", "Fun (1)!", ".JPG", "Fun_1"},
      {"/a/photo.jpeg", true, "/a/", "photo.", "jpeg", "photo."},
      {"/a/x.gif", true, "/a/", "x", ".gif", "x"},
      // Names shorter than four characters: empty base, the whole name is the extension.
      {"/a/b.j", true, "/a/", "", "b.j", ""},
      {"/a/", true, "/a/", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const auto records = BuildImageRecords({c.path}, {"Name"}, c.autoSpace);
    ASSERT_EQ(records.size(), 1u);
    const ImageRecord& r = records[0];
    EXPECT_EQ(r.displayName, "Name");
    EXPECT_EQ(r.folder, c.folder);
    EXPECT_EQ(r.baseName, c.base);
    EXPECT_EQ(r.extension, c.extension);
    EXPECT_EQ(r.webBase, c.web);
    EXPECT_EQ(r.thumbnailBase, r.baseName);
    EXPECT_FALSE(r.hasThumbnail());
    EXPECT_EQ(r.sourcePath(), c.path);
    EXPECT_EQ(r.thumbnailWidth, 100);
    EXPECT_EQ(r.thumbnailHeight, 75);
  }
}

TEST(webgen_Records, RowsInListOrder) {
  const auto records = BuildImageRecords({"/p/a.jpg", "/q/b.gif"}, {"A", "B"}, true);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].displayName, "A");
  EXPECT_EQ(records[1].folder, "/q/");
}

TEST(webgen_Styles, WordsAndFlags) {
  const StyleFlags before{false, true, false};  // as the generate command leaves them
  struct Case {
    PageStyle style;
    const char* word;
    StyleFlags flags;
  } cases[] = {
      {PageStyle::Frame, "frame", {true, false, false}},
      {PageStyle::LinkThumb, "linkthumb", {true, true, false}},
      {PageStyle::FrameThumb, "framethumb", {true, false, true}},
      {PageStyle::Thumb, "thumb", {false, false, true}},
      {PageStyle::UDScroll, "udscroll", before},
      {PageStyle::LRScroll, "lrscroll", before},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StyleWord(c.style), c.word);
    EXPECT_EQ(StyleFromWord(c.word), c.style);
    EXPECT_EQ(FlagsForStyle(c.style, before), c.flags) << c.word;
  }
  EXPECT_EQ(StyleFromWord("cancel"), std::nullopt);
}
