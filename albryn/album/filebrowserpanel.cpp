#include "filebrowserpanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStringListModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "fileutils.h"
#include "imagelist.h"
#include "imagelistcommands.h"
#include "paths.h"
#include "picturelistview.h"

namespace albryn {
namespace {

// The mounted volumes that are folders, the root first and the others by their path.
QList<QStorageInfo> driveList() {
  QList<QStorageInfo> drives;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (QFileInfo(volume.rootPath()).isDir()) drives.append(volume);
  }
  std::sort(drives.begin(), drives.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
    if ((a.rootPath() == "/") != (b.rootPath() == "/")) return a.rootPath() == "/";
    return a.rootPath() < b.rootPath();
  });
  return drives;
}

}  // namespace

FileBrowserPanel::FileBrowserPanel(ImageList& images, PanelHost host, const QString& initialFolder, QWidget* parent)
    : QWidget(parent),
      images_(images),
      host_(std::move(host)),
      utilities_(host_.dialogs),
      drives_(new QComboBox(this)),
      folderModel_(new QFileSystemModel(this)),
      folders_(new QTreeView(this)),
      fileModel_(new QStringListModel(this)),
      files_(new PictureListView(this)),
      menu_(new QMenu(QStringLiteral("FileList"), this)) {
  setObjectName(QStringLiteral("fileBrowserPanel"));
  drives_->setObjectName(QStringLiteral("Drive1"));
  folders_->setObjectName(QStringLiteral("Dir1"));
  files_->setObjectName(QStringLiteral("File1"));

  // Long mount point names must not widen the browser.
  drives_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  drives_->setMinimumContentsLength(8);
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setModel(folderModel_);
  for (int column = 1; column < folderModel_->columnCount(); ++column) folders_->hideColumn(column);
  folders_->setHeaderHidden(true);

  files_->setModel(fileModel_);
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);

  auto* left = new QVBoxLayout;
  left->addWidget(drives_);
  left->addWidget(folders_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(left, 1);
  layout->addWidget(files_, 1);

  fillDrives();
  buildMenu();
  connect(drives_, &QComboBox::activated, this, [this](int index) { changeDrive(drives_->itemData(index).toString()); });
  for (auto signal : {&QAbstractItemView::clicked, &QAbstractItemView::activated}) {
    connect(folders_, signal, this, [this](const QModelIndex& index) { setCurrentFolder(folderModel_->filePath(index)); });
  }
  // The folder model reads and sorts folders in the background: keep the current one in sight as
  // they come in, until the user scrolls or clicks the tree.
  const auto reveal = [this] {
    if (revealFolder_) folders_->scrollTo(folders_->currentIndex(), QAbstractItemView::PositionAtCenter);
  };
  connect(folderModel_, &QAbstractItemModel::rowsInserted, this, reveal);
  connect(folderModel_, &QAbstractItemModel::layoutChanged, this, reveal);
  connect(folders_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { revealFolder_ = false; });
  connect(folders_, &QTreeView::expanded, this, [this] { revealFolder_ = false; });
  connect(files_, &QAbstractItemView::clicked, this, &FileBrowserPanel::fileChosen);
  connect(files_, &PictureListView::movedByKey, this, &FileBrowserPanel::fileChosen);
  connect(files_, &QAbstractItemView::doubleClicked, this, &FileBrowserPanel::addSelectedToImageList);
  connect(files_, &PictureListView::menuRequested, this, &FileBrowserPanel::openMenu);

  setCurrentFolder(QFileInfo(initialFolder).isDir() ? initialFolder : QDir::homePath());
}

void FileBrowserPanel::fillDrives() {
  for (const QStorageInfo& drive : driveList()) {
    const QString label = drive.name().isEmpty() ? drive.rootPath() : drive.rootPath() + QStringLiteral(" [") + drive.name() + u']';
    drives_->addItem(label, drive.rootPath());
  }
}

