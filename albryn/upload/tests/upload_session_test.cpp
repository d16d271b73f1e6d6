// The upload session against real servers (pyftpdlib, vsftpd) and scripted misbehaving ones,
// with the dialogs answered by the scripted services.
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include "ftp_client.h"
#include "generation.h"
#include "ftp_test_servers.h"
#include "image_operations.h"
#include "paths.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"
#include "upload_session.h"

Q_DECLARE_METATYPE(albryn::webgen::PageStyle)

using namespace albryn;
using namespace albryn::upload;
using namespace albryn::upload::testing;
using ui::Message;
using ui::MessageButtons;
using ui::MessageIcon;

namespace {

QString newFolder(const char* name) {
  return QString::fromStdString(albryn::testing::sandbox().newFolder(name).string());
}

void writeJpeg(const QString& path, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(QColor(40, 120, 200));
  if (!picture.save(path, "JPG", 90)) qFatal("cannot write %s", qPrintable(path));
}

const Message kCancelled{"FTP Upload Cancelled.", "Albryn Web Page FTP Upload",
                         MessageIcon::Information, MessageButtons::Ok};
Message fatal(bool firstForm) {
  return {QString(firstForm ? "Fatal FTP Error Occurred!" : "Fatal FTP Error occurred!") +
              "\r\nSee the FTP Log for details.",
          "Albryn FTP Upload", MessageIcon::Critical, MessageButtons::Ok};
}

// A generated album on disk: three pages, a background image, a sound, two pictures (one with
// a thumbnail, one without), all named so that the web-name rule matters.
struct Album {
  QString pictures = newFolder("pictures");
  QString out = newFolder("out");
  UploadInput input;
  std::map<QString, QByteArray> expected;  // remote name -> bytes

  explicit Album(const QString& host, const QString& user, const QString& password,
                 qsizetype bigPicture = 0) {
    input.host = host;
    input.userName = user;
    input.password = password;
    input.pagePath = out + "/album.html";
    input.outputFolder = out + "/";
    input.outputBaseName = "album";
    input.autoSpaceReplacement = true;
    for (const QString page : {"album.html", "albumLink.html", "albumMain.html"}) {
      const QByteArray text = "<HTML>" + page.toUtf8() + "</HTML>\r\n";
      writeFile(out + "/" + page, text);
      expected[page] = text;
    }
    const QString background = pictures + "/Sky Back.jpg";
    writeJpeg(background, 64, 64);
    writeFile(out + "/Sky_Back.jpg", readFile(background));  // the generation's copy
    expected["Sky_Back.jpg"] = readFile(background);
    input.mainBackground = background;
    input.linkBackground = "FF8800";  // a colour: nothing to send
    input.sound = pictures + "/tune.mid";
    writeFile(input.sound, "MThd sound");
    expected["tune.mid"] = "MThd sound";

    const QString first = pictures + "/My Pic (1)!.jpg";
    if (bigPicture)
      writeFile(first, randomBytes(bigPicture, 4));
    else
      writeJpeg(first, 400, 300);
    writeJpeg(out + "/thumbMy_Pic_1.jpg", 100, 75);
    input.records.push_back({"First", pictures + "/", "My Pic (1)!", ".jpg", "thumbMy_Pic_1",
                             "My_Pic_1"});
    expected["My_Pic_1.jpg"] = readFile(first);
    expected["thumbMy_Pic_1.jpg"] = readFile(out + "/thumbMy_Pic_1.jpg");
    writeJpeg(pictures + "/second.jpg", 200, 100);
    input.records.push_back({"Second", pictures + "/", "second", ".jpg", "second", "second"});
    expected["second.jpg"] = readFile(pictures + "/second.jpg");
  }
  // Every local file with its bytes, to show that nothing was changed or lost.
  std::map<QString, QByteArray> snapshot() const {
    std::map<QString, QByteArray> files;
    for (const QString& folder : {pictures, out})
      for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files))
        files[f.absoluteFilePath()] = readFile(f.absoluteFilePath());
    return files;
  }
};

