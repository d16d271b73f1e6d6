#include "fileutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "paths.h"

namespace albryn {
namespace {

FileError errorOf(std::errc code, const QString& description) {
  return {static_cast<int>(code), description};
}

bool exists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

std::optional<FileError> refuseSlash(const QString& name) {
  if (!name.contains(u'/')) return std::nullopt;
  return errorOf(std::errc::invalid_argument, QStringLiteral("A name cannot contain '/': %1").arg(name));
}

std::optional<FileError> renameNoReplace(const QString& from, const QString& to) {
  QFile file(from);
  if (file.rename(to)) return std::nullopt;
  return FileError{static_cast<int>(file.error()), file.errorString()};
}

// A free hidden name in the folder for a file on its way to its new name.
QString temporaryName(const QString& folder) {
  for (int n = 1;; ++n) {
    const QString path = JoinFolder(folder, QStringLiteral(".albryn-rename-%1").arg(n));
    if (!exists(path)) return path;
  }
}

}  // namespace

QStringList PictureFilesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.jpg"), QStringLiteral("*.gif")}, QDir::Files,
                                QDir::Name | QDir::IgnoreCase);
}

std::optional<FileError> CreateFolder(const QString& parent, const QString& name) {
  if (auto refused = refuseSlash(name)) return refused;
  std::error_code error;
  const std::filesystem::path path = JoinFolder(parent, name).toStdString();
  if (std::filesystem::create_directory(path, error)) return std::nullopt;
  if (!error) error = std::make_error_code(std::errc::file_exists);
  return FileError{error.value(), QString::fromStdString(error.message())};
}

std::optional<FileError> CopyFileInto(const QString& sourceFolder, const QString& name,
                                      const QString& targetFolder) {
  const QString target = JoinFolder(targetFolder, name);
  if (exists(target)) return errorOf(std::errc::file_exists, QStringLiteral("%1 already exists.").arg(target));
  // QFile::copy writes a temporary file next to the target and renames it into place.
  QFile source(JoinFolder(sourceFolder, name));
  if (source.copy(target)) return std::nullopt;
  return FileError{static_cast<int>(source.error()), source.errorString()};
}

RenameOutcome RenameFileIn(const QString& folder, const QString& oldName, const QString& newName) {
  if (auto refused = refuseSlash(newName)) return {RenameStatus::Failed, refused->description};
  const QString from = JoinFolder(folder, oldName);
  const QString to = JoinFolder(folder, newName);
  if (!exists(from)) return {RenameStatus::NotFound, {}};
  if (exists(to)) return {RenameStatus::TargetExists, {}};
  if (auto error = renameNoReplace(from, to)) {
    return {exists(to) ? RenameStatus::TargetExists : RenameStatus::Failed, error->description};
  }
  return {RenameStatus::Renamed, {}};
}

std::optional<FileError> DeleteFileIn(const QString& folder, const QString& name) {
  QFile file(JoinFolder(folder, name));
  if (!exists(file.fileName())) {
    return errorOf(std::errc::no_such_file_or_directory, QStringLiteral("%1 was not found.").arg(file.fileName()));
  }
  if (file.remove()) return std::nullopt;
  return FileError{static_cast<int>(file.error()), file.errorString()};
}

QStringList BatchRenameTargets(const QString& prefix, qsizetype count) {
  QStringList targets;
  for (qsizetype i = 1; i <= count; ++i) targets.append(prefix + QString::number(i) + QStringLiteral(".jpg"));
  return targets;
}

std::optional<FileError> BatchRename(const QString& folder, const QStringList& names, const QString& prefix) {
  if (auto refused = refuseSlash(prefix)) return refused;
  const QStringList targets = BatchRenameTargets(prefix, names.size());
  for (const QString& target : targets) {
    if (!names.contains(target) && exists(JoinFolder(folder, target))) {
      return errorOf(std::errc::file_exists, QStringLiteral("%1 already exists.").arg(target));
    }
  }
  // Every file first moves to a temporary name, so the new names may reuse old ones of the batch.
  QStringList temporary;
  const auto undo = [&](qsizetype renamedToTarget) {
    for (qsizetype i = renamedToTarget - 1; i >= 0; --i) renameNoReplace(JoinFolder(folder, targets[i]), temporary[i]);
    for (qsizetype i = temporary.size() - 1; i >= 0; --i) renameNoReplace(temporary[i], JoinFolder(folder, names[i]));
  };
  for (const QString& name : names) {
    const QString parked = temporaryName(folder);
    if (auto error = renameNoReplace(JoinFolder(folder, name), parked)) {
      undo(0);
      return error;
    }
    temporary.append(parked);
  }
  for (qsizetype i = 0; i < targets.size(); ++i) {
    if (auto error = renameNoReplace(temporary[i], JoinFolder(folder, targets[i]))) {
      undo(i);
      return error;
    }
  }
  return std::nullopt;
}

}  // namespace albryn
