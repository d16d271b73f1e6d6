#pragma once
// How much of what was written to a TCP socket the peer has not yet acknowledged. The system
// accepts megabytes into its send buffer at once, so "written" is not "arrived": an upload
// counts as moving, and is closed, only by what really left.
#include <QTcpSocket>

namespace albryn::upload {

// Bytes still queued in the system for the socket; 0 where the system cannot tell, so that
// callers then fall back to what was written.
qint64 unsentBytes(const QTcpSocket& socket);

}  // namespace albryn::upload
