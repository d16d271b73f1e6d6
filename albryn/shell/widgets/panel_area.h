#pragma once
// The place of the three panels. One panel is shown at a time; the others are parked out of
// sight to the right. A new panel slides in from the left and pushes the old one out.
#include <QWidget>
#include <array>

#include "shell_view.h"

class QGroupBox;

namespace albryn::shell {

class PanelArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlideMs = 300;

  explicit PanelArea(QWidget* parent = nullptr);

  QGroupBox* panel(Panel p) const { return panels_[std::size_t(p)]; }
  // Puts the widget that does the panel's work inside it, scrolling when it is taller.
  void setContent(Panel p, QWidget* content);
  void slide(Panel from, Panel to);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::array<QGroupBox*, 3> panels_{};
};

}  // namespace albryn::shell
