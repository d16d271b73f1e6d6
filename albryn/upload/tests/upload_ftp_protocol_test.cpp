#include <gtest/gtest.h>

#include "ftp_address.h"
#include "ftp_reply.h"
#include "ftp_system_type.h"

using namespace albryn::upload;

TEST(UploadFtpReplies, ReadsSingleAndMultiLineRepliesAcrossReads) {
  FtpReplyReader reader;
  auto done = reader.feed("220 Welcome\r\n211-Features:\r\n EPSV\r\n211-MDTM\r\n");
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].code, 220);
  EXPECT_EQ(done[0].text, "Welcome");
  // A line starting with another code does not end the reply; the last line may be split.
  EXPECT_TRUE(reader.feed("200 not the end\r\n211 E").empty());
  done = reader.feed("nd\n150\r\n");
  ASSERT_EQ(done.size(), 2u);
  EXPECT_EQ(done[0].code, 211);
  EXPECT_EQ(done[0].text, "Features:\r\n EPSV\r\nMDTM\r\n200 not the end\r\nEnd");
  EXPECT_EQ(done[1].code, 150);
  EXPECT_TRUE(done[1].preliminary());
  EXPECT_EQ(done[1].text, "");
  EXPECT_FALSE(reader.broken());
}

TEST(UploadFtpReplies, TextThatIsNoReplyBreaksTheReader) {
  for (const char* bad : {"hello\r\n", "22 short\r\n", "2x0 x\r\n"}) {
    FtpReplyReader reader;
    EXPECT_TRUE(reader.feed(bad).empty());
    EXPECT_TRUE(reader.broken()) << bad;
  }
  FtpReplyReader endless;
  endless.feed("220-");
  for (int i = 0; i < 20 && !endless.broken(); ++i) endless.feed(QByteArray(100000, 'x'));
  EXPECT_TRUE(endless.broken());
}

TEST(UploadFtpReplies, NonUtf8TextIsReadAsLatin1) {
  EXPECT_EQ(decodeControlText("caf\xc3\xa9"), QString::fromUtf8("café"));
  EXPECT_EQ(decodeControlText("caf\xe9"), QString::fromUtf8("café"));
}

TEST(UploadFtpAddresses, HostForms) {
  struct Case {
    const char* typed;
    const char* host;
    int port;  // 0: refused
  } cases[] = {
      {"ftp.example.org", "ftp.example.org", 2121},
      {"  ftp.example.org:21 ", "ftp.example.org", 21},
      {"ftp://ftp.example.org", "ftp.example.org", 2121},
      {"FTP://ann@ftp.example.org:990/pub/x", "ftp.example.org", 990},
      {"127.0.0.1:4021", "127.0.0.1", 4021},
      {"[::1]:4021", "::1", 4021},
      {"::1", "::1", 2121},
      {"", "", 0},
      {"ftp://", "", 0},
      {"host:", "", 0},
      {"host:0", "", 0},
      {"host:70000", "", 0},
      {"host:2x", "", 0},
      {"[::1", "", 0},
  };
  for (const auto& c : cases) {
    const auto parsed = parseFtpHost(c.typed, 2121);
    ASSERT_EQ(parsed.has_value(), c.port != 0) << c.typed;
    if (!parsed) continue;
    EXPECT_EQ(parsed->host, c.host) << c.typed;
    EXPECT_EQ(parsed->port, c.port) << c.typed;
  }
}

TEST(UploadFtpAddresses, PassiveReplies) {
  const auto pasv = parsePasvReply("Entering Passive Mode (192,168,1,20,195,80).");
  ASSERT_TRUE(pasv);
  EXPECT_EQ(pasv->address, QHostAddress("192.168.1.20"));
  EXPECT_EQ(pasv->port, 195 * 256 + 80);
  EXPECT_TRUE(parsePasvReply("Entering Passive Mode 10,0,0,1,4,1"));  // no brackets
  EXPECT_FALSE(parsePasvReply("Entering Passive Mode (300,0,0,1,4,1)"));
  EXPECT_FALSE(parsePasvReply("Entering Passive Mode (10,0,0,1,0,0)"));
  EXPECT_FALSE(parsePasvReply("Passive"));

  EXPECT_EQ(parseEpsvReply("Entering Extended Passive Mode (|||6446|)"), 6446);
  EXPECT_EQ(parseEpsvReply("ok (!!!21!)"), 21);
  EXPECT_FALSE(parseEpsvReply("Entering Extended Passive Mode (|||0|)"));
  EXPECT_FALSE(parseEpsvReply("Entering Extended Passive Mode (|||70000|)"));
  EXPECT_FALSE(parseEpsvReply("Entering Extended Passive Mode (|!|6446|)"));
}

