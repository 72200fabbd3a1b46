#include "mainwindow/appicon.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QConicalGradient>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

namespace hk {

namespace {

// Round the wheel from the top, counter-clockwise, as the program's hues run.
const QColor kHues[] = {Qt::red, Qt::magenta, Qt::blue, Qt::cyan, Qt::green, Qt::yellow, Qt::red};
constexpr int kHueStops = 7;

// The hue `at` (0 to 1) of the way round, between the two stops around it.
QColor HueAt(double at) {
  const double pos = at * (kHueStops - 1);
  const int i = std::min(static_cast<int>(pos), kHueStops - 2);
  const double f = pos - i;
  const auto mix = [f](int a, int b) { return qRound(a + (b - a) * f); };
  const QColor &a = kHues[i], &b = kHues[i + 1];
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

}  // namespace

QImage AppIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(0.5, 0.5, size - 1.0, size - 1.0);
  p.setPen(QPen(QColor(40, 40, 40), size >= 32 ? 1.5 : 1.0));
  p.setBrush(QColor(250, 250, 250));
  p.drawRoundedRect(frame, size / 6.0, size / 6.0);
  // A hue wheel fading to white in the middle, as the program's colours do.
  const QRectF wheel = frame.adjusted(size / 8.0, size / 8.0, -size / 8.0, -size / 8.0);
  QConicalGradient hues(wheel.center(), 90);
  for (int i = 0; i < kHueStops; ++i) hues.setColorAt(i / (kHueStops - 1.0), kHues[i]);
  p.setPen(Qt::NoPen);
  p.setBrush(hues);
  p.drawEllipse(wheel);
  QRadialGradient centre(wheel.center(), wheel.width() / 2);
  centre.setColorAt(0, QColor(255, 255, 255, 230));
  centre.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(centre);
  p.drawEllipse(wheel);
  return image;
}

namespace {

// Draws each size the first time it is asked for, and keeps it: a button that shows
// the icon at 16 pixels never waits for the sizes only the desktop takes.
class AppIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    const int side = qRound(std::min(size.width(), size.height()) * scale);
    if (side <= 0) return {};
    QPixmap& drawn = drawn_[side];
    if (drawn.isNull()) drawn = QPixmap::fromImage(AppIconImage(side));
    // A disabled or selected look as the style gives any picture.
    QPixmap out = mode == QIcon::Normal ? drawn : QIcon(drawn).pixmap(drawn.size(), mode, state);
    out.setDevicePixelRatio(scale);
    return out;
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return {side, side};
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}};
  }
  QString key() const override { return QStringLiteral("huekeeper-app-icon"); }
  QIconEngine* clone() const override { return new AppIconEngine(*this); }

 private:
  std::map<int, QPixmap> drawn_;  // by side in device pixels
};

}  // namespace

QIcon AppIcon() {
  // One engine for the window, the tray and the button, so each size is drawn once.
  static const QIcon icon(new AppIconEngine);
  return icon;
}

QByteArray AppIconSvg() {
  // The same drawing at 256 units. SVG has no conical gradient: the wheel is made of thin
  // wedges, each reaching half a wedge under the next so that no seam shows between them.
  constexpr int kSize = 256, kWedges = 120;
  const double frame = kSize - 1.0, c = kSize / 2.0, r = (frame - kSize / 4.0) / 2;
  QByteArray svg = QStringLiteral(
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\">\n"
                       "<defs><radialGradient id=\"centre\" gradientUnits=\"userSpaceOnUse\" "
                       "cx=\"%2\" cy=\"%2\" r=\"%3\">"
                       "<stop offset=\"0\" stop-color=\"#fff\" stop-opacity=\"%4\"/>"
                       "<stop offset=\"1\" stop-color=\"#fff\" stop-opacity=\"0\"/>"
                       "</radialGradient></defs>\n"
                       "<rect x=\"0.5\" y=\"0.5\" width=\"%5\" height=\"%5\" rx=\"%6\" "
                       "fill=\"#fafafa\" stroke=\"#282828\" stroke-width=\"1.5\"/>\n")
                       .arg(kSize)
                       .arg(c)
                       .arg(r)
                       .arg(230 / 255.0, 0, 'f', 3)
                       .arg(frame)
                       .arg(kSize / 6.0, 0, 'f', 3)
                       .toUtf8();
  const auto point = [c, r](double degrees) {
    const double a = qDegreesToRadians(degrees);
    return QStringLiteral("%1 %2")
        .arg(c + r * std::cos(a), 0, 'f', 2)
        .arg(c - r * std::sin(a), 0, 'f', 2);
  };
  constexpr double kStep = 360.0 / kWedges;
  for (int i = 0; i < kWedges; ++i) {
    const double from = 90 + i * kStep;
    svg += QStringLiteral("<path fill=\"%1\" d=\"M%2 %2L%3A%4 %4 0 0 0 %5Z\"/>\n")
               .arg(HueAt((i + 0.5) / kWedges).name())
               .arg(c)
               .arg(point(from))
               .arg(r)
               .arg(point(from + 1.5 * kStep))
               .toUtf8();
  }
  svg += QStringLiteral("<circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"url(#centre)\"/>\n</svg>\n")
             .arg(c)
             .arg(r)
             .toUtf8();
  return svg;
}

}  // namespace hk
