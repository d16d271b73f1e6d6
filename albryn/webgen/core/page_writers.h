#pragma once
// The page writers of the six styles. The frame styles write an index page with two frames, a
// display page and a link page; "thumb", "lrscroll" and "udscroll" write a single page.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "backgrounds.h"
#include "font_tags.h"
#include "image_records.h"
#include "page_file.h"
#include "page_styles.h"

namespace albryn::webgen {

// The program's home page, linked from the credit line of every album.
inline const QString kHomePage = QStringLiteral("https://albryn.org/");
inline const QString kProductName = QStringLiteral("Albryn Web Page Generator");

// Everything a writer needs besides the records.
struct PageJob {
  QString title;
  QString outputFolder;  // ends in '/'
  QString baseName;
  FontTags tags;
  BackgroundValues backgrounds;
  bool mainBackIsColor = true;
  bool linkBackIsColor = true;
  QString linkFontColor;  // RRGGBB of the link font, used for LINK and VLINK
  QString soundPath;
  StyleFlags flags;
  bool thumbnails = false;  // make and use thumbnail pictures
  bool drivePaths = false;  // name pictures by their full local paths
  bool autoSpaceReplacement = false;

  QString indexPagePath() const { return outputFolder + baseName + QStringLiteral(".html"); }
};

// Makes the thumbnails and updates the records; a writer calls it when its style shows
// thumbnails and the thumbnails option is ticked.
using ThumbnailStep = std::function<void(std::vector<ImageRecord>&)>;
// Shows a message box with an OK button and the program's caption.
using ShowMessage = std::function<void(const QString& text)>;

using WriteOutcome = std::optional<WriteFailure>;  // nothing on success

// The full-size picture as the pages name it.
QString LinkRef(const ImageRecord& r, const PageJob& job);
// The picture shown in a thumbnail line: the thumbnail when the record has one, else LinkRef.
QString ImgRef(const ImageRecord& r, const PageJob& job);

// Index, display and link page, in that order. Pages finished before a failure stay.
WriteOutcome WriteFramePages(const PageJob& job, std::vector<ImageRecord>& records,
                             const ThumbnailStep& makeThumbnails);
// Shows "Error Generating Thumbnails: " with the failure before reporting it.
WriteOutcome WriteThumbnailPage(const PageJob& job, std::vector<ImageRecord>& records,
                                const ThumbnailStep& makeThumbnails, const ShowMessage& show);
WriteOutcome WriteHorizontalScrollPage(const PageJob& job, const std::vector<ImageRecord>& records);
WriteOutcome WriteVerticalScrollPage(const PageJob& job, const std::vector<ImageRecord>& records);

// The writer of the style: the frame pages when job.flags.useFrames, else the thumbnail page
// when job.flags.thumbsInMain, else the scroll page of style.
WriteOutcome WriteStylePages(PageStyle style, const PageJob& job, std::vector<ImageRecord>& records,
                             const ThumbnailStep& makeThumbnails, const ShowMessage& show);

}  // namespace albryn::webgen