TEST(UploadFtpAddresses, UnreachablePassiveAddressesAreReplacedByThePeer) {
  struct Case {
    const char* named;
    const char* peer;
    const char* used;
  } cases[] = {
      {"127.0.0.1", "127.0.0.1", "127.0.0.1"},
      {"203.0.113.9", "127.0.0.1", "127.0.0.1"},   // a public address seen over loopback
      {"0.0.0.0", "198.51.100.7", "198.51.100.7"},  // unspecified
      {"192.168.1.5", "198.51.100.7", "198.51.100.7"},  // behind address translation
      {"10.1.2.3", "198.51.100.7", "198.51.100.7"},
      {"172.20.0.4", "198.51.100.7", "198.51.100.7"},
      {"100.64.0.9", "198.51.100.7", "198.51.100.7"},
      {"169.254.3.3", "198.51.100.7", "198.51.100.7"},
      {"198.51.100.8", "198.51.100.7", "198.51.100.8"},  // a second public host is trusted
      {"192.168.1.6", "192.168.1.5", "192.168.1.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(chooseDataAddress(QHostAddress(c.named), QHostAddress(c.peer)),
              QHostAddress(c.used))
        << c.named << " via " << c.peer;
  EXPECT_EQ(chooseDataAddress(QHostAddress(), QHostAddress("::1")), QHostAddress("::1"));
}

TEST(UploadFtpAddresses, QuotedPathsAndActiveCommands) {
  EXPECT_EQ(parseQuotedPath("\"/home/ann\" is the current directory"), "/home/ann");
  EXPECT_EQ(parseQuotedPath("\"/a \"\"b\"\"\" created"), "/a \"b\"");
  EXPECT_EQ(parseQuotedPath("no quotes"), "");
  EXPECT_EQ(parseQuotedPath("\"/unterminated"), "");
  EXPECT_EQ(activeModeCommand(QHostAddress("127.0.0.1"), 4021), "PORT 127,0,0,1,15,181");
  EXPECT_EQ(activeModeCommand(QHostAddress("::1"), 4021), "EPRT |2|::1|4021|");
}

TEST(UploadFtpSystemType, SystRepliesMapToHostCodes) {
  struct Case {
    int code;
    const char* text;
    int host;
  } cases[] = {
      {215, "UNIX Type: L8", ftpHostUnix},
      {215, "UNIX emulated by FileZilla", ftpHostUnix},
      {215, "Windows_NT", ftpHostWindows},
      {215, "Windows_NT version 5.0", ftpHostWindows},
      {215, "MSDOS", ftpHostWindows},
      {215, "OS/2", ftpHostWindows},
      {215, "VMS V7.3", ftpHostVms},
      {215, "OpenVMS", ftpHostVms},
      {215, "MultiNet Unix Emulation", ftpHostUnix},
      {215, "MULTINET", ftpHostMultiNet},
      {215, "MACOS Peter's Server", ftpHostMacOs},
      {215, "FreeBSD", ftpHostBsd},
      {215, "TOPS20", ftpHostUnix},  // unknown: Unix listings are the common case
      {500, "SYST not understood", ftpHostUnix},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hostSystemTypeFromSyst(c.code, c.text), c.host) << c.text;
}

TEST(UploadFtpSystemType, WindowsServersFollowTheirListingStyle) {
  const QString unixListing = "total 8\r\ndrwxr-xr-x 1 owner group 0 Jan 01 10:00 pics\r\n";
  const QString dosListing = "01-31-24  10:00PM       <DIR>          pics\r\n";
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostWindows, unixListing), ftpHostWindowsUnixListing);
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostWindowsUnixListing, dosListing), ftpHostWindows);
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostWindows, ""), ftpHostWindows);
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostWindowsUnixListing, ""), ftpHostWindowsUnixListing);
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostUnix, dosListing), ftpHostUnix);
  EXPECT_EQ(hostSystemTypeAfterListing(ftpHostVms, unixListing), ftpHostVms);
}
