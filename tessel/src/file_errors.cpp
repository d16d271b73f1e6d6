#include "file_errors.h"

#include <cerrno>
#include <string>

#include "errors.h"

namespace tessel {

namespace {

enum FileCause : std::int32_t {
  kGeneric = 1,
  kFileNotFound = 2,
  kBadPath = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kInvalidFile = 6,
  kBadSeek = 9,
  kHardwareIO = 10,
  kSharingViolation = 11,
  kLockViolation = 12,
  kDiskFull = 13,
};

FileCause causeOf(int error) {
  switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: return kBadPath;
    case EMFILE: case ENFILE: return kTooManyOpenFiles;
    case EACCES: case EPERM: case EISDIR: case EROFS: return kAccessDenied;
    case EBADF: return kInvalidFile;
    case ESPIPE: return kBadSeek;
    case EIO: return kHardwareIO;
    case ETXTBSY: return kSharingViolation;
    case ENOLCK: return kLockViolation;
    case ENOSPC: case EDQUOT: return kDiskFull;
    default: return kGeneric;
  }
}

std::u16string_view textOf(FileCause cause) {
  switch (cause) {
    case kGeneric: return u"Generic file error: %s";
    case kFileNotFound: return u"File not found: %s";
    case kBadPath: return u"Bad file Path: %s";
    case kTooManyOpenFiles: return u"Too many files open: %s";
    case kAccessDenied: return u"Access Denied: %s";
    case kBadSeek: return u"Bad Seek on file: %s";
    case kHardwareIO: return u"Hardware IO failure with open file: %s";
    case kSharingViolation: return u"Sharing violation with file: %s";
    case kLockViolation: return u"File is locked: %s";
    case kDiskFull: return u"Disk is Full; file: %s";
    default: return u"An unknown error occurred on File: %s";
  }
}

}  // namespace

void raiseFileError(int error, const automation::WString& fileName) {
  const FileCause cause = causeOf(error);
  std::u16string text(textOf(cause));
  text.replace(text.find(u"%s"), 2, fileName.view());
  raise(cause, text);
}

}  // namespace tessel
