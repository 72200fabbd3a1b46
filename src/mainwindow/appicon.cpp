#include "mainwindow/appicon.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace hk {

namespace {

QPixmap Draw(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(0.5, 0.5, size - 1.0, size - 1.0);
  p.setPen(QPen(QColor(40, 40, 40), size >= 32 ? 1.5 : 1.0));
  p.setBrush(QColor(250, 250, 250));
  p.drawRoundedRect(frame, size / 6.0, size / 6.0);
  // A hue wheel fading to white in the middle, as the program's colours do.
  const QRectF wheel = frame.adjusted(size / 8.0, size / 8.0, -size / 8.0, -size / 8.0);
  QConicalGradient hues(wheel.center(), 90);
  const QColor stops[] = {Qt::red, Qt::magenta, Qt::blue, Qt::cyan, Qt::green, Qt::yellow, Qt::red};
  for (int i = 0; i < 7; ++i) hues.setColorAt(i / 6.0, stops[i]);
  p.setPen(Qt::NoPen);
  p.setBrush(hues);
  p.drawEllipse(wheel);
  QRadialGradient centre(wheel.center(), wheel.width() / 2);
  centre.setColorAt(0, QColor(255, 255, 255, 230));
  centre.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(centre);
  p.drawEllipse(wheel);
  return pm;
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48}) icon.addPixmap(Draw(size));
  return icon;
}

}  // namespace hk
