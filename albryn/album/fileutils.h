#pragma once
// The small file chores of the local file browser. None of them ever overwrites a file or removes
// one the user did not name: a copy or rename onto an existing name is refused, and a copy is
// written under a temporary name and renamed into place only when complete.
#include <QString>
#include <QStringList>
#include <optional>

namespace albryn {

struct FileError {
  int number = 0;  // the system's error number, or Qt's file error code for copy and rename
  QString description;
};

// The picture files of a folder ("*.jpg;*.gif" in any letter case), hidden files left out,
// sorted by name regardless of case.
QStringList PictureFilesIn(const QString& folder);

// Creates the folder `name` inside `parent`. A name holding '/' or one that exists is refused.
std::optional<FileError> CreateFolder(const QString& parent, const QString& name);

// Copies sourceFolder/name to targetFolder/name; refused when the target exists.
std::optional<FileError> CopyFileInto(const QString& sourceFolder, const QString& name,
                                      const QString& targetFolder);

enum class RenameStatus { Renamed, TargetExists, NotFound, Failed };
struct RenameOutcome {
  RenameStatus status;
  QString description;  // for Failed
};
// Renames folder/oldName to folder/newName; an existing newName is left alone (TargetExists).
RenameOutcome RenameFileIn(const QString& folder, const QString& oldName, const QString& newName);

std::optional<FileError> DeleteFileIn(const QString& folder, const QString& name);

// The new names of a batch rename: prefix + 1, 2, 3 … + ".jpg", whatever the old extension.
QStringList BatchRenameTargets(const QString& prefix, qsizetype count);
// Renames the files in the order given to BatchRenameTargets(prefix, …). Nothing is renamed when
// a new name belongs to a file outside the batch; names inside the batch may be reused in any
// order (every file first moves to a temporary name). On failure the files go back to their
// old names.
std::optional<FileError> BatchRename(const QString& folder, const QStringList& names, const QString& prefix);

}  // namespace albryn
