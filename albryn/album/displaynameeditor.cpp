#include "displaynameeditor.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "imagelist.h"

namespace albryn {

DisplayNameEditor::DisplayNameEditor(ImageList& images, QAbstractItemView& nameList)
    : QLineEdit(nameList.viewport()), images_(images), nameList_(nameList) {
  setObjectName(QStringLiteral("txtEditDisplayName"));
  hide();
  // A row that disappears while being edited (the list cleared) takes the edit with it.
  connect(&images_, &QAbstractItemModel::modelReset, this, [this] { hide(); });
  connect(&images_, &QAbstractItemModel::rowsRemoved, this, [this] {
    if (!row_.isValid()) hide();
  });
}

void DisplayNameEditor::open(int row) {
  const QModelIndex index = images_.index(row, ImageList::NameColumn);
  if (!index.isValid()) return;
  row_ = index;
  nameList_.scrollTo(index);
  const QRect cell = nameList_.visualRect(index);
  setGeometry(cell.x(), cell.y(), nameList_.viewport()->width() - cell.x(), std::max(cell.height(), sizeHint().height()));
  setText(images_.name(row));
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

bool DisplayNameEditor::commit() {
  if (!isVisible()) return true;
  if (text().trimmed().isEmpty()) return false;
  const QPersistentModelIndex row = row_;
  row_ = QPersistentModelIndex();
  hide();  // moves the focus away, which calls commit() again on a hidden box
  if (row.isValid()) images_.setName(row.row(), text());
  return true;
}

void DisplayNameEditor::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    commit();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void DisplayNameEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move to another control of the window validates, not a switch to another window.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (!commit()) {
    QTimer::singleShot(0, this, [this] {
      if (isVisible()) setFocus(Qt::OtherFocusReason);
    });
  }
}

}  // namespace albryn
