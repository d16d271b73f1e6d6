#include "page_writers.h"

#include <QStringList>

namespace albryn::webgen {

namespace {

QString Head(const PageJob& job) {
  return QStringLiteral("<TITLE>") + job.title + QStringLiteral("</TITLE><NOBANNER>");
}

void AppendHead(QStringList& page, const PageJob& job) {
  page << QStringLiteral("<HTML>") << QStringLiteral("<HEAD>") << Head(job)
       << QStringLiteral("</HEAD>");
}

QString BodyOpen(bool isColor, const QString& value) {
  return (isColor ? QStringLiteral("<BODY BGCOLOR = '") : QStringLiteral("<BODY BACKGROUND = '")) +
         value;
}

// Lines 1 to 10 of the display page and of the single-page styles.
void AppendDisplayTop(QStringList& page, const PageJob& job) {
  AppendHead(page, job);
  page << BodyOpen(job.mainBackIsColor, job.backgrounds.mainBackValue) +
              QStringLiteral("' bgproperties='fixed'>")
       << job.tags.backFontOpen << job.tags.backStyleOpen << QStringLiteral("<CENTER>")
       << QStringLiteral(" ") + job.title + QStringLiteral(" ") << QStringLiteral("<HR>");
}

QString CreditLine(const QString& target) {
  return QStringLiteral("<A HREF='") + kHomePage + QStringLiteral("'") + target +
         QStringLiteral("><H3>Created with <B>") + kProductName + QStringLiteral("</B></H3></A>");
}

void AppendDisplayClose(QStringList& page, const PageJob& job) {
  page << QStringLiteral("</CENTER>") << job.tags.backStyleClose << job.tags.backFontClose;
}

void AppendSound(QStringList& page, const PageJob& job) {
  if (job.soundPath.isEmpty()) return;
  page << QStringLiteral("<embed src='") + SoundWebName(job.soundPath, job.autoSpaceReplacement) +
              QStringLiteral("' width=70 height=45>");
}

void AppendEnd(QStringList& page) { page << QStringLiteral("</BODY>") << QStringLiteral("</HTML>"); }

QString ThumbnailLine(const ImageRecord& r, const PageJob& job, const QString& target) {
  return QStringLiteral("<A HREF='") + LinkRef(r, job) + QStringLiteral("'") + target +
         QStringLiteral("><IMG SRC='") + ImgRef(r, job) + QStringLiteral("' border=0 width=") +
         QString::number(r.thumbnailWidth) + QStringLiteral(" height=") +
         QString::number(r.thumbnailHeight) + QStringLiteral("></A>");
}

const QString kClickHint = QStringLiteral("<FONT SIZE=4>Click on Thumbnail Images to View Full Size</H4>");
const QString kMainTarget = QStringLiteral(" TARGET='mainframe'");

void MakeThumbnailsIfTicked(const PageJob& job, std::vector<ImageRecord>& records,
                            const ThumbnailStep& makeThumbnails) {
  if (job.thumbnails && makeThumbnails) makeThumbnails(records);
}

QStringList IndexPage(const PageJob& job) {
  QStringList page;
  AppendHead(page, job);
  page << QStringLiteral("<FRAMESET COLS=150,*>")
       << QStringLiteral("<FRAME SCROLLING='AUTO' SRC='") + job.baseName +
              QStringLiteral("Link.html' NAME='linkframe'>")
       << QStringLiteral("<FRAME SCROLLING='AUTO' SRC='") + job.baseName +
              QStringLiteral("Main.html' NAME='mainframe'>")
       << QStringLiteral("</FRAMESET>") << QStringLiteral("</HTML>");
  return page;
}

QStringList DisplayPage(const PageJob& job, std::vector<ImageRecord>& records,
                        const ThumbnailStep& makeThumbnails) {
  QStringList page;
  AppendDisplayTop(page, job);
  if (job.flags.thumbsInMain) {
    page << kClickHint;
    MakeThumbnailsIfTicked(job, records, makeThumbnails);
    for (const ImageRecord& r : records) page << ThumbnailLine(r, job, QString());
    page << QStringLiteral("<HR>");
  }
  page << CreditLine(kMainTarget);
  AppendDisplayClose(page, job);
  AppendEnd(page);
  return page;
}

QStringList LinkPage(const PageJob& job, std::vector<ImageRecord>& records,
                     const ThumbnailStep& makeThumbnails) {
  QStringList page;
  AppendHead(page, job);
  page << BodyOpen(job.linkBackIsColor, job.backgrounds.linkBackValue) +
              QStringLiteral("' LINK =") + job.linkFontColor + QStringLiteral(" VLINK =") +
              job.linkFontColor + QStringLiteral(" bgproperties='fixed'>")
       << job.tags.linkFontOpen << job.tags.linkStyleOpen
       << QStringLiteral("<CENTER><A HREF='") + job.baseName + QStringLiteral("Main.html") +
              QStringLiteral("'") + kMainTarget + QStringLiteral(">") + job.title +
              QStringLiteral("</A></CENTER><BR>")
       << QStringLiteral("<HR>");
  if (job.flags.thumbsInLinks) {
    MakeThumbnailsIfTicked(job, records, makeThumbnails);
    for (const ImageRecord& r : records) page << ThumbnailLine(r, job, kMainTarget);
    page << QStringLiteral("<HR>");
  } else {
    for (const ImageRecord& r : records)
      page << QStringLiteral("<A HREF='") + LinkRef(r, job) + QStringLiteral("'") + kMainTarget +
                  QStringLiteral(">") + r.displayName + QStringLiteral("</A><BR>");
  }
  page << job.tags.linkStyleClose << job.tags.linkFontClose << QStringLiteral("<HR>")
       << QStringLiteral("<A HREF='") + kHomePage + QStringLiteral("'") + kMainTarget +
              QStringLiteral("><B>By Albryn</B></H3></A>");
  AppendSound(page, job);
  AppendEnd(page);
  return page;
}

// The single page of "thumb", "lrscroll" and "udscroll" around its middle part.
QStringList SinglePage(const PageJob& job, const QStringList& middle) {
  QStringList page;
  AppendDisplayTop(page, job);
  page << middle << QStringLiteral("<HR>") << CreditLine(QString());
  AppendDisplayClose(page, job);
  AppendSound(page, job);
  AppendEnd(page);
  return page;
}

}  // namespace

QString LinkRef(const ImageRecord& r, const PageJob& job) {
  return job.drivePaths ? r.folder + r.baseName + r.extension : r.webBase + r.extension;
}

QString ImgRef(const ImageRecord& r, const PageJob& job) {
  if (!r.hasThumbnail()) return LinkRef(r, job);
  return (job.drivePaths ? job.outputFolder : QString()) + r.thumbnailBase + r.extension;
}

WriteOutcome WriteFramePages(const PageJob& job, std::vector<ImageRecord>& records,
                             const ThumbnailStep& makeThumbnails) {
  const QString stem = job.outputFolder + job.baseName;
  if (auto failure = WritePage(job.indexPagePath(), IndexPage(job))) return failure;
  if (auto failure = WritePage(stem + QStringLiteral("Main.html"), DisplayPage(job, records, makeThumbnails)))
    return failure;
  return WritePage(stem + QStringLiteral("Link.html"), LinkPage(job, records, makeThumbnails));
}

WriteOutcome WriteThumbnailPage(const PageJob& job, std::vector<ImageRecord>& records,
                                const ThumbnailStep& makeThumbnails, const ShowMessage& show) {
  QStringList middle{kClickHint};
  MakeThumbnailsIfTicked(job, records, makeThumbnails);
  for (const ImageRecord& r : records) middle << ThumbnailLine(r, job, QString());
  auto failure = WritePage(job.indexPagePath(), SinglePage(job, middle));
  if (failure && show)
    show(QStringLiteral("Error Generating Thumbnails: ") + QString::number(failure->number) +
         QStringLiteral(" - ") + failure->description);
  return failure;
}

WriteOutcome WriteHorizontalScrollPage(const PageJob& job, const std::vector<ImageRecord>& records) {
  QStringList middle{QStringLiteral("<TABLE>"), QStringLiteral("<TR>")};
  for (const ImageRecord& r : records)
    middle << QStringLiteral("<TD><CENTER><IMG SRC='") + LinkRef(r, job) + QStringLiteral("' border=0></TD>");
  middle << QStringLiteral("</TR>") << QStringLiteral("</TABLE>");
  return WritePage(job.indexPagePath(), SinglePage(job, middle));
}

WriteOutcome WriteVerticalScrollPage(const PageJob& job, const std::vector<ImageRecord>& records) {
  QStringList middle;
  for (const ImageRecord& r : records)
    middle << QStringLiteral("<IMG SRC='") + LinkRef(r, job) + QStringLiteral("' border=0><BR><HR>");
  return WritePage(job.indexPagePath(), SinglePage(job, middle));
}

WriteOutcome WriteStylePages(PageStyle style, const PageJob& job, std::vector<ImageRecord>& records,
                             const ThumbnailStep& makeThumbnails, const ShowMessage& show) {
  if (job.flags.useFrames) return WriteFramePages(job, records, makeThumbnails);
  if (job.flags.thumbsInMain) return WriteThumbnailPage(job, records, makeThumbnails, show);
  if (style == PageStyle::UDScroll) return WriteVerticalScrollPage(job, records);
  return WriteHorizontalScrollPage(job, records);
}

}  // namespace albryn::webgen
