// The shell's behaviour without widgets: the limit from the command line, the lamp chase, the
// path bag, start-up, activation and exit with the settings store, and the step commands.
#include <QDir>
#include <QSignalSpy>
#include <QtTest>
#include <climits>

#include "sandbox.h"
#include "shell_controller.h"

using namespace albryn::shell;
using albryn::SettingsStore;

namespace {

// Records what the logic asks of the window, one line per request.
class RecordingView : public ShellView {
 public:
  QStringList log;
  int height = 0;
  OptionChecks shownChecks;
  Lamps shownLamps;

  void placeWindow() override { height = kCollapsedHeight; }
  int heightUnits() const override { return height; }
  int topUnits() const override { return 1800; }
  int leftUnits() const override { return 3000; }
  void animateHeight(int delta, int finalHeight) override {
    log << QStringLiteral("grow %1 to %2").arg(delta).arg(finalHeight);
    height = finalHeight;
  }
  void slidePanel(Panel from, Panel to) override { log << QStringLiteral("slide %1 %2").arg(int(from)).arg(int(to)); }
  void setStepButtonsEnabled(bool) override {}
  void setDriveBrowserVisible(bool visible) override { log << (visible ? "browser shown" : "browser hidden"); }
  void setDriveButtonCaption(const QString&) override {}
  void setDriveButtonEnabled(bool) override {}
  void moveFocusToSink() override {}
  void showLamps(const Lamps& lamps) override { shownLamps = lamps; }
  void resetPreview() override { log << "preview reset"; }
  void previewSwitchedOn() override { log << "preview on"; }
  void showOptionChecked(Option option, bool checked) override { shownChecks.set(option, checked); }
};

struct HookLog {
  QStringList sounds;
  int tipWindows = 0;
  QList<bool> toolTips;

  ShellHooks hooks() {
    ShellHooks h;
    h.playResourceSound = [this](const QString& name, const QString& type) { sounds << type + "/" + name; };
    h.showTipOfDay = [this] { ++tipWindows; };
    h.applyToolTips = [this](bool on) { toolTips << on; };
    return h;
  }
};

Lamps litAt(Lamp lamp) {
  Lamps lamps;
  lamps.light(lamp);
  return lamps;
}

void clearSettings() { QFile::remove(SettingsStore().fileName()); }

}  // namespace

class ShellCoreTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { clearSettings(); }

  void imageLimitFromTheCommandLine_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("limit");
    QTest::newRow("500") << "500" << 500;
    QTest::newRow("abc") << "abc" << 250;
    QTest::newRow("0") << "0" << 250;
    QTest::newRow("-3") << "-3" << 250;
    QTest::newRow("none") << "" << 250;
    QTest::newRow("blanks around") << " 40 " << 40;
    QTest::newRow("two arguments") << "500 600" << 250;
    QTest::newRow("below one") << "0.7" << 250;
    QTest::newRow("half to even down") << "2.5" << 2;
    QTest::newRow("half to even up") << "3.5" << 4;
    QTest::newRow("beyond int") << "1e12" << INT_MAX;
    QTest::newRow("not finite") << "inf" << 250;
  }
  void imageLimitFromTheCommandLine() {
    QFETCH(QString, commandLine);
    QFETCH(int, limit);
    QCOMPARE(ImageLimitFromCommandLine(commandLine), limit);
  }

  void lampChaseOrder() {
    Lamps lamps;  // all black: the last lamp lights first
    const Lamp order[] = {Lamp::Upload,    Lamp::SelectColor, Lamp::SelectImages, Lamp::GenWebPage,
                          Lamp::PreView,   Lamp::Upload,      Lamp::SelectColor};
    for (Lamp expected : order) {
      lamps.chaseStep();
      QCOMPARE(lamps, litAt(expected));
    }
  }

  void pathBagStartsAtTheProgramFolder() {
    PathBag bag;
    bag.fillInitial("/");
    QCOMPARE(bag.value("midi"), QString("/*.mid"));
    QCOMPARE(bag.value("alb"), QString("/*.alb"));
    bag.fillInitial("/home/ann/Pictures");
    const QStringList expected{"/home/ann/Pictures/*.mid",  "/home/ann/Pictures/*.alb",
                               "/home/ann/Pictures/*.html", "/home/ann/Pictures/*.html",
                               "/home/ann/Pictures/*.jpg",  "/home/ann/Pictures/*.jpg"};
    for (qsizetype i = 0; i < PathBag::keys().size(); ++i) QCOMPARE(bag.value(PathBag::keys()[i]), expected[i]);
    QVERIFY(bag.isUnchosen("genhtml"));
    bag.set("genhtml", "/home/ann/album/index.html");
    bag.set("nokey", "/x");
    QVERIFY(!bag.isUnchosen("genhtml"));
    QCOMPARE(bag.value("nokey"), QString());
  }

  void programFolderSetting() {
    SettingsStore store;
    const QString chosen = QString::fromStdString(albryn::testing::sandbox().newFolder("photos").string());
    store.write("Options", "ProgramFolder", chosen);
    QCOMPARE(ProgramFolder(store), QDir::cleanPath(chosen));
    store.write("Options", "ProgramFolder", chosen + "/missing");
    const QString fallback = ProgramFolder(store);
    QVERIFY(fallback == QDir::homePath() || fallback.endsWith("/Pictures"));
  }

  void firstStartWithAnEmptyStore() {
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    shell.activated();
    QCOMPARE(shell.state().options, OptionChecks());  // all eight checked
    QCOMPARE(view.shownChecks, OptionChecks());
    QCOMPARE(hooks.tipWindows, 0);  // the absent key reads "1", not "True"
    QCOMPARE(hooks.sounds, QStringList{"VOICES/WELCOME"});
    QCOMPARE(hooks.toolTips, QList<bool>{true});
    QCOMPARE(shell.state().imageLimit, 250);
    QCOMPARE(shell.state().reservedName, QString("Albryn.jpg"));
    QCOMPARE(shell.state().uploadResizeChoices.first(), QString("100"));
    QCOMPARE(shell.state().uploadResizeChoices.last(), QString("10"));
    QVERIFY(shell.lampsChasing());
    QCOMPARE(view.height, kCollapsedHeight);
  }

  void optionsSurviveAnExitAndANewStart() {
    {
      RecordingView view;
      HookLog hooks;
      ShellController shell(view, hooks.hooks());
      shell.startUp("");
      shell.activated();
      shell.toggleOption(Option::Sounds);
      shell.toggleOption(Option::AutoSpace);
      shell.toggleOption(Option::ToolTips);
      QCOMPARE(hooks.toolTips, (QList<bool>{true, false}));
      shell.exiting();
    }
    SettingsStore store;
    QCOMPARE(store.read("Options", "sounds"), QString("False"));
    QCOMPARE(store.read("Options", "imagepreview"), QString("True"));
    QCOMPARE(store.read("Options", "Show Tips at Startup"), QString("True"));
    QCOMPARE(store.read("form", "top"), QString("1800"));
    QCOMPARE(store.read("form", "left"), QString("3000"));

    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    QVERIFY(!shell.state().options[Option::Sounds]);
    QVERIFY(!shell.state().options[Option::AutoSpace]);
    QVERIFY(!view.shownChecks[Option::ToolTips]);
    QVERIFY(shell.state().options[Option::DeleteThumbnails]);
    QCOMPARE(hooks.toolTips, QList<bool>{false});
    // The exit stored "True" for the tip of the day: the tip window opens at the first
    // activation only.
    shell.activated();
    shell.activated();
    QCOMPARE(hooks.tipWindows, 1);
  }

  void tipOfDayFollowsTheStoredText() {
    SettingsStore store;
    store.write("Options", "Show Tips at Startup", "False");
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    shell.activated();
    QCOMPARE(hooks.tipWindows, 0);
    QVERIFY(!view.shownChecks[Option::TipOfDay]);
    // The toggle stores at once, so another activation keeps the new check.
    shell.toggleOption(Option::TipOfDay);
    QCOMPARE(store.read("Options", "Show Tips at Startup"), QString("True"));
    shell.activated();
    QVERIFY(view.shownChecks[Option::TipOfDay]);
    QCOMPARE(hooks.tipWindows, 0);
    // What the tip window stores ("0") is picked up at the next activation.
    store.write("Options", "Show Tips at Startup", "0");
    shell.activated();
    QVERIFY(!shell.state().options[Option::TipOfDay]);
  }

  void stepsMoveTheWindowPanelsAndBrowser() {
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    view.log.clear();
    hooks.sounds.clear();

    shell.stepSelectImages();
    QCOMPARE(view.log, (QStringList{"preview reset", "grow 2640 to 5040", "browser shown", "grow 2505 to 7545"}));
    QCOMPARE(hooks.sounds, (QStringList{"SOUNDS/PICTURE", "VOICES/STEP2"}));
    QVERIFY(!shell.lampsChasing());
    QCOMPARE(view.shownLamps, litAt(Lamp::SelectImages));

    view.log.clear();
    shell.stepSelectImages();  // already in place: nothing slides, nothing grows
    QCOMPARE(view.log, QStringList{"preview reset"});
    QVERIFY(shell.windowExpanded());

    view.log.clear();
    shell.stepSelectAttributes();
    QCOMPARE(view.log, (QStringList{"preview reset", "grow -2505 to 5040", "browser hidden", "slide 2 0"}));
    QCOMPARE(shell.visiblePanel(), std::optional(Panel::ColorFontTitle));

    view.log.clear();
    shell.stepGenerate();
    QCOMPARE(view.log, (QStringList{"preview reset", "grow -2640 to 2400"}));
    QVERIFY(!shell.windowExpanded());
    QCOMPARE(view.shownLamps, litAt(Lamp::GenWebPage));

    view.log.clear();
    shell.stepUpload();
    QCOMPARE(view.log, (QStringList{"preview reset", "grow 2640 to 5040", "slide 0 1"}));
  }

  void soundsFollowTheirOptions() {
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    shell.toggleOption(Option::VoicePrompt);
    hooks.sounds.clear();
    shell.activateStep(Lamp::Upload);
    QCOMPARE(hooks.sounds, QStringList{"SOUNDS/PICTURE"});
    shell.toggleOption(Option::Sounds);
    shell.activateStep(Lamp::PreView);
    QCOMPARE(hooks.sounds, QStringList{"SOUNDS/PICTURE"});
  }

  void chaseTimerRunsUntilTheFirstStep() {
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    QTRY_COMPARE_WITH_TIMEOUT(view.shownLamps, litAt(Lamp::Upload), 1500);
    QTRY_COMPARE_WITH_TIMEOUT(view.shownLamps, litAt(Lamp::SelectColor), 1500);
    shell.stepGenerate();
    QTest::qWait(1200);
    QCOMPARE(view.shownLamps, litAt(Lamp::GenWebPage));
  }

  void previewOptionToggle() {
    RecordingView view;
    HookLog hooks;
    ShellController shell(view, hooks.hooks());
    shell.startUp("");
    view.log.clear();
    shell.toggleOption(Option::ImagePreview);
    shell.toggleOption(Option::ImagePreview);
    QCOMPARE(view.log, (QStringList{"preview reset", "preview on"}));
  }
};

QTEST_MAIN(ShellCoreTest)
#include "shell_core_test.moc"
