#pragma once
// Thumbnail pictures of 100 x 75 pixels, made on a pool of threads (one per core).
#include <QString>
#include <functional>
#include <vector>

#include "image_records.h"

namespace albryn::webgen {

// The image operation that writes a resized JPEG: source, destination, a fraction (0: use the
// width and height), width, height; an empty result text on success, "Error: n" on failure.
using ResizeFunction = std::function<QString(const QString& source, const QString& destination,
                                             double fraction, qint32 width, qint32 height)>;
// Told on the calling thread how many of the pictures are done.
using ThumbnailProgress = std::function<void(int done, int total)>;

// The thumbnail's name without extension: "thumb" + the base name, made web-safe.
QString ThumbnailBaseFor(const ImageRecord& record, bool autoSpaceReplacement);

// Writes outputFolder + thumbnail name + extension for every picture except GIFs, and sets the
// thumbnail base of each record whose thumbnail was written. Failures are silent: such a record
// keeps no thumbnail. A thumbnail whose file would be one of the album's own pictures is not
// made, so that no picture is overwritten. Records and files are the same as a one-by-one run in list order would
// give, whatever order the threads finish in: pictures that would write the same thumbnail file
// are resized one after the other in list order. While the threads work, the calling thread
// runs its event loop (when it has one), so windows repaint and progress is shown.
void MakeThumbnails(std::vector<ImageRecord>& records, const QString& outputFolder,
                    bool autoSpaceReplacement, const ResizeFunction& resize,
                    const ThumbnailProgress& progress = {});

}  // namespace albryn::webgen
