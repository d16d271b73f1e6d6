// The main window on the offscreen platform with scripted dialogs: start-up, options across a
// restart, the step commands with their panels, lamps and browser, and the menus.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include "albryn_web_page_gen.h"
#include "imagelistpanel.h"
#include "layout_units.h"
#include "panel_area.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"
#include "step_area.h"

using namespace albryn::shell;
using albryn::SettingsStore;
using albryn::ui::ScriptedDialogServices;

namespace {

// How often a panel shows a caption: as its own frame's title, a frame's inside or a label.
int captionsIn(QGroupBox* panel, const QString& caption) {
  int shown = panel->title() == caption ? 1 : 0;
  for (auto* frame : panel->findChildren<QGroupBox*>()) shown += frame->title() == caption ? 1 : 0;
  for (auto* label : panel->findChildren<QLabel*>()) shown += label->text() == caption ? 1 : 0;
  return shown;
}

// Resizing a window makes the offscreen platform warn on every step of an animation.
QtMessageHandler previousHandler = nullptr;
void quietSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.contains("propagateSizeHints")) previousHandler(type, context, message);
}

struct Started {
  ScriptedDialogServices dialogs;
  int tipWindows = 0;
  QStringList sounds;
  std::unique_ptr<AlbrynWebPageGen> window;

  explicit Started(const QString& commandLine = {}) {
    ShellHooks hooks;
    hooks.showTipOfDay = [this] { ++tipWindows; };
    hooks.playResourceSound = [this](const QString& name, const QString&) { sounds << name; };
    window = std::make_unique<AlbrynWebPageGen>(dialogs, hooks, commandLine);
    window->show();
  }
  template <typename T = QWidget>
  T* child(const char* name) const {
    return window->findChild<T*>(name);
  }
  QAction* action(const char* name) const { return window->menuBar()->findChild<QAction*>(name); }
  void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
  bool lampGreen(const char* lamp) const {
    return child<QFrame>(lamp)->palette().color(QPalette::Window) == QColor(0, 255, 0);
  }
  bool hasHeight(int units) const { return window->height() == toPixels(units); }
};

}  // namespace

class ShellWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { previousHandler = qInstallMessageHandler(quietSizeHintWarnings); }
  void init() { QFile::remove(SettingsStore().fileName()); }

  void firstStartWithAnEmptyStore() {
    Started s;
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    QCOMPARE(s.window->windowTitle(), QString("Albryn Web Page Generator"));
    QCOMPARE(s.window->size(), QSize(toPixels(6525), toPixels(2400)));
    QVERIFY(!(s.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    for (const OptionInfo& info : OptionTable()) {
      QAction* item = s.action(qPrintable(info.menuName));
      QVERIFY2(item && item->isCheckable() && item->isChecked(), qPrintable(info.menuName));
      QCOMPARE(item->text(), info.caption);
    }
    QTest::qWait(50);  // the activation is handled after the window became active
    QCOMPARE(s.tipWindows, 0);
    QCOMPARE(s.sounds, QStringList{"WELCOME"});
    QCOMPARE(s.window->state().imageLimit, 250);
    QCOMPARE(s.child<QPushButton>("cmdDriveList")->text(), QString("Display Hard Drive List Box"));
    QVERIFY(s.child<QGroupBox>("frameImageList")->isVisible());
    QVERIFY(!s.child<QGroupBox>("frameColorFontTitle")->isVisible());
    QVERIFY(!s.child<QGroupBox>("FrameFtpUpload")->isVisible());
    QVERIFY(!s.lampGreen("LEDupload"));
    QTRY_VERIFY_WITH_TIMEOUT(s.lampGreen("LEDupload"), 1500);  // the chase starts
    QTRY_VERIFY_WITH_TIMEOUT(s.lampGreen("LEDselectColor"), 1500);
    QVERIFY(!s.lampGreen("LEDupload"));
  }

  void optionsSurviveAnExitAndANewStart() {
    {
      Started s;
      QSignalSpy exited(s.window.get(), &AlbrynWebPageGen::exited);
      s.action("mnuOptionEnableSounds")->trigger();
      s.action("mnuEnableVoicePrompting")->trigger();
      s.action("mnuOptionTipOfDay")->trigger();  // stored at once
      QCOMPARE(SettingsStore().read("Options", "Show Tips at Startup"), QString("False"));
      s.action("mnuExit")->trigger();
      QCOMPARE(exited.count(), 1);
    }
    Started s;
    QVERIFY(!s.action("mnuOptionEnableSounds")->isChecked());
    QVERIFY(!s.action("mnuEnableVoicePrompting")->isChecked());
    QVERIFY(s.action("mnuOptionToolTips")->isChecked());
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    QTRY_VERIFY(!s.action("mnuOptionTipOfDay")->isChecked());
    QVERIFY(s.sounds.isEmpty());  // no welcome with the voice switched off
    s.click("cmdSelectImages");
    QVERIFY(s.sounds.isEmpty());
  }

  void tipWindowOpensAtTheFirstActivationOnly() {
    SettingsStore().write("Options", "Show Tips at Startup", "True");
    Started s;
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    QTRY_COMPARE(s.tipWindows, 1);
    s.window->controller().activated();
    QCOMPARE(s.tipWindows, 1);
  }

  void stepTwoTwiceDoesNotSlide() {
    Started s;
    s.click("cmdSelectImages");
    QVERIFY(s.lampGreen("LEDselectImages"));
    QVERIFY(s.window->controller().windowExpanded());
    QVERIFY(s.hasHeight(5040 + 2505));
    QVERIFY(s.child("driveBrowser")->isVisible());
    QCOMPARE(s.child<QPushButton>("cmdDriveList")->text(), QString("Hide Hard Drive List Box"));
    auto* imageList = s.child<QGroupBox>("frameImageList");
    const QRect placed = imageList->geometry();
    QCOMPARE(placed.x(), 0);

    s.click("cmdSelectImages");
    QCOMPARE(imageList->geometry(), placed);
    QVERIFY(imageList->isVisible());
    QVERIFY(s.hasHeight(5040 + 2505));
    QVERIFY(s.child<QPushButton>("cmdColors")->isEnabled());
  }

  void stepsSlideThePanelsAndResizeTheWindow() {
    Started s;
    s.click("cmdColors");
    QVERIFY(s.hasHeight(5040));
    QVERIFY(s.child<QGroupBox>("frameColorFontTitle")->isVisible());
    QCOMPARE(s.child<QGroupBox>("frameColorFontTitle")->x(), 0);
    QVERIFY(!s.child<QGroupBox>("frameImageList")->isVisible());
    QVERIFY(s.child("txtTitle"));  // the page attributes panel sits in it
    QCOMPARE(captionsIn(s.child<QGroupBox>("frameColorFontTitle"), "Title, Fonts and Backgrounds"), 1);
    QVERIFY(!s.child("driveBrowser")->isVisible());
    QVERIFY(s.child<QPushButton>("cmdDummyFocus")->hasFocus());

    s.action("mnuFtpUpload")->trigger();
    QVERIFY(s.child<QGroupBox>("FrameFtpUpload")->isVisible());
    QVERIFY(s.child("cmdBeginFtpUpload"));  // the upload panel sits in it
    QCOMPARE(captionsIn(s.child<QGroupBox>("FrameFtpUpload"), "FTP Upload to Web Site"), 1);
    QVERIFY(!s.child<QGroupBox>("frameColorFontTitle")->isVisible());
    QVERIFY(s.lampGreen("LEDupload"));

    s.click("cmdDriveList");  // the browser toggles by hand too
    QVERIFY(s.hasHeight(5040 + 2505));
    // The generation itself (style chooser, pages) is tested with its own part; here it only
    // has to follow the window's shrinking.
    int heightAtGeneration = 0;
    s.window->controller().hooks().generatePages = [&] { heightAtGeneration = s.window->height(); };
    s.click("cmdGenerateHtml");
    QVERIFY(s.hasHeight(2400));
    QCOMPARE(heightAtGeneration, toPixels(2400));
    QVERIFY(!s.child("driveBrowser")->isVisible());
    QCOMPARE(s.child<QPushButton>("cmdDriveList")->text(), QString("Display Hard Drive List Box"));
    QVERIFY(s.lampGreen("LEDgenWebPage"));
    QTest::qWait(1100);  // no chase after a step
    QVERIFY(s.lampGreen("LEDgenWebPage"));
    QVERIFY(!s.child<QPushButton>("cmdEditHTML")->isEnabled());  // stays off: no HTML editing yet
  }

  void imageLimitReachesTheImageList() {
    Started s("3");
    QCOMPARE(s.window->state().imageLimit, 3);
    QList<QUrl> urls;
    for (int i = 0; i < 5; ++i) urls << QUrl::fromLocalFile(QStringLiteral("/pictures/p%1.jpg").arg(i));
    s.window->imageListPanel()->dropFiles(urls);
    QCOMPARE(s.window->state().imageList.count(), 3);
    QCOMPARE(s.dialogs.messages().size(), qsizetype(1));
    QCOMPARE(s.dialogs.messages()[0].text, QString("Max 3 Image Limit Reached."));
  }

  void previewOptionShowsLogoOrCaption() {
    Started s;
    auto* caption = s.child<QLabel>("lblImage");
    caption->setText("FileList Pre-View");
    s.action("mnuEnablePreview")->trigger();
    QVERIFY(caption->text().isEmpty());
    s.action("mnuEnablePreview")->trigger();
    QCOMPARE(caption->text(), QString("ImageList Pre-View"));
  }

  void projectSavedAndLoadedThroughTheFileMenu() {
    Started s;
    const QString folder = QString::fromStdString(albryn::testing::sandbox().newFolder("project").string());
    s.window->imageListPanel()->dropFiles({QUrl::fromLocalFile(folder + "/b.jpg"), QUrl::fromLocalFile(folder + "/a.jpg")});
    s.window->state().pageAttributes.title = "Summer";
    QCoreApplication::processEvents();
    // A label text the pictures would not give: loading must bring back the text as saved.
    const QString savedCount = "Image Count:7   Total Size:9Kb";
    s.child<QLabel>("lblInfoA")->setText(savedCount);
    s.dialogs.queueFile(folder + "/album");
    s.action("mnuSave")->trigger();
    QCOMPARE(s.dialogs.messages().constLast().text, QString("Save Albryn File Completed!"));
    QCOMPARE(s.window->state().pathBag.value("alb"), folder + "/album");

    s.window->state().imageList.clear();
    s.window->state().pageAttributes.title = "Other";
    s.dialogs.queueFile(folder + "/album.alb");
    s.action("mnuLoad")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(s.child<QLabel>("lblInfoA")->text(), savedCount);
    QCOMPARE(s.window->state().imageList.paths(), (QStringList{folder + "/b.jpg", folder + "/a.jpg"}));
    QCOMPARE(s.window->state().imageList.names(), (QStringList{"b", "a"}));
    QCOMPARE(s.child<QLineEdit>("txtTitle")->text(), QString("Summer"));
    QVERIFY(s.dialogs.unexpected().isEmpty());
  }

  void newClearsTheProjectWithoutAsking() {
    Started s;
    ProgramState& state = s.window->state();
    const PathBag initialBag = state.pathBag;
    const QString folder = QString::fromStdString(albryn::testing::sandbox().newFolder("new").string());
    s.window->imageListPanel()->dropFiles({QUrl::fromLocalFile(folder + "/a.jpg")});
    state.pageAttributes.title = "Summer";
    state.generation.outputFolder = folder + "/";
    state.generation.outputBaseName = "album";
    state.generation.records.resize(3);
    state.pathBag.set("alb", folder + "/album");
    state.upload.pagePath = folder + "/album.html";
    s.child<QPlainTextEdit>("lblFtpStatus")->setPlainText("Connected");
    s.child<QLabel>("lblImage")->setText("a");

    s.action("mnuNew")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(s.dialogs.messages().isEmpty());
    QVERIFY(state.pageAttributes == albryn::webgen::ResetPageAttributes());
    QCOMPARE(s.child<QLineEdit>("txtTitle")->text(), QString());
    QCOMPARE(state.imageList.count(), 0);
    QCOMPARE(s.child<QLabel>("lblInfoA")->text(), QString());
    QCOMPARE(s.child<QLabel>("lblImage")->text(), QString());
    QVERIFY(state.generation.records.empty());
    QCOMPARE(state.generation.outputFolder, QString());
    QCOMPARE(state.generation.outputBaseName, QString());
    QCOMPARE(state.reservedName, QString());
    QVERIFY(state.pathBag == initialBag);
    QCOMPARE(s.child<QPlainTextEdit>("lblFtpStatus")->toPlainText(), QString());
    QCOMPARE(state.upload.pagePath, folder + "/album.html");  // the upload path is not touched
  }

  void menusOfPartsNotYetBuiltAreDisabled() {
    Started s;
    QStringList menus;
    for (QAction* a : s.window->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"&File", "&Web Page", "&Edit", "&Options", "&Help"}));
    for (const char* name : {"mnuAcquire", "mnuSelectSource", "mnuEditInternal",
                             "mnuEditGamma", "mnuAlbrynHelp", "mnuAbout"})
      QVERIFY2(!s.action(name)->isEnabled(), name);
    for (const char* name : {"mnuExit", "mnuNew", "mnuColor", "mnuSelectImages", "mnuGenWebPage", "mnuViewWebPage", "mnuFtpUpload"})
      QVERIFY2(s.action(name)->isEnabled(), name);
    QVERIFY(!s.action("mnuEditPasteText")->isVisible());
    QCOMPARE(s.action("mnuEditRotateRight")->shortcut(), QKeySequence("Ctrl+R"));
  }
};

QTEST_MAIN(ShellWindowTest)
#include "shell_window_test.moc"
