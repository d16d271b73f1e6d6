#include "ftp_address.h"

#include <QRegularExpression>

namespace albryn::upload {

std::optional<FtpHostPort> parseFtpHost(const QString& typed, quint16 defaultPort) {
  QString rest = typed.trimmed();
  static const QRegularExpression scheme("^ftp://", QRegularExpression::CaseInsensitiveOption);
  rest.remove(scheme);
  rest = rest.section('/', 0, 0);
  rest = rest.section('@', -1);
  FtpHostPort result{QString(), defaultPort};
  QString portText;
  if (rest.startsWith('[')) {
    const qsizetype close = rest.indexOf(']');
    if (close < 0) return std::nullopt;
    result.host = rest.mid(1, close - 1);
    const QString after = rest.mid(close + 1);
    if (!after.isEmpty() && !after.startsWith(':')) return std::nullopt;
    portText = after.mid(1);
    if (after == ":") return std::nullopt;
  } else if (rest.count(':') == 1) {
    result.host = rest.section(':', 0, 0);
    portText = rest.section(':', 1);
    if (portText.isEmpty()) return std::nullopt;
  } else {
    result.host = rest;  // a name, an IPv4 address or a bare IPv6 address
  }
  if (result.host.isEmpty()) return std::nullopt;
  if (!portText.isEmpty()) {
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port == 0 || port > 65535) return std::nullopt;
    result.port = quint16(port);
  }
  return result;
}

std::optional<FtpPassiveAddress> parsePasvReply(const QString& text) {
  static const QRegularExpression six(
      "(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3})");
  const auto m = six.match(text);
  if (!m.hasMatch()) return std::nullopt;
  uint n[6];
  for (int i = 0; i < 6; ++i) {
    n[i] = m.captured(i + 1).toUInt();
    if (n[i] > 255) return std::nullopt;
  }
  const quint32 ip = (n[0] << 24) | (n[1] << 16) | (n[2] << 8) | n[3];
  const quint16 port = quint16((n[4] << 8) | n[5]);
  if (port == 0) return std::nullopt;
  return FtpPassiveAddress{QHostAddress(ip), port};
}

std::optional<quint16> parseEpsvReply(const QString& text) {
  // The delimiter is any printable character, the same one four times.
  static const QRegularExpression form("\\(([\\x21-\\x7e])\\1\\1(\\d{1,5})\\1\\)");
  const auto m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const uint port = m.captured(2).toUInt();
  if (port == 0 || port > 65535) return std::nullopt;
  return quint16(port);
}

namespace {

// An address reachable across the internet: not unspecified, loopback, link-local, unique-local
// or one of the IPv4 private and shared ranges (10/8, 172.16/12, 192.168/16, 100.64/10).
bool isPublic(const QHostAddress& a) {
  if (!a.isGlobal() || a.isUniqueLocalUnicast()) return false;
  bool isV4 = false;
  const quint32 v4 = a.toIPv4Address(&isV4);
  if (!isV4) return true;
  return (v4 >> 24) != 10 && (v4 >> 20) != 0xAC1 && (v4 >> 16) != 0xC0A8 && (v4 >> 22) != 0x191 &&
         v4 != 0;
}

}  // namespace

QHostAddress chooseDataAddress(const QHostAddress& named, const QHostAddress& peer) {
  if (named.isNull() || named.isEqual(peer, QHostAddress::TolerantConversion)) return peer;
  if (isPublic(named) && isPublic(peer)) return named;
  return peer;
}

QString parseQuotedPath(const QString& text) {
  const qsizetype open = text.indexOf('"');
  if (open < 0) return QString();
  QString path;
  for (qsizetype i = open + 1; i < text.size(); ++i) {
    if (text[i] != '"') {
      path += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      path += '"';
      ++i;
    } else {
      return path;
    }
  }
  return QString();  // no closing quote
}

QString activeModeCommand(const QHostAddress& local, quint16 port) {
  bool isV4 = false;
  const quint32 v4 = local.toIPv4Address(&isV4);
  if (isV4) {
    return QString("PORT %1,%2,%3,%4,%5,%6")
        .arg(v4 >> 24).arg((v4 >> 16) & 255).arg((v4 >> 8) & 255).arg(v4 & 255)
        .arg(port >> 8).arg(port & 255);
  }
  QHostAddress plain(local);
  plain.setScopeId(QString());
  return QString("EPRT |2|%1|%2|").arg(plain.toString()).arg(port);
}

}  // namespace albryn::upload
