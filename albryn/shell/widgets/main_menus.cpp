#include "main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace albryn::shell {
namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, bool enabled = false,
              const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setEnabled(enabled);
  action->setShortcut(shortcut);
  return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* m = bar->addMenu(caption);
  m->setObjectName(name);
  return m;
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar) {
  MainMenus m;
  m.file = menu(bar, "mnuFile", QObject::tr("&File"));
  m.newProject = item(m.file, "mnuNew", QObject::tr("&New (Clear All)"));
  m.loadProject = item(m.file, "mnuLoad", QObject::tr("&Load Albryn File"));
  m.saveProject = item(m.file, "mnuSave", QObject::tr("&Save Albryn File"));
  m.file->addSeparator();
  m.importTwain = m.file->addMenu(QObject::tr("&Import Image (Twain)"));
  m.importTwain->setObjectName("mnuImportTwain");
  m.acquire = item(m.importTwain, "mnuAcquire", QObject::tr("Ac&quire"));
  m.selectSource = item(m.importTwain, "mnuSelectSource", QObject::tr("S&elect Source"));
  m.file->addSeparator();
  m.exit = item(m.file, "mnuExit", QObject::tr("E&xit"), true);

  m.webPage = menu(bar, "mnuWebPage", QObject::tr("&Web Page"));
  m.steps = {item(m.webPage, "mnuColor", QObject::tr("&Select Web Page Attributes"), true),
             item(m.webPage, "mnuSelectImages", QObject::tr("Select Digital &Images"), true),
             item(m.webPage, "mnuGenWebPage", QObject::tr("&Generate Web Page"), true),
             item(m.webPage, "mnuViewWebPage", QObject::tr("&Pre-View Web Page"), true),
             item(m.webPage, "mnuFtpUpload", QObject::tr("&Upload to Web (FTP)"), true)};

  m.edit = menu(bar, "mnuEdit", QObject::tr("&Edit"));
  m.openInternalEditor = item(m.edit, "mnuEditInternal", QObject::tr("Open Internal Editor"), false,
                              QKeySequence(Qt::CTRL | Qt::Key_I));
  m.openExternalEditor = item(m.edit, "mnuEditExternal", QObject::tr("Open External Editor"), false,
                              QKeySequence(Qt::CTRL | Qt::Key_E));
  QMenu* rotate = m.edit->addMenu(QObject::tr("Rotate Image"));
  rotate->setObjectName("mnuEditRotate");
  m.rotateRight = item(rotate, "mnuEditRotateRight", QObject::tr("Rotate Right 90"), false,
                       QKeySequence(Qt::CTRL | Qt::Key_R));
  m.rotateLeft = item(rotate, "mnuEditRotateLeft", QObject::tr("Rotate Left 90"), false,
                      QKeySequence(Qt::CTRL | Qt::Key_L));
  m.rotate180 = item(rotate, "mnuEditRotate180", QObject::tr("Rotate 180"));
  m.resize = item(m.edit, "mnuEditResize", QObject::tr("Resize Image"));
  m.gamma = item(m.edit, "mnuEditGamma", QObject::tr("Gamma Correct Image"), false,
                 QKeySequence(Qt::CTRL | Qt::Key_G));
  m.sharpen = item(m.edit, "mnuEditSharpen", QObject::tr("Sharpen Image"), false,
                   QKeySequence(Qt::CTRL | Qt::Key_S));
  m.grayscale = item(m.edit, "mnuEditGrayscale", QObject::tr("Grayscale Image"));
  m.pasteText = item(m.edit, "mnuEditPasteText", QObject::tr("Paste Text on Image"));
  m.pasteText->setVisible(false);

  m.options = menu(bar, "mnuOptions", QObject::tr("&Options"));
  for (const OptionInfo& info : OptionTable()) {
    QAction* a = item(m.options, qPrintable(info.menuName), info.caption, true);
    a->setCheckable(true);
    a->setChecked(true);
    m.optionItems[std::size_t(info.option)] = a;
  }
  m.options->addSeparator();
  m.advancedFtp = item(m.options, "mnuOptionAdvancedFtp", QObject::tr("Advanced &FTP Settings"));

  m.help = menu(bar, "mnuHelp", QObject::tr("&Help"));
  m.albrynHelp = item(m.help, "mnuAlbrynHelp", QObject::tr("&Albryn Help"));
  m.about = item(m.help, "mnuAbout", QObject::tr("&About"));
  return m;
}

}  // namespace albryn::shell
