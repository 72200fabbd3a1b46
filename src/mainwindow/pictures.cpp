#include "mainwindow/pictures.h"

#include <QPainter>
#include <functional>

namespace hk {

namespace {

QPixmap Glyph(int w, int h, const std::function<void(QPainter&)>& draw) {
  QPixmap pm(w, h);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return pm;
}

}  // namespace

QIcon CopyIcon() {
  QPixmap pm(12, 13);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QColor(64, 64, 64));
  p.setBrush(Qt::white);
  p.drawRect(0, 0, 7, 9);
  p.drawRect(4, 3, 7, 9);
  p.setPen(QColor(120, 120, 120));
  for (int y = 6; y <= 10; y += 2) p.drawLine(6, y, 9, y);
  return QIcon(pm);
}

QIcon ApplyIcon() {
  return QIcon(Glyph(14, 14, [](QPainter& p) {
    p.setPen(QPen(QColor(0, 110, 0), 2));
    p.drawLine(QPointF(2, 7.5), QPointF(5.5, 11));
    p.drawLine(QPointF(5.5, 11), QPointF(12, 3));
  }));
}

QIcon AddIcon() {
  return QIcon(Glyph(14, 14, [](QPainter& p) {
    p.setPen(QPen(QColor(0, 70, 160), 2));
    p.drawLine(QPointF(2, 7), QPointF(12, 7));
    p.drawLine(QPointF(7, 2), QPointF(7, 12));
  }));
}

QIcon SearchIcon() {
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(50, 50, 50), 1.6));
  p.drawEllipse(QPointF(5.5, 5.5), 4, 4);
  p.setPen(QPen(QColor(50, 50, 50), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.6, 8.6), QPointF(12.5, 12.5));
  return QIcon(pm);
}

QIcon AboutIcon() {
  return QIcon(Glyph(16, 16, [](QPainter& p) {
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.75, 3, 2.5, 2.5));
    p.drawRect(QRectF(7, 6.5, 2, 6.5));
  }));
}

QPixmap SlidePicture(bool down) {
  return Glyph(33, 7, [down](QPainter& p) {
    p.setPen(QPen(QColor(64, 64, 64), 1.5));
    const int y0 = down ? 1 : 5, y1 = down ? 5 : 1;
    p.drawLine(QPointF(10, y0), QPointF(16.5, y1));
    p.drawLine(QPointF(16.5, y1), QPointF(23, y0));
  });
}

QPixmap SignPicture(bool plus) {
  return Glyph(13, 13, [plus](QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(2.5, 6.5), QPointF(10.5, 6.5));
    if (plus) p.drawLine(QPointF(6.5, 2.5), QPointF(6.5, 10.5));
  });
}

}  // namespace hk
