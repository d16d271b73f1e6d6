#include "project_commands.h"

#include "file_filter.h"

namespace albryn::webgen {

namespace {

ui::FileRequest ProjectFileRequest(const ProjectData& data, const QString& programFolder) {
  ui::FileRequest request;
  request.filter = QStringLiteral("Albryn File (*.alb)|*.alb|All (*.*)|*.*");
  request.defaultExtension = QStringLiteral("ALB");
  request.initialName = data.pathEntries.value(kProjectPathKeys.indexOf(QStringLiteral("alb")));
  request.initialFolder = programFolder;
  return request;
}

void SetAlbEntry(ProjectData& data, const QString& name) {
  data.pathEntries.resize(kProjectPathKeys.size());
  data.pathEntries[kProjectPathKeys.indexOf(QStringLiteral("alb"))] = name;
}

void ShowFailure(ui::DialogServices& dialogs, const QString& text, const WriteFailure& failure) {
  dialogs.message(FailureText(text, failure), ui::MessageIcon::Warning);
}

}  // namespace

bool SaveProject(ProjectData& data, ui::DialogServices& dialogs, const QString& programFolder) {
  ui::FileRequest request = ProjectFileRequest(data, programFolder);
  // The ".alb" rule below adds the extension, so that the next dialog proposes the name as typed.
  // The overwrite question is therefore asked here, about the file really written; declining it
  // opens the dialog again, as the dialog's own question would.
  request.defaultExtension.clear();
  ui::FileRequest overwriteQuestion = request;
  overwriteQuestion.confirmOverwrite = true;
  const QString dialogTitle = ui::shownFileDialogTitle(request, true);
  for (;;) {
    const std::optional<QString> chosen = dialogs.saveFile(request);
    if (!chosen) return false;
    if (chosen->trimmed().isEmpty()) {
      dialogs.message(QStringLiteral("Save Albryn File Cancelled!"), ui::MessageIcon::Warning);
      return false;
    }
    QString path = *chosen;
    if (!path.toLower().endsWith(QStringLiteral(".alb"))) path += QStringLiteral(".alb");
    if (!ui::finishSave(dialogs, overwriteQuestion, path, 0, dialogTitle)) continue;
    SetAlbEntry(data, *chosen);
    if (const auto failure = WriteProjectFile(path, data)) {
      ShowFailure(dialogs, QStringLiteral("Error Saving Albryn File!"), *failure);
      return false;
    }
    dialogs.message(QStringLiteral("Save Albryn File Completed!"), ui::MessageIcon::Information);
    return true;
  }
}

bool LoadProject(ProjectData& data, ui::DialogServices& dialogs, const QString& programFolder) {
  const std::optional<QString> chosen = dialogs.openFile(ProjectFileRequest(data, programFolder));
  if (!chosen) return false;
  SetAlbEntry(data, *chosen);
  if (chosen->trimmed().isEmpty()) return false;
  const LoadResult result = ReadProjectFile(*chosen, data);
  if (result.outcome == LoadOutcome::Failed)
    ShowFailure(dialogs, QStringLiteral("Error Loading Albryn File!"), result.failure);
  else if (result.outcome == LoadOutcome::NoPictures)
    dialogs.message(QStringLiteral("Invalid or Empty Albryn File!"), ui::MessageIcon::Warning);
  return true;
}

}  // namespace albryn::webgen
