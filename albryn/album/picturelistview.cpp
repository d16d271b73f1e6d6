#include "picturelistview.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace albryn {

PictureListView::PictureListView(QWidget* parent) : QListView(parent) {
  setEditTriggers(NoEditTriggers);
  setUniformItemSizes(true);
}

void PictureListView::acceptFileDrops() {
  setDragDropMode(DropOnly);
  viewport()->setAcceptDrops(true);
}

void PictureListView::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PictureListView::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PictureListView::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  event->acceptProposedAction();
  emit filesDropped(event->mimeData()->urls());
}

void PictureListView::keyPressEvent(QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
    event->accept();
    emit deletePressed();
    return;
  }
  const QModelIndex before = currentIndex();
  QListView::keyPressEvent(event);
  if (currentIndex().isValid() && currentIndex() != before) emit movedByKey(currentIndex());
}

void PictureListView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit menuRequested(event->globalPos());
}

}  // namespace albryn
