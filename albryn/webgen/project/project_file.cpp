#include "project_file.h"

#include <QFile>
#include <QStringDecoder>

namespace albryn::webgen {

namespace {

const QString kListStart = QStringLiteral("ImageListStart");
const QString kListEnd = QStringLiteral("ImageListEnd");

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned bytes keep their value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    text += QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
  }
  return text;
}

// Splits at CR LF, LF or a lone CR, as line input does. A final line break ends the last line.
QStringList SplitLines(const QString& text) {
  QStringList lines;
  QString line;
  bool open = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lines << line;
      line.clear();
      open = false;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines << line;
  return lines;
}

struct LoadError {
  WriteFailure failure;
};

// Hands out the file's lines in order; reading past the last one is a load failure.
class LineReader {
 public:
  explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}
  QString next() {
    if (at_ >= lines_.size()) throw LoadError{{62, QStringLiteral("Input past end of file")}};
    return lines_[at_++];
  }
  qint64 number() {
    const QString text = next().trimmed();
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) throw LoadError{{13, QStringLiteral("Type mismatch")}};
    return value;
  }
  bool boolean() {
    const QString text = next().trimmed();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) throw LoadError{{13, QStringLiteral("Type mismatch")}};
    return value != 0;
  }
  bool checkState() {
    const qint64 value = number();
    if (value != 0 && value != 1) throw LoadError{{380, QStringLiteral("Invalid property value")}};
    return value == 1;
  }

 private:
  QStringList lines_;
  qsizetype at_ = 0;
};

void ReadSwatch(LineReader& in, quint32& swatch) {
  const QString text = in.next();
  if (text.trimmed().isEmpty()) return;
  bool ok = false;
  const qint64 value = text.trimmed().toLongLong(&ok);
  if (!ok) throw LoadError{{13, QStringLiteral("Type mismatch")}};
  if (value < 0 || value > 0xFFFFFF) throw LoadError{{380, QStringLiteral("Invalid property value")}};
  swatch = quint32(value);
}

// Lines 3 to 11 (display area) or 13 to 21 (link area), line 12 read in between by the caller.
void ReadBackground(LineReader& in, AreaLook& look) {
  look.backgroundText = in.next();
  ReadSwatch(in, look.backgroundSwatch);
  look.backIsColor = in.boolean();
}

void ReadFont(LineReader& in, FontSettings& font) {
  font.name = in.next();
  font.size = in.next();
  font.underline = in.checkState();
  font.bold = in.checkState();
  font.italic = in.checkState();
  font.colorText = in.next();
  if (!font.colorText.isEmpty()) font.color = TextToColor(font.colorText);
}

QString Bool(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }
QString Check(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }

void AppendArea(QStringList& lines, const AreaLook& look) {
  lines << look.backgroundText << QString::number(look.backgroundSwatch) << Bool(look.backIsColor)
        << look.font.name << look.font.size << Check(look.font.underline) << Check(look.font.bold)
        << Check(look.font.italic) << look.font.colorText;
}

}  // namespace

QStringList ProjectLines(const ProjectData& data) {
  QStringList lines{data.attributes.title, data.attributes.soundPath};
  AppendArea(lines, data.attributes.display);
  lines << data.uploadFilePath;
  AppendArea(lines, data.attributes.link);
  lines << data.reservedName << data.outputFolder << data.outputBaseName << data.countLabel;
  for (qsizetype i = 0; i < kProjectPathKeys.size(); ++i) lines << data.pathEntries.value(i);
  if (!data.paths.isEmpty()) {
    lines << kListStart;
    for (qsizetype i = 0; i < data.paths.size(); ++i)
      lines << data.paths[i] << data.displayNames.value(i);
  }
  lines << kListEnd;
  return lines;
}

std::optional<WriteFailure> WriteProjectFile(const QString& path, const ProjectData& data) {
  QString text;
  for (const QString& line : ProjectLines(data)) text += line + QStringLiteral("\r\n");
  return WriteWholeFile(path, text.toUtf8());
}

QString DecodeProjectText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return DecodeWindows1252(bytes);
  return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

LoadResult ReadProjectFile(const QString& path, ProjectData& data) {
  data.paths.clear();
  data.displayNames.clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {LoadOutcome::Failed,
            file.exists() ? WriteFailure{75, QStringLiteral("Path/File access error")}
                          : WriteFailure{53, QStringLiteral("File not found")}};
  LineReader in(SplitLines(DecodeProjectText(file.readAll())));
  file.close();
  try {
    PageAttributes& a = data.attributes;
    a.title = in.next();
    a.soundPath = in.next();
    ReadBackground(in, a.display);
    ReadFont(in, a.display.font);
    data.uploadFilePath = in.next();
    ReadBackground(in, a.link);
    ReadFont(in, a.link.font);
    data.reservedName = in.next();
    data.outputFolder = in.next();
    data.outputBaseName = in.next();
    data.countLabel = in.next();
    data.pathEntries.resize(kProjectPathKeys.size());
    for (QString& entry : data.pathEntries) entry = in.next();
    if (in.next() != kListStart) return {LoadOutcome::NoPictures, {}};
    for (QString line = in.next(); line != kListEnd; line = in.next()) {
      const QString name = in.next();
      data.paths << line;
      data.displayNames << name;
    }
  } catch (const LoadError& error) {
    return {LoadOutcome::Failed, error.failure};
  }
  return {data.paths.isEmpty() ? LoadOutcome::NoPictures : LoadOutcome::Loaded, {}};
}

}  // namespace albryn::webgen
