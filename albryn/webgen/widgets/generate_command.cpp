#include "generate_command.h"

#include <QProgressDialog>
#include <memory>

#include "image_operations.h"

namespace albryn::webgen {

ThumbnailProgress ProgressDialogFor(QWidget* owner) {
  auto dialog = std::make_shared<std::unique_ptr<QProgressDialog>>();
  return [owner, dialog](int done, int total) {
    auto& progress = *dialog;
    if (!progress && done < total) {
      progress = std::make_unique<QProgressDialog>(owner);
      progress->setWindowTitle(QStringLiteral("Albryn Web Page Generator"));
      progress->setCancelButton(nullptr);
      progress->setWindowModality(Qt::WindowModal);
      progress->setMinimumDuration(0);
      progress->setRange(0, total);
      progress->show();
    }
    if (!progress) return;
    progress->setLabelText(QStringLiteral("Making thumbnails: %1 of %2").arg(done).arg(total));
    progress->setValue(done);
    if (done >= total) progress.reset();
  };
}

std::optional<StyleChoice> GenerateCommand::run(AlbumInput input, GenerationState& state,
                                                QString& genhtmlEntry) {
  bool& autoSpace = input.options.autoSpaceReplacement;
  const auto followAutoSpace = [&](bool on) {
    autoSpace = on;
    if (setAutoSpace) setAutoSpace(on);
  };
  const std::optional<StyleChoice> choice =
      askStyle ? askStyle(autoSpace, followAutoSpace)
               : StyleChooser::Ask(autoSpace, followAutoSpace, owner);
  if (!choice) return std::nullopt;
  input.options.thumbnails = choice->thumbnails;
  input.options.drivePaths = choice->drivePaths;
  GenerateAlbum(choice->style, input, state, genhtmlEntry,
                {dialogs, resize ? resize : ResizeFunction(ResizeImageFile), ProgressDialogFor(owner)});
  return choice;
}

}  // namespace albryn::webgen
