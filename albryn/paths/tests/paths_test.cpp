#include <gtest/gtest.h>

#include "paths.h"

using namespace albryn;

TEST(Paths, SplitsAtTheLastSlash) {
  struct Case {
    QString path, folder, name, base;
  } cases[] = {
      {"/home/ann/pics/beach.jpg", "/home/ann/pics/", "beach.jpg", "beach"},
      {"/beach.tar.gz", "/", "beach.tar.gz", "beach.tar"},
      {"/home/ann/pics/", "/home/ann/pics/", "", ""},
      {"/home/ann/.hidden", "/home/ann/", ".hidden", ""},
      {"/home/ann/noext", "/home/ann/", "noext", "noext"},
      {"beach.jpg", "", "", ""},  // no separator: no folder and no name
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path.toStdString();
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path.toStdString();
    EXPECT_EQ(BaseNameOf(c.path), c.base) << c.path.toStdString();
  }
}

TEST(Paths, JoinsWithOneSeparator) {
  EXPECT_EQ(JoinFolder("/home/ann", "a.jpg"), "/home/ann/a.jpg");
  EXPECT_EQ(JoinFolder("/", "a.jpg"), "/a.jpg");
  EXPECT_EQ(JoinFolder("/home/ann/", "a.jpg"), "/home/ann/a.jpg");
}

TEST(Paths, WebNames) {
  EXPECT_EQ(MakeWebName("My Pic (1)!.jpg", true), "My_Pic_1.jpg");
  EXPECT_EQ(MakeWebName("Ann's \"best\", 2.jpg", true), "Anns_best__2.jpg");
  EXPECT_EQ(MakeWebName("My Pic (1)!.jpg", false), "My Pic (1)!.jpg");
  EXPECT_EQ(MakeWebName("été à.JPG", true), "été_à.JPG");  // other characters are untouched
}
