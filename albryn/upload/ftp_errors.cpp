#include "ftp_errors.h"

namespace albryn::upload {

QString ftpErrorText(int number) {
  switch (number) {
    case ftpErrCannotConnect: return "Cannot connect to the FTP server.";
    case ftpErrLoginRefused: return "The FTP server refused the login.";
    case ftpErrTimedOut: return "The FTP server did not answer in time.";
    case ftpErrConnectionLost: return "The FTP server closed the connection.";
    case ftpErrNotConnected: return "Not connected to an FTP server.";
    case ftpErrDataConnection: return "The FTP data connection failed.";
    case ftpErrLocalFile: return "The local file cannot be read.";
    case ftpErrCommandRefused: return "The FTP server refused the command.";
    case ftpErrCancelled: return "The FTP operation was cancelled.";
    case ftpErrBadArgument: return "A name or command for the FTP server holds a line break.";
    case ftpErrBusy: return "The FTP control is still busy with the previous operation.";
    default: return "FTP error.";
  }
}

FtpError::FtpError(int number)
    : std::runtime_error(ftpErrorText(number).toStdString()), number_(number) {}

}  // namespace albryn::upload
