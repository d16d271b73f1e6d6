#pragma once
// Assembles server replies from the bytes of the control connection. A reply is one line
// "ddd text" or several lines from "ddd-text" up to the line that starts with the same "ddd ".
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace albryn::upload {

struct FtpReply {
  int code = 0;
  // The reply's lines joined with CR LF: the first and last without their code, lines between
  // them as the server sent them.
  QString text;
  bool preliminary() const { return code >= 100 && code < 200; }
  bool positive() const { return code >= 200 && code < 400; }
};

class FtpReplyReader {
 public:
  // Takes the next bytes read and returns the replies they complete, in order.
  std::vector<FtpReply> feed(const QByteArray& bytes);
  // True once the server sent something that is not a reply (no code, or an overlong reply);
  // the connection cannot be trusted after that.
  bool broken() const { return broken_; }
  void reset();

 private:
  void takeLine(QByteArray line, std::vector<FtpReply>& done);

  QByteArray partial_;
  QStringList lines_;  // lines of the multi-line reply being read
  int code_ = 0;       // its code, 0 when none is open
  qsizetype size_ = 0;
  bool broken_ = false;
};

// Text of the control connection: UTF-8, or Latin-1 when the bytes are not valid UTF-8.
QString decodeControlText(const QByteArray& bytes);

}  // namespace albryn::upload
