#include "step_area.h"

#include <QLabel>
#include <QPushButton>

#include "previewbox.h"

namespace albryn::shell {
namespace {

struct StepInfo {
  const char* buttonName;
  const char* caption;
  const char* lampName;
};

const StepInfo kSteps[kLampCount] = {
    {"cmdColors", "&Select Title, Fonts, Backgrounds", "LEDselectColor"},
    {"cmdSelectImages", "Select Digital &Images", "LEDselectImages"},
    {"cmdGenerateHtml", "&Generate Albryn Web Page", "LEDgenWebPage"},
    {"cmdPreview", "&Pre-View Web Page", "LEDpreView"},
    {"cmdFtpUpload", "&Upload to Web Site (FTP)", "LEDupload"},
};

// Pixel positions inside the frame.
constexpr int kTop = 22;
constexpr int kRowHeight = 36;
constexpr int kLabelX = 12;
constexpr int kLampX = 64;
constexpr int kLampSize = 14;
constexpr int kButtonX = 88;
constexpr int kButtonWidth = 250;
constexpr int kButtonHeight = 30;
constexpr int kEditHtmlX = kButtonX + kButtonWidth + 10;
constexpr int kPreviewX = 440;
constexpr int kPreviewWidth = 190;

void paintLamp(QFrame* lamp, bool green) {
  QPalette palette = lamp->palette();
  palette.setColor(QPalette::Window, green ? QColor(0, 255, 0) : QColor(0, 0, 0));
  lamp->setPalette(palette);
}

}  // namespace

StepArea::StepArea(QWidget* parent) : QGroupBox(tr("Web Page Options"), parent) {
  for (int i = 0; i < kLampCount; ++i) {
    const int y = kTop + i * kRowHeight;
    auto* label = new QLabel(tr("Step %1:").arg(i + 1), this);
    label->setGeometry(kLabelX, y, kLampX - kLabelX, kButtonHeight);

    lamps_[i] = new QFrame(this);
    lamps_[i]->setObjectName(kSteps[i].lampName);
    lamps_[i]->setFrameShape(QFrame::Box);
    lamps_[i]->setAutoFillBackground(true);
    lamps_[i]->setGeometry(kLampX, y + (kButtonHeight - kLampSize) / 2, kLampSize, kLampSize);
    paintLamp(lamps_[i], false);

    buttons_[i] = new QPushButton(tr(kSteps[i].caption), this);
    buttons_[i]->setObjectName(kSteps[i].buttonName);
    buttons_[i]->setGeometry(kButtonX, y, kButtonWidth, kButtonHeight);
  }
  editHtml_ = new QPushButton(tr("&Edit HTML"), this);
  editHtml_->setObjectName("cmdEditHTML");
  editHtml_->setGeometry(kEditHtmlX, kTop + int(Lamp::PreView) * kRowHeight, 80, kButtonHeight);

  previewCaption_ = new QLabel(this);
  previewCaption_->setObjectName("lblImage");
  previewCaption_->setAlignment(Qt::AlignCenter);
  previewCaption_->setGeometry(kPreviewX, kTop - 6, kPreviewWidth, 18);

  preview_ = new PreviewBox(this);
  preview_->setFrameShape(QFrame::StyledPanel);
  preview_->setGeometry(kPreviewX, kTop + 14, kPreviewWidth, 4 * kRowHeight + kButtonHeight - 14);
}

void StepArea::showLamps(const Lamps& lamps) {
  for (int i = 0; i < kLampCount; ++i) paintLamp(lamps_[i], lamps.isGreen(Lamp(i)));
}

void StepArea::resetPreview() {
  previewCaption_->clear();
  preview_->showImage(QPixmap(":/pictures/logo.png"));
}

}  // namespace albryn::shell
