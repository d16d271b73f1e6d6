#pragma once
// The program's state, owned by the main window for the whole run. Panels and dialogs read and
// change it; the project file saves and restores the parts it names.
#include <QString>
#include <QStringList>

#include "generation.h"
#include "image_limit.h"
#include "imagelist.h"
#include "page_attributes.h"
#include "options.h"
#include "path_bag.h"

namespace albryn::shell {

// The fields of the upload panel that the upload reads; the panel fills them.
struct UploadFields {
  QString host;
  QString userName;
  QString password;
  QString remoteFolder;
  QString pagePath;  // the generated index page to upload
  QString resizePercent = QStringLiteral("100");
};

// The percentages offered for shrinking pictures during the upload, largest first.
inline const QStringList kUploadResizeChoices{"100", "90", "80", "75", "70", "60", "50", "40", "30", "25", "20", "10"};

struct ProgramState {
  OptionChecks options;
  PathBag pathBag;
  int imageLimit = kDefaultImageLimit;
  ImageList imageList;
  webgen::PageAttributes pageAttributes = webgen::InitialPageAttributes();

  // What the last generation left for the upload: the picture records and the index page's
  // folder and base name.
  webgen::GenerationState generation;

  UploadFields upload;
  QStringList uploadResizeChoices;

  // The picture name the project file reserves.
  QString reservedName;

  // Answers that choosers and dialogs leave for the command that opened them: the style
  // chooser's result word and its two options, the alter-image warning's answer (1 go on, 0 stop)
  // and the resize dialog's percentage.
  QString chooserResult;
  bool createAndUseThumbnails = false;
  bool localFilePaths = false;
  int alterImageWarningAnswer = 0;
  QString alterResizePercent = QStringLiteral("100");
};

}  // namespace albryn::shell
