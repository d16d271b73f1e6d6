// The upload benchmark's driver: sends files to an FTP server with the FTP client control, one
// STOR each, the way the upload session does.
// Usage: upload_put_bench HOST[:PORT] USER PASSWORD REMOTE_FOLDER FILE...
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "ftp_client.h"
#include "paths.h"

using albryn::upload::FtpClient;

namespace {

bool waitWhileBusy(FtpClient& client) {
  while (client.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return client.LastOperationOk();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 6) {
    std::fprintf(stderr, "usage: upload_put_bench HOST[:PORT] USER PASSWORD REMOTE_FOLDER FILE...\n");
    return 2;
  }
  FtpClient client;
  QObject::connect(&client, &FtpClient::OnError, [](int number, const QString& text) {
    std::fprintf(stderr, "FTP error %d: %s\n", number, qPrintable(text));
  });
  client.setHost(args[1]);
  client.setUserName(args[2]);
  client.setPassword(args[3]);
  client.Connect();
  if (!waitWhileBusy(client) || !client.Connected()) return 1;
  client.ChangeDir(args[4]);
  if (!waitWhileBusy(client)) return 1;
  for (const QString& file : args.mid(5)) {
    client.setLocalFile(file);
    client.setRemoteFile(albryn::FileNameOf(file));
    client.PutFile();
    if (!waitWhileBusy(client)) {
      std::fprintf(stderr, "put failed: %s\n", qPrintable(file));
      return 1;
    }
  }
  client.Disconnect();
  return 0;
}
