#pragma once
// frmWebGenMsgBox: the six page styles as pictures, and the generation options.
#include <QDialog>
#include <functional>
#include <optional>

#include "page_styles.h"

class QCheckBox;

namespace albryn::webgen {

struct StyleChoice {
  PageStyle style;
  bool thumbnails = true;
  bool drivePaths = false;
  bool operator==(const StyleChoice&) const = default;
};

class StyleChooser : public QDialog {
  Q_OBJECT

 public:
  // autoSpaceReplacement is the main window's option; ticking or unticking the chooser's box
  // sets it at once through setAutoSpace.
  StyleChooser(bool autoSpaceReplacement, std::function<void(bool)> setAutoSpace,
               QWidget* parent = nullptr);

  // The style clicked with the two options; nothing when the chooser was closed without one.
  const std::optional<StyleChoice>& choice() const { return choice_; }

  static std::optional<StyleChoice> Ask(bool autoSpaceReplacement,
                                        std::function<void(bool)> setAutoSpace, QWidget* parent);

 private:
  void choose(PageStyle style);

  QCheckBox* thumbnails_ = nullptr;
  QCheckBox* drivePaths_ = nullptr;
  std::optional<StyleChoice> choice_;
};

// The picture's object name and tool tip for each style.
QString StylePictureName(PageStyle style);
QString StyleToolTip(PageStyle style);

}  // namespace albryn::webgen
