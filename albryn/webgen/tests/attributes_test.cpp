#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "backgrounds.h"
#include "font_tags.h"
#include "golden.h"
#include "page_attributes.h"
#include "sandbox.h"

using namespace albryn::webgen;
using albryn::webgen::testing::NewFolder;
using albryn::webgen::testing::WriteFile;

TEST(webgen_Colors, ConvertBothWays) {
  struct Case {
    int r, g, b;
    const char* text;
  } cases[] = {{0, 0, 255, "0000FF"}, {255, 0, 0, "FF0000"}, {15, 15, 15, "0F0F0F"},
               {0, 0, 0, "000000"},   {0, 128, 255, "0080FF"}, {128, 255, 255, "80FFFF"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToText(RgbColor(c.r, c.g, c.b)), c.text);
    EXPECT_EQ(TextToColor(c.text), RgbColor(c.r, c.g, c.b)) << c.text;
  }
  EXPECT_EQ(TextToColor("0"), 0u);           // the initial display font colour gives black
  EXPECT_EQ(TextToColor(""), 0u);
  EXPECT_EQ(TextToColor("ff"), RgbColor(255, 0, 0));
  EXPECT_EQ(TextToColor("0080zz"), 0u);       // reading stops at the first non-digit ("zz...")
  EXPECT_EQ(TextToColor("zz80FF"), 0xFF80u);  // "FF" "80" then "zz": stops there
}

TEST(webgen_Attributes, InitialAndResetValues) {
  const PageAttributes initial = InitialPageAttributes();
  EXPECT_EQ(initial.title, "Created with Albryn Web Page Generator");
  EXPECT_EQ(initial.display.backgroundText, "0080FF");
  EXPECT_EQ(initial.display.backgroundSwatch, RgbColor(0, 128, 255));
  EXPECT_EQ(initial.link.backgroundText, "80FFFF");
  EXPECT_EQ(initial.link.backgroundSwatch, RgbColor(128, 255, 255));
  EXPECT_EQ(initial.link.font.colorText, "0000FF");
  EXPECT_EQ(initial.link.font.color, RgbColor(0, 0, 255));
  EXPECT_TRUE(initial.display.backIsColor && initial.link.backIsColor);
  PageAttributes reset = ResetPageAttributes();
  EXPECT_TRUE(reset.title.isEmpty());
  reset.title = initial.title;
  EXPECT_EQ(reset, initial);
}

TEST(webgen_FontTags, InitialAttributes) {
  const FontTags tags = BuildFontTags(InitialPageAttributes());
  EXPECT_EQ(tags.backFontOpen, "<FONT FACE=Arial>  <FONT SIZE=6>  <FONT COLOR=0> ");
  EXPECT_EQ(tags.backFontClose, "</FONT>");
  EXPECT_EQ(tags.backStyleOpen, "<B><I>");
  EXPECT_EQ(tags.backStyleClose, "</B></I>");
  EXPECT_EQ(tags.linkFontOpen, "<FONT FACE=Arial>  <FONT SIZE=3> ");
  EXPECT_EQ(tags.linkFontClose, "</FONT>");
  EXPECT_EQ(tags.linkStyleOpen, "");
  EXPECT_EQ(tags.linkStyleClose, "");
}

TEST(webgen_FontTags, EffectsEmptyNameAndEmptySize) {
  PageAttributes a = InitialPageAttributes();
  a.link.font.underline = a.link.font.bold = a.link.font.italic = true;
  a.display.font.name.clear();
  a.display.font.underline = true;
  a.display.font.bold = false;
  a.link.font.size.clear();
  const FontTags tags = BuildFontTags(a);
  EXPECT_EQ(tags.linkStyleOpen, "<U><B><I>");
  EXPECT_EQ(tags.linkStyleClose, "</U></B></I>");
  EXPECT_EQ(tags.linkFontOpen, "<FONT FACE=Arial> ");
  EXPECT_EQ(tags.backFontOpen, " <FONT SIZE=6>  <FONT COLOR=0> ");
  EXPECT_EQ(tags.backFontClose, "");
  EXPECT_EQ(tags.backStyleOpen, "<U><I>");
  EXPECT_EQ(tags.backStyleClose, "</U></I>");
}

TEST(webgen_Backgrounds, ImagesColoursAndSound) {
  const QString pics = NewFolder();
  const QString out = NewFolder();
  WriteFile(pics + "My Sky.jpg", "sky");
  WriteFile(pics + "Side (1).gif", "side");
  WriteFile(pics + "Tune 1.mid", "midi");
  for (const bool autoSpace : {true, false}) {
    SCOPED_TRACE(autoSpace);
    PageAttributes a = InitialPageAttributes();
    a.display.backgroundText = "  " + pics + "My Sky.jpg ";
    a.display.backIsColor = false;
    a.link.backgroundText = pics + "Side (1).gif";
    a.soundPath = pics + "Tune 1.mid";
    const BackgroundValues v = PrepareBackgrounds(a, out, autoSpace);
    const QString sky = autoSpace ? "My_Sky.jpg" : "My Sky.jpg";
    const QString side = autoSpace ? "Side_1.gif" : "Side (1).gif";
    EXPECT_EQ(v.mainBackValue, sky);
    EXPECT_EQ(v.linkBackValue, side);
    EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + sky), "sky");
    EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + side), "side");
    EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + (autoSpace ? "Tune_1.mid" : "Tune 1.mid")),
              "midi");
  }
  // Colour texts and cleared backgrounds are named as they are; nothing is copied.
  PageAttributes a = InitialPageAttributes();
  a.link.backgroundText = " ";
  const BackgroundValues v = PrepareBackgrounds(a, out, true);
  EXPECT_EQ(v.mainBackValue, "0080FF");
  EXPECT_EQ(v.linkBackValue, "");
}

TEST(webgen_Backgrounds, MissingFilesAreNamedAndOwnFilesSurvive) {
  const QString out = NewFolder();
  PageAttributes a = InitialPageAttributes();
  a.display.backgroundText = out + "gone.jpg";
  a.soundPath = out + "gone.mid";
  EXPECT_EQ(PrepareBackgrounds(a, out, true).mainBackValue, "gone.jpg");
  EXPECT_TRUE(QDir(out).isEmpty());

  // A background that already lies in the output folder under its web name is left intact.
  WriteFile(out + "sky.jpg", "picture");
  a.display.backgroundText = out + "sky.jpg";
  EXPECT_EQ(PrepareBackgrounds(a, out, true).mainBackValue, "sky.jpg");
  EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + "sky.jpg"), "picture");
  EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 1);

  // An existing copy is replaced by the new picture.
  const QString pics = NewFolder();
  WriteFile(pics + "sky.jpg", "newer");
  a.display.backgroundText = pics + "sky.jpg";
  PrepareBackgrounds(a, out, true);
  EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + "sky.jpg"), "newer");
}
