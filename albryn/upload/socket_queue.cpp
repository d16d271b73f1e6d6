#include "socket_queue.h"

#ifdef __linux__
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

namespace albryn::upload {

qint64 unsentBytes(const QTcpSocket& socket) {
#ifdef __linux__
  int queued = 0;
  const auto fd = socket.socketDescriptor();
  if (fd != -1 && ::ioctl(int(fd), SIOCOUTQ, &queued) == 0 && queued > 0) return queued;
#else
  Q_UNUSED(socket);
#endif
  return 0;
}

}  // namespace albryn::upload
