#pragma once
// The "Selected Image List" panel: the display-name list and the path list side by side, the
// arrow buttons, "Remove Selected Images", the count label and the "ImageList" pop-up menu.
#include <QWidget>

#include "panelhost.h"

class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace albryn {

class DisplayNameEditor;
class ImageList;
class PictureListView;

class ImageListPanel : public QWidget {
  Q_OBJECT

 public:
  ImageListPanel(ImageList& images, PanelHost host, QWidget* parent = nullptr);

  // The path list's current row (-1 for none) and its selected rows in ascending order.
  int currentRow() const;
  QList<int> selectedRows() const;

  // The commands of the panel's buttons and menu.
  void removeSelected();
  void confirmRemoveSelected();  // the Delete key: asks first
  void confirmClear();
  void moveUp();
  void moveDown();
  void editDisplayName();
  // Adds dropped files (the same as a drop on either list).
  void dropFiles(const QList<QUrl>& urls);
  // Recomputes the count label from the files on disk.
  void updateImageListInfo();

  // The "ImageList" pop-up; its "AlterImage" sub-menu is for the picture alteration commands.
  QMenu* menu() const { return menu_; }
  QMenu* alterImageMenu() const { return alterImageMenu_; }

 private:
  void buildMenu();
  void connectLists();
  // A click on a row of either list, or the keyboard making it current.
  void rowChosen(PictureListView* list, int row);
  void move(int (ImageList::*step)(int));
  void selectRow(PictureListView* list, int row);
  // The count label follows every change of the list, once per turn of the event loop.
  void scheduleInfoUpdate();

  ImageList& images_;
  PanelHost host_;
  PictureListView* names_;
  PictureListView* paths_;
  DisplayNameEditor* editor_;
  QLabel* info_;
  QPushButton* remove_;
  QToolButton* up_;
  QToolButton* down_;
  QMenu* menu_;
  QMenu* alterImageMenu_;
  bool infoUpdatePending_ = false;
};

}  // namespace albryn
