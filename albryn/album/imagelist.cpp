#include "imagelist.h"

#include <QFileInfo>
#include <algorithm>

#include "paths.h"

namespace albryn {

ImageList::ImageList(QObject* parent) : QAbstractTableModel(parent) {}

bool ImageList::append(const QString& path, int limit) {
  return append(path, DefaultDisplayName(FileNameOf(path)), limit);
}

bool ImageList::append(const QString& path, const QString& name, int limit) {
  if (isFull(limit)) return false;
  beginInsertRows({}, count(), count());
  paths_.append(path);
  names_.append(name);
  endInsertRows();
  return true;
}

int ImageList::appendAll(const QStringList& paths, int limit) {
  const int room = std::max(0, limit - count());
  const int adding = std::min(room, static_cast<int>(paths.size()));
  if (adding == 0) return 0;
  beginInsertRows({}, count(), count() + adding - 1);
  for (int i = 0; i < adding; ++i) {
    paths_.append(paths[i]);
    names_.append(DefaultDisplayName(FileNameOf(paths[i])));
  }
  endInsertRows();
  return adding;
}

void ImageList::removeRowSet(QList<int> rows) {
  rows.removeIf([this](int row) { return row < 0 || row >= count(); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.isEmpty()) return;
  if (rows.back() - rows.front() + 1 == rows.size()) {
    beginRemoveRows({}, rows.front(), rows.back());
    paths_.remove(rows.front(), rows.size());
    names_.remove(rows.front(), rows.size());
    endRemoveRows();
    return;
  }
  // Scattered rows go in one pass: thousands of separate removals would each make every view
  // and selection walk its saved positions.
  beginResetModel();
  QStringList paths, names;
  qsizetype next = 0;
  for (int row = 0; row < count(); ++row) {
    if (next < rows.size() && rows[next] == row) {
      ++next;
      continue;
    }
    paths.append(paths_[row]);
    names.append(names_[row]);
  }
  paths_ = std::move(paths);
  names_ = std::move(names);
  endResetModel();
}

void ImageList::clear() {
  beginResetModel();
  paths_.clear();
  names_.clear();
  endResetModel();
}

int ImageList::moveUp(int r) { return swapRows(r, r - 1); }

int ImageList::moveDown(int r) { return swapRows(r, r + 1); }

int ImageList::swapRows(int r, int s) {
  if (r < 0 || s < 0 || r >= count() || s >= count()) return -1;
  paths_.swapItemsAt(r, s);
  names_.swapItemsAt(r, s);
  emit dataChanged(index(std::min(r, s), NameColumn), index(std::max(r, s), PathColumn));
  return s;
}

bool ImageList::setName(int row, const QString& name) {
  if (row < 0 || row >= count()) return false;
  names_[row] = name;
  emit dataChanged(index(row, NameColumn), index(row, NameColumn));
  return true;
}

int ImageList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

int ImageList::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ImageList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= count()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  return index.column() == NameColumn ? names_[index.row()] : paths_[index.row()];
}

QVariant ImageList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == NameColumn ? QStringLiteral("Display Name") : QStringLiteral("Image File Path");
}

QString DefaultDisplayName(const QString& fileName) {
  if (fileName.size() <= 4) return fileName;
  const QString cut = fileName.left(fileName.size() - 4);
  return cut.trimmed().isEmpty() ? fileName : cut;
}

qint64 KilobytesHalfEven(qint64 bytes) {
  const qint64 whole = bytes / 1024;
  const qint64 rest = bytes % 1024;
  if (rest > 512 || (rest == 512 && whole % 2 != 0)) return whole + 1;
  return whole;
}

QString ImageListInfoText(const QStringList& paths) {
  qint64 bytes = 0;
  for (const QString& path : paths) {
    const QFileInfo info(path);
    if (info.isFile()) bytes += info.size();
  }
  return QStringLiteral("Image Count:%1   Total Size:%2Kb").arg(paths.size()).arg(KilobytesHalfEven(bytes));
}

}  // namespace albryn
