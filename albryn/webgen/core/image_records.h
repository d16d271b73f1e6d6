#pragma once
// One record per picture of the image list, rebuilt at every generation and read by the upload
// as the last generation left it.
#include <QString>
#include <QStringList>
#include <vector>

namespace albryn::webgen {

struct ImageRecord {
  QString displayName;
  QString folder;         // ends in '/'
  QString baseName;       // the file name without its last four characters
  QString extension;      // the last four characters of the file name, ".jpg"
  QString thumbnailBase;  // the base name, or the thumbnail's name once one is made
  QString webBase;        // the web name of the file name, without its last four characters
  qint32 thumbnailWidth = 100;
  qint32 thumbnailHeight = 75;

  // The upload relies on this test to send thumbnail files.
  bool hasThumbnail() const { return thumbnailBase != baseName; }
  QString sourcePath() const { return folder + baseName + extension; }
  bool operator==(const ImageRecord&) const = default;
};

// Record i for row i of the two image lists (paths and display names, of equal length). A file
// name shorter than four characters has an empty base name and is its own extension, so that
// base name + extension still give the file name.
std::vector<ImageRecord> BuildImageRecords(const QStringList& paths,
                                           const QStringList& displayNames,
                                           bool autoSpaceReplacement);

}  // namespace albryn::webgen
