#pragma once
// A shown window holding the two album panels with scripted dialogs and a host that records what
// would reach the preview box.
#include <QtTest>

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "album_drop.h"
#include "album_files.h"
#include "filebrowserpanel.h"
#include "imagelist.h"
#include "imagelistpanel.h"
#include "picturelistview.h"
#include "scripted_dialog_services.h"

namespace albryn::test {

struct PanelFixture {
  explicit PanelFixture(const QString& folder, int limit = 250) : limit(limit) {
    PanelHost host{dialogs,
                   [this] { return this->limit; },
                   [this] { return previewOn; },
                   [this](const QString& caption, const QString& path) { previews.append({caption, path}); },
                   [this] { ++logos; },
                   [this] { ++focusSinks; }};
    imageList = new ImageListPanel(images, host, &window);
    browser = new FileBrowserPanel(images, host, folder, &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(imageList);
    layout->addWidget(browser);
    window.resize(600, 500);
    window.show();
    // Focus moves (the name editor's validation) happen only in the active window.
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the test window did not become active");
    names = imageList->findChild<PictureListView*>("lstImageListName");
    paths = imageList->findChild<PictureListView*>("lstImageListPath");
    files = browser->findChild<QListView*>("File1");
  }

  QString info() const { return imageList->findChild<QLabel*>("lblInfoA")->text(); }

  // Clicks row `row` of a list, with modifiers (Ctrl, Shift) as given.
  static void click(QListView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QModelIndex index = list->model()->index(row, list->modelColumn());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(index).center());
  }
  static void doubleClick(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, list->modelColumn());
    // A real double-click starts with a press and release of the same row.
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
  }

  static void drop(QAbstractItemView* list, const QList<QUrl>& urls) { dropUrls(list, urls); }

  int limit;
  bool previewOn = true;
  QList<QPair<QString, QString>> previews;
  int logos = 0;
  int focusSinks = 0;
  ui::ScriptedDialogServices dialogs;
  ImageList images;
  QWidget window;
  ImageListPanel* imageList;
  FileBrowserPanel* browser;
  PictureListView* names;
  PictureListView* paths;
  QListView* files;
};

}  // namespace albryn::test
