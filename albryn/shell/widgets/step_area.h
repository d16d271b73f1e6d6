#pragma once
// The frame "Web Page Options": the five numbered step buttons with their lamps, "&Edit HTML",
// and the small picture preview with its caption.
#include <QGroupBox>
#include <array>

#include "lamps.h"

class QLabel;
class QPushButton;

namespace albryn {
class PreviewBox;
}

namespace albryn::shell {

class StepArea : public QGroupBox {
  Q_OBJECT

 public:
  explicit StepArea(QWidget* parent = nullptr);

  QPushButton* stepButton(Lamp step) const { return buttons_[std::size_t(step)]; }
  QPushButton* editHtmlButton() const { return editHtml_; }
  QLabel* previewCaption() const { return previewCaption_; }
  PreviewBox* preview() const { return preview_; }

  void showLamps(const Lamps& lamps);
  // Shows the logo in the preview box and empties its caption.
  void resetPreview();

 private:
  std::array<QPushButton*, kLampCount> buttons_{};
  std::array<QFrame*, kLampCount> lamps_{};
  QPushButton* editHtml_;
  QLabel* previewCaption_;
  PreviewBox* preview_;
};

}  // namespace albryn::shell
