#pragma once
// What the image list and file browser panels need from the window that hosts them. Every
// function may be left empty; the panels then use the default named with it.
#include <QString>
#include <functional>

#include "dialog_services.h"

namespace albryn {

struct PanelHost {
  ui::DialogServices& dialogs;
  // The largest number of pictures (ImageLimit); 250 when empty.
  std::function<int()> imageLimit;
  // Whether "Enable &Image Preview Window" is checked; unchecked when empty.
  std::function<bool()> previewEnabled;
  // Sets the preview caption and loads the picture into the preview box (a PreviewBox keeps what it
  // showed when the picture cannot be loaded).
  std::function<void(const QString& caption, const QString& path)> showPreview;
  // Puts the logo picture into the preview box.
  std::function<void()> showLogo;
  // Moves the keyboard focus to the window's invisible focus sink.
  std::function<void()> focusSink;

  int limit() const { return imageLimit ? imageLimit() : 250; }
  bool previewOn() const { return previewEnabled && previewEnabled(); }
  void preview(const QString& caption, const QString& path) const {
    if (showPreview) showPreview(caption, path);
  }
  void logo() const {
    if (showLogo) showLogo();
  }
  void sinkFocus() const {
    if (focusSink) focusSink();
  }
};

}  // namespace albryn
