#include "style_pictures.h"

#include <QPainter>

namespace albryn::webgen {

namespace {

const QColor kPage(0, 128, 255);
const QColor kLinkFrame(128, 255, 255);
const QColor kPicture(250, 220, 120);
const QColor kInk(40, 40, 40);

void Picture(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPicture);
  p.drawRect(r);
  // A small mountain and sun, so a box reads as a photo.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 160, 80));
  p.drawPolygon(QPolygonF({r.bottomLeft(), QPointF(r.left() + r.width() * 0.45, r.top() + r.height() * 0.4),
                           r.bottomRight()}));
  p.setBrush(QColor(230, 90, 60));
  const qreal sun = r.height() * 0.18;
  p.drawEllipse(QPointF(r.right() - sun * 1.6, r.top() + sun * 1.6), sun, sun);
}

void TitleBar(QPainter& p, const QRectF& area) {
  p.setPen(QPen(kInk, 2));
  const qreal y = area.top() + 7;
  p.drawLine(QPointF(area.center().x() - area.width() * 0.3, y),
             QPointF(area.center().x() + area.width() * 0.3, y));
}

void TextLinks(QPainter& p, const QRectF& frame) {
  p.setPen(QPen(QColor(0, 0, 255), 2));
  for (int i = 0; i < 6; ++i) {
    const qreal y = frame.top() + 10 + i * 12;
    p.drawLine(QPointF(frame.left() + 5, y), QPointF(frame.right() - 6 - (i % 3) * 3, y));
  }
}

void ThumbColumn(QPainter& p, const QRectF& frame) {
  for (int i = 0; i < 4; ++i)
    Picture(p, QRectF(frame.left() + 5, frame.top() + 5 + i * 20, frame.width() - 10, 15));
}

void ThumbGrid(QPainter& p, const QRectF& area, int columns, int rows) {
  const qreal w = (area.width() - 6 * (columns + 1)) / columns;
  const qreal h = w * 0.75;
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < columns; ++col)
      Picture(p, QRectF(area.left() + 6 + col * (w + 6), area.top() + 16 + row * (h + 6), w, h));
}

}  // namespace

QPixmap DrawStylePicture(PageStyle style) {
  QPixmap pixmap(kStylePictureWidth, kStylePictureHeight);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, kStylePictureWidth, kStylePictureHeight);
  const QRectF left(0, 0, 34, kStylePictureHeight);
  const QRectF right(34, 0, kStylePictureWidth - 34, kStylePictureHeight);
  p.fillRect(all, kPage);
  switch (style) {
    case PageStyle::Frame:
      p.fillRect(left, kLinkFrame);
      TextLinks(p, left);
      TitleBar(p, right);
      Picture(p, right.adjusted(10, 16, -10, -8));
      break;
    case PageStyle::LinkThumb:
      p.fillRect(left, kLinkFrame);
      ThumbColumn(p, left);
      TitleBar(p, right);
      Picture(p, right.adjusted(10, 16, -10, -8));
      break;
    case PageStyle::FrameThumb:
      p.fillRect(left, kLinkFrame);
      TextLinks(p, left);
      TitleBar(p, right);
      ThumbGrid(p, right, 3, 3);
      break;
    case PageStyle::Thumb:
      TitleBar(p, all);
      ThumbGrid(p, all, 4, 3);
      break;
    case PageStyle::UDScroll:
      TitleBar(p, all);
      for (int i = 0; i < 2; ++i) Picture(p, QRectF(30, 14 + i * 40, 60, 34));
      p.setPen(QPen(kInk, 2));
      p.drawLine(QPointF(112, 20), QPointF(112, 82));  // the scroll direction
      p.drawLine(QPointF(108, 26), QPointF(112, 20));
      p.drawLine(QPointF(116, 26), QPointF(112, 20));
      p.drawLine(QPointF(108, 76), QPointF(112, 82));
      p.drawLine(QPointF(116, 76), QPointF(112, 82));
      break;
    case PageStyle::LRScroll:
      TitleBar(p, all);
      for (int i = 0; i < 3; ++i) Picture(p, QRectF(4 + i * 44, 22, 40, 44));
      p.setPen(QPen(kInk, 2));
      p.drawLine(QPointF(10, 80), QPointF(110, 80));
      p.drawLine(QPointF(16, 76), QPointF(10, 80));
      p.drawLine(QPointF(16, 84), QPointF(10, 80));
      p.drawLine(QPointF(104, 76), QPointF(110, 80));
      p.drawLine(QPointF(104, 84), QPointF(110, 80));
      break;
  }
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::NoBrush);
  if (style == PageStyle::Frame || style == PageStyle::LinkThumb || style == PageStyle::FrameThumb)
    p.drawLine(left.topRight(), left.bottomRight());
  return pixmap;
}

}  // namespace albryn::webgen
