#include "style_chooser.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "style_pictures.h"

namespace albryn::webgen {

namespace {

// A style picture that works as a button: pressed (sunken) while the left button is held on it,
// clicked when the button is released over it.
class StylePicture : public QLabel {
 public:
  StylePicture(PageStyle style, std::function<void()> onClick, QWidget* parent)
      : QLabel(parent), style_(style), onClick_(std::move(onClick)) {
    setObjectName(StylePictureName(style));
    setToolTip(StyleToolTip(style));
    setPixmap(DrawStylePicture(style));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    // The "linkthumb" picture keeps its raised border, as it always has.
    if (event->button() == Qt::LeftButton && style_ != PageStyle::LinkThumb)
      setFrameShadow(QFrame::Sunken);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    setFrameShadow(QFrame::Raised);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      onClick_();
  }

 private:
  PageStyle style_;
  std::function<void()> onClick_;
};

QCheckBox* NewOption(const QString& name, const QString& caption, const QString& tip, bool on,
                     QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setToolTip(tip);
  box->setChecked(on);
  return box;
}

}  // namespace

QString StylePictureName(PageStyle style) {
  switch (style) {
    case PageStyle::Frame: return QStringLiteral("ImageFrames");
    case PageStyle::LinkThumb: return QStringLiteral("ImageFramesThumbLink");
    case PageStyle::FrameThumb: return QStringLiteral("ImageFrameThumb");
    case PageStyle::Thumb: return QStringLiteral("ImageThumb");
    case PageStyle::UDScroll: return QStringLiteral("ImageUDScroll");
    case PageStyle::LRScroll: return QStringLiteral("ImageLRScroll");
  }
  return {};
}

QString StyleToolTip(PageStyle style) {
  switch (style) {
    case PageStyle::Frame: return QStringLiteral("Left Side Picture Index Frame Only");
    case PageStyle::LinkThumb: return QStringLiteral("Left Side Thumbnail Frame Only");
    case PageStyle::FrameThumb:
      return QStringLiteral("Thumbnails and Left Side Picture Index Frame Only");
    case PageStyle::Thumb: return QStringLiteral("Clickable Thumbnails Only");
    case PageStyle::UDScroll: return QStringLiteral("Up/Down Scrolling using Full Size Images");
    case PageStyle::LRScroll: return QStringLiteral("Right/Left Scrolling using Full Size Images");
  }
  return {};
}

StyleChooser::StyleChooser(bool autoSpaceReplacement, std::function<void(bool)> setAutoSpace,
                           QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmWebGenMsgBox"));
  setWindowTitle(QStringLiteral("Select Web Page Style"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Click on the Style of Web Page to Generate."), this));

  auto* pictures = new QGridLayout;
  int index = 0;
  for (const PageStyle style : kAllStyles) {
    pictures->addWidget(new StylePicture(style, [this, style] { choose(style); }, this),
                        index / 3, index % 3);
    ++index;
  }
  layout->addLayout(pictures);

  auto* options = new QGroupBox(QStringLiteral("Web Page Generate Options"), this);
  auto* optionLayout = new QVBoxLayout(options);
  thumbnails_ = NewOption(QStringLiteral("chkCreateAndUseThumbnails"),
                          QStringLiteral("Create and Use Actual Thumbnails."),
                          QStringLiteral("Create and Use Actual Thumbnail Images."), true, options);
  auto* spaces = NewOption(
      QStringLiteral("chkSpaceReplacement"), QStringLiteral("Use Filename Space Replacement."),
      QStringLiteral("Replace Space and Other Non-Web Friendly characters in Image File Names."),
      autoSpaceReplacement, options);
  connect(spaces, &QCheckBox::toggled, this, [setAutoSpace](bool on) {
    if (setAutoSpace) setAutoSpace(on);
  });
  drivePaths_ = NewOption(QStringLiteral("chkLocalFilePaths"),
                          QStringLiteral("Use Drive File Paths in Web Pages. "),
                          QStringLiteral("Used Local Hard Drive Path's in HTML."), false, options);
  optionLayout->addWidget(thumbnails_);
  optionLayout->addWidget(spaces);
  optionLayout->addWidget(drivePaths_);
  optionLayout->addWidget(
      new QLabel(QStringLiteral("(local drive use only. Not for Internet Use)."), options));
  layout->addWidget(options);
}

void StyleChooser::choose(PageStyle style) {
  setFocus();  // off the pictures
  choice_ = StyleChoice{style, thumbnails_->isChecked(), drivePaths_->isChecked()};
  accept();
}

std::optional<StyleChoice> StyleChooser::Ask(bool autoSpaceReplacement,
                                             std::function<void(bool)> setAutoSpace,
                                             QWidget* parent) {
  StyleChooser chooser(autoSpaceReplacement, std::move(setAutoSpace), parent);
  chooser.exec();
  return chooser.choice();
}

}  // namespace albryn::webgen
