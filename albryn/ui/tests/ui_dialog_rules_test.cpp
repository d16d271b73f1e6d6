// The filter and default-extension rules, and the scripted services that tests of the whole
// program rely on.
#include <QFile>
#include <QtTest>

#include "file_filter.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"

using namespace albryn::ui;

namespace {
const QString kAlbumFilter = "Albryn File (*.alb)|*.alb|All (*.*)|*.*";
const QString kHtmlFilter = "HTML (*.html)|*.html|HTM (*.htm)|*.htm|All (*.*)|*.*";
}  // namespace

class UiDialogRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void fileFilterTranslatesClassicFiltersForQt() {
    QCOMPARE(qtNameFilters("JPG (*.jpg)|*.jpg|GIF (*.gif)|*.gif|All (*.*)|*.*"),
             (QStringList{"JPG (*.jpg *.JPG)", "GIF (*.gif *.GIF)", "All (*)"}));
    QCOMPARE(qtNameFilters("Pictures|*.jpg;*.GIF"), (QStringList{"Pictures (*.jpg *.JPG *.GIF *.gif)"}));
    QCOMPARE(qtNameFilters("Midi (*.mid)|*.mid|dangling"), (QStringList{"Midi (*.mid *.MID)"}));
    QVERIFY(qtNameFilters("").isEmpty());
  }

  void fileFilterDefaultExtensionRule() {
    struct Case {
      QString typed, filter, ext;
      int selected;
      QString expected;
    } cases[] = {
        {"/a/album.txt", kAlbumFilter, "ALB", 0, "/a/album.txt.alb"},
        {"/a/album.alb", kAlbumFilter, "ALB", 0, "/a/album.alb"},
        {"/a/album.ALB", kAlbumFilter, "ALB", 0, "/a/album.ALB"},
        {"/a/album", kAlbumFilter, "ALB", 1, "/a/album.ALB"},  // "All" has no extension of its own
        {"/a/index", kHtmlFilter, "HTML", 1, "/a/index.htm"},
        {"/a/index.htm", kHtmlFilter, "HTML", 0, "/a/index.htm"},
        {"/a.b/index", kHtmlFilter, "HTML", 0, "/a.b/index.html"},
        {"/a/back.png", "JPG (*.jpg)|*.jpg|All (*.*)|*.*", "", 0, "/a/back.png"},  // no default
    };
    for (const Case& c : cases)
      QCOMPARE(withDefaultExtension(c.typed, c.filter, c.ext, c.selected), c.expected);
  }

  void scriptedRecordsMessagesAsShownAndAnswersFromTheQueue() {
    ScriptedDialogServices s;
    s.queueAnswer(Answer::No);
    QCOMPARE(s.message("Delete?", MessageIcon::Question, MessageButtons::YesNo), Answer::No);
    QCOMPARE(
        s.message(Message{"Done.\r\nAll of it.", "Upload", MessageIcon::Information, MessageButtons::Ok}),
        Answer::Ok);  // OK-only boxes need no queued answer
    QCOMPARE(s.messages().size(), qsizetype(2));
    QCOMPARE(s.messages()[0],
             (Message{"Delete?", "Albryn Web Page Generator", MessageIcon::Question, MessageButtons::YesNo}));
    QCOMPARE(s.messages()[1].text, "Done.\r\nAll of it.");
    QCOMPARE(s.messages()[1].caption, "Upload");
    QVERIFY(s.unexpected().isEmpty());

    // An unplanned question is recorded and answered as if cancelled.
    QCOMPARE(s.message("Replace?", MessageIcon::Warning, MessageButtons::YesNo), Answer::No);
    QCOMPARE(s.message("Retry?", MessageIcon::Warning, MessageButtons::AbortRetryIgnore), Answer::Abort);
    QCOMPARE(s.input(InputRequest{"Enter Folder Name", "", "New Folder"}), std::nullopt);
    QCOMPARE(s.unexpected().size(), qsizetype(3));
    QCOMPARE(s.inputs().constFirst().caption, "Albryn Web Page Generator");
  }

  void scriptedSaveAddsTheExtensionAndAsksBeforeReplacing() {
    const QString folder = QString::fromStdString(albryn::testing::sandbox().newFolder().string());
    QFile existing(folder + "/album.alb");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    ScriptedDialogServices s;
    const FileRequest request{"", kAlbumFilter, "ALB", "album", folder, true};
    s.queueFile(folder + "/album");  // becomes album.alb, which exists
    s.queueAnswer(Answer::No);       // do not replace: the dialog opens again
    s.queueFile(folder + "/other.txt");
    QCOMPARE(s.saveFile(request), folder + "/other.txt.alb");
    QCOMPARE(s.messages().size(), qsizetype(1));
    QCOMPARE(s.messages()[0], (Message{folder + "/album.alb already exists.\nDo you want to replace it?",
                                       "Save As", MessageIcon::Warning, MessageButtons::YesNo}));
    QCOMPARE(s.fileDialogs().size(), qsizetype(2));
    QVERIFY(s.fileDialogs()[1].save);

    s.queueFile(folder + "/album.alb");
    s.queueAnswer(Answer::Yes);
    QCOMPARE(s.saveFile(request), folder + "/album.alb");

    s.queueFile(std::nullopt);
    QCOMPARE(s.saveFile(request), std::nullopt);
    QCOMPARE(s.unusedAnswers(), qsizetype(0));
    QVERIFY(s.unexpected().isEmpty());
  }

  void scriptedBusyPointerNests() {
    ScriptedDialogServices s;
    {
      BusyPointer outer(s);
      BusyPointer inner(s, BusyKind::Hourglass);
      QCOMPARE(s.busyDepth(), 2);
    }
    QCOMPARE(s.busyDepth(), 0);
    QCOMPARE(s.busyPeriods(), 2);
    QCOMPARE(s.busyKinds(), (QList<BusyKind>{BusyKind::ArrowAndHourglass, BusyKind::Hourglass}));
  }
};

QTEST_MAIN(UiDialogRulesTest)
#include "ui_dialog_rules_test.moc"
