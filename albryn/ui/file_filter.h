#pragma once
// The classic file dialog filter ("JPG (*.jpg)|*.jpg|All (*.*)|*.*") translated for Qt, and the
// default-extension rule applied to a chosen name.
#include <QString>
#include <QStringList>
#include <optional>

#include "dialog_services.h"

namespace albryn::ui {

struct FilterEntry {
  QString description;
  QStringList patterns;  // as written, e.g. "*.jpg", "*.*"
};

// The entries of a classic filter; a trailing description without patterns is dropped.
QList<FilterEntry> parseFilter(const QString& classicFilter);

// The Qt name filters for a classic filter: one per entry, patterns matched in either case
// ("*.jpg" also lists "*.JPG") and "*.*" meaning every file.
QStringList qtNameFilters(const QString& classicFilter);

// The name a save dialog returns for a typed path. Without a default extension the path stays
// as typed. Otherwise a path whose extension matches one of the filter's specific patterns
// ("*.*" and "*" do not count) stays; any other gets the extension of the selected entry's first
// specific pattern, or the default extension when that entry has none. With the filter
// "Albryn File (*.alb)|*.alb|All (*.*)|*.*", the first entry selected and "ALB", "album.txt"
// becomes "album.txt.alb" and "album.alb" stays.
QString withDefaultExtension(const QString& path, const QString& classicFilter,
                             const QString& defaultExtension, int selectedEntry = 0);

// The title a file dialog shows: the request's own, else "Open" or "Save As".
QString shownFileDialogTitle(const FileRequest& r, bool save);

// What a save dialog returns for the typed path: the name with its default extension, after the
// overwrite question when the request asks for it and the file exists. Nothing when the user
// declines to replace the file; the dialog then asks again.
std::optional<QString> finishSave(DialogServices& services, const FileRequest& r, const QString& typed,
                                  int selectedEntry, const QString& shownTitle);

}  // namespace albryn::ui
