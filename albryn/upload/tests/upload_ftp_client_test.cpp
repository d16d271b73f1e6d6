// The FTP client control against real servers on loopback (pyftpdlib and vsftpd) and against
// small scripted servers that misbehave on purpose.
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "ftp_client.h"
#include "ftp_test_servers.h"
#include "sandbox.h"

using namespace albryn::upload;
using namespace albryn::upload::testing;

namespace {

constexpr int kWaitMs = 20000;

QString newFolder(const char* name) {
  return QString::fromStdString(albryn::testing::sandbox().newFolder(name).string());
}

// A control with spies on its events and short time limits.
struct Harness {
  FtpClient client;
  QSignalSpy responses{&client, &FtpClient::OnResponse};
  QSignalSpy errors{&client, &FtpClient::OnError};
  QSignalSpy connects{&client, &FtpClient::OnConnect};
  QSignalSpy progress{&client, &FtpClient::OnProgress};
  QSignalSpy listings{&client, &FtpClient::OnDirList};

  Harness() {
    FtpSettings limits;
    limits.connectTimeoutMs = 3000;
    limits.replyTimeoutMs = 1500;
    limits.dataStallTimeoutMs = 1500;
    client.setSettings(limits);
  }
  // A throttled server reads in bursts, pausing about a second between them, and takes its
  // time to read what the system already acknowledged: longer limits for those tests.
  void bePatient() {
    FtpSettings patient = client.settings();
    patient.replyTimeoutMs = 10000;
    patient.dataStallTimeoutMs = 5000;
    client.setSettings(patient);
  }
  // Waits until the running operation ends; false when it did not end in time.
  bool settle() {
    QDeadlineTimer deadline(kWaitMs);
    while (client.Busy() && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return !client.Busy();
  }
  bool connectTo(const QString& host, const QString& user, const QString& password) {
    client.setHost(host);
    client.setUserName(user);
    client.setPassword(password);
    client.Connect();
    return settle() && client.Connected();
  }
  // Runs one call and waits for its end; returns whether it succeeded.
  template <class Call>
  bool run(Call call) {
    call();
    return settle() && client.LastOperationOk();
  }
  // The (code, command) pairs of every reply so far.
  QStringList replies() const {
    QStringList seen;
    for (const auto& r : responses) seen << r[1].toString() + " " + QString::number(r[0].toInt());
    return seen;
  }
  int lastError() const { return errors.isEmpty() ? 0 : errors.last()[0].toInt(); }
};

// One real server of either kind, reached as "remote" with local folder "disk".
struct RealServer {
  std::unique_ptr<PyFtpServer> py;
  std::unique_ptr<Vsftpd> vsftpd;
  QString user, password, disk, remote;

  // pyArgs go to pyftpdlib; vsftpd is throttled to maxRate bytes per second when it is given.
  explicit RealServer(const QString& kind, const QStringList& pyArgs = {}, int maxRate = 0) {
    const QString folder = newFolder("server");
    if (kind == "vsftpd") {
      vsftpd = std::make_unique<Vsftpd>(folder, maxRate);
      user = "anonymous";
      password = "tester@example.org";
      disk = vsftpd->upload();
      remote = "/pub";
    } else {
      py = std::make_unique<PyFtpServer>(folder, "ann", "s3cret", pyArgs);
      user = "ann";
      password = "s3cret";
      disk = folder;
      remote = "/";
    }
  }
  bool running() const { return py ? py->running() : vsftpd->running(); }
  QString error() const { return py ? py->error() : vsftpd->error(); }
  QString address() const { return py ? py->address() : vsftpd->address(); }
  quint16 port() const { return py ? py->port() : vsftpd->port(); }
  QStringList commands() const { return py ? py->commands() : vsftpd->commands(); }
  QString path(const QString& name) const { return QDir(disk).absoluteFilePath(name); }
};

#define START_SERVER(server)                                                     \
  do {                                                                           \
    if (!(server).running()) {                                                   \
      if ((server).vsftpd) QSKIP(qPrintable("vsftpd cannot start here: " + (server).error())); \
      QFAIL(qPrintable((server).error()));                                       \
    }                                                                            \
  } while (0)

}  // namespace

class FtpClientTest : public QObject {
  Q_OBJECT

