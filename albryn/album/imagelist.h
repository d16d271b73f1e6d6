#pragma once
// The ordered list of pictures of the album: full paths and the display names shown in the pages,
// two parallel lists that always have the same length (row i of one belongs to row i of the other).
// It is a two-column table model so that the two list views of the panel show one column each.
#include <QAbstractTableModel>
#include <QStringList>

namespace albryn {

class ImageList : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { NameColumn = 0, PathColumn = 1 };

  explicit ImageList(QObject* parent = nullptr);

  int count() const { return static_cast<int>(paths_.size()); }
  bool isFull(int limit) const { return count() >= limit; }
  QString path(int row) const { return paths_.value(row); }
  QString name(int row) const { return names_.value(row); }
  const QStringList& paths() const { return paths_; }
  const QStringList& names() const { return names_; }

  // Appends one picture under its default display name (or the name given) unless the list
  // already holds `limit` rows; returns whether it was added.
  bool append(const QString& path, int limit);
  bool append(const QString& path, const QString& name, int limit);
  // Appends the pictures in order while fewer than `limit` rows are held; returns how many were
  // added. One insertion for the whole batch keeps large drops quick.
  int appendAll(const QStringList& paths, int limit);
  // Removes the rows given (any order; duplicates and rows that do not exist are ignored).
  void removeRowSet(QList<int> rows);
  void clear();
  // Exchanges row r with the row above (moveUp) or below (moveDown) in both lists, so every name
  // stays with its path. Returns the moved picture's new row, or -1 when it cannot move.
  int moveUp(int r);
  int moveDown(int r);
  // Replaces the display name of a row; false when the row does not exist.
  bool setName(int row, const QString& name);

  // Which list the picture in the preview came from: true for the local file list, false for the
  // image list. Picture alteration reads it to know which selection to act on.
  bool previewFromFileList() const { return previewFromFileList_; }
  void setPreviewFromFileList(bool fromFileList) { previewFromFileList_ = fromFileList; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int swapRows(int r, int s);

  QStringList paths_;
  QStringList names_;
  bool previewFromFileList_ = false;
};

// The default display name: the file name without its last four characters (the dot and a
// three-letter extension), so "x.jpeg" gives "x.". A name of four characters or fewer, or one
// whose cut would leave only blanks, is kept whole so that every row has a visible caption.
QString DefaultDisplayName(const QString& fileName);

// A byte count in kilobytes, rounded to the nearest whole number with halves to the even one.
qint64 KilobytesHalfEven(qint64 bytes);

// The count label: "Image Count:" + rows + "   Total Size:" + kilobytes + "Kb", reading every
// file's size from the disk. A file that is missing or unreadable counts as 0 bytes.
QString ImageListInfoText(const QStringList& paths);

}  // namespace albryn
