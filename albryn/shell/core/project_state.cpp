#include "project_state.h"

#include <climits>

namespace albryn::shell {

webgen::ProjectData ProjectDataOf(const ProgramState& state, const QString& countLabel) {
  webgen::ProjectData data;
  data.attributes = state.pageAttributes;
  data.uploadFilePath = state.upload.pagePath;
  data.reservedName = state.reservedName;
  data.outputFolder = state.generation.outputFolder;
  data.outputBaseName = state.generation.outputBaseName;
  data.countLabel = countLabel;
  for (const QString& key : webgen::kProjectPathKeys) data.pathEntries << state.pathBag.value(key);
  data.paths = state.imageList.paths();
  data.displayNames = state.imageList.names();
  return data;
}

void ApplyProjectData(const webgen::ProjectData& data, ProgramState& state) {
  state.pageAttributes = data.attributes;
  state.upload.pagePath = data.uploadFilePath;
  state.reservedName = data.reservedName;
  state.generation.outputFolder = data.outputFolder;
  state.generation.outputBaseName = data.outputBaseName;
  for (qsizetype i = 0; i < webgen::kProjectPathKeys.size() && i < data.pathEntries.size(); ++i)
    state.pathBag.set(webgen::kProjectPathKeys[i], data.pathEntries[i]);
  state.imageList.clear();
  for (qsizetype i = 0; i < data.paths.size(); ++i)
    state.imageList.append(data.paths[i], data.displayNames.value(i), INT_MAX);
}

void ClearProject(ProgramState& state, const QString& programFolder) {
  state.pageAttributes = webgen::ResetPageAttributes();
  state.imageList.clear();
  state.generation = {};
  state.reservedName.clear();
  state.pathBag.fillInitial(programFolder);
}

}  // namespace albryn::shell
