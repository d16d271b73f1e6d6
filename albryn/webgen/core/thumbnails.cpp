#include "thumbnails.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QSet>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <atomic>
#include <map>

#include "paths.h"

namespace albryn::webgen {

namespace {

// The pictures that write one thumbnail file, in list order.
struct ThumbnailJob {
  QString destination;
  std::vector<size_t> records;
};

std::vector<ThumbnailJob> PlanJobs(const std::vector<ImageRecord>& records,
                                   const QString& outputFolder, bool autoSpace) {
  std::vector<ThumbnailJob> jobs;
  std::map<QString, size_t> jobOf;
  QSet<QString> pictures;
  for (const ImageRecord& r : records) pictures.insert(QDir::cleanPath(r.sourcePath()));
  for (size_t i = 0; i < records.size(); ++i) {
    const ImageRecord& r = records[i];
    if (r.extension.toLower() == QStringLiteral(".gif")) continue;
    const QString destination = outputFolder + ThumbnailBaseFor(r, autoSpace) + r.extension;
    // A thumbnail never replaces a picture of the album itself.
    if (pictures.contains(QDir::cleanPath(destination))) continue;
    auto [it, added] = jobOf.try_emplace(destination, jobs.size());
    if (added) jobs.push_back({destination, {}});
    jobs[it->second].records.push_back(i);
  }
  return jobs;
}

void WaitWithProgress(QFuture<void>& future, std::atomic<int>& done, int total,
                      const ThumbnailProgress& progress) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) {
    future.waitForFinished();
    return;
  }
  QFutureWatcher<void> watcher;
  QEventLoop loop;
  QObject::connect(&watcher, &QFutureWatcher<void>::progressValueChanged, &loop,
                   [&] { if (progress) progress(done.load(), total); });
  QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
  watcher.setFuture(future);
  if (!future.isFinished()) loop.exec();
  future.waitForFinished();
}

}  // namespace

QString ThumbnailBaseFor(const ImageRecord& record, bool autoSpaceReplacement) {
  return MakeWebName(QStringLiteral("thumb") + record.baseName, autoSpaceReplacement);
}

void MakeThumbnails(std::vector<ImageRecord>& records, const QString& outputFolder,
                    bool autoSpaceReplacement, const ResizeFunction& resize,
                    const ThumbnailProgress& progress) {
  std::vector<ThumbnailJob> jobs = PlanJobs(records, outputFolder, autoSpaceReplacement);
  int total = 0;
  for (const ThumbnailJob& job : jobs) total += int(job.records.size());
  if (progress) progress(0, total);

  // Each worker touches only its own records' entries of `made`.
  std::vector<char> made(records.size(), 0);
  std::atomic<int> done = 0;
  const auto work = [&](const ThumbnailJob& job) {
    for (const size_t i : job.records) {
      const ImageRecord& r = records[i];
      made[i] = resize && resize(r.sourcePath(), job.destination, 0.0, r.thumbnailWidth,
                                 r.thumbnailHeight).isEmpty();
      ++done;
    }
  };
  QFuture<void> future = QtConcurrent::map(jobs, work);
  WaitWithProgress(future, done, total, progress);
  if (progress) progress(done.load(), total);

  for (size_t i = 0; i < records.size(); ++i)
    if (made[i]) records[i].thumbnailBase = ThumbnailBaseFor(records[i], autoSpaceReplacement);
}

}  // namespace albryn::webgen
