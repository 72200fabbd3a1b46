#include "picker/magnifier.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <vector>

#include "widgets/keybutton.h"
#include "widgets/widgets.h"
#include "picker/eyedropper.h"
#include "platform/twips.h"

namespace hk {

namespace {

constexpr PixelRect kFrameDesign{630, 45, 1650, 1530};  // twips

// Shape2: a black ring and a white ring around the marked pixel, which stays visible.
class Marker : public QWidget {
 public:
  explicit Marker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(Qt::white);
    p.drawRect(1, 1, width() - 3, height() - 3);
  }
};

QRect PixelsOf(const PixelRect& twips) {
  return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
          TwipsToPixels(twips.height)};
}

}  // namespace

MagnifierView::MagnifierView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

std::optional<QPoint> MagnifierView::PictureAt(QPointF viewPoint) const {
  if (picture_ == nullptr || picture_->isNull()) return std::nullopt;
  const qreal dpr = devicePixelRatioF();
  const int x = ViewToPicture(static_cast<int>(std::floor(viewPoint.x() * dpr)), drawn_.width(),
                              picture_->width());
  const int y = ViewToPicture(static_cast<int>(std::floor(viewPoint.y() * dpr)), drawn_.height(),
                              picture_->height());
  if (x < 0 || y < 0) return std::nullopt;
  return QPoint(x, y);
}

void MagnifierView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // A sunken grey where nothing was captured yet, and around a picture too small.
  p.fillRect(event->rect(), palette().color(QPalette::Mid));
  if (picture_ == nullptr || picture_->isNull() || drawn_.isEmpty()) return;
  // Only the exposed part is enlarged, device pixel by device pixel, with the same
  // mapping a press uses, so what is shown is exactly what a click picks.
  const qreal dpr = devicePixelRatioF();
  const QRect exposed = event->rect();
  const QRect device = QRect(QPoint(static_cast<int>(std::floor(exposed.left() * dpr)),
                                    static_cast<int>(std::floor(exposed.top() * dpr))),
                             QPoint(static_cast<int>(std::ceil((exposed.right() + 1) * dpr)) - 1,
                                    static_cast<int>(std::ceil((exposed.bottom() + 1) * dpr)) - 1))
                           .intersected(QRect(QPoint(0, 0), drawn_));
  if (device.isEmpty()) return;
  std::vector<int> columns(static_cast<std::size_t>(device.width()));
  for (int x = 0; x < device.width(); ++x)
    columns[static_cast<std::size_t>(x)] =
        ViewToPicture(device.left() + x, drawn_.width(), picture_->width());
  QImage tile(device.size(), QImage::Format_RGB32);
  for (int y = 0; y < device.height(); ++y) {
    const int row = ViewToPicture(device.top() + y, drawn_.height(), picture_->height());
    const auto* from = reinterpret_cast<const QRgb*>(picture_->constScanLine(row));
    auto* to = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < device.width(); ++x) to[x] = from[columns[static_cast<std::size_t>(x)]];
  }
  tile.setDevicePixelRatio(dpr);
  p.drawImage(QPointF(device.left() / dpr, device.top() / dpr), tile);
}

Magnifier::Magnifier(QWidget* window) : QObject(window), window_(window) {
  Frame1 = new QWidget(window);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(PixelsOf(kFrameDesign));
  Picture1 = new MagnifierView(Frame1);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setToolTip(QStringLiteral("Screen Capture"));
  Picture1->SetPicture(&picture_);
  Picture1->installEventFilter(this);
  // A click into the view picks, as the eyedropper does on the screen.
  Picture1->setCursor(EyedropperCursor(window->devicePixelRatioF()));
  Shape2 = new Marker(Picture1);
  Shape2->setObjectName(QStringLiteral("Shape2"));
  Shape2->resize(5, 5);
  Shape2->hide();

  HsP = new QScrollBar(Qt::Horizontal, window);
  HsP->setObjectName(QStringLiteral("HsP"));
  VsP = new QScrollBar(Qt::Vertical, window);
  VsP->setObjectName(QStringLiteral("VsP"));
  for (QScrollBar* bar : {HsP, VsP}) {
    bar->hide();
    bar->setSingleStep(1);
    bar->setPageStep(10);
    connect(bar, &QScrollBar::valueChanged, this, [this] { Pan(); });
  }

  PicFrame1 = new QWidget(window);
  PicFrame1->setObjectName(QStringLiteral("PicFrame1"));
  PicFrame1->setToolTip(QStringLiteral("Toggle zoom level"));
  KeyButton::Make(PicFrame1, [this] { PopUpZoomMenu(); });
  PicFrame1->setAutoFillBackground(true);
  QPalette white = PicFrame1->palette();
  white.setColor(QPalette::Window, Qt::white);
  PicFrame1->setPalette(white);
  Place(PicFrame1, 60, 600, 525, 270);
  lblZoom = new QLabel(QStringLiteral("1x"), PicFrame1);
  lblZoom->setObjectName(QStringLiteral("lblZoom"));
  lblZoom->setGeometry(3, 0, PicFrame1->width() - 14, PicFrame1->height());
  Image4 = new QLabel(PicFrame1);
  Image4->setObjectName(QStringLiteral("Image4"));
  Image4->setPixmap(DropMark());
  Image4->setGeometry(PicFrame1->width() - 11, (PicFrame1->height() - 5) / 2, 7, 5);
  for (QWidget* w : {PicFrame1, static_cast<QWidget*>(lblZoom), static_cast<QWidget*>(Image4)}) {
    w->installEventFilter(this);
    w->setCursor(Qt::PointingHandCursor);
  }

  mnuZoom = new QMenu(window);
  mnuZoom->setObjectName(QStringLiteral("mnuZoom"));
  for (int i = 0; i < kMaxZoom; ++i) {
    QAction* item = mnuZoom->addAction(QString::number(i + 1) + QLatin1Char('x'));
    item->setObjectName(QStringLiteral("mnuZm"));
    item->setProperty("index", i);
    connect(item, &QAction::triggered, this, [this, i] { mnuZm_Click(i); });
    mnuZm[static_cast<std::size_t>(i)] = item;
  }
  LayoutZoom();
}

