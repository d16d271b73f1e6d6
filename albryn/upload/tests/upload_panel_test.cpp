// The upload panel: saved sites, key filters, the session log window and the first checks of
// Begin, driven as a user would.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "frame_ftp_upload.h"
#include "frm_ftp_session.h"
#include "ftp_client.h"
#include "ftp_settings_dialog.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"

using namespace albryn;
using namespace albryn::upload;

namespace {

struct Panel {
  SettingsStore store{QString::fromStdString(
      (albryn::testing::sandbox().newFolder("settings") / "Albryn.conf").string())};
  ui::ScriptedDialogServices dialogs;
  FtpClient client;
  FrameFtpUpload frame{client, store, dialogs,
                       [](const QString&, const QString&, double, qint32, qint32) {
                         return QString();
                       },
                       [] { return UploadInput{}; }};

  template <class T>
  T* child(const char* name) {
    T* found = frame.findChild<T*>(name);
    if (!found) qFatal("no %s", name);
    return found;
  }
  QComboBox* url() { return child<QComboBox>("txtFtpUrl"); }
  QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
  void type(const QString& host, const QString& user = "u", const QString& password = "p",
            const QString& folder = "f") {
    url()->setCurrentText(host);
    box("txtFtpUserName")->setText(user);
    box("txtFtpPassword")->setText(password);
    box("txtFtpUrlPath")->setText(folder);
  }
  QString slot(const QString& key, int n) {
    return store.find("ftp", key + QString::number(n)).value_or(QString());
  }
};

}  // namespace

class UploadPanelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void firstUseShowsFifteenEmptySites() {
    Panel p;
    QCOMPARE(p.box("txtFtpUserName")->text(), "anonymous");
    p.frame.prepare("*.html");
    QCOMPARE(p.url()->count(), 15);
    for (int i = 0; i < 15; ++i) QCOMPARE(p.url()->itemText(i), "");
    QCOMPARE(p.frame.panelSite(), FtpSite{});
    p.frame.prepare("/home/ann/album/index.html");
    QCOMPARE(p.box("txtFilePath")->text(), "/home/ann/album/index.html");
    p.frame.prepare("/home/ann/album/*.HTM");
    QCOMPARE(p.box("txtFilePath")->text(), "");
  }

  void savingMovesTheSiteFirstAndListsItOnce() {
    Panel p;
    p.frame.prepare("*.html");
    p.type("A", "ua", "pa", "/a/");
    p.frame.SaveUrlList();
    p.type("B", "ub", "pb", "/b/");
    p.frame.SaveUrlList();
    p.type("A", "ua2", "pa2", "/a2/");
    p.frame.SaveUrlList();
    QCOMPARE(p.slot("FtpUrl", 1), "A");
    QCOMPARE(p.slot("FtpUserName", 1), "ua2");
    QCOMPARE(p.slot("FtpUrl", 2), "B");
    QCOMPARE(p.slot("FtpPassword", 2), "pb");
    QCOMPARE(p.slot("FtpUrl", 3), "");  // the empty rows shift too
    QCOMPARE(p.url()->findText("A"), 0);
    QCOMPARE(p.url()->findText("B"), 1);
    QCOMPARE(p.url()->count(), 15);
  }

  void fifteenSitesKeepTheFourteenNewest() {
    Panel p;
    p.frame.prepare("*.html");
    for (int i = 1; i <= 15; ++i) {
      p.type("site" + QString::number(i));
      p.frame.SaveUrlList();
    }
    QCOMPARE(p.slot("FtpUrl", 1), "site15");
    for (int n = 2; n <= 14; ++n) QCOMPARE(p.slot("FtpUrl", n), "site" + QString::number(16 - n));
    QCOMPARE(p.slot("FtpUrl", 15), "");
  }

  void choosingASiteFillsTheBoxes() {
    Panel p;
    p.frame.sites().SaveFtpSlot(1, {"A", "ua", "pa", "/a/", "/old/page.html"});
    p.frame.prepare("/new/page.html");
    p.type("typed", "tu", "tp", "tf");
    // An empty item changes nothing.
    p.url()->setCurrentIndex(5);
    emit p.url()->activated(5);
    p.url()->setCurrentText("typed");
    QCOMPARE(p.frame.panelSite(), (FtpSite{"typed", "tu", "tp", "tf", "/new/page.html"}));
    emit p.url()->activated(0);
    QCOMPARE(p.frame.panelSite(), (FtpSite{"A", "ua", "pa", "/a/", "/new/page.html"}));
  }

  void saveButtonSavesEvenWhenAutoSaveIsOff() {
    Panel p;
    p.frame.prepare("*.html");
    auto* autoSave = p.child<QCheckBox>("chkSaveURL");
    autoSave->setChecked(false);
    p.type("A");
    p.frame.SaveUrlList();  // what an upload start does
    QCOMPARE(p.slot("FtpUrl", 1), "");
    QTest::mouseClick(p.child<QPushButton>("cmdSaveUrl"), Qt::LeftButton);
    QCOMPARE(p.slot("FtpUrl", 1), "A");
    QVERIFY(!autoSave->isChecked());
  }

  void keyFiltersDropQuotesAndBackslashes() {
    Panel p;
    struct Case {
      const char* box;
      const char* typed;
      const char* kept;
    } cases[] = {
        {"txtFtpUrlPath", "pics\\2000\"'/x", "pics2000/x"},
        {"txtFtpUserName", "o'brien\"\\", "obrien\\"},
        {"txtFtpPassword", "se'cr\"et", "secret"},
    };
    for (const auto& c : cases) {
      QLineEdit* edit = p.box(c.box);
      edit->clear();
      QTest::keyClicks(edit, c.typed);
      QCOMPARE(edit->text(), QString(c.kept));
    }
  }

  void captionsTipsAndInitialStates() {
    Panel p;
    QCOMPARE(p.frame.title(), "FTP Upload to Web Site");
    QCOMPARE(p.url()->toolTip(), "FTP URL (Example: " + kExampleHost + ").");
    QCOMPARE(p.box("txtFtpPassword")->text(), kAnonymousPassword);
    QCOMPARE(p.box("txtFtpPassword")->toolTip(),
             "FTP Site User Password for Login (Example: " + kAnonymousPassword + ").");
    QVERIFY(p.box("txtFilePath")->isReadOnly());
    QCOMPARE(p.child<QComboBox>("cmbResizePercent")->currentText(), "100");
    QCOMPARE(p.child<QComboBox>("cmbResizePercent")->count(), 12);
    QVERIFY(!p.child<QPushButton>("cmdCancelFtpUpload")->isEnabled());
    auto* manage = p.child<QPushButton>("cmdManageWebsite");
    QCOMPARE(manage->text(), "&Manage Website");
    QVERIFY(!manage->isEnabled());
    QCOMPARE(p.child<QPushButton>("cmdBeginFtpUpload")->text(), "&Begin FTP Upload");
  }

  // "Advanced FTP Settings": OK gives the control the new values, Cancel keeps the old ones.
  void settingsDialogChangesTheControl_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
  }
  void settingsDialogChangesTheControl() {
    QFETCH(bool, accept);
    FtpClient client;
    const FtpSettings before = client.settings();
    QTimer::singleShot(0, [accept] {
      auto* dialog = qobject_cast<FtpSettingsDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->findChild<QCheckBox*>()->setChecked(false);
      const auto spins = dialog->findChildren<QSpinBox*>();
      spins[0]->setValue(2121);  // port
      spins[2]->setValue(5);     // reply time limit
      accept ? dialog->accept() : dialog->reject();
    });
    ShowSettings(client, nullptr);
    const FtpSettings after = client.settings();
    if (!accept) {
      QCOMPARE(after.passive, before.passive);
      QCOMPARE(after.port, before.port);
      QCOMPARE(after.replyTimeoutMs, before.replyTimeoutMs);
      return;
    }
    QVERIFY(!after.passive);
    QCOMPARE(after.port, 2121);
    QCOMPARE(after.replyTimeoutMs, 5000);
    QCOMPARE(after.connectTimeoutMs, before.connectTimeoutMs);
  }

  void sessionLogShowsTheStatusBox() {
    Panel p;
    p.frame.prepare("*.html");
    p.type("");
    // Begin without a host: refused with its message, the window stays enabled.
    QTest::mouseClick(p.child<QPushButton>("cmdBeginFtpUpload"), Qt::LeftButton);
    QCOMPARE(p.dialogs.messages().size(), 1);
    QCOMPARE(p.dialogs.messages()[0].text, "An FTP URL must be entered.");
    QVERIFY(p.child<QPushButton>("cmdBeginFtpUpload")->isEnabled());

    p.type("ftp.example.com");
    p.child<QPlainTextEdit>("lblFtpStatus")->setPlainText("line two\nline one");
    QString caption, text;
    QTimer::singleShot(0, [&] {
      auto* log = qobject_cast<FrmFtpSession*>(QApplication::activeModalWidget());
      if (!log) return;
      caption = log->windowTitle();
      text = log->text();
      log->close();
    });
    QTest::mouseClick(p.child<QPushButton>("cmdFtpSessionView"), Qt::LeftButton);
    QCOMPARE(caption, "FTP Session Log for ftp.example.com");
    QCOMPARE(text, "line two\nline one");
  }
};

QTEST_MAIN(UploadPanelTest)
#include "upload_panel_test.moc"
