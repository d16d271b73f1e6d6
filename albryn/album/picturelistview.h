#pragma once
// A list of pictures (the image list boxes, the local file list): a list view that reports the
// Delete key without modifiers, the pop-up request, a move of the current row by the keyboard
// and, once asked to accept them, files dropped from a file manager, instead of handling them.
#include <QListView>
#include <QUrl>

namespace albryn {

class PictureListView : public QListView {
  Q_OBJECT

 public:
  explicit PictureListView(QWidget* parent = nullptr);

  void acceptFileDrops();

 signals:
  void filesDropped(const QList<QUrl>& urls);
  void deletePressed();
  void menuRequested(const QPoint& globalPosition);
  // The arrow keys (or Home, End, Page Up/Down) made another row current, as a click would.
  void movedByKey(const QModelIndex& current);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace albryn