int Magnifier::CaptureHalfWidth() const {
  return static_cast<int>(TwipsToPixels(kFrameDesign.width) * window_->devicePixelRatioF()) / 2;
}

int Magnifier::CaptureHalfHeight() const {
  return static_cast<int>(TwipsToPixels(kFrameDesign.height) * window_->devicePixelRatioF()) / 2;
}

void Magnifier::SetPicture(const QImage& picture) {
  picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
  PaintZoom();
}

void Magnifier::mnuZm_Click(int index) {
  SetZoom(index + 1, mnuZm[static_cast<std::size_t>(index)]->text());
}

void Magnifier::WheelZoom(bool up) {
  const int zoom = up ? zoom_ + 1 : zoom_ - 1;
  if (zoom < kMinZoom || zoom > kMaxZoom) return;
  SetZoom(zoom, QString::number(zoom) + QLatin1Char('x'));
}

void Magnifier::SetZoom(int zoom, const QString& caption) {
  lblZoom->setText(caption);
  zoom_ = zoom;
  LayoutZoom();
  PaintZoom();
}

void Magnifier::PopUpZoomMenu() {
  mnuZoom->popup(window_->mapToGlobal(QPoint(PicFrame1->x(), PicFrame1->geometry().bottom() + 1)));
}

void Magnifier::LayoutZoom() {
  const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, HsP);
  const ZoomLayout layout =
      hk::LayoutZoom(zoom_, {kFrameDesign, PixelsToTwips(bar), PixelsToTwips(bar)});
  Frame1->setGeometry(PixelsOf(layout.frame));
  Picture1->setGeometry(PixelsOf(layout.picture));
  Picture1->SetDrawnSize(QSize(zoom_ * 2 * CaptureHalfWidth(), zoom_ * 2 * CaptureHalfHeight()));
  Shape2->move(layout.shapeLeft, layout.shapeTop);
  HsP->setVisible(layout.barsVisible);
  VsP->setVisible(layout.barsVisible);
  if (!layout.barsVisible) return;
  HsP->setGeometry(PixelsOf(layout.hsBar));
  VsP->setGeometry(PixelsOf(layout.vsBar));
  hsTag_ = vsTag_ = true;
  HsP->setRange(0, layout.hsMax);
  VsP->setRange(0, layout.vsMax);
  hsTag_ = vsTag_ = false;
  HsP->setValue(layout.hsValue);
  VsP->setValue(layout.vsValue);
  Pan();  // the values may not have changed, but the view was moved back to 0, 0
}

void Magnifier::Pan() {
  QPoint at = Picture1->pos();
  if (!hsTag_) at.setX(-HsP->value());
  if (!vsTag_) at.setY(-VsP->value());
  Picture1->move(at);
}

void Magnifier::PaintZoom() {
  if (picture_.isNull()) return;
  Picture1->update();
}

void Magnifier::PickStarted() {
  picking_ = true;
  if (zoom_ > 1) {
    HsP->setValue(HsP->maximum() / 2);
    VsP->setValue(VsP->maximum() / 2);
  }
  Shape2->show();
}

void Magnifier::PickEnded() {
  picking_ = false;
  Shape2->hide();
}

bool Magnifier::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Picture1 && event->type() == QEvent::MouseButtonPress) {
    if (picking_) return true;
    const auto at = Picture1->PictureAt(static_cast<QMouseEvent*>(event)->position());
    if (at) {
      const QRgb rgb = picture_.pixel(*at);
      emit PixelPressed(RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)));
    }
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      (watched == PicFrame1 || watched == lblZoom || watched == Image4)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton &&
        static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
      PopUpZoomMenu();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hk
