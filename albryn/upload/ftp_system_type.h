#pragma once
// The host system code the control reports in HostSystemType, found from the server's SYST
// reply and refined by the listings it sends. The directory model groups the codes into its
// three host types (Unix, VMS, DOS/Windows):
//
//   SYST reply (first word, any case)        code  listings parsed as
//   UNIX, and any reply naming UNIX            3    Unix
//   (SYST refused, or a system not below)      3    Unix, by far the most common listing style
//   MACOS, MACOS-style "Mac"                   8    Unix
//   BSD / FREEBSD / NETBSD / OPENBSD / LINUX   9    Unix
//   VMS, OPENVMS                               10   VMS
//   MULTINET                                   11   VMS
//   Windows_NT, WINDOWS, WIN32, MSDOS, DOS, OS/2
//                                              17   DOS/Windows
//   Windows_NT whose listing is in Unix style  15   Unix
//
// Windows servers (IIS above all) often list in Unix style although SYST says Windows_NT, so
// every listing of such a server decides between 15 and 17 by the form of its lines.
#include <QString>

namespace albryn::upload {

inline constexpr int ftpHostUnix = 3;
inline constexpr int ftpHostMacOs = 8;
inline constexpr int ftpHostBsd = 9;
inline constexpr int ftpHostVms = 10;
inline constexpr int ftpHostMultiNet = 11;
inline constexpr int ftpHostWindowsUnixListing = 15;
inline constexpr int ftpHostWindows = 17;

// The code for a SYST reply; code is the reply code (a refused SYST gives the Unix code).
int hostSystemTypeFromSyst(int code, const QString& text);

// The code after a listing: a Windows server moves between 15 and 17 by the listing's form,
// every other code stays. An empty listing or one without recognisable lines changes nothing.
int hostSystemTypeAfterListing(int current, const QString& listing);

}  // namespace albryn::upload
