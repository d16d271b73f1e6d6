// The listing parser through the program's door: CKestrel and CPlover created by class id, host
// name, type and path set, ParseDirList by dispatch, folders and files read back.
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <utility>

#include "host_rules.h"
#include "plover_fixture.h"

using namespace plover_test;

namespace {

constexpr std::int32_t kUnix = 3, kVms = 11, kDos = 17;

std::u16string thisYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  const std::string y = std::to_string(local.tm_year + 1900);
  return std::u16string(y.begin(), y.end());
}

std::int16_t bits(const std::u16string& perms) { return kestrel::permissionBits(perms).perms; }

// The reply of LIST from a real server here on loopback (see capture_listing.py).
std::u16string capture(const std::string& server) {
  const std::string command = "timeout 60 /usr/bin/python3 '" CAPTURE_SCRIPT "' " + server;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string bytes;
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) bytes.append(buffer, n);
  return WString::fromUtf8(bytes).str();
}

}  // namespace

TEST_F(PloverTest, UnixLines) {
  struct Case {
    std::u16string line;
    Entry expected;
    std::u16string perms;
  } cases[] = {
      {u"drwxr-xr-x   2 ftp      ftp          512 Mar  5 10:15 pub",
       {u"hostú/pub/pub", u"pub", u"03/05/" + thisYear(), u"10:15", u"", u"ftp", u"ftp", u"", 512, 2, acIsFolder},
       u"rwxdrwxrr-xrr-xr"},
      {u"-rw-r--r-- 1 a b 10 Jan 1 1999 x", {u"hostú/pub/x", u"x", u"01/01/1999", u"", u"", u"a", u"b", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      {u"-rw-r--r-- 1 a b 10 Jan 1 1999 10:15 x", {u"hostú/pub/x", u"x", u"01/01/1999", u"10:15", u"", u"a", u"b", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      {u"lrwxrwxrwx 1 a b 7 Jan 1 10:15 bin -> usr/bin",
       {u"hostú/pub/bin -> usr/bin", u"bin -> usr/bin", u"01/01/" + thisYear(), u"10:15", u"", u"a", u"b", u"", 7, 1, acIsLink}, u"rwxdrwxrrwxrrwxr"},
      {u"-rw-r--r-- 1 a b 10 Jan 1 10:15 .profile", {u"hostú/pub/.profile", u".profile", u"01/01/" + thisYear(), u"10:15", u"", u"a", u"b", u"", 10, 1, acIsFile | acIsSystem}, u"rwxdrw-rr--rr--r"},
      {u"crw-rw-rw- 1 root sys 4, 64 Jan 1 10:15 tty", {u"hostú/pub/tty", u"tty", u"01/01/" + thisYear(), u"10:15", u"", u"root", u"sys", u"", 4, 1, acIsSystem}, u"rwxdrw-rrw-rrw-r"},
      // Pattern characters and runs of spaces stay in the name.
      {u"-rw-r--r-- 1 a b 10 Feb 28 10:15 my  (1) [x]+*.tar.gz", {u"hostú/pub/my  (1) [x]+*.tar.gz", u"my  (1) [x]+*.tar.gz", u"02/28/" + thisYear(), u"10:15", u"gz", u"a", u"b", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      // A name with a colon after the year is the name, not a time.
      {u"-rw-r--r-- 1 a b 10 Dec 31 1999 a:b", {u"hostú/pub/a:b", u"a:b", u"12/31/1999", u"", u"", u"a", u"b", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      // Groups with spaces: the columns before the size replace the group.
      {u"-rw-r--r-- 1 a domain users 10 Jul 4 2001 fête.jpg", {u"hostú/pub/fête.jpg", u"fête.jpg", u"07/04/2001", u"", u"jpg", u"a", u"users", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      // Names beyond Latin-1, an emoji (a surrogate pair) included, come back unchanged.
      {u"-rw-r--r-- 1 a b 10 Jul 4 2001 写真 \U0001F600.png", {u"hostú/pub/写真 \U0001F600.png", u"写真 \U0001F600.png", u"07/04/2001", u"", u"png", u"a", u"b", u"", 10, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
      // Sizes beyond 32 bits are stored as the largest 32-bit size.
      {u"-rw-r--r-- 1 a b 5368709120 Jan 1 2020 big.iso", {u"hostú/pub/big.iso", u"big.iso", u"01/01/2020", u"", u"iso", u"a", u"b", u"", 2147483647, 1, acIsFile}, u"rwxdrw-rr--rr--r"},
  };
  for (const auto& c : cases) {
    parse(kUnix, c.line);
    const auto got = files();
    ASSERT_EQ(got.size(), 1u) << utf8(c.line);
    const Entry& e = got[0];
    const Entry& x = c.expected;
    EXPECT_EQ(e.key, x.key) << utf8(c.line);
    EXPECT_EQ(e.name, x.name) << utf8(c.line);
    EXPECT_EQ(e.sDate, x.sDate) << utf8(c.line);
    EXPECT_EQ(e.sTime, x.sTime) << utf8(c.line);
    EXPECT_EQ(e.ext, x.ext) << utf8(c.line);
    EXPECT_EQ(e.owner, x.owner) << utf8(c.line);
    EXPECT_EQ(e.group, x.group) << utf8(c.line);
    EXPECT_EQ(e.size, x.size) << utf8(c.line);
    EXPECT_EQ(e.nLinks, x.nLinks) << utf8(c.line);
    EXPECT_EQ(e.attrib, x.attrib) << utf8(c.line);
    EXPECT_EQ(e.perms, bits(c.perms)) << utf8(c.line);
  }
  EXPECT_EQ(sink->completions, std::vector<bool>(std::size(cases), true));
}

TEST_F(PloverTest, TotalLineDotEntriesAndLineEnds) {
  const std::u16string lines[] = {u"total 2", u"drwxr-xr-x 2 a b 512 Jan 1 10:15 .", u"drwxr-xr-x 2 a b 512 Jan 1 10:15 ..",
                                  u"-rw-r--r-- 1 a b 10 Jan 1 10:15 one", u"", u"-rw-r--r-- 1 a b 20 Jan 1 10:15 two"};
  for (const std::u16string end : {u"\r\n", u"\n", u"\r"}) {
    std::u16string text;
    for (const auto& line : lines) text += line + end;
    parse(kUnix, text);
    const auto got = files();
    ASSERT_EQ(got.size(), 2u) << utf8(end);
    EXPECT_EQ(got[0].name, u"one");
    EXPECT_EQ(got[1].size, 20);
  }
  // By reference, the reply loses its "total" line.
  setPlace(kUnix, u"/pub");
  WString reply(u"total 2\r\n-rw-r--r-- 1 a b 10 Jan 1 10:15 one\r\n");
  ASSERT_EQ(parser->ParseDirList(&reply), S_OK);
  EXPECT_EQ(reply.str(), u"-rw-r--r-- 1 a b 10 Jan 1 10:15 one\r\n");

  // A DOS host keeps the "total" line; a reply that short is no DOS listing.
  const AutomationError e = parseError(kDos, u"total 2\r\n-rw-r--r-- 1 a b 10 Jan 1 10:15 one\r\n");
  EXPECT_EQ(e.number(), ecParseError);
  EXPECT_EQ(e.source().str(), u"CPlover.ParseDos");
}

TEST_F(PloverTest, EmptyRepliesAndStoredFolders) {
  for (const char16_t* empty : {u"", u"\r\n", u"total 0\r\n"}) {
    parse(kUnix, empty);
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(folderCount(), 1);
  }
  EXPECT_EQ(sink->completions, (std::vector<bool>{true, true, true}));

  // StoreDirs false keeps the current folder only; true keeps each once.
  parse(kUnix, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 x", u"/a");
  parse(kUnix, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 x", u"/b");
  EXPECT_EQ(folderCount(), 1);
  model->put_StoreDirs(VARIANT_TRUE);
  parse(kUnix, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 x", u"/b");
  parse(kUnix, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 y", u"/b");
  EXPECT_EQ(folderCount(), 1);
  EXPECT_EQ(files()[0].name, u"y");
  parse(kUnix, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 x", u"/c");
  EXPECT_EQ(folderCount(), 2);
}

TEST_F(PloverTest, CancelFromTheYieldHookLeavesTheModelAlone) {
  std::u16string text;
  for (int i = 0; i < 100; ++i) text += u"-rw-r--r-- 1 a b 10 Jan 1 10:15 f" + WString::fromUtf8(std::to_string(i)).str() + u"\r\n";
  sink->cancelAtLine = 50;
  parse(kUnix, text);
  EXPECT_EQ(sink->lines, 50);
  EXPECT_EQ(folderCount(), 0);
  EXPECT_EQ(sink->completions, std::vector<bool>{true});
  // The next parse starts afresh.
  sink->cancelAtLine = -1;
  parse(kUnix, text);
  EXPECT_EQ(files().size(), 100u);
}

TEST_F(PloverTest, FormatErrorsReachTheCallerWithoutAnEvent) {
  struct Case {
    std::int32_t hostType;
    std::u16string text;
    std::int32_t number;
    std::u16string source;
  } cases[] = {
      {kUnix, u"-rw-r--r-- 1 a 10 Jan 1 10:15 x", ecParseError, u"CPlover.ParseUnix\r\n1st Line: \"-rw-r--r-- 1 a 10 Jan 1 10:15 x\""},
      {kUnix, u"-rw-r--r-- 1 a b 10 February 1 10:15 x", ecBadDateFormat, u"CPlover.MonSToI"},
      {kUnix, u"-rw-r--r-- 1 a b 10 Sept 1 10:15 x", ecBadDateFormat, u"CPlover.MonSToI"},
      {kUnix, u"-rw-r--r-- x a b 10 Jan 1 10:15 x", 13, u"Plover"},  // link count not a number
      {kUnix, u"-rw-r--r-- 1 a b c d e f g h", 9, u"Plover"},        // no size at all
      {kVms, u"Directory X\r\nA.TXT;1 1 12-MAR-1999 10:15:00 [A,B]\r\nTotal", ecParseError, u"CPlover.ParseVMS"},
      {kDos, u"h1\r\nh2\r\nh3\r\nh4\r\nSUB <DIR> 03-12-99\r\nt1\r\nt2", ecParseError, u"CPlover.ParseDos"},
  };
  for (const auto& c : cases) {
    const AutomationError e = parseError(c.hostType, c.text);
    EXPECT_EQ(e.number(), c.number) << utf8(c.text);
    EXPECT_EQ(e.source().str(), c.source) << utf8(c.text);
    EXPECT_EQ(folderCount(), 0) << utf8(c.text);
  }
  EXPECT_TRUE(sink->completions.empty());
  const AutomationError e = parseError(kUnix, u"-rw-r--r-- x a b 10 Jan 1 10:15 x");
  EXPECT_EQ(e.description().str(), u"Error: 13\r\nIn Module.Proc: CPlover.ParseUnix\r\n\r\nError Message: Type mismatch");
}

TEST_F(PloverTest, DriverErrorsBecomeAPromptAndAFalseEvent) {
  // An unknown host type: the prompt goes to the client, then ParseCompleteEvent(False).
  parse(4, u"-rw-r--r-- 1 a b 10 Jan 1 10:15 x");
  ASSERT_EQ(sink->prompts.size(), 1u);
  EXPECT_EQ(sink->prompts[0],
            u"-2147220501\r\nThe Parser For the designated HostType has not yet been implemented.\r\n"
            u"Occurred In Module.Proc: CPlover.ParseDirList\r\n");
  EXPECT_EQ(sink->titles[0], u"Error");
  // No model at all.
  parser->putref_Kestrel(nullptr);
  WString reply(u"x");
  EXPECT_EQ(parser->ParseDirList(&reply), S_OK);
  EXPECT_EQ(sink->prompts.size(), 2u);
  EXPECT_EQ(sink->completions, (std::vector<bool>{false, false}));
}

TEST_F(PloverTest, DosListing) {
  const std::u16string text =
      u" Volume in drive C is WEB\r\n Volume Serial Number is 1234-ABCD\r\n\r\n Directory of C:\\WEB\r\n\r\n"
      u".            <DIR>        03-12-99  10:15a .\r\n"
      u"..           <DIR>        03-12-99  10:15a ..\r\n"
      u"SUBDIR       <DIR>        03-12-99  10:15a subdir\r\n"
      u"LONGFI~1 HTM         5,678  03-12-99  10:15a  long file name.htm\r\n"
      u"README       12345678  01-02-00  9:05p  readme\r\n"
      u"A+B~1    TXT            10  01-02-00  9:05p  a+b (1).txt\r\n"
      u"        3 file(s)     12,351,356 bytes\r\n        1 dir(s)   1,000,000 bytes free\r\n";
  parse(kDos, text, u"C:\\WEB");
  const auto got = files();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].name, u"subdir");
  EXPECT_EQ(got[0].attrib, acIsFolder);
  EXPECT_EQ(got[0].key, u"hostúC:\\WEB\\subdir");
  EXPECT_EQ(got[1].shortName, u"LONGFI~1.HTM");
  EXPECT_EQ(got[1].ext, u"HTM");
  EXPECT_EQ(got[1].size, 5678);
  EXPECT_EQ(got[1].sDate, u"03/12/99");
  EXPECT_EQ(got[1].sTime, u"10:15a");
  EXPECT_EQ(got[1].name, u"long file name.htm");
  EXPECT_EQ(got[2].size, 12345678);
  EXPECT_EQ(got[2].name, u"readme");
  EXPECT_EQ(got[3].name, u"a+b (1).txt");
}

TEST_F(PloverTest, VmsListingWithAContinuedEntry) {
  const std::u16string text =
      u"Directory DISK$USER:[WEB]\r\n\r\n"
      u"SUBDIR.DIR;1  1/3  12-MAR-1999 10:15:00 [USERS,WEBADM] (RWE,RWE,RE,E)\r\n"
      u"A_VERY_LONG_FILE_NAME_FOR_ONE_LINE.HTML;12\r\n"
      u"              4/9   1-JAN-2001 08:00:00 [WEBADM] (RWED,RWED,RE,)\r\n"
      u"\r\nTotal of 2 files, 5/12 blocks.\r\n";
  parse(kVms, text, u"DISK$USER:[WEB]");
  const auto got = files();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].name, u"SUBDIR");
  EXPECT_EQ(got[0].attrib, acIsFolder);
  EXPECT_EQ(got[0].ext, u"DIR;1");
  EXPECT_EQ(got[0].size, 512);
  EXPECT_EQ(got[0].sDate, u"03/12/99");
  EXPECT_EQ(got[0].owner, u"WEBADM");
  EXPECT_EQ(got[0].perms, bits(u"rwx-rwx-r-x---x-"));
  EXPECT_EQ(got[0].key, u"hostúDISK$USER:[WEB]SUBDIR");
  EXPECT_EQ(got[1].name, u"A_VERY_LONG_FILE_NAME_FOR_ONE_LINE.HTML;12");
  EXPECT_EQ(got[1].size, 2048);
  EXPECT_EQ(got[1].sDate, u"01/01/01");
  EXPECT_EQ(got[1].perms, bits(u"rwxdrwxdr-x-----"));
}

TEST_F(PloverTest, ListingsOfRealServers) {
  for (const std::string server : {"pyftpdlib", "vsftpd"}) {
    const std::u16string reply = capture(server);
    ASSERT_FALSE(reply.empty()) << server;
    parse(kUnix, reply);
    std::map<std::u16string, Entry> byName;
    for (const Entry& e : files()) byName[e.name] = e;
    EXPECT_EQ(byName.size(), 9u) << server << "\n" << utf8(reply);
    EXPECT_EQ(byName[u"sub dir"].attrib, acIsFolder) << server;
    EXPECT_EQ(byName[u"a b  c.txt"].size, 5) << server;
    EXPECT_EQ(byName[u"a b  c.txt"].ext, u"txt") << server;
    EXPECT_EQ(byName[u"(x)[y]+z*.dat"].ext, u"dat") << server;
    EXPECT_EQ(byName[u"fête.jpg"].attrib, acIsFile) << server;
    EXPECT_EQ(byName[u".hidden"].attrib, acIsFile | acIsSystem) << server;
    EXPECT_EQ(byName[u"link -> old.txt"].attrib, acIsLink) << server;
    EXPECT_EQ(byName[u"big3g.iso"].size, 2147483647) << server;
    EXPECT_EQ(byName[u"big5g.iso"].size, 2147483647) << server;
    EXPECT_EQ(byName[u"old.txt"].sDate.substr(6), u"1998") << server;
  }
}

TEST_F(PloverTest, BadInputEndsInAnErrorOrAFalseEvent) {
  std::u16string garbage;  // random characters, no line ends
  std::uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1103515245 + 12345;
    garbage += static_cast<char16_t>((seed >> 16) % 0x3000);
  }
  const std::u16string truncated = u"drwxr-xr-x 2 a b 512 Jan\r\n-rw-r--r-- 1 a b";
  const std::u16string huge(50u * 1024 * 1024 / 2, u'x');  // 50 MB of text without a line end
  // The 50 MB reply goes to the Unix parser only: its line is also cut into columns there.
  for (std::int32_t hostType : {kUnix, kDos, kVms}) {
    for (const std::u16string* text : {&std::as_const(garbage), &truncated, hostType == kUnix ? &huge : &truncated}) {
      const std::size_t events = sink->completions.size();
      try {
        parse(hostType, *text);
        EXPECT_EQ(sink->completions.size(), events + 1);
      } catch (const AutomationError& e) {
        EXPECT_NE(e.number(), 0);
        EXPECT_LT(e.source().size(), 1000u);  // no 50 MB error texts
      }
    }
  }
}
