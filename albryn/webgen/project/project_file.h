#pragma once
// The ".alb" project file: one value a line (CR LF), the meaning of a line given by its
// position, then the pictures as path and display-name lines between "ImageListStart" and
// "ImageListEnd". Written as UTF-8; files that are not valid UTF-8 (from the older program) are
// read as Windows-1252.
#include <QString>
#include <QStringList>
#include <optional>

#include "page_attributes.h"
#include "page_file.h"

namespace albryn::webgen {

// The path bag keys in the order of their lines.
inline const QStringList kProjectPathKeys{"midi", "alb", "genhtml", "prevhtml", "linkback", "mainback"};

struct ProjectData {
  PageAttributes attributes;
  QString uploadFilePath;  // the "Uploading:" box of the upload panel
  QString reservedName;
  QString outputFolder;
  QString outputBaseName;
  QString countLabel;      // the image list's count label, as shown
  QStringList pathEntries;  // the path bag, one entry per key of kProjectPathKeys
  QStringList paths;
  QStringList displayNames;
  bool operator==(const ProjectData&) const = default;
};

// The lines of the file for data.
QStringList ProjectLines(const ProjectData& data);

// Writes the file; an existing file is replaced only once the new one is complete.
std::optional<WriteFailure> WriteProjectFile(const QString& path, const ProjectData& data);

// The text of a project file's bytes: UTF-8 (a byte order mark is skipped) when they are valid
// UTF-8, else Windows-1252.
QString DecodeProjectText(const QByteArray& bytes);

enum class LoadOutcome { Loaded, NoPictures, Failed };

struct LoadResult {
  LoadOutcome outcome = LoadOutcome::Failed;
  WriteFailure failure;  // number and description when Failed
};

// Reads the file into data line by line. The image lists are emptied first; on a failure every
// value read before it stays set and the lists hold the rows read so far. Numbers may carry
// spaces around them.
LoadResult ReadProjectFile(const QString& path, ProjectData& data);

}  // namespace albryn::webgen
