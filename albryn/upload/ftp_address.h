#pragma once
// Addresses of the FTP protocol: the host as the user types it, the data port of a passive
// reply, and the address a data connection really goes to.
#include <QHostAddress>
#include <QString>
#include <optional>

namespace albryn::upload {

struct FtpHostPort {
  QString host;
  quint16 port = 21;
};

// "host", "host:port", "ftp://host[:port][/path]", with "[v6]" or "[v6]:port" for IPv6 and an
// optional "user@" that is dropped. Surrounding blanks are ignored. Empty when there is no host
// or the port is not a number from 1 to 65535.
std::optional<FtpHostPort> parseFtpHost(const QString& typed, quint16 defaultPort);

struct FtpPassiveAddress {
  QHostAddress address;  // null for an extended reply, which names only the port
  quint16 port = 0;
};

// The address of a 227 reply ("Entering Passive Mode (h1,h2,h3,h4,p1,p2)").
std::optional<FtpPassiveAddress> parsePasvReply(const QString& text);
// The port of a 229 reply ("Entering Extended Passive Mode (|||port|)").
std::optional<quint16> parseEpsvReply(const QString& text);

// Where a passive data connection goes. The address the server named is used when it is the
// control connection's peer or both are public addresses; an unspecified, private, loopback or
// link-local address that does not match the peer (a server behind address translation, or one
// that names an inner interface) cannot be reached from here and is replaced by the peer.
QHostAddress chooseDataAddress(const QHostAddress& named, const QHostAddress& peer);

// The folder of a 257 reply: the text between the first quote and its closing quote, a doubled
// quote standing for one. Empty when the reply quotes nothing.
QString parseQuotedPath(const QString& text);

// The PORT or EPRT argument for a data port that this side listens on.
QString activeModeCommand(const QHostAddress& local, quint16 port);

}  // namespace albryn::upload
