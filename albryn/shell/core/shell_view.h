#pragma once
// What the shell's logic asks of the main window. The window implements it; the logic decides
// when and in which order.
#include <QString>

#include "lamps.h"
#include "options.h"

namespace albryn::shell {

// The three panels, in the order ShowPanel looks for the visible one.
enum class Panel { ColorFontTitle, FtpUpload, ImageList };

// Window sizes in layout units (1440 to the inch).
inline constexpr int kWindowWidth = 6525;
inline constexpr int kCollapsedHeight = 2400;
inline constexpr int kExpandedHeight = 5040;
inline constexpr int kPanelAreaHeight = 2640;
inline constexpr int kDriveBrowserHeight = 2505;
inline constexpr int kWindowTop = 1800;

class ShellView {
 public:
  virtual ~ShellView() = default;

  // Gives the window its start size (kWindowWidth × kCollapsedHeight) and puts it kWindowTop
  // below the top of the screen, centred across it.
  virtual void placeWindow() = 0;
  // The window's height and position in layout units.
  virtual int heightUnits() const = 0;
  virtual int topUnits() const = 0;
  virtual int leftUnits() const = 0;
  // Grows (positive) or shrinks the window smoothly by delta, then sets the exact final height.
  virtual void animateHeight(int delta, int finalHeight) = 0;
  // Slides `to` in place of `from`; afterwards only `to` is visible.
  virtual void slidePanel(Panel from, Panel to) = 0;
  // The step buttons, "&Edit HTML" and the drive-browser button, while a panel slides.
  virtual void setStepButtonsEnabled(bool enabled) = 0;
  virtual void setDriveBrowserVisible(bool visible) = 0;
  virtual void setDriveButtonCaption(const QString& caption) = 0;
  virtual void setDriveButtonEnabled(bool enabled) = 0;
  virtual void moveFocusToSink() = 0;
  virtual void showLamps(const Lamps& lamps) = 0;
  // The preview box: the logo with an empty caption.
  virtual void resetPreview() = 0;
  // The preview option switched on: the caption "ImageList Pre-View" and the image list's
  // current picture, when it has one.
  virtual void previewSwitchedOn() = 0;
  virtual void showOptionChecked(Option option, bool checked) = 0;
};

}  // namespace albryn::shell
