#include "imagelistview.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace albryn {

ImageListView::ImageListView(QWidget* parent) : QListView(parent) {
  setEditTriggers(NoEditTriggers);
  setUniformItemSizes(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(DropOnly);
}

void ImageListView::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ImageListView::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ImageListView::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  event->acceptProposedAction();
  emit filesDropped(event->mimeData()->urls());
}

void ImageListView::keyPressEvent(QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
    event->accept();
    emit deletePressed();
    return;
  }
  QListView::keyPressEvent(event);
}

void ImageListView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit menuRequested(event->globalPos());
}

}  // namespace albryn
