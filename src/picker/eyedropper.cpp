#include "picker/eyedropper.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace hk {

QPixmap EyedropperPicture(qreal devicePixelRatio) {
  const qreal scale = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const int size = static_cast<int>(std::lround(kEyedropperSize * scale));
  // Device-sized with a ratio of 1: the window system takes it and its hot spot as
  // they are, whatever scale factor the program runs at.
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.scale(scale, scale);
  // The tube runs from the tip up and to the right, the bulb sits at its end.
  QPainterPath tube;
  tube.moveTo(7, 22);
  tube.lineTo(9, 18);
  tube.lineTo(19, 8);
  tube.lineTo(23, 12);
  tube.lineTo(13, 22);
  tube.lineTo(9, 24);
  tube.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(tube);
  p.setBrush(Qt::black);
  p.drawRect(QRectF(18, 6, 7, 3).translated(0, 0));
  QPainterPath bulb;
  bulb.addEllipse(QRectF(22, 2, 8, 8));
  p.drawPath(bulb);
  p.end();
  return pm;
}

QCursor EyedropperCursor(qreal devicePixelRatio) {
  const qreal scale = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  return QCursor(EyedropperPicture(scale), static_cast<int>(std::lround(kEyedropperHotX * scale)),
                 static_cast<int>(std::lround(kEyedropperHotY * scale)));
}

}  // namespace hk
