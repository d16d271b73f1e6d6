// Every style's album in a real browser engine: generated with drive paths (viewed from the
// local disk) and laid out as the web site holds it (pages, thumbnails and the pictures under
// their web names in one folder). Every frame must load, and every picture the pages show or
// link to must decode to a natural width above zero.
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>

#include "generation.h"
#include "image_operations.h"
#include "paths.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"

using namespace albryn::webgen;

namespace {

QString NewFolder() {
  return QString::fromStdString(albryn::testing::sandbox().newFolder().string()) + u'/';
}

// Collects, once everything is loaded, the frames, the shown pictures' natural widths and the
// natural widths of the pictures the links open; null while something is still loading.
const char* kProbe = R"JS(
(function () {
  if (!window.__albryn) {
    const frames = Array.from(document.querySelectorAll('frame'));
    const docs = [], frameErrors = [];
    for (const f of frames) {
      try {
        const d = f.contentDocument;
        if (!d || d.readyState !== 'complete' || !d.body || d.URL === 'about:blank') frameErrors.push(f.src);
        else docs.push(d);
      } catch (e) { frameErrors.push(f.src + ': ' + e); }
    }
    if (!frames.length) docs.push(document);
    const shown = [], links = [];
    for (const d of docs) {
      for (const i of d.images) shown.push(i);
      for (const a of d.querySelectorAll('a[href]'))
        if (/\.(jpe?g|gif)$/i.test(a.getAttribute('href'))) links.push(a.href);
    }
    const opened = links.map(h => { const i = new Image(); i.src = h; return i; });
    window.__albryn = { frames: frames.length, frameErrors, shown, opened };
  }
  const s = window.__albryn;
  if (!s.shown.concat(s.opened).every(i => i.complete)) return null;
  return JSON.stringify({ frames: s.frames, frameErrors: s.frameErrors,
                          shown: s.shown.map(i => [i.src, i.naturalWidth]),
                          opened: s.opened.map(i => [i.src, i.naturalWidth]) });
})()
)JS";

struct Probe {
  bool loaded = false;
  QJsonObject result;
};

Probe LoadAndProbe(const QString& page) {
  QWebEnginePage view;
  Probe probe;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&view, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
    probe.loaded = ok;
    loop.quit();
  });
  deadline.start(30000);
  view.load(QUrl::fromLocalFile(page));
  loop.exec();
  if (!probe.loaded) return probe;
  while (deadline.isActive() && probe.result.isEmpty()) {
    view.runJavaScript(QString::fromLatin1(kProbe), [&](const QVariant& v) {
      if (!v.isNull()) probe.result = QJsonDocument::fromJson(v.toString().toUtf8()).object();
      loop.quit();
    });
    loop.exec();
    if (probe.result.isEmpty()) QTest::qWait(100);
  }
  return probe;
}

// A 2 x 2 GIF picture.
const QByteArray kGif = QByteArray::fromBase64(
    "R0lGODlhAgACAPABAP8AAP///yH5BAAAAAAALAAAAAACAAIAAAIChF8AOw==");

}  // namespace

class WebgenBrowserTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyStyleWorksInTheBrowser_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("drivePaths");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("opened");
    const struct {
      PageStyle style;
      int frames, shown, opened;
    } styles[] = {{PageStyle::Frame, 2, 0, 3},    {PageStyle::LinkThumb, 2, 3, 3},
                  {PageStyle::FrameThumb, 2, 3, 6}, {PageStyle::Thumb, 0, 3, 3},
                  {PageStyle::UDScroll, 0, 3, 0}, {PageStyle::LRScroll, 0, 3, 0}};
    for (const auto& s : styles)
      for (const bool drive : {true, false})
        QTest::addRow("%s %s", qPrintable(StyleWord(s.style)), drive ? "drive paths" : "web site")
            << int(s.style) << drive << s.frames << s.shown << s.opened;
  }

  void everyStyleWorksInTheBrowser() {
    QFETCH(int, style);
    QFETCH(bool, drivePaths);
    QFETCH(int, frames);
    QFETCH(int, shown);
    QFETCH(int, opened);

    AlbumInput input;
    input.attributes = InitialPageAttributes();
    input.attributes.title = "Holiday";
    input.options = {true, drivePaths, true};
    const QString pictures = NewFolder() + "my pictures/";
    QDir().mkpath(pictures);
    for (const char* name : {"My Pic (1).jpg", "beach.jpg"}) {
      QImage image(640, 480, QImage::Format_RGB32);
      image.fill(QColor(30, 120, 200));
      QVERIFY(image.save(pictures + name, "JPG"));
      input.paths << pictures + name;
      input.displayNames << name;
    }
    QFile gif(pictures + "Logo one.gif");
    QVERIFY(gif.open(QIODevice::WriteOnly) && gif.write(kGif) == kGif.size());
    gif.close();
    input.paths << gif.fileName();
    input.displayNames << "Logo";

    const QString out = NewFolder();
    albryn::ui::ScriptedDialogServices dialogs;
    dialogs.queueFile(out + "album.html");
    GenerationState state;
    QString genhtml;
    QVERIFY(GenerateAlbum(PageStyle(style), input, state, genhtml,
                          {dialogs, albryn::ResizeImageFile, {}}));
    if (!drivePaths) {  // as the upload places them: the pictures under their web names
      for (const QString& path : input.paths)
        QVERIFY(QFile::copy(path, out + albryn::MakeWebName(albryn::FileNameOf(path), true)));
    }

    const Probe probe = LoadAndProbe(out + "album.html");
    QVERIFY(probe.loaded);
    QVERIFY2(!probe.result.isEmpty(), "the pictures did not finish loading");
    QCOMPARE(probe.result["frames"].toInt(), frames);
    QCOMPARE(probe.result["frameErrors"].toArray().size(), 0);
    for (const char* key : {"shown", "opened"}) {
      const QJsonArray pictures = probe.result[key].toArray();
      QCOMPARE(pictures.size(), QString(key) == "shown" ? shown : opened);
      for (const auto& picture : pictures)
        QVERIFY2(picture.toArray()[1].toInt() > 0, qPrintable(picture.toArray()[0].toString()));
    }
  }
};

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QGuiApplication app(argc, argv);
  albryn::ImageLibrary library;
  WebgenBrowserTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "browser_test.moc"
