#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QThread>
#include <thread>

#include "golden.h"
#include "sandbox.h"
#include "thumbnails.h"

using namespace albryn::webgen;
using albryn::webgen::testing::NewFolder;

namespace {

// Writes the source's name into the destination after a random delay, so threads finish in
// varying order; records every call.
struct SlowResize {
  QMutex mutex;
  QStringList calls;
  QSet<Qt::HANDLE> threads;

  QString operator()(const QString& source, const QString& destination, double fraction,
                     qint32 width, qint32 height) {
    QThread::msleep(QRandomGenerator::global()->bounded(20));
    {
      QMutexLocker lock(&mutex);
      calls << QStringLiteral("%1>%2 %3 %4x%5").arg(source, destination).arg(fraction).arg(width).arg(height);
      threads.insert(QThread::currentThreadId());
    }
    if (source.contains("bad")) return "Error: 12";
    QFile f(destination);
    if (!f.open(QIODevice::WriteOnly)) return "Error: 1";
    f.write(source.toUtf8());
    return {};
  }
};

}  // namespace

TEST(webgen_Thumbnails, SameResultWhateverOrderThreadsFinish) {
  QStringList paths, names;
  for (int i = 0; i < 24; ++i) {
    paths << QStringLiteral("/p%1/pic %2.jpg").arg(i % 3).arg(i % 8);  // repeats the same name
    names << QString::number(i);
  }
  paths << "/p/anim.GIF" << "/p/bad one.jpg";
  names << "gif" << "bad";
  const QString out = NewFolder();
  auto records = BuildImageRecords(paths, names, true);
  SlowResize resize;
  QList<QPair<int, int>> progress;
  MakeThumbnails(records, out, true, std::ref(resize), [&](int done, int total) {
    EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    progress << qMakePair(done, total);
  });

  EXPECT_EQ(resize.calls.size(), 25);  // all but the GIF
  EXPECT_TRUE(resize.calls.contains("/p0/pic 0.jpg>" + out + "thumbpic_0.jpg 0 100x75"));
  ASSERT_FALSE(progress.isEmpty());
  EXPECT_EQ(progress.first(), qMakePair(0, 25));
  EXPECT_EQ(progress.last(), qMakePair(25, 25));
  for (int i = 0; i < 24; ++i)
    EXPECT_EQ(records[i].thumbnailBase, QStringLiteral("thumbpic_%1").arg(i % 8));
  EXPECT_FALSE(records[24].hasThumbnail());
  EXPECT_FALSE(records[25].hasThumbnail());
  // A file written by several pictures holds the last one in list order, as a one-by-one run
  // leaves it.
  for (int k = 0; k < 8; ++k) {
    const int last = 16 + k;
    EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + QStringLiteral("thumbpic_%1.jpg").arg(k)),
              paths[last].toUtf8());
  }
}

TEST(webgen_Thumbnails, UsesSeveralThreadsAndWorksWithoutEventLoopThread) {
  QStringList paths, names;
  for (int i = 0; i < 8; ++i) {
    paths << QStringLiteral("/p/%1.jpg").arg(i);
    names << "";
  }
  auto records = BuildImageRecords(paths, names, false);
  SlowResize resize;
  // From a thread without an event loop the call simply waits for the pool.
  std::thread([&] { MakeThumbnails(records, NewFolder(), false, std::ref(resize)); }).join();
  EXPECT_EQ(resize.calls.size(), 8);
  for (const ImageRecord& r : records) EXPECT_TRUE(r.hasThumbnail());
  if (QThread::idealThreadCount() > 1) {
    EXPECT_GT(resize.threads.size(), 1);
  }
}

TEST(webgen_Thumbnails, NeverOverwriteAPictureOfTheAlbum) {
  const QString out = NewFolder();
  albryn::webgen::testing::WriteFile(out + "thumbb.jpg", "the user's picture");
  auto records = BuildImageRecords({"/pics/b.jpg", out + "thumbb.jpg"}, {"b", "thumb b"}, true);
  SlowResize resize;
  MakeThumbnails(records, out, true, std::ref(resize));
  EXPECT_FALSE(records[0].hasThumbnail());
  EXPECT_EQ(records[1].thumbnailBase, "thumbthumbb");
  EXPECT_EQ(albryn::webgen::testing::ReadBytes(out + "thumbb.jpg"), "the user's picture");
  EXPECT_EQ(resize.calls.size(), 1);
}
