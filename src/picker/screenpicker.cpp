#include "picker/screenpicker.h"

#include <QAbstractButton>
#include <QMouseEvent>

#include "picker/eyedropper.h"
#include "picker/magnifier.h"
#include "picker/portalpicker.h"

namespace hk {

ScreenPicker::ScreenPicker(QAbstractButton* pixel, Magnifier& magnifier)
    : QObject(pixel),
      Pixel(pixel),
      magnifier_(magnifier),
      session_(nullptr, magnifier.CaptureHalfWidth(), magnifier.CaptureHalfHeight()) {
  Timer1.setInterval(kIntervalMs);
  connect(&Timer1, &QTimer::timeout, this, &ScreenPicker::Timer1_Timer);
  Pixel->installEventFilter(this);
}

ScreenPicker::~ScreenPicker() = default;

void ScreenPicker::SetSource(std::unique_ptr<ScreenSource> source) {
  Pixel_MouseUp();
  source_ = std::move(source);
  session_.SetSource(source_.get());
}

void ScreenPicker::Pixel_MouseDown() {
  if (!session_.CanRead()) {
    AskPortal();
    return;
  }
  // The capture matches the view at 1x in device pixels; the window may have moved
  // to a screen of another scale since the last pick.
  session_.SetHalfSize(magnifier_.CaptureHalfWidth(), magnifier_.CaptureHalfHeight());
  magnifier_.PickStarted();
  // The grab shows the eyedropper over every window and brings the release back here.
  Pixel->grabMouse(EyedropperCursor(Pixel->devicePixelRatioF()));
  Timer1.start();
}

void ScreenPicker::AskPortal() {
  if (portal_ == nullptr) {
    // Made on first use: a desktop that the program can read never talks to the bus.
    portal_ = new PortalPicker(this);
    connect(portal_, &PortalPicker::ColourPicked, this, &ScreenPicker::ColourPicked);
    connect(portal_, &PortalPicker::Unavailable, this, &ScreenPicker::Unreadable);
  }
  portal_->Request();
}

void ScreenPicker::Pixel_MouseUp() {
  if (!Timer1.isActive()) return;
  Timer1.stop();
  magnifier_.PickEnded();
  Pixel->releaseMouse();
}

void ScreenPicker::Timer1_Timer() {
  PickSession::Tick tick = session_.Timer1_Timer();
  if (tick.result != PickSession::TickResult::Captured) return;
  magnifier_.SetPicture(ToQImage(tick.image));
  emit ColourPicked(tick.colour);
}

bool ScreenPicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Pixel) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !Picking()) {
      Pixel->setDown(true);
      Pixel_MouseDown();
    }
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    Pixel->setDown(false);
    Pixel_MouseUp();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

QImage ToQImage(const PixelImage& image) {
  if (image.empty()) return {};
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width; ++x) row[x] = 0xFF000000u | image.at(x, y);
  }
  return out;
}

PixelImage FromQImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  PixelImage out(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) out.at(x, y) = row[x] & 0xFFFFFFu;
  }
  return out;
}

}  // namespace hk
