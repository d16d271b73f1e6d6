// Times the image list with large numbers of pictures, offscreen: a drop of N files from a file
// manager with the count label update, adding N files selected in the local file list, and
// clicks, range selections, scrolling and removing every other row in a list of 2 × N rows. Prints one line per figure.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>

#include "../tests/album_drop.h"
#include "filebrowserpanel.h"
#include "imagelist.h"
#include "imagelistpanel.h"
#include "scripted_dialog_services.h"

namespace {

using namespace albryn;

void report(const char* what, qint64 nanoseconds) {
  std::printf("%s_ms %.1f\n", what, nanoseconds / 1e6);
  std::fflush(stdout);
}

void click(QListView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QModelIndex index = list->model()->index(row, list->modelColumn());
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(index).center());
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int count = argc > 1 ? QString(argv[1]).toInt() : 5000;

  QTemporaryDir folder;
  QList<QUrl> urls;
  for (int i = 0; i < count; ++i) {
    const QString path = folder.filePath(QStringLiteral("picture %1.jpg").arg(i, 5, 10, QChar('0')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(1000 + i % 100, 'x')) < 0) return 1;
    // A file manager's URL with a doubled separator for the image list to reduce.
    urls.append(QUrl::fromLocalFile(folder.path() + "//" + QFileInfo(path).fileName()));
  }

  ui::ScriptedDialogServices dialogs;
  ImageList images;
  PanelHost host{dialogs, [count] { return 2 * count; }, {}, {}, {}, {}};
  QWidget window;
  auto* panel = new ImageListPanel(images, host, &window);
  auto* browser = new FileBrowserPanel(images, host, folder.path(), &window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(panel);
  layout->addWidget(browser);
  window.resize(640, 480);
  window.show();
  app.processEvents();
  auto* paths = panel->findChild<QListView*>("lstImageListPath");
  auto* files = browser->findChild<QListView*>("File1");
  auto* info = panel->findChild<QLabel*>("lblInfoA");

  QElapsedTimer timer;
  timer.start();
  test::dropUrls(paths, urls);
  app.processEvents();  // the views lay out the new rows
  report("drop_and_count_label", timer.nsecsElapsed());
  if (images.count() != count || !info->text().startsWith(QStringLiteral("Image Count:%1 ").arg(count))) {
    std::fprintf(stderr, "drop went wrong: %d rows, label %s\n", images.count(), qPrintable(info->text()));
    return 1;
  }

  timer.restart();
  files->selectAll();
  browser->addSelectedToImageList();
  app.processEvents();
  report("add_selected_from_file_list", timer.nsecsElapsed());
  if (images.count() != 2 * count || dialogs.messages().size() != 1) return 1;  // full: the limit message

  const int rows = images.count();
  const int clicks = 200;
  timer.restart();
  for (int i = 0; i < clicks; ++i) {
    click(paths, static_cast<int>((i * 7919LL) % rows), i % 3 == 2 ? Qt::ShiftModifier : Qt::NoModifier);
    app.processEvents();
  }
  report("click_or_shift_click_per_row", timer.nsecsElapsed() / clicks);

  timer.restart();
  paths->selectAll();
  app.processEvents();
  report("select_all", timer.nsecsElapsed());

  timer.restart();
  QScrollBar* bar = paths->verticalScrollBar();
  for (int step = 0; step < 100; ++step) {
    bar->setValue(bar->maximum() * step / 99);
    app.processEvents();
  }
  report("scroll_step", timer.nsecsElapsed() / 100);
  // The hardest removal: every other row selected, 5 000 separate runs.
  {
    QItemSelection everyOther;
    for (int row = 0; row < rows; row += 2) everyOther.select(images.index(row, 1), images.index(row, 1));
    paths->selectionModel()->select(everyOther, QItemSelectionModel::ClearAndSelect);
  }
  timer.restart();
  panel->removeSelected();
  app.processEvents();
  report("remove_every_other_row", timer.nsecsElapsed());
  if (images.count() != rows / 2) return 1;
  std::printf("rows %d\n", rows);
  return 0;
}