void FileBrowserPanel::buildMenu() {
  const auto add = [this](QMenu* menu, const QString& text, const char* name, void (FileBrowserPanel::*command)()) {
    QAction* action = menu->addAction(text, this, command);
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  fileActions_.append(add(menu_, QStringLiteral("Add to Image List"), "mnuAdd", &FileBrowserPanel::addSelectedToImageList));
  alterImageMenu_ = menu_->addMenu(QStringLiteral("Alter Image"));
  alterImageMenu_->menuAction()->setEnabled(false);  // enabled once the alteration commands fill it
  QMenu* utilities = menu_->addMenu(QStringLiteral("File Utilities"));
  add(utilities, QStringLiteral("Create Folder"), "mnuCreateFolder", &FileBrowserPanel::createFolder);
  fileActions_.append(add(utilities, QStringLiteral("Copy File"), "mnuCopyFile", &FileBrowserPanel::copyFiles));
  paste_ = add(utilities, QStringLiteral("Paste File"), "mnuPasteFile", &FileBrowserPanel::pasteFiles);
  paste_->setEnabled(false);
  fileActions_.append(add(utilities, QStringLiteral("Rename File"), "mnuRenameFile", &FileBrowserPanel::renameFiles));
  fileActions_.append(add(utilities, QStringLiteral("Delete File"), "mnuDelete", &FileBrowserPanel::deleteFiles));
  fileActions_.append(add(utilities, QStringLiteral("Batch Rename"), "mnuBatchRename", &FileBrowserPanel::batchRename));
  add(menu_, QStringLiteral("Refresh"), "mnuRefresh", &FileBrowserPanel::refresh);
}

void FileBrowserPanel::openMenu(const QPoint& globalPosition) {
  const bool hasFile = fileModel_->rowCount() > 0 && files_->currentIndex().isValid();
  for (QAction* action : fileActions_) action->setEnabled(hasFile);
  paste_->setEnabled(utilities_.canPaste());
  menu_->popup(globalPosition);
}

void FileBrowserPanel::setCurrentFolder(const QString& folder) {
  folder_ = folder;
  showDriveOf(folder);
  const QModelIndex index = folderModel_->index(folder);
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) folders_->expand(above);
  folders_->setCurrentIndex(index);
  folders_->scrollTo(index, QAbstractItemView::PositionAtCenter);
  revealFolder_ = true;
  refreshFiles();
}

void FileBrowserPanel::showDriveOf(const QString& folder) {
  const QString root = QStorageInfo(folder).rootPath();
  const int entry = drives_->findData(root);
  drives_->setCurrentIndex(entry);
  const QString treeRoot = entry >= 0 ? root : QStringLiteral("/");
  if (folderModel_->rootPath() != treeRoot) {
    folderModel_->setRootPath(treeRoot);
    folders_->setRootIndex(folderModel_->index(treeRoot));
  }
}

void FileBrowserPanel::changeDrive(const QString& root) {
  const QFileInfo drive(root);
  if (drive.isDir() && drive.isReadable() && drive.isExecutable()) {
    setCurrentFolder(root);
    return;
  }
  const QString reason = drive.exists() ? QStringLiteral("Permission denied: %1").arg(root)
                                        : QStringLiteral("Drive not available: %1").arg(root);
  host_.dialogs.message(QStringLiteral("Error: ") + reason, ui::MessageIcon::Warning);
  showDriveOf(folder_);
}

QStringList FileBrowserPanel::fileNames() const { return fileModel_->stringList(); }

QStringList FileBrowserPanel::selectedFileNames() const {
  QModelIndexList selected = files_->selectionModel()->selectedIndexes();
  std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QStringList names;
  for (const QModelIndex& index : selected) names.append(index.data().toString());
  return names;
}

void FileBrowserPanel::fileChosen(const QModelIndex& index) {
  images_.setPreviewFromFileList(true);
  if (host_.previewOn()) host_.preview(QStringLiteral("FileList Pre-View"), JoinFolder(folder_, index.data().toString()));
}

void FileBrowserPanel::addSelectedToImageList() {
  if (fileModel_->rowCount() == 0) return;
  AddFromFileList(images_, host_.dialogs, host_.limit(), folder_, selectedFileNames());
}

void FileBrowserPanel::createFolder() {
  // The folder tree watches the file system and shows the new folder by itself.
  utilities_.createFolder(folder_);
}

void FileBrowserPanel::copyFiles() {
  utilities_.copy(folder_, selectedFileNames());
  paste_->setEnabled(true);
}

void FileBrowserPanel::pasteFiles() {
  utilities_.paste(folder_);
  paste_->setEnabled(false);
  refreshFiles();
}

void FileBrowserPanel::renameFiles() {
  utilities_.rename(folder_, selectedFileNames());
  refreshFiles();
}

void FileBrowserPanel::deleteFiles() {
  utilities_.remove(folder_, selectedFileNames());
  refreshFiles();
}

void FileBrowserPanel::batchRename() {
  utilities_.batchRename(folder_, selectedFileNames());
  refreshFiles();
}

void FileBrowserPanel::refresh() {
  refreshFiles();
  host_.logo();
}

void FileBrowserPanel::refreshFiles() {
  fileModel_->setStringList(PictureFilesIn(folder_));
}

}  // namespace albryn
