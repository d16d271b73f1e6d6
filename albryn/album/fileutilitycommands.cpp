#include "fileutilitycommands.h"

#include "fileutils.h"

namespace albryn {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString numbered(const FileError& error) {
  return QString::number(error.number) + QStringLiteral(" - ") + error.description;
}

}  // namespace

bool FileUtilityCommands::createFolder(const QString& folder) {
  const auto name = dialogs_.input({QStringLiteral("Enter Folder Name"), QStringLiteral("Create New Folder"),
                                    QStringLiteral("New Folder")});
  if (!name || name->isEmpty()) return false;
  if (const auto error = CreateFolder(folder, *name)) {
    dialogs_.message(QStringLiteral("Error Creating Folder: ") + *name + kCrLf + numbered(*error));
    return false;
  }
  return true;
}

void FileUtilityCommands::copy(const QString& folder, const QStringList& selected) {
  copyNames_ = selected;
  copySource_ = folder;
  canPaste_ = true;
}

void FileUtilityCommands::paste(const QString& folder) {
  if (!canPaste_) return;
  ui::BusyPointer busy(dialogs_);
  for (const QString& name : copyNames_) {
    if (const auto error = CopyFileInto(copySource_, name, folder)) {
      warn(QStringLiteral("File Copy Error:") + error->description);
    }
  }
  canPaste_ = false;
}

void FileUtilityCommands::rename(const QString& folder, const QStringList& selected) {
  for (const QString& name : selected) {
    const auto answer = dialogs_.input({QStringLiteral("Enter new filename:"), QStringLiteral("Rename Selected Files"), name});
    if (!answer || answer->isEmpty()) continue;
    const RenameOutcome outcome = RenameFileIn(folder, name, *answer);
    switch (outcome.status) {
      case RenameStatus::Renamed:
      case RenameStatus::TargetExists:
        break;
      case RenameStatus::NotFound:
        warn(QStringLiteral("File contains invalid Single Quote characters.") + kCrLf +
             QStringLiteral("Single Quotes Are not Browser Friendly Characters.") + kCrLf +
             QStringLiteral("Please Rename with Windows File Manager."));
        break;
      case RenameStatus::Failed:
        warn(QStringLiteral("File Rename Error:") + outcome.description);
        break;
    }
  }
}

void FileUtilityCommands::remove(const QString& folder, const QStringList& selected) {
  for (const QString& name : selected) {
    if (dialogs_.message(QStringLiteral("Delete: ") + name + QStringLiteral(" ?"), ui::MessageIcon::None,
                         ui::MessageButtons::YesNo) != ui::Answer::Yes) {
      continue;
    }
    if (const auto error = DeleteFileIn(folder, name)) warn(QStringLiteral("File Delete Error:") + error->description);
  }
}

void FileUtilityCommands::batchRename(const QString& folder, const QStringList& selected) {
  const QString prompt = QStringLiteral("Enter New Batch Filename for Selected Files:") + kCrLf + kCrLf +
                         QStringLiteral("Note: Selected files will be renamed as: Entered Filename + Incremental Number.");
  const auto prefix = dialogs_.input({prompt, QStringLiteral("Batch Rename"), QStringLiteral("Filename-")});
  if (!prefix || prefix->isEmpty()) return;
  if (const auto error = BatchRename(folder, selected, *prefix)) warn(numbered(*error), QStringLiteral("Batch File Rename"));
}

void FileUtilityCommands::forgetCopySource() {
  copySource_.clear();
  canPaste_ = false;
}

void FileUtilityCommands::warn(const QString& text, const QString& caption) {
  dialogs_.message(text, ui::MessageIcon::Warning, ui::MessageButtons::Ok, caption);
}

}  // namespace albryn
