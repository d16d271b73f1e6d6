#include "atomic_file.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "image_failure.h"

namespace albryn::imaging {
namespace {

namespace fs = std::filesystem;

// The file a destination path stands for: a symbolic link is followed, so that the link keeps
// pointing at the new picture.
fs::path RealTarget(const fs::path& destination) {
  std::error_code error;
  if (fs::is_symlink(destination, error)) {
    const fs::path target = fs::canonical(destination, error);
    if (!error) return target;
  }
  return destination;
}

// Creates a new, hidden, uniquely named file beside the target; the name is returned in temp.
int CreateTemporaryBeside(const fs::path& target, fs::path& temp) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto tag = QString::number(QRandomGenerator::global()->generate64(), 36);
    // Part of the name is enough to tell whose it is, and keeps within the name length limit.
    const std::string name = target.filename().string().substr(0, 100);
    temp = folder / ("." + name + "." + tag.toStdString() + ".part");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// A file that replaces another takes over its permissions and reaches the disk before the
// rename, so that even a power cut leaves the old file or the whole new one. A new file keeps
// the permissions its creation gave it under the user's umask and is not waited for: no
// picture can be lost with it.
bool PrepareToReplace(int fd, const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0) return true;
  return ::fchmod(fd, old.st_mode & 07777) == 0 && ::fsync(fd) == 0;
}

}  // namespace

void ReplaceFileAtomically(const QString& destination, const void* bytes, std::size_t size) {
  const fs::path target = RealTarget(fs::path(QFile::encodeName(destination).toStdString()));
  if (!target.has_filename()) fail(ImageError::WriteFailed);
  // A file its owner made read-only is not replaced, although its folder would allow it.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
    fail(ImageError::WriteFailed);
  }
  fs::path temp;
  const int fd = CreateTemporaryBeside(target, temp);
  if (fd < 0) fail(ImageError::WriteFailed);
  bool ok = WriteAll(fd, static_cast<const char*>(bytes), size) && PrepareToReplace(fd, target);
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    fail(ImageError::WriteFailed);
  }
}

}  // namespace albryn::imaging