// The window around a session: scripted dialogs, the enable calls, short time limits.
struct Window {
  ui::ScriptedDialogServices dialogs;
  FtpClient client;
  QList<bool> enabled;
  QString scratch = newFolder("cache") + "/Albryn";
  std::function<void(int)> onPicture = [](int) {};
  UploadSession session{client, UploadHooks{dialogs, ResizeImageFile, scratch,
                                            [this](bool on) { enabled << on; },
                                            [this](int i, int, const QString&) { onPicture(i); },
                                            [](const QString&) {}, [] {}}};
  explicit Window(int replyMs = 3000) {
    FtpSettings limits;
    limits.connectTimeoutMs = 3000;
    limits.replyTimeoutMs = replyMs;
    limits.dataStallTimeoutMs = 3000;
    client.setSettings(limits);
  }
  int count(const QString& line) const { return int(session.statusText().count(line + "\r\n")); }
};

QStringList folderAndStoreCommands(const QStringList& commands) {
  static const QRegularExpression wanted("^(MKD|CWD|STOR) ");
  return commands.filter(wanted);
}

}  // namespace

class UploadSessionTest : public QObject {
  Q_OBJECT

  ImageLibrary library_;

 private Q_SLOTS:
  void rules() {
    QCOMPARE(UploadSession::normalizeRemoteFolder("pics/2000"), "/pics/2000/");
    QCOMPARE(UploadSession::normalizeRemoteFolder("/pics/"), "/pics/");
    QCOMPARE(UploadSession::normalizeRemoteFolder(""), "");
    QVERIFY(UploadSession::isFatalReply(421, "CWD"));
    QVERIFY(UploadSession::isFatalReply(530, "STOR"));
    QVERIFY(UploadSession::isFatalReply(550, "STOR"));
    QVERIFY(!UploadSession::isFatalReply(550, "CWD"));
    QVERIFY(!UploadSession::isFatalReply(550, "DELE"));
    QVERIFY(!UploadSession::isFatalReply(550, "MKD"));
    QVERIFY(!UploadSession::isFatalReply(530, "MKD"));
    QVERIFY(!UploadSession::isFatalReply(502, "REST"));
    QVERIFY(!UploadSession::isFatalReply(502, "EPSV"));
    QVERIFY(UploadSession::isFatalReply(502, "STOR"));
    QVERIFY(!UploadSession::isFatalReply(226, "STOR"));
  }

