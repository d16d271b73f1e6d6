#include "panel_area.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include "animation.h"

namespace albryn::shell {
namespace {

struct PanelInfo {
  const char* name;
  const char* caption;
};

// In the order of the Panel enumeration.
const PanelInfo kPanels[] = {
    {"frameColorFontTitle", "Title, Fonts and Backgrounds"},
    {"FrameFtpUpload", "FTP Upload to Web Site"},
    {"frameImageList", "Selected Image List"},
};

}  // namespace

PanelArea::PanelArea(QWidget* parent) : QWidget(parent) {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QGroupBox(tr(kPanels[i].caption), this);
    panels_[i]->setObjectName(kPanels[i].name);
    new QVBoxLayout(panels_[i]);
    panels_[i]->setVisible(Panel(i) == Panel::ImageList);
  }
}

void PanelArea::setContent(Panel p, QWidget* content) {
  // A panel taller than the window's panel area scrolls rather than squeezing its controls.
  auto* scroll = new QScrollArea(panel(p));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  panel(p)->layout()->addWidget(scroll);
  // A panel that is a frame with its own caption shows that caption once.
  if (qobject_cast<QGroupBox*>(content)) panel(p)->setTitle({});
}

void PanelArea::resizeEvent(QResizeEvent*) {
  for (QGroupBox* p : panels_) p->setGeometry(p->isHidden() ? width() : 0, 0, width(), height());
}

void PanelArea::slide(Panel from, Panel to) {
  QGroupBox* oldPanel = panel(from);
  QGroupBox* newPanel = panel(to);
  newPanel->setGeometry(-width(), 0, width(), height());
  newPanel->show();
  Animate(kSlideMs, [&](double t) {
    const int offset = qRound(t * width());
    oldPanel->move(offset, 0);
    newPanel->move(offset - width(), 0);
  });
  newPanel->move(0, 0);
  oldPanel->move(width(), 0);
  oldPanel->hide();
}

}  // namespace albryn::shell
