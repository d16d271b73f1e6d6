// The settings store: the per-user file, absent keys, Boolean texts and sharing between readers.
#include <QFile>
#include <QtTest>

#include "settings_store.h"

using albryn::SettingsStore;
using albryn::StoredTextToBool;

class UiSettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void livesInTheUsersConfigFolder() {
    // The test sandbox points XDG_CONFIG_HOME at its own folder.
    QCOMPARE(SettingsStore().fileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Albryn/Albryn.conf");
  }

  void absentKeysReadOneAndWritesAreSeenByEveryStore() {
    SettingsStore writer;
    QCOMPARE(writer.read("Options", "sounds"), QString("1"));
    QCOMPARE(writer.find("ftp", "FtpUrl1"), std::nullopt);
    QVERIFY(writer.readBool("Options", "sounds"));

    writer.writeBool("Options", "sounds", false);
    writer.write("Options", "Show Tips at Startup", "0");
    writer.write("ftp", "FtpUrl1", "ftp.example.org");
    const SettingsStore reader;
    QCOMPARE(reader.read("Options", "sounds"), QString("False"));
    QVERIFY(!reader.readBool("Options", "Show Tips at Startup"));
    QCOMPARE(reader.find("ftp", "FtpUrl1"), std::optional<QString>("ftp.example.org"));

    QFile file(reader.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[Options]"));
    QVERIFY(text.contains("sounds=False"));
    QVERIFY(text.contains("[ftp]"));
  }

  void booleanTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // 1 true, 0 false, -1 not a Boolean
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false any case") << "fALSE" << 0;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-1" << 1;
    QTest::newRow("decimal zero") << " 0.0 " << 0;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void booleanTexts() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = StoredTextToBool(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, expected);
  }

  void unreadableTextGivesTheFallback() {
    SettingsStore store;
    store.write("Options", "tooltips", "maybe");
    QVERIFY(store.readBool("Options", "tooltips", true));
    QVERIFY(!store.readBool("Options", "tooltips", false));
  }
};

QTEST_MAIN(UiSettingsStoreTest)
#include "ui_settings_store_test.moc"
