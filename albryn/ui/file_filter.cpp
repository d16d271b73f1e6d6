#include "file_filter.h"

#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>

namespace albryn::ui {
namespace {

bool isSpecific(const QString& pattern) { return pattern != "*.*" && pattern != "*"; }

// "*.jpg" -> "jpg"; empty for patterns that are not a plain extension.
QString extensionOf(const QString& pattern) {
  if (!pattern.startsWith("*.") || pattern.size() < 3) return {};
  const QString ext = pattern.mid(2);
  return ext.contains('*') || ext.contains('?') ? QString() : ext;
}

}  // namespace

QList<FilterEntry> parseFilter(const QString& classicFilter) {
  QList<FilterEntry> entries;
  const QStringList parts = classicFilter.split('|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    FilterEntry e{parts[i].trimmed(), {}};
    for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) e.patterns << p.trimmed();
    entries << e;
  }
  return entries;
}

QStringList qtNameFilters(const QString& classicFilter) {
  static const QRegularExpression trailingPatterns(R"(\s*\([^()]*\)\s*$)");
  QStringList filters;
  for (const FilterEntry& e : parseFilter(classicFilter)) {
    QStringList patterns;
    for (const QString& p : e.patterns) {
      if (!isSpecific(p)) {
        patterns << "*";
        continue;
      }
      patterns << p;
      if (p.toLower() != p) patterns << p.toLower();
      if (p.toUpper() != p) patterns << p.toUpper();
    }
    patterns.removeDuplicates();
    QString description = e.description;
    description.remove(trailingPatterns);
    filters << QStringLiteral("%1 (%2)").arg(description.isEmpty() ? e.patterns.join(';') : description,
                                             patterns.join(' '));
  }
  return filters;
}

QString withDefaultExtension(const QString& path, const QString& classicFilter,
                             const QString& defaultExtension, int selectedEntry) {
  if (defaultExtension.isEmpty() || path.isEmpty()) return path;
  const QList<FilterEntry> entries = parseFilter(classicFilter);
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  if (dot >= 0) {
    const QString ext = name.mid(dot + 1);
    for (const FilterEntry& e : entries)
      for (const QString& p : e.patterns)
        if (isSpecific(p) && extensionOf(p).compare(ext, Qt::CaseInsensitive) == 0) return path;
  }
  QString appended = defaultExtension;
  if (selectedEntry >= 0 && selectedEntry < entries.size()) {
    for (const QString& p : entries[selectedEntry].patterns) {
      if (!extensionOf(p).isEmpty()) {
        appended = extensionOf(p);
        break;
      }
    }
  }
  return path + '.' + appended;
}

QString shownFileDialogTitle(const FileRequest& r, bool save) {
  if (!r.title.isEmpty()) return r.title;
  return save ? QObject::tr("Save As") : QObject::tr("Open");
}

std::optional<QString> finishSave(DialogServices& services, const FileRequest& r, const QString& typed,
                                  int selectedEntry, const QString& shownTitle) {
  const QString path = withDefaultExtension(typed, r.filter, r.defaultExtension, selectedEntry);
  if (!r.confirmOverwrite || !QFileInfo::exists(path)) return path;
  const Answer replace = services.message(Message{
      QObject::tr("%1 already exists.\nDo you want to replace it?").arg(path), shownTitle,
      MessageIcon::Warning, MessageButtons::YesNo});
  if (replace == Answer::Yes) return path;
  return std::nullopt;
}

}  // namespace albryn::ui
