#pragma once
// One of the two image list boxes: a list view that reports dropped files, the Delete key without
// modifiers and the pop-up request to the panel instead of handling them itself.
#include <QListView>
#include <QUrl>

namespace albryn {

class ImageListView : public QListView {
  Q_OBJECT

 public:
  explicit ImageListView(QWidget* parent = nullptr);

 signals:
  void filesDropped(const QList<QUrl>& urls);
  void deletePressed();
  void menuRequested(const QPoint& globalPosition);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace albryn
