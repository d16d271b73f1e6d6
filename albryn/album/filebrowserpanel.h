#pragma once
// The local file browser: the drive list (mounted volumes, the root first), the folder tree and
// the list of the current folder's pictures ("*.jpg;*.gif" in any case) with extended selection,
// and the "FileList" pop-up menu with "Add to Image List" and the file utilities.
#include <QWidget>

#include "fileutilitycommands.h"
#include "panelhost.h"

class QComboBox;
class QFileSystemModel;
class QMenu;
class QStringListModel;
class QTreeView;

namespace albryn {

class ImageList;
class PictureListView;

class FileBrowserPanel : public QWidget {
  Q_OBJECT

 public:
  // Opens at initialFolder (the program's folder), or the home folder when that is no folder.
  FileBrowserPanel(ImageList& images, PanelHost host, const QString& initialFolder, QWidget* parent = nullptr);

  QString currentFolder() const { return folder_; }
  // Shows the folder in the drive, folder and file lists.
  void setCurrentFolder(const QString& folder);
  // Chooses a drive by its root folder; an unusable one is reported and the drive list goes back.
  void changeDrive(const QString& root);
  QStringList fileNames() const;
  // The selected file names in list order.
  QStringList selectedFileNames() const;

  // Adds the selected files to the image list (double-click, "Add to Image List").
  void addSelectedToImageList();
  void createFolder();
  void copyFiles();
  void pasteFiles();
  void renameFiles();
  void deleteFiles();
  void batchRename();
  // Re-reads the folder and shows the logo in the preview box.
  void refresh();

  FileUtilityCommands& utilities() { return utilities_; }
  QMenu* menu() const { return menu_; }
  // The "Alter Image" sub-menu, for the picture alteration commands.
  QMenu* alterImageMenu() const { return alterImageMenu_; }

 private:
  void fillDrives();
  void buildMenu();
  void openMenu(const QPoint& globalPosition);
  // A click on a file, or the keyboard making it current.
  void fileChosen(const QModelIndex& index);
  void refreshFiles();
  void showDriveOf(const QString& folder);

  ImageList& images_;
  PanelHost host_;
  FileUtilityCommands utilities_;
  QString folder_;
  QComboBox* drives_;
  QFileSystemModel* folderModel_;
  QTreeView* folders_;
  QStringListModel* fileModel_;
  PictureListView* files_;
  QMenu* menu_;
  QMenu* alterImageMenu_ = nullptr;
  QList<QAction*> fileActions_;  // enabled only when the list has a current file
  QAction* paste_ = nullptr;
  bool revealFolder_ = false;  // scroll the tree to the current folder as it loads
};

}  // namespace albryn
