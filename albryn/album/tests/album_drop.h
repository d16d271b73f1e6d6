#pragma once
// Drops URLs onto a list the way a file manager does: a drag entering, then the drop.
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace albryn::test {

inline void dropUrls(QAbstractItemView* list, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPointF at = list->viewport()->rect().center();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(list->viewport(), &enter);
  QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(list->viewport(), &dropped);
}

}  // namespace albryn::test
