#include "ftp_reply.h"

#include <QStringDecoder>

namespace albryn::upload {

namespace {

// A reply larger than this is taken as a broken server rather than kept in memory.
constexpr qsizetype kMaxReplyBytes = 1 << 20;

// The code of a line that starts with three digits followed by sep, else 0.
int codeOf(const QByteArray& line, char sep) {
  if (line.size() < 4 || line[3] != sep) return 0;
  for (int i = 0; i < 3; ++i)
    if (line[i] < '0' || line[i] > '9') return 0;
  return line.left(3).toInt();
}

}  // namespace

QString decodeControlText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::vector<FtpReply> FtpReplyReader::feed(const QByteArray& bytes) {
  std::vector<FtpReply> done;
  if (broken_) return done;
  partial_ += bytes;
  qsizetype start = 0;
  for (qsizetype nl; (nl = partial_.indexOf('\n', start)) >= 0; start = nl + 1) {
    QByteArray line = partial_.mid(start, nl - start);
    if (line.endsWith('\r')) line.chop(1);
    takeLine(line, done);
    if (broken_) return done;
  }
  partial_.remove(0, start);
  if (partial_.size() + size_ > kMaxReplyBytes) broken_ = true;
  return done;
}

void FtpReplyReader::takeLine(QByteArray line, std::vector<FtpReply>& done) {
  if (code_ == 0) {
    // A line of only three digits is a complete reply with no text.
    if (line.size() == 3) line += ' ';
    if (int code = codeOf(line, ' ')) {
      done.push_back({code, decodeControlText(line.mid(4))});
    } else if (int first = codeOf(line, '-')) {
      code_ = first;
      lines_ = {decodeControlText(line.mid(4))};
      size_ = line.size();
    } else {
      broken_ = true;
    }
    return;
  }
  if (codeOf(line.size() == 3 ? line + ' ' : line, ' ') == code_) {
    lines_ << decodeControlText(line.mid(4));
    done.push_back({code_, lines_.join("\r\n")});
    code_ = 0;
    lines_.clear();
    size_ = 0;
    return;
  }
  // Lines between the first and the last: the same code with '-' is dropped, the rest is kept.
  lines_ << decodeControlText(codeOf(line, '-') == code_ ? line.mid(4) : line);
  size_ += line.size();
  if (size_ > kMaxReplyBytes) broken_ = true;
}

void FtpReplyReader::reset() {
  partial_.clear();
  lines_.clear();
  code_ = 0;
  size_ = 0;
  broken_ = false;
}

}  // namespace albryn::upload
