#pragma once
// Error numbers of the FTP client control. A call that cannot start raises FtpError; problems
// found while an operation runs are reported by the OnError event with the same numbers.
#include <QString>
#include <stdexcept>

namespace albryn::upload {

enum FtpErrorNumber : int {
  // The host could not be reached: name lookup failed, connection refused or no greeting.
  ftpErrCannotConnect = 35750,
  // The server refused the user name, password or account.
  ftpErrLoginRefused = 35751,
  // A time limit ran out: connecting, waiting for a reply, or a data connection that moved no
  // bytes for too long.
  ftpErrTimedOut = 35752,
  // The server closed the control connection while an operation was running.
  ftpErrConnectionLost = 35753,
  // Raised by a call that needs a connection when there is none (never connected, closed by the
  // server, or closed after a time limit ran out). The caller should give up the session.
  ftpErrNotConnected = 35754,
  // The data connection could not be opened or broke off.
  ftpErrDataConnection = 35755,
  // The local file of a put cannot be opened for reading (missing or unreadable).
  ftpErrLocalFile = 35756,
  // The server answered a command with a reply the operation cannot go on with.
  ftpErrCommandRefused = 35757,
  // The operation was cancelled by CancelOperation or AbortTransfer.
  ftpErrCancelled = 35758,
  // Raised by a call whose name, path or command holds a line break (it would smuggle a second
  // command to the server).
  ftpErrBadArgument = 35759,
  // Raised by a call made while the previous operation is still running: the connection is
  // slow, the caller may wait and go on.
  ftpErrBusy = 35764,
};

// The result OnConnect reports for a working connection; any other result is an error number.
inline constexpr int ftpConnectOk = 3000;

// The fixed description of an error number.
QString ftpErrorText(int number);

class FtpError : public std::runtime_error {
 public:
  explicit FtpError(int number);
  int number() const { return number_; }
  QString description() const { return ftpErrorText(number_); }

 private:
  int number_;
};

}  // namespace albryn::upload
