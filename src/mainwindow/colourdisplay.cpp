#include "mainwindow/colourdisplay.h"

#include <QPainter>

#include "platform/colours.h"

namespace hk {

ColourDisplay::ColourDisplay(QWidget* parent) : ColourView(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourDisplay::Draw(int dispMode, LongColour colour, const DiagramGeometry& geometry) {
  dispMode_ = dispMode;
  colour_ = colour;
  geometry_ = geometry;
  update();
}

void ColourDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor face = ToQColor(kSysButtonFace, palette());
  p.fillRect(rect(), face);
  p.setPen(ToQColor(kSysButtonShadow, palette()));
  p.drawLine(0, kLineY, width(), kLineY);
  if (dispMode_ != 1 && dispMode_ != 2) return;
  const auto rects =
      dispMode_ == 2 ? CMYKDiagram(colour_, geometry_) : CMYDiagram(colour_, geometry_);
  for (const FilledRect& r : rects) {
    p.fillRect(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)),
               ToQColor(r.colour, palette()));
  }
}

}  // namespace hk
