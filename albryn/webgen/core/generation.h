#pragma once
// One generation of the album: the picture records, the index page's location, the background
// copies, the thumbnails and the pages of the chosen style, with every message.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "dialog_services.h"
#include "image_records.h"
#include "page_attributes.h"
#include "page_styles.h"
#include "page_writers.h"
#include "thumbnails.h"

namespace albryn::webgen {

inline const QString kAlbumWord = QStringLiteral("Albryn Web Page");

// What a generation leaves behind for the upload and the project file.
struct GenerationState {
  std::vector<ImageRecord> records;
  QString outputFolder;    // ends in '/'
  QString outputBaseName;
  StyleFlags flags;

  QString indexPagePath() const { return outputFolder + outputBaseName + QStringLiteral(".html"); }
};

struct GenerationOptions {
  bool thumbnails = true;          // make and use thumbnail pictures
  bool drivePaths = false;         // pages name the pictures by their local paths
  bool autoSpaceReplacement = false;
};

// The image list and the page attributes a generation reads.
struct AlbumInput {
  QStringList paths;
  QStringList displayNames;
  PageAttributes attributes;
  GenerationOptions options;
};

struct GenerationServices {
  ui::DialogServices& dialogs;
  ResizeFunction resize;         // the image operation that writes a thumbnail
  ThumbnailProgress progress;    // shows how many thumbnails are done (may be empty)
};

// Asks where to save the index page (the save dialog starts at genhtmlEntry). Names that end in
// neither ".html" nor ".htm" get ".html". The index page is always written as folder + base name
// + ".html", and genhtmlEntry records that path, so preview, editing and upload open the page
// that was written even when the name was chosen with ".htm". Nothing when cancelled.
std::optional<QString> ChooseOutputFile(ui::DialogServices& dialogs, QString& genhtmlEntry,
                                        GenerationState& state);

// The generate command after the style chooser returned style: rebuilds the records from the
// image list and runs GenerateWebPage. Returns whether the pages were written.
bool GenerateAlbum(PageStyle style, const AlbumInput& input, GenerationState& state,
                   QString& genhtmlEntry, const GenerationServices& services);

// One generation with the records already built: the empty-list message, the style's flags, the
// font tags, the output file, the background copies, the writer and the closing message.
bool GenerateWebPage(PageStyle style, const AlbumInput& input, GenerationState& state,
                     QString& genhtmlEntry, const GenerationServices& services);

}  // namespace albryn::webgen
