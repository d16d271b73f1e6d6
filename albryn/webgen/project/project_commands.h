#pragma once
// "&Save Albryn File" and "&Load Albryn File": the dialogs, the ".alb" rule and the messages.
#include <QString>

#include "dialog_services.h"
#include "project_file.h"

namespace albryn::webgen {

// Asks for a file name (starting at the "alb" entry and programFolder) and writes data to it,
// with ".alb" added when the name does not end in it; the "alb" entry becomes the name as
// chosen. Returns whether the file was written.
bool SaveProject(ProjectData& data, ui::DialogServices& dialogs, const QString& programFolder);

// Asks for a project file and reads it into data (see ReadProjectFile), with the messages for an
// empty or failed load. Returns whether a file was read (also when it had no pictures or failed
// part way: what was read stays set).
bool LoadProject(ProjectData& data, ui::DialogServices& dialogs, const QString& programFolder);

}  // namespace albryn::webgen
