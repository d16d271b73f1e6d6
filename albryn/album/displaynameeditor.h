#pragma once
// The one-line box placed over the display-name list while a name is edited. Enter or the focus
// leaving it stores the text, as typed, into the row it was opened for; a text of only blanks is
// refused and the box keeps the focus.
#include <QLineEdit>
#include <QPersistentModelIndex>

class QAbstractItemView;

namespace albryn {

class ImageList;

class DisplayNameEditor : public QLineEdit {
  Q_OBJECT

 public:
  DisplayNameEditor(ImageList& images, QAbstractItemView& nameList);

  // Opens the box over the name list's row, with that row's name selected.
  void open(int row);
  // Stores the text and hides the box; false when the text is blank (the box stays open).
  bool commit();
  int editedRow() const { return row_.isValid() ? row_.row() : -1; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  ImageList& images_;
  QAbstractItemView& nameList_;
  QPersistentModelIndex row_;
};

}  // namespace albryn