 private slots:
  void servers_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pyftpdlib") << "pyftpdlib";
    QTest::newRow("vsftpd") << "vsftpd";
  }

  // Login, SYST and PWD; every form of the host text.
  void connectsAndLogsIn_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("form");
    for (const char* kind : {"pyftpdlib", "vsftpd"})
      for (const char* form : {"host:port", "ftp://host:port/", "host"})
        QTest::addRow("%s %s", kind, form) << kind << form;
  }
  void connectsAndLogsIn() {
    QFETCH(QString, kind);
    QFETCH(QString, form);
    RealServer server(kind);
    START_SERVER(server);
    Harness h;
    QString host = form;
    host.replace("host", "127.0.0.1").replace("port", QString::number(server.port()));
    if (form == "host") {
      FtpSettings s = h.client.settings();
      s.port = server.port();
      h.client.setSettings(s);
    }
    QVERIFY(h.connectTo(host, server.user, server.password));
    QCOMPARE(h.connects.size(), 1);
    QCOMPARE(h.connects[0][0].toInt(), ftpConnectOk);
    QCOMPARE(h.client.HostSystemType(), 3);
    QCOMPARE(h.client.CurrentDir(), "/");
    QCOMPARE(h.client.Host(), host);
    // vsftpd takes anonymous users without a password.
    const QStringList login = kind == "vsftpd" ? QStringList{"USER 230"}
                                               : QStringList{"USER 331", "PASS 230"};
    const QStringList expected = QStringList(" 220") + login + QStringList({"SYST 215", "PWD 257"});
    QCOMPARE(h.replies(), expected);
    QVERIFY(h.errors.isEmpty());
  }

  // The protocol log: commands with the password hidden, replies and errors; an old log past
  // 1 MB is moved aside; a log that cannot be written does not disturb the control.
  void keepsAProtocolLogWithoutThePassword() {
    RealServer server("pyftpdlib");
    START_SERVER(server);
    const QString folder = newFolder("logs");
    const QString logFile = folder + "/FtpLog.log";
    QFile old(logFile);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1100000, 'x'));
    old.close();

    Harness h;
    FtpSettings logged = h.client.settings();
    logged.logFile = logFile;
    h.client.setSettings(logged);
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QVERIFY(!h.run([&] { h.client.ChangeDir("no-such-folder"); }));
    QCOMPARE(QFileInfo(logFile + ".old").size(), 1100000);
    QFile log(logFile);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    for (const char* line : {"> USER ann", "> PASS ****", "< 230 ", "> SYST", "> CWD no-such-folder", "< 550 "})
      QVERIFY2(text.contains(line), line);
    QVERIFY(!text.contains(server.password));

    Harness unwritable;
    FtpSettings nowhere = unwritable.client.settings();
    nowhere.logFile = logFile + "/inside-a-file/FtpLog.log";
    unwritable.client.setSettings(nowhere);
    QVERIFY(unwritable.connectTo(server.address(), server.user, server.password));
  }

  void refusedLoginFailsAndTheControlCanConnectAgain_data() { servers_data(); }
  void refusedLoginFailsAndTheControlCanConnectAgain() {
    QFETCH(QString, kind);
    RealServer server(kind);
    START_SERVER(server);
    Harness h;
    FtpSettings slowRefusal = h.client.settings();
    slowRefusal.replyTimeoutMs = 10000;  // pyftpdlib waits 3 s before it refuses a password
    h.client.setSettings(slowRefusal);
    // pyftpdlib: wrong password; vsftpd: a named user on an anonymous-only server.
    const QString user = kind == "vsftpd" ? "bob" : server.user;
    QVERIFY(!h.connectTo(server.address(), user, "wrong"));
    QCOMPARE(h.connects.size(), 1);
    QCOMPARE(h.connects[0][0].toInt(), int(ftpErrLoginRefused));
    QCOMPARE(h.lastError(), int(ftpErrLoginRefused));
    QVERIFY(h.replies().contains(kind == "vsftpd" ? "USER 530" : "PASS 530"));
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QCOMPARE(h.connects.last()[0].toInt(), ftpConnectOk);
  }

  void accountIsSentWhenGiven() {
    RealServer server("pyftpdlib");
    START_SERVER(server);
    Harness h;
    h.client.setExtraLogin("billing");
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QCOMPARE(server.commands().mid(0, 4),
             QStringList({"USER ann", "PASS ****", "ACCT billing", "SYST"}));
  }

  // A Windows server that lists in Unix style ends up with the Unix-listing Windows code.
  void windowsSystemFollowsTheListingStyle() {
    RealServer server("pyftpdlib", {"--syst", "Windows_NT"});
    START_SERVER(server);
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QCOMPARE(h.client.HostSystemType(), 17);
    writeFile(server.path("a.txt"), "x");
    QVERIFY(h.run([&] { h.client.ListDir(); }));
    QCOMPARE(h.client.HostSystemType(), 15);
  }

  void folderAndFileCommands_data() { servers_data(); }
  void folderAndFileCommands() {
    QFETCH(QString, kind);
    RealServer server(kind);
    START_SERVER(server);
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    if (kind == "vsftpd") QVERIFY(h.run([&] { h.client.ChangeDir("pub"); }));
    const QString home = h.client.CurrentDir();
    QCOMPARE(home, server.remote);

    QVERIFY(h.run([&] { h.client.MakeDir("album"); }));
    QVERIFY(QFileInfo(server.path("album")).isDir());
    QVERIFY(!h.run([&] { h.client.MakeDir("album"); }));  // exists already
    QVERIFY(h.run([&] { h.client.ChangeDir("album"); }));
    QCOMPARE(h.client.CurrentDir(), QDir::cleanPath(home + "/album"));

    const QString local = QDir(newFolder("local")).absoluteFilePath("page.html");
    writeFile(local, "<html></html>");
    h.client.setLocalFile(local);
    h.client.setRemoteFile("");  // stored under the local name
    QVERIFY(h.run([&] { h.client.PutFile(); }));
    QCOMPARE(readFile(server.path("album/page.html")), QByteArray("<html></html>"));

    QVERIFY(h.run([&] { h.client.Rename("page.html", "index.html"); }));
    QVERIFY(QFile::exists(server.path("album/index.html")));
    QVERIFY(!h.run([&] { h.client.Rename("missing.html", "x.html"); }));
    QVERIFY(h.run([&] { h.client.DeleteFile("index.html"); }));
    QVERIFY(!QFile::exists(server.path("album/index.html")));
    QVERIFY(!h.run([&] { h.client.DeleteFile("index.html"); }));
    QVERIFY(h.replies().contains("DELE 550"));

    QVERIFY(h.run([&] { h.client.ChangeDir(home); }));
    QCOMPARE(h.client.CurrentDir(), home);
    QVERIFY(h.run([&] { h.client.RemoveDir("album"); }));
    QVERIFY(!QFileInfo::exists(server.path("album")));
    QVERIFY(!h.run([&] { h.client.ChangeDir("album"); }));
    QCOMPARE(h.client.CurrentDir(), home);
    QVERIFY(h.errors.isEmpty());  // refusals are replies, not control errors
    QVERIFY(h.client.Connected());
  }

  // A file larger than any buffer arrives byte for byte, in binary mode, with progress.
  void putStreamsTheFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("passive");
    for (const char* kind : {"pyftpdlib", "vsftpd"}) {
      QTest::addRow("%s passive", kind) << kind << true;
      QTest::addRow("%s active", kind) << kind << false;
    }
  }
  void putStreamsTheFile() {
    QFETCH(QString, kind);
    QFETCH(bool, passive);
    RealServer server(kind);
    START_SERVER(server);
    Harness h;
    FtpSettings s = h.client.settings();
    s.passive = passive;
    h.client.setSettings(s);
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    if (kind == "vsftpd") QVERIFY(h.run([&] { h.client.ChangeDir("pub"); }));
    const QByteArray bytes = randomBytes(5 * 1024 * 1024 + 17, 8);
    const QString local = QDir(newFolder("local")).absoluteFilePath("big picture.jpg");
    writeFile(local, bytes);
    h.client.setLocalFile(local);
    h.client.setRemoteFile("big_picture.jpg");
    QVERIFY(h.run([&] { h.client.PutFile(); }));
    QVERIFY(readFile(server.path("big_picture.jpg")) == bytes);
    QVERIFY(!h.progress.isEmpty());
    const auto last = h.progress.last();
    QCOMPARE(last[0].toLongLong(), bytes.size());
    QCOMPARE(last[1].toLongLong(), bytes.size());
    QCOMPARE(last[2].toString(), "big_picture.jpg");
    const QStringList commands = server.commands();
    const qsizetype stor = commands.indexOf("STOR big_picture.jpg");
    QVERIFY(stor > 0);
    QVERIFY(commands.mid(0, stor).contains("TYPE I"));
    QVERIFY(commands.mid(0, stor).filter(passive ? "EPSV" : "PORT").size() == 1);
  }

  void listsAFolder_data() { servers_data(); }
  void listsAFolder() {
    QFETCH(QString, kind);
    RealServer server(kind);
    START_SERVER(server);
    writeFile(server.path("one.jpg"), "1");
    QDir(server.disk).mkdir("two");
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QVERIFY(h.run([&] { h.client.ListDir(server.remote); }));
    QCOMPARE(h.listings.size(), 1);
    const QString listing = h.listings[0][0].toString();
    QVERIFY(h.listings[0][1].toBool());
    QCOMPARE(h.listings[0][2].toString(), server.remote);
    QVERIFY2(listing.contains(QRegularExpression("^-\\S+ .* one\\.jpg\r?$",
                                                 QRegularExpression::MultilineOption)),
             qPrintable(listing));
    QVERIFY(listing.contains(QRegularExpression("^d\\S+ .* two\r?$",
                                                QRegularExpression::MultilineOption)));
    QVERIFY(server.commands().contains("TYPE A"));
  }

  void sendCommandReturnsMultiLineReplies_data() { servers_data(); }
  void sendCommandReturnsMultiLineReplies() {
    QFETCH(QString, kind);
    RealServer server(kind);
    START_SERVER(server);
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QString reply;
    QCOMPARE(h.client.SendCommand("FEAT", reply), 211);
    QVERIFY2(reply.split("\r\n").size() > 3, qPrintable(reply));
    QVERIFY(reply.contains("EPSV"));
    QCOMPARE(h.client.SendCommand("NOOP", reply), 200);
    QCOMPARE(h.client.SendCommand("NO-SUCH-THING", reply), 500);
    QVERIFY(!h.client.Busy());
    QVERIFY(h.client.Connected());
  }

  // EPSV refused, PASV names an address that cannot be reached: the peer address is used.
  void unreachablePassiveAddressIsReplaced() {
    RealServer server("pyftpdlib", {"--no-epsv", "--masquerade", "203.0.113.9"});
    START_SERVER(server);
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    const QString local = QDir(newFolder("local")).absoluteFilePath("a.jpg");
    writeFile(local, "picture");
    h.client.setLocalFile(local);
    h.client.setRemoteFile("a.jpg");
    QVERIFY(h.run([&] { h.client.PutFile(); }));
    QCOMPARE(readFile(server.path("a.jpg")), QByteArray("picture"));
    QVERIFY(h.run([&] { h.client.ListDir(); }));
    QVERIFY(h.listings[0][0].toString().contains("a.jpg"));
    // EPSV is tried once only; every transfer then goes by PASV.
    QCOMPARE(server.commands().filter("EPSV").size(), 1);
    QCOMPARE(server.commands().filter("PASV").size(), 2);
    bool named = false;
    for (const auto& r : h.responses) named |= r[2].toString().contains("203,0,113,9");
    QVERIFY(named);
  }

  void callsThatCannotStartRaise() {
    Harness h;
    const auto raises = [](int number, const std::function<void()>& call) {
      try {
        call();
      } catch (const FtpError& e) {
        return e.number() == number;
      }
      return false;
    };
    QVERIFY(raises(ftpErrNotConnected, [&] { h.client.MakeDir("x"); }));
    QVERIFY(raises(ftpErrNotConnected, [&] { h.client.PutFile(); }));
    QString reply;
    QVERIFY(raises(ftpErrNotConnected, [&] { h.client.SendCommand("NOOP", reply); }));
    h.client.Disconnect();  // nothing to close: no error

    RealServer server("pyftpdlib", {"--throttle", "200000"});
    START_SERVER(server);
    h.bePatient();
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    QVERIFY(raises(ftpErrBadArgument, [&] { h.client.MakeDir("a\r\nDELE b"); }));
    QVERIFY(raises(ftpErrBadArgument, [&] { h.client.SendCommand("NOOP\nQUIT", reply); }));
    QVERIFY(!server.commands().contains("DELE b"));

    // A missing local file: an error event, nothing sent, the control stays idle.
    h.client.setLocalFile(newFolder("local") + "/missing.jpg");
    h.client.setRemoteFile("missing.jpg");
    h.client.PutFile();
    QVERIFY(!h.client.Busy());
    QVERIFY(!h.client.LastOperationOk());
    QCOMPARE(h.lastError(), int(ftpErrLocalFile));

    // While a slow transfer runs, the next call is refused as busy.
    const QString local = newFolder("slow") + "/slow.jpg";
    writeFile(local, randomBytes(600 * 1024, 3));
    h.client.setLocalFile(local);
    h.client.setRemoteFile("slow.jpg");
    h.client.PutFile();
    QVERIFY(h.client.Busy());
    QVERIFY(raises(ftpErrBusy, [&] { h.client.ListDir(); }));
    QVERIFY(raises(ftpErrBusy, [&] { h.client.Connect(); }));
    QVERIFY(h.settle());
    QVERIFY(h.client.LastOperationOk());
  }

  // Cancel during a put: the transfer stops, the replies stay in step, the connection stays.
  void cancelStopsATransfer_data() { servers_data(); }
  void cancelStopsATransfer() {
    QFETCH(QString, kind);
    RealServer server(kind, {"--throttle", "1000000"}, 1000000);
    START_SERVER(server);
    Harness h;
    h.bePatient();
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    if (kind == "vsftpd") QVERIFY(h.run([&] { h.client.ChangeDir("pub"); }));
    // Larger than the system's buffers, so that the transfer still runs when it is cancelled.
    const QString local = newFolder("local") + "/big.jpg";
    const QByteArray bytes(24 * 1024 * 1024, 'x');
    writeFile(local, bytes);
    h.client.setLocalFile(local);
    h.client.setRemoteFile("big.jpg");
    h.client.PutFile();
    QTRY_VERIFY_WITH_TIMEOUT(!h.progress.isEmpty() || !h.client.Busy(), kWaitMs);
    QVERIFY(h.client.Busy());
    h.client.CancelOperation();
    QVERIFY(h.settle());
    QVERIFY(!h.client.LastOperationOk());
    QVERIFY(h.client.Connected());
    QVERIFY(server.commands().contains("ABOR"));
    QVERIFY(readFile(server.path("big.jpg")).size() < bytes.size());
    QString reply;
    QCOMPARE(h.client.SendCommand("NOOP", reply), 200);  // the replies are still in step
    QVERIFY(h.run([&] { h.client.MakeDir("after"); }));
  }

  void disconnectSendsQuit() {
    RealServer server("pyftpdlib");
    START_SERVER(server);
    Harness h;
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
    h.client.Disconnect();
    QVERIFY(!h.client.Connected());
    QTRY_VERIFY_WITH_TIMEOUT(h.replies().contains("QUIT 221"), kWaitMs);
    QCOMPARE(server.commands().last(), "QUIT");
    QVERIFY(h.errors.isEmpty());
    QVERIFY(h.connectTo(server.address(), server.user, server.password));  // at once again
  }

  // ---- time limits and broken servers ----

  void unreachableHostFailsTheConnect() {
    Harness h;
    const quint16 closed = freePort();
    QVERIFY(!h.connectTo("127.0.0.1:" + QString::number(closed), "a", "b"));
    QCOMPARE(h.connects.size(), 1);
    QCOMPARE(h.connects[0][0].toInt(), int(ftpErrCannotConnect));
    QVERIFY(!h.connectTo("ftp://:21", "a", "b"));  // no host at all
    QCOMPARE(h.connects.last()[0].toInt(), int(ftpErrCannotConnect));
  }

  void silentServerRunsIntoTheTimeLimit() {
    ScriptedFtpServer silent("", [](const QString&, const QString&) { return QByteArray(""); });
    Harness h;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!h.connectTo(silent.address(), "a", "b"));
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(h.connects.size(), 1);
    QCOMPARE(h.connects[0][0].toInt(), int(ftpErrTimedOut));
    QCOMPARE(h.lastError(), int(ftpErrTimedOut));
    // Usable again: a real server after the silent one.
    RealServer server("pyftpdlib");
    START_SERVER(server);
    QVERIFY(h.connectTo(server.address(), server.user, server.password));
  }

  void unansweredCommandRunsIntoTheTimeLimit() {
    ScriptedFtpServer mute("220 Hello\r\n", [](const QString& verb, const QString&) {
      return verb == "MKD" ? QByteArray("") : QByteArray();
    });
    Harness h;
    QVERIFY(h.connectTo(mute.address(), "a", "b"));
    QVERIFY(!h.run([&] { h.client.MakeDir("x"); }));
    QCOMPARE(h.lastError(), int(ftpErrTimedOut));
    QVERIFY(!h.client.Connected());
    QString reply;
    try {
      h.client.SendCommand("NOOP", reply);
      QFAIL("a closed control must refuse commands");
    } catch (const FtpError& e) {
      QCOMPARE(e.number(), int(ftpErrNotConnected));
    }
    QVERIFY(h.connectTo(mute.address(), "a", "b"));
  }

  // The server opens the data connection and then moves nothing: the stall limit ends the
  // listing, the server's 426 keeps the replies in step and the connection stays usable.
  void stalledDataConnectionFailsTheOperation() {
    ScriptedFtpServer stalled(
        "220 Hello\r\n",
        [](const QString& verb, const QString&) {
          return verb == "LIST" ? QByteArray("150 Here it comes.\r\n") : QByteArray();
        },
        [](QTcpSocket* data, QTcpSocket* control) {
          QObject::connect(data, &QTcpSocket::disconnected, control,
                           [control] { control->write("426 Transfer aborted.\r\n"); });
        });
    Harness h;
    QVERIFY(h.connectTo(stalled.address(), "a", "b"));
    QVERIFY(!h.run([&] { h.client.ListDir(); }));
    QCOMPARE(h.lastError(), int(ftpErrTimedOut));
    QCOMPARE(h.listings.size(), 1);
    QVERIFY(!h.listings[0][1].toBool());
    QVERIFY(h.client.Connected());
    QString reply;
    QCOMPARE(h.client.SendCommand("NOOP", reply), 200);
  }

  void droppedConnectionDuringAPutIsReported() {
    ScriptedFtpServer dropping(
        "220 Hello\r\n",
        [](const QString& verb, const QString&) {
          return verb == "STOR" ? QByteArray("150 Ok to send data.\r\n") : QByteArray();
        },
        [](QTcpSocket* data, QTcpSocket* control) {
          QObject::connect(data, &QTcpSocket::readyRead, control, [data, control] {
            data->abort();
            control->abort();
          });
        });
    Harness h;
    QVERIFY(h.connectTo(dropping.address(), "a", "b"));
    const QString local = newFolder("local") + "/a.jpg";
    const QByteArray bytes = randomBytes(8 * 1024 * 1024, 1);
    writeFile(local, bytes);
    h.client.setLocalFile(local);
    h.client.setRemoteFile("a.jpg");
    QVERIFY(!h.run([&] { h.client.PutFile(); }));
    QVERIFY(!h.client.Connected());
    QVERIFY(h.lastError() == ftpErrConnectionLost || h.lastError() == ftpErrDataConnection);
    QCOMPARE(readFile(local), bytes);  // the local file is untouched
  }

  void garbageFromTheServerClosesTheConnection() {
    ScriptedFtpServer garbage("HELLO THERE\r\n", [](const QString&, const QString&) {
      return QByteArray();
    });
    Harness h;
    QVERIFY(!h.connectTo(garbage.address(), "a", "b"));
    QCOMPARE(h.connects[0][0].toInt(), int(ftpErrCannotConnect));
  }
};

QTEST_GUILESS_MAIN(FtpClientTest)
#include "upload_ftp_client_test.moc"
