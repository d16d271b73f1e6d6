#pragma once
// The main window's generate command: the style chooser, then one generation, with a progress
// dialog while the thumbnails are made.
#include <QWidget>
#include <functional>
#include <optional>

#include "generation.h"
#include "style_chooser.h"

namespace albryn::webgen {

// A progress callback that shows a modal progress dialog with a count ("Making thumbnails: 3 of
// 40") over owner while thumbnails are made, and closes it when all are done.
ThumbnailProgress ProgressDialogFor(QWidget* owner);

struct GenerateCommand {
  QWidget* owner = nullptr;
  ui::DialogServices& dialogs;
  ResizeFunction resize;  // ResizeImageFile when empty
  // Sets the main window's automatic space replacement option (the chooser's box changes it at
  // once).
  std::function<void(bool)> setAutoSpace;
  // Replaces the style chooser (tests); when empty, StyleChooser::Ask is shown over owner.
  std::function<std::optional<StyleChoice>(bool autoSpace, std::function<void(bool)> setAutoSpace)>
      askStyle;

  // Shows the chooser and, when a style was clicked, generates with its options (input's own
  // thumbnails and drive-paths options are replaced by the chooser's). Returns the choice, so
  // that the caller keeps the two options, or nothing when the chooser was closed.
  std::optional<StyleChoice> run(AlbumInput input, GenerationState& state, QString& genhtmlEntry);
};

}  // namespace albryn::webgen
