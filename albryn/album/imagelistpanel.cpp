#include "imagelistpanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "displaynameeditor.h"
#include "imagelist.h"
#include "imagelistcommands.h"
#include "picturelistview.h"

namespace albryn {
namespace {

QList<int> selectedRowsOf(const QAbstractItemView& list) {
  QList<int> rows;
  for (const QModelIndex& index : list.selectionModel()->selectedIndexes()) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setObjectName(name);
  return button;
}

}  // namespace

ImageListPanel::ImageListPanel(ImageList& images, PanelHost host, QWidget* parent)
    : QWidget(parent),
      images_(images),
      host_(std::move(host)),
      names_(new PictureListView(this)),
      paths_(new PictureListView(this)),
      editor_(new DisplayNameEditor(images, *names_)),
      info_(new QLabel(this)),
      remove_(new QPushButton(QStringLiteral("Remove Selected Images"), this)),
      up_(arrowButton(Qt::UpArrow, QStringLiteral("cmdUpA"), this)),
      down_(arrowButton(Qt::DownArrow, QStringLiteral("cmdDownA"), this)),
      menu_(new QMenu(QStringLiteral("ImageList"), this)),
      alterImageMenu_(nullptr) {
  setObjectName(QStringLiteral("imageListPanel"));
  names_->setObjectName(QStringLiteral("lstImageListName"));
  paths_->setObjectName(QStringLiteral("lstImageListPath"));
  info_->setObjectName(QStringLiteral("lblInfoA"));
  remove_->setObjectName(QStringLiteral("cmdDeleteA"));
  names_->setModel(&images_);
  names_->setModelColumn(ImageList::NameColumn);
  names_->setSelectionMode(QAbstractItemView::SingleSelection);
  paths_->setModel(&images_);
  paths_->setModelColumn(ImageList::PathColumn);
  paths_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  paths_->setTextElideMode(Qt::ElideMiddle);  // long paths keep their file names in sight

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(new QLabel(QStringLiteral("Display Name"), this), 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Image File Path"), this), 0, 1);
  layout->addWidget(names_, 1, 0);
  layout->addWidget(paths_, 1, 1);
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  arrows->addStretch();
  layout->addLayout(arrows, 1, 2);
  layout->addWidget(info_, 2, 0);
  layout->addWidget(remove_, 2, 1, Qt::AlignRight);
  layout->setColumnStretch(0, 2);
  layout->setColumnStretch(1, 3);

  buildMenu();
  connectLists();
  connect(remove_, &QPushButton::clicked, this, &ImageListPanel::removeSelected);
  connect(up_, &QToolButton::clicked, this, &ImageListPanel::moveUp);
  connect(down_, &QToolButton::clicked, this, &ImageListPanel::moveDown);
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(&images_, signal, this, &ImageListPanel::scheduleInfoUpdate);
  }
  connect(&images_, &QAbstractItemModel::modelReset, this, &ImageListPanel::scheduleInfoUpdate);
  updateImageListInfo();
}

void ImageListPanel::buildMenu() {
  alterImageMenu_ = menu_->addMenu(QStringLiteral("AlterImage"));
  alterImageMenu_->menuAction()->setEnabled(false);  // enabled once the alteration commands fill it
  QAction* remove = menu_->addAction(QStringLiteral("Remove Selected"), this, &ImageListPanel::removeSelected);
  remove->setObjectName(QStringLiteral("mnuImageListDelete"));
  QAction* clear = menu_->addAction(QStringLiteral("Clear Image list"), this, &ImageListPanel::confirmClear);
  clear->setObjectName(QStringLiteral("mnuImageListClear"));
}

void ImageListPanel::connectLists() {
  for (PictureListView* list : {names_, paths_}) {
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    const auto chosen = [this, list](const QModelIndex& index) { rowChosen(list, index.row()); };
    connect(list, &QAbstractItemView::clicked, this, chosen);
    connect(list, &PictureListView::movedByKey, this, chosen);
    list->acceptFileDrops();
    connect(list, &PictureListView::filesDropped, this, &ImageListPanel::dropFiles);
    connect(list, &PictureListView::deletePressed, this, &ImageListPanel::confirmRemoveSelected);
    connect(list, &PictureListView::menuRequested, this, [this](const QPoint& at) { menu_->popup(at); });
  }
  connect(names_, &QAbstractItemView::doubleClicked, this, &ImageListPanel::editDisplayName);
  // Scrolling either list scrolls the other to the same first visible row.
  QScrollBar* left = names_->verticalScrollBar();
  QScrollBar* right = paths_->verticalScrollBar();
  connect(left, &QScrollBar::valueChanged, right, &QScrollBar::setValue);
  connect(right, &QScrollBar::valueChanged, left, &QScrollBar::setValue);
}

int ImageListPanel::currentRow() const {
  return paths_->currentIndex().row();
}

QList<int> ImageListPanel::selectedRows() const {
  return selectedRowsOf(*paths_);
}

void ImageListPanel::rowChosen(PictureListView* list, int row) {
  // Choosing a name selects its picture, so that the path list's current row, which the preview
  // and the name editor act on, is the row the user pointed at.
  if (list == names_) selectRow(paths_, row);
  images_.setPreviewFromFileList(false);
  if (!host_.previewOn() || selectedRowsOf(*list).size() > 1) return;
  const int current = currentRow();
  selectRow(names_, current);
  if (current >= 0) host_.preview(QStringLiteral("ImageList Pre-View"), images_.path(current));
}

void ImageListPanel::selectRow(PictureListView* list, int row) {
  const QModelIndex index = images_.index(row, list->modelColumn());
  if (index.isValid()) {
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  } else {
    list->clearSelection();
  }
}

void ImageListPanel::removeSelected() {
  const QList<int> rows = selectedRows();
  // Cleared first, the selection does not have to follow thousands of separate removals.
  paths_->clearSelection();
  images_.removeRowSet(rows);
  updateImageListInfo();
  host_.sinkFocus();
}

void ImageListPanel::confirmRemoveSelected() {
  if (images_.count() == 0) return;
  if (host_.dialogs.message(QStringLiteral("Remove Selected Images from list?"), ui::MessageIcon::None,
                            ui::MessageButtons::OkCancel) == ui::Answer::Ok) {
    removeSelected();
  }
}

void ImageListPanel::confirmClear() {
  if (host_.dialogs.message(QStringLiteral("Clear Image List?"), ui::MessageIcon::Question, ui::MessageButtons::YesNo,
                            ui::kDefaultCaption) != ui::Answer::Yes) {
    return;
  }
  images_.clear();
  updateImageListInfo();
}

void ImageListPanel::moveUp() { move(&ImageList::moveUp); }

void ImageListPanel::moveDown() { move(&ImageList::moveDown); }

void ImageListPanel::move(int (ImageList::*step)(int)) {
  const int row = currentRow();
  if (selectedRows().size() == 1 && row >= 0) {
    const int moved = (images_.*step)(row);
    if (moved >= 0) {
      selectRow(paths_, moved);
      selectRow(names_, moved);
    }
  }
  host_.sinkFocus();
}

void ImageListPanel::editDisplayName() {
  editor_->open(names_->currentIndex().row());
}

void ImageListPanel::dropFiles(const QList<QUrl>& urls) {
  DropFiles(images_, host_.dialogs, host_.limit(), urls);
  updateImageListInfo();
}

void ImageListPanel::updateImageListInfo() {
  infoUpdatePending_ = false;
  info_->setText(ImageListInfoText(images_.paths()));
}

void ImageListPanel::scheduleInfoUpdate() {
  if (infoUpdatePending_) return;
  infoUpdatePending_ = true;
  QMetaObject::invokeMethod(this, [this] {
    if (infoUpdatePending_) updateImageListInfo();
  }, Qt::QueuedConnection);
}

}  // namespace albryn