  void uploadsTheWholeAlbum_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pyftpdlib") << "pyftpdlib";
    QTest::newRow("vsftpd") << "vsftpd";
  }
  void uploadsTheWholeAlbum() {
    QFETCH(QString, kind);
    const QString root = newFolder("server");
    std::unique_ptr<PyFtpServer> py;
    std::unique_ptr<Vsftpd> vs;
    QString address, disk, top;
    if (kind == "vsftpd") {
      vs = std::make_unique<Vsftpd>(root);
      if (!vs->running()) QSKIP(qPrintable("vsftpd cannot start here: " + vs->error()));
      address = vs->address();
      disk = vs->upload();
      top = "pub/";
    } else {
      py = std::make_unique<PyFtpServer>(root, "ann", "s3cret");
      QVERIFY2(py->running(), qPrintable(py->error()));
      address = py->address();
      disk = root;
    }
    Album album(address, kind == "vsftpd" ? "anonymous" : "ann", "s3cret");
    album.input.remoteFolder = top + "pics/2000";
    const auto before = album.snapshot();
    Window w;
    w.session.begin(album.input);

    QCOMPARE(album.input.remoteFolder, "/" + top + "pics/2000/");
    const Message done{"FTP Upload Complete.\r\nWeb Page: /" + top + "pics/2000/album.html\r\nCreated at: " +
                           address,
                       "Albryn Web Page FTP Upload", MessageIcon::Information, MessageButtons::Ok};
    QCOMPARE(w.dialogs.messages(), QList<Message>{done});
    QCOMPARE(w.enabled, QList<bool>({false, true}));
    QVERIFY(w.session.statusText().startsWith("FTP Upload Complete.\r\n"));
    QCOMPARE(w.dialogs.busyDepth(), 0);
    for (const auto& [name, bytes] : album.expected)
      QVERIFY2(readFile(disk + "/pics/2000/" + name) == bytes, qPrintable(name));
    QCOMPARE(QDir(disk + "/pics/2000").entryList(QDir::Files).size(), int(album.expected.size()));
    QVERIFY(album.snapshot() == before);

    const QStringList commands = kind == "vsftpd" ? vs->commands() : py->commands();
    QStringList expected;
    if (kind == "vsftpd") expected << "MKD pub" << "CWD pub";
    expected << "MKD pics" << "CWD pics" << "MKD 2000" << "CWD 2000"
             << "CWD /" + top + "pics/2000/" << "STOR album.html" << "STOR albumLink.html"
             << "STOR albumMain.html" << "STOR Sky_Back.jpg" << "STOR tune.mid"
             << "STOR My_Pic_1.jpg" << "STOR thumbMy_Pic_1.jpg" << "STOR second.jpg";
    QCOMPARE(folderAndStoreCommands(commands), expected);
    QTRY_COMPARE((kind == "vsftpd" ? vs->commands() : py->commands()).last(), "QUIT");
  }

  // Percentage 50: half-size copies in the cache folder, sent and deleted; an empty remote
  // folder sends everything to the login folder.
  void halfSizePicturesIntoTheLoginFolder() {
    const QString root = newFolder("server");
    PyFtpServer server(root, "ann", "s3cret");
    QVERIFY2(server.running(), qPrintable(server.error()));
    Album album(server.address(), "ann", "s3cret");
    album.input.resizePercent = "50";
    const auto before = album.snapshot();
    Window w;
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages().size(), 1);
    QVERIFY(w.dialogs.messages()[0].text.contains("\r\nWeb Page: album.html\r\n"));
    QCOMPARE(QImage(root + "/My_Pic_1.jpg").size(), QSize(200, 150));
    QCOMPARE(QImage(root + "/second.jpg").size(), QSize(100, 50));
    QCOMPARE(readFile(root + "/thumbMy_Pic_1.jpg"), album.expected["thumbMy_Pic_1.jpg"]);
    QVERIFY(w.session.statusText().contains("Resize OK: " + album.pictures + "/second.jpg\r\n"));
    QVERIFY(QDir(w.scratch).entryList(QDir::Files).isEmpty());
    QVERIFY(album.snapshot() == before);
    QVERIFY(!server.commands().filter(QRegularExpression("^(MKD|CWD)")).size());
  }

  void percentageThatIsNoNumberSendsUnshrunk() {
    const QString root = newFolder("server");
    PyFtpServer server(root, "ann", "s3cret");
    QVERIFY2(server.running(), qPrintable(server.error()));
    Album album(server.address(), "ann", "s3cret");
    album.input.resizePercent = "half";
    Window w;
    w.session.begin(album.input);
    QCOMPARE(readFile(root + "/My_Pic_1.jpg"), album.expected["My_Pic_1.jpg"]);
    QVERIFY(w.session.statusText().contains("Resize Failed: " + album.pictures + "/second.jpg"));
    QVERIFY(w.dialogs.messages().last().text.startsWith("FTP Upload Complete."));
  }

  void wrongPasswordFailsTheConnect() {
    PyFtpServer server(newFolder("server"), "ann", "s3cret");
    QVERIFY2(server.running(), qPrintable(server.error()));
    Album album(server.address(), "ann", "wrong");
    const auto before = album.snapshot();
    Window w(8000);  // pyftpdlib takes 3 s to refuse a password
    w.session.begin(album.input);
    const Message failed{"FTP Connect Failed!", ui::kDefaultCaption, MessageIcon::None,
                         MessageButtons::Ok};
    QCOMPARE(w.dialogs.messages(), QList<Message>{failed});
    QCOMPARE(w.enabled, QList<bool>({false, true}));
    QVERIFY(w.session.statusText().startsWith("Connect FAILED!\r\n"));
    QVERIFY(album.snapshot() == before);
  }

  void missingHostOrPageIsRefusedFirst() {
    Album album("", "ann", "x");
    Window w;
    w.session.begin(album.input);
    album.input.host = "127.0.0.1";
    album.input.pagePath.clear();
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages().size(), 2);
    QCOMPARE(w.dialogs.messages()[0].text, "An FTP URL must be entered.");
    QCOMPARE(w.dialogs.messages()[1].text,
             "You must Generate an HTML File to Upload.\r\nThe Generated file path will be "
             "displayed in the (Uploading:) Text Box.");
    QVERIFY(w.enabled.isEmpty());
  }

  // Refused stores (530 and 550) stop the session at the next checkpoint.
  void refusedStoreStopsTheSession_data() {
    QTest::addColumn<QByteArray>("refusal");
    QTest::newRow("530") << QByteArray("530 Not logged in.\r\n");
    QTest::newRow("550") << QByteArray("550 Permission denied.\r\n");
  }
  void refusedStoreStopsTheSession() {
    QFETCH(QByteArray, refusal);
    ScriptedFtpServer refusing("220 Hi\r\n", [refusal](const QString& verb, const QString&) {
      return verb == "STOR" ? refusal : QByteArray();
    });
    Album album(refusing.address(), "ann", "x");
    Window w;
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages(), QList<Message>({fatal(true), kCancelled}));
    QCOMPARE(refusing.commands().filter("STOR").size(), 1);
    QCOMPARE(w.enabled, QList<bool>({false, true}));
    QCOMPARE(w.dialogs.busyDepth(), 0);
  }

  // The server stops answering, or drops the connection, during a picture.
  void lostServerStopsTheSession_data() {
    QTest::addColumn<bool>("drop");
    QTest::newRow("silent") << false;
    QTest::newRow("dropped") << true;
  }
  void lostServerStopsTheSession() {
    QFETCH(bool, drop);
    ScriptedFtpServer broken(
        "220 Hi\r\n",
        [](const QString& verb, const QString& line) {
          if (verb != "STOR") return QByteArray();
          return line.endsWith(".jpg") ? QByteArray("150 Go.\r\n") : QByteArray("226 Ok.\r\n");
        },
        [drop](QTcpSocket* data, QTcpSocket* control) {
          QObject::connect(data, &QTcpSocket::readyRead, control, [=] {
            data->readAll();
            if (drop) control->abort();  // silent: read everything and never answer
          });
        });
    Album album(broken.address(), "ann", "x");
    const auto before = album.snapshot();
    Window w(1500);
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages(), QList<Message>({fatal(false), kCancelled}));
    QVERIFY(w.session.statusText().contains("FTP Error: "));
    QCOMPARE(w.enabled.last(), true);
    QVERIFY(album.snapshot() == before);
  }

  void cancelDuringAPicture() {
    const QString root = newFolder("server");
    PyFtpServer server(root, "ann", "s3cret", {"--throttle", "1000000"});
    QVERIFY2(server.running(), qPrintable(server.error()));
    Album album(server.address(), "ann", "s3cret", 24 * 1024 * 1024);
    const auto before = album.snapshot();
    Window w(10000);
    w.onPicture = [&](int index) {
      if (index != 0) return;
      QTimer::singleShot(500, &w.session, [&] {
        w.session.cancel();
        w.session.begin(album.input);  // refused: the cancelled session is still stopping
      });
    };
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages(), QList<Message>({kCancelled, fatal(false), kCancelled}));
    QCOMPARE(w.count("FTP Upload Cancelled."), 2);
    QCOMPARE(w.count("Please wait: the cancelled FTP upload is still stopping."), 1);
    QVERIFY(!QFile::exists(root + "/second.jpg"));
    QVERIFY(album.snapshot() == before);
    QVERIFY(!w.session.running());
    // A new session after the cancelled one connects afresh and completes.
    Album again(server.address(), "ann", "s3cret");
    w.session.begin(again.input);
    QVERIFY(w.dialogs.messages().last().text.startsWith("FTP Upload Complete."));
    QCOMPARE(readFile(root + "/second.jpg"), again.expected["second.jpg"]);
  }

  // A generated album of every page style arrives whole: every file its pages name exists on
  // the server with the bytes of its local file.
  void everyPageStyleArrivesWhole_data() {
    QTest::addColumn<webgen::PageStyle>("style");
    for (const webgen::PageStyle style : webgen::kAllStyles)
      QTest::newRow(qPrintable(webgen::StyleWord(style))) << style;
  }
  void everyPageStyleArrivesWhole() {
    QFETCH(webgen::PageStyle, style);
    const QString root = newFolder("server");
    PyFtpServer server(root, "ann", "s3cret");
    QVERIFY2(server.running(), qPrintable(server.error()));
    const QString pictures = newFolder("pictures");
    const QString out = newFolder("out") + "/";
    webgen::AlbumInput album;
    album.attributes = webgen::InitialPageAttributes();
    album.attributes.display.backgroundText = pictures + "/Main Back.jpg";
    album.attributes.display.backIsColor = false;
    album.attributes.link.backgroundText = "FFEEDD";
    album.attributes.soundPath = pictures + "/Our Tune.mid";
    writeJpeg(album.attributes.display.backgroundText, 64, 64);
    writeFile(album.attributes.soundPath, "MThd tune");
    for (const QString name : {"Beach Day.jpg", "Sea (2)!.jpg", "hill.jpg"}) {
      writeJpeg(pictures + "/" + name, 320, 240);
      album.paths << pictures + "/" + name;
      album.displayNames << name;
    }
    album.options = {true, false, true};
    ui::ScriptedDialogServices generationDialogs;
    generationDialogs.queueFile(out + "album");
    webgen::GenerationState state;
    QString genhtml;
    QVERIFY(webgen::GenerateAlbum(style, album, state, genhtml,
                                  {generationDialogs, ResizeImageFile, {}}));

    UploadInput input;
    input.host = server.address();
    input.userName = "ann";
    input.password = "s3cret";
    input.remoteFolder = "album";
    input.pagePath = genhtml;
    input.records = state.records;
    input.outputFolder = state.outputFolder;
    input.outputBaseName = state.outputBaseName;
    input.mainBackground = album.attributes.display.backgroundText;
    input.linkBackground = album.attributes.link.backgroundText;
    input.sound = album.attributes.soundPath;
    input.autoSpaceReplacement = true;
    Window w;
    w.session.begin(input);
    QVERIFY(w.dialogs.messages().last().text.startsWith("FTP Upload Complete."));

    // The local file behind each remote name: pictures by their web names, the rest as
    // generated in the output folder.
    std::map<QString, QString> local;
    for (const auto& r : state.records) local[r.webBase + r.extension] = r.sourcePath();
    const QString site = root + "/album/";
    static const QRegularExpression named(
        "(?:HREF|SRC|BACKGROUND)\\s*=\\s*[\"']?([^\"' >]+)",
        QRegularExpression::CaseInsensitiveOption);
    QStringList pages = {state.outputBaseName + ".html"}, seen, files;
    while (!pages.isEmpty()) {
      const QString page = pages.takeFirst();
      if (seen.contains(page)) continue;
      seen << page;
      const QByteArray remote = readFile(site + page);
      QVERIFY2(!remote.isNull(), qPrintable(page + " is missing on the server"));
      QCOMPARE(remote, readFile(out + page));
      for (auto m = named.globalMatch(QString::fromUtf8(remote)); m.hasNext();) {
        const QString name = m.next().captured(1);
        if (name.contains(':') || name.startsWith('#')) continue;
        if (name.endsWith(".html", Qt::CaseInsensitive)) {
          pages << name;
          continue;
        }
        const QString from = local.count(name) ? local[name] : out + name;
        files << name;
        QVERIFY2(readFile(site + name) == readFile(from),
                 qPrintable(name + " named by " + page + " did not arrive whole"));
      }
    }
    // Every picture is named by some page (the scroll styles show them all on one page).
    for (const auto& r : state.records)
      QVERIFY2(files.contains(r.webBase + r.extension), qPrintable(files.join(" ")));
    QVERIFY(files.contains("Main_Back.jpg"));
  }

  void deletesGeneratedFilesOnlyWhenAsked_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
  }
  void deletesGeneratedFilesOnlyWhenAsked() {
    QFETCH(bool, yes);
    PyFtpServer server(newFolder("server"), "ann", "s3cret");
    QVERIFY2(server.running(), qPrintable(server.error()));
    Album album(server.address(), "ann", "s3cret");
    album.input.deleteAfterUpload = true;
    const auto before = album.snapshot();
    Window w;
    w.dialogs.queueAnswer(ui::Answer::Ok);
    w.dialogs.queueAnswer(yes ? ui::Answer::Yes : ui::Answer::No);
    w.session.begin(album.input);
    QCOMPARE(w.dialogs.messages().size(), 2);
    QCOMPARE(w.dialogs.messages()[1],
             (Message{"Delete Generated HTML and Thumbnail Files from Hard Drive?",
                      "Delete Generated Files After FTP Upload", MessageIcon::Question,
                      MessageButtons::YesNo}));
    if (!yes) {
      QVERIFY(album.snapshot() == before);
      return;
    }
    QCOMPARE(QDir(album.out).entryList(QDir::Files), QStringList());
    const QStringList left = QDir(album.pictures).entryList(QDir::Files);
    QCOMPARE(QSet<QString>(left.begin(), left.end()),
             QSet<QString>({"My Pic (1)!.jpg", "Sky Back.jpg", "second.jpg", "tune.mid"}));
  }
};

QTEST_GUILESS_MAIN(UploadSessionTest)
#include "upload_session_test.moc"
