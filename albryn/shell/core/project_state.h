#pragma once
// The project file's view of the program state: what "&Save Albryn File" writes and what
// "&Load Albryn File" puts back.
#include "program_state.h"
#include "project_file.h"

namespace albryn::shell {

// The values a project file keeps; countLabel is the image list's count label as shown.
webgen::ProjectData ProjectDataOf(const ProgramState& state, const QString& countLabel);
// Puts a loaded project into the state: page attributes, upload page, output location, path
// bag and the pictures (all of them, whatever the picture limit, so nothing of the file is lost).
void ApplyProjectData(const webgen::ProjectData& data, ProgramState& state);
// "&New (Clear All)" on the state: page attributes to their reset values, no pictures, no
// generation left behind, the reserved name empty and the path bag as at start-up. The upload
// fields, options and picture limit stay.
void ClearProject(ProgramState& state, const QString& programFolder);

}  // namespace albryn::shell
