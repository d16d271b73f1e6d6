// Generates the "thumb" style album for the pictures named on the command line into a folder,
// through the generation driver with thumbnails made by the image operations (bench/webgen.sh).
// Usage: webgen_thumb_bench OUTPUT_FOLDER PICTURE...
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "generation.h"
#include "image_operations.h"
#include "paths.h"
#include "scripted_dialog_services.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: webgen_thumb_bench OUTPUT_FOLDER PICTURE...\n");
    return 2;
  }
  albryn::ImageLibrary library;
  const QString out = QDir(args[1]).absolutePath();
  QDir().mkpath(out);

  albryn::webgen::AlbumInput input;
  input.attributes = albryn::webgen::InitialPageAttributes();
  input.options = {true, false, true};
  for (const QString& path : args.mid(2)) {
    input.paths << QFileInfo(path).absoluteFilePath();
    input.displayNames << albryn::BaseNameOf(path);
  }
  albryn::ui::ScriptedDialogServices dialogs;  // answers the save dialog with the output page
  const QString page = out + QStringLiteral("/album.html");
  dialogs.queueFile(page);
  if (QFileInfo::exists(page)) dialogs.queueAnswer(albryn::ui::Answer::Yes);  // replace it
  albryn::webgen::GenerationState state;
  QString genhtml;
  const bool written = albryn::webgen::GenerateAlbum(
      albryn::webgen::PageStyle::Thumb, input, state, genhtml,
      {dialogs, albryn::ResizeImageFile, {}});
  int thumbnails = 0;
  for (const auto& record : state.records) thumbnails += record.hasThumbnail() ? 1 : 0;
  std::printf("%d thumbnails\n", thumbnails);
  return written && thumbnails == int(state.records.size()) ? 0 : 1;
}
