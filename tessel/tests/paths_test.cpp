// Paths and file names: FileFromPath, PathFromFPath, FilePath and FileExt, called by
// dispatch id.
#include "tessel_client.h"

namespace tessel::testing {
namespace {

using TesselPaths = TesselTest;

TEST_F(TesselPaths, FileFromPathAndPathFromFPath) {
  struct Case {
    const char16_t* full;
    Variant sep;
    const char16_t* file;
    const char16_t* path;
  };
  const Case cases[] = {
      {u"/pub/img/a.jpg", str(u"/"), u"a.jpg", u"/pub/img/"},
      {u"C:\\dir\\f.txt", Variant::missing(), u"f.txt", u"C:\\dir\\"},
      {u"f.txt", Variant::missing(), u"f.txt", u""},
      {u"dir/", str(u"/"), u"", u"dir/"},
      {u"a/b:c", str(u":/"), u"c", u"a/b:"},  // the first character only
      {u"a/b", str(u""), u"a/b", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.full));
    EXPECT_EQ(callString(DISPID_FileFromPath, {str(c.full), c.sep}), c.file);
    EXPECT_EQ(callString(DISPID_PathFromFPath, {str(c.full), c.sep}), c.path);
  }
  tessel.put(DISPID_Separators, str(u"/"));
  EXPECT_EQ(callString(DISPID_FileFromPath, {str(u"x/y\\z")}), u"y\\z");
}

TEST_F(TesselPaths, FilePathByWhichPartsAreEmpty) {
  struct Case {
    const char* what;
    WString full, file, path;
    Variant sep;
    bool result;
    WString fullAfter, fileAfter, pathAfter;
  };
  const WString null = WString::null();
  const Case cases[] = {
      {"split", u"C:\\dir\\f.txt", u"", u"", Variant::missing(), true, u"C:\\dir\\f.txt", u"f.txt", u"C:\\dir\\"},
      {"split without folder", u"f.txt", null, null, Variant::missing(), true, u"f.txt", u"f.txt", u""},
      {"join", u"", u"a.txt", u"host/pub", str(u"/"), true, u"host/pub/a.txt", u"a.txt", u"host/pub"},
      {"join, folder ends in it", u"", u"a.txt", u"host/pub/", str(u"/"), true, u"host/pub/a.txt", u"a.txt",
       u"host/pub/"},
      {"join, file starts with it", null, u"/a.txt", u"host", str(u"/"), true, u"host/a.txt", u"/a.txt", u"host"},
      {"join, trims", u"  ", u"  a.txt", u"pub  ", str(u"/"), true, u"pub/a.txt", u"  a.txt", u"pub  "},
      {"join, long separator", u"", u"a", u"p::", str(u"::"), true, u"p::::a", u"a", u"p::"},
      {"check, equal", u"p/a", u"a", u"p", str(u"/"), true, u"p/a", u"a", u"p"},
      {"check, case differs", u"p/A", u"a", u"p", str(u"/"), false, u"p/A", u"a", u"p"},
      {"path from file", u"p/q/a", u"a", u"", str(u"/"), true, u"p/q/a", u"a", u"p/q/"},
      {"path from another file", u"p/q/a", u"b", u"", str(u"/"), false, u"p/q/a", u"b", u""},
      {"only a path", u"p/q/a", u"", u"p/q", str(u"/"), false, u"p/q/a", u"", u"p/q"},
      {"nothing to join", u"", u"a", u"", str(u"/"), false, u"", u"a", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WString full = c.full, file = c.file, path = c.path;
    EXPECT_EQ(callBool(DISPID_FilePath, {Variant::refString(&full), Variant::refString(&file),
                                         Variant::refString(&path), c.sep}),
              c.result);
    EXPECT_EQ(full, c.fullAfter);
    EXPECT_EQ(file, c.fileAfter);
    EXPECT_EQ(path, c.pathAfter);
  }
  WString full, file(u"a"), path;
  expectError(errorOf(DISPID_FilePath, {Variant::refString(&full), Variant::refString(&file), Variant::refString(&path)}),
              2009, u"The input argument must not be an empty string.");
}

TEST_F(TesselPaths, FileExtByWhichPartsAreEmpty) {
  struct Case {
    const char* what;
    WString full, file, ext;
    bool result;
    WString fullAfter, fileAfter, extAfter;
  };
  const WString null = WString::null();
  const Case cases[] = {
      {"split", u"archive.tar.gz", u"", u"", true, u"archive.tar.gz", u"archive.tar", u"gz"},
      {"split without dot", u"README", u"", null, true, u"README", u"README", null},
      {"split VMS name", u"FILE.TXT;1", u"", u"", true, u"FILE.TXT;1", u"FILE", u"TXT;1"},
      {"split trailing dot", u"a.", u"", u"", true, u"a.", u"a", u""},
      {"extension from file", u"a.b.c", u"a.b", u"", true, u"a.b.c", u"a.b", u"c"},
      {"extension from another file", u"a.b.c", u"a", u"", false, u"a.b.c", u"a", u""},
      {"no dot, same name", u"abc", u"abc", u"", true, u"abc", u"abc", u""},
      {"no dot, other name", u"abc", u"abd", u"", false, u"abc", u"abd", u""},
      {"file from extension", u"a.b.c", u"", u"c", true, u"a.b.c", u"a.b", u"c"},
      {"file from another extension", u"a.b.c", u"", u"b", false, u"a.b.c", u"", u"b"},
      {"file from extension, no dot", u"abc", u"", u"abc", false, u"abc", u"", u"abc"},
      {"join", u"", u"a", u"txt", true, u"a.txt", u"a", u"txt"},
      {"join, extension with dot", null, u"a", u".txt", true, u"a.txt", u"a", u".txt"},
      {"join, file ending in dot", u"", u"a.", u"txt", true, u"a.txt", u"a.", u"txt"},
      {"check, equal", u"a.txt", u"a", u"txt", true, u"a.txt", u"a", u"txt"},
      {"check, case differs", u"a.TXT", u"a", u"txt", false, u"a.TXT", u"a", u"txt"},
      {"nothing to join", u"", u"a", u"", false, u"", u"a", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WString full = c.full, file = c.file, ext = c.ext;
    EXPECT_EQ(callBool(DISPID_FileExt, {Variant::refString(&full), Variant::refString(&file), Variant::refString(&ext)}),
              c.result);
    EXPECT_EQ(full, c.fullAfter);
    EXPECT_EQ(file, c.fileAfter);
    EXPECT_EQ(ext, c.extAfter);
  }
  WString full, file, ext(u"txt");
  expectError(errorOf(DISPID_FileExt, {Variant::refString(&full), Variant::refString(&file), Variant::refString(&ext)}),
              2009, u"The input argument must not be an empty string.");
}

}  // namespace
}  // namespace tessel::testing
