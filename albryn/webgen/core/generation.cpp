#include "generation.h"

#include "paths.h"

namespace albryn::webgen {

namespace {

PageJob MakeJob(const AlbumInput& input, const GenerationState& state, const FontTags& tags,
                const BackgroundValues& backgrounds) {
  PageJob job;
  job.title = input.attributes.title;
  job.outputFolder = state.outputFolder;
  job.baseName = state.outputBaseName;
  job.tags = tags;
  job.backgrounds = backgrounds;
  job.mainBackIsColor = input.attributes.display.backIsColor;
  job.linkBackIsColor = input.attributes.link.backIsColor;
  job.linkFontColor = input.attributes.link.font.colorText;
  job.soundPath = input.attributes.soundPath;
  job.flags = state.flags;
  job.thumbnails = input.options.thumbnails;
  job.drivePaths = input.options.drivePaths;
  job.autoSpaceReplacement = input.options.autoSpaceReplacement;
  return job;
}

}  // namespace

std::optional<QString> ChooseOutputFile(ui::DialogServices& dialogs, QString& genhtmlEntry,
                                        GenerationState& state) {
  ui::FileRequest request;
  request.filter = QStringLiteral("HTML (*.html)|*.html|HTM (*.htm)|*.htm|All (*.*)|*.*");
  request.defaultExtension = QStringLiteral("HTML");
  request.initialName = genhtmlEntry;
  request.confirmOverwrite = true;
  const std::optional<QString> chosen = dialogs.saveFile(request);
  if (!chosen || chosen->trimmed().isEmpty()) return std::nullopt;
  QString name = *chosen;
  const QString lower = name.toLower();
  if (!lower.endsWith(QStringLiteral(".html")) && !lower.endsWith(QStringLiteral(".htm")))
    name += QStringLiteral(".html");
  state.outputBaseName = BaseNameOf(name);
  state.outputFolder = FolderOf(name);
  genhtmlEntry = state.indexPagePath();
  return genhtmlEntry;
}

bool GenerateAlbum(PageStyle style, const AlbumInput& input, GenerationState& state,
                   QString& genhtmlEntry, const GenerationServices& services) {
  state.flags.useFrames = false;
  state.flags.thumbsInMain = false;
  state.records = BuildImageRecords(input.paths, input.displayNames,
                                    input.options.autoSpaceReplacement);
  return GenerateWebPage(style, input, state, genhtmlEntry, services);
}

bool GenerateWebPage(PageStyle style, const AlbumInput& input, GenerationState& state,
                     QString& genhtmlEntry, const GenerationServices& services) {
  ui::DialogServices& dialogs = services.dialogs;
  if (input.paths.isEmpty()) {
    dialogs.message(QStringLiteral("No Images in list, cannot Generate ") + kAlbumWord);
    return false;
  }
  state.flags = FlagsForStyle(style, state.flags);
  const FontTags tags = BuildFontTags(input.attributes);
  if (!ChooseOutputFile(dialogs, genhtmlEntry, state)) return false;
  const BackgroundValues backgrounds = PrepareBackgrounds(input.attributes, state.outputFolder,
                                                          input.options.autoSpaceReplacement);
  const PageJob job = MakeJob(input, state, tags, backgrounds);

  const ThumbnailStep makeThumbnails = [&](std::vector<ImageRecord>& records) {
    ui::BusyPointer busy(dialogs, ui::BusyKind::Hourglass);
    MakeThumbnails(records, job.outputFolder, job.autoSpaceReplacement, services.resize,
                   services.progress);
  };
  const ShowMessage show = [&](const QString& text) { dialogs.message(text); };
  if (const WriteOutcome failure = WriteStylePages(style, job, state.records, makeThumbnails, show)) {
    dialogs.message(
        FailureText(QStringLiteral("Error Generating ") + kAlbumWord + QStringLiteral("!"), *failure),
        ui::MessageIcon::Warning);
    return false;
  }
  dialogs.message(QStringLiteral("Creation of ") + kAlbumWord + QStringLiteral(" Completed!"),
                  ui::MessageIcon::Information);
  return true;
}

}  // namespace albryn::webgen
