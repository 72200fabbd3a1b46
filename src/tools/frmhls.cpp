#include "tools/frmhls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <algorithm>

#include "colour/modcmyk.h"
#include "colour/modhslv.h"
#include "colour/numbers.h"
#include "widgets/widgets.h"
#include "platform/colours.h"
#include "platform/designedsize.h"
#include "platform/twips.h"
#include "tools/hlsplane.h"
#include "widgets/designfont.h"

namespace hk {

namespace {

// Design rectangles (twips): the plane, the marker column right of it, the bar
// right of the marker, and the values 90 twips right of the bar.
constexpr int kPlaneLeft = 120, kPlaneTop = 120;
constexpr int kPlaneTwips = kPlaneSize * kTwipsPerPixel;
constexpr int kMarkerLeft = kPlaneLeft + kPlaneTwips, kMarkerSize = 180;
constexpr int kBarLeft = kMarkerLeft + kMarkerSize, kBarTop = kPlaneTop, kBarWidth = 300;
constexpr int kBarTwips = kBarHeight * kTwipsPerPixel;
constexpr int kValuesLeft = kBarLeft + kBarWidth + 90, kValuesWidth = 2000;
constexpr int kDialogWidth = kValuesLeft + kValuesWidth + 120;
constexpr int kDialogHeight = kPlaneTop + kPlaneTwips + 180;

const char* const kLabels[10] = {"Red",    "Green", "Blue", "Cyan", "Magenta",
                                 "Yellow", "Black", "Hue",  "Sat",  "Lum"};

// The lightness marker: a black arrow pointing right at the bar, its tip 90 twips
// below its top.
QPixmap MarkerArrow() {
  const int size = TwipsToPixels(kMarkerSize), tip = TwipsToPixels(kMarkerTipTwips);
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const QPoint arrow[] = {QPoint(1, tip - 5), QPoint(size - 1, tip), QPoint(1, tip + 5)};
  p.drawPolygon(arrow, 3);
  return pm;
}

QRect ToQRect(const HLSRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

int WholePixel(double v) { return static_cast<int>(RoundHalfEven(v)); }

}  // namespace

frmHLS::HueScale::HueScale(float maxHue) : saved(MaxHue) { MaxHue = maxHue; }
frmHLS::HueScale::~HueScale() { MaxHue = saved; }

LongColour frmHLS::ShowColor(LongColour colour, QWidget* owner, float maxHue) {
  frmHLS dialog(owner, maxHue);
  dialog.Load(colour);
  dialog.exec();  // every way of closing it keeps the colour
  return dialog.Colour();
}

frmHLS::frmHLS(QWidget* owner, float maxHue)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      scale_(maxHue) {
  setObjectName(QStringLiteral("frmHLS"));
  setWindowTitle(QStringLiteral("Hue Saturation Lightness - Hue Keeper"));
  setFont(TahomaOrClosest(8));
  setModal(true);
  setFixedSize(TwipsToPixels(kDialogWidth), TwipsToPixels(kDialogHeight));
  new DesignedSize(this);
  BuildControls();
  PaintPlane();
}

void frmHLS::BuildControls() {
  picHLS = new QWidget(this);
  picHLS->setObjectName(QStringLiteral("picHLS"));
  Place(picHLS, kPlaneLeft, kPlaneTop, kPlaneTwips, kPlaneTwips);
  picLum = new QWidget(this);
  picLum->setObjectName(QStringLiteral("picLum"));
  Place(picLum, kBarLeft, kBarTop, kBarWidth, kBarTwips);
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(MarkerArrow());
  markerTop_ = MarkerTop(240.0f, kBarTop, kBarTwips);
  Place(Picture1, kMarkerLeft, markerTop_, kMarkerSize, kMarkerSize);
  for (QWidget* w : {picHLS, picLum, static_cast<QWidget*>(Picture1)}) {
    w->setAttribute(Qt::WA_OpaquePaintEvent, w != Picture1);
    w->installEventFilter(this);
  }
  // The plane and the bar take the focus, so the arrow keys can pick too.
  picHLS->setAccessibleName(QStringLiteral("Hue and saturation"));
  picLum->setAccessibleName(QStringLiteral("Lightness"));
  for (QWidget* w : {picHLS, picLum}) w->setFocusPolicy(Qt::StrongFocus);

  picColorSample = new Swatch(this, true);
  picColorSample->setObjectName(QStringLiteral("picColorSample"));
  Place(picColorSample, kValuesLeft, kPlaneTop, kValuesWidth, 600);
  picColorSample->setAccessibleName(QStringLiteral("Chosen color"));
  picColorSample->SetDescriber([this] {
    NotationTexts texts;
    FormatAll(picColorSample->colour(), web_, texts);
    return NotationsDescription(texts);
  });
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Place(Frame1, kValuesLeft, kPlaneTop + 690, kValuesWidth, kPlaneTwips - 690);
  for (std::size_t i = 0; i < Text1.size(); ++i) {
    const int top = 180 + static_cast<int>(i) * 270;
    Label1[i] = new QLabel(QString::fromLatin1(kLabels[i]), Frame1);
    Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    Place(Label1[i], 120, top + 30, 720, 225);
    Text1[i] = new QLineEdit(Frame1);
    Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    Text1[i]->setReadOnly(true);
    Place(Text1[i], 840, top, 1020, 255);
    Label1[i]->setBuddy(Text1[i]);
    Text1[i]->installEventFilter(this);
  }
  // As the dialog reads: the plane, the bar, then the values from the top.
  SetTabOrder(this, {picHLS, picLum, Text1[0], Text1[1], Text1[2], Text1[3], Text1[4], Text1[5],
                     Text1[6], Text1[7], Text1[8], Text1[9]});
}

void frmHLS::PaintPlane() {
  plane_ = QImage(kPlaneSize, kPlaneSize, QImage::Format_RGB32);
  QPainter p(&plane_);
  for (int column = 0; column < kPlaneColumns; ++column) {
    for (int row = 0; row < kPlaneRows; ++row)
      p.fillRect(ToQRect(PlaneCell(column, row)), ToQColor(PlaneColour(column, row)));
  }
}

void frmHLS::Load(LongColour colour) {
  // Place the markers on the colour's rounded hue, saturation and lightness, then
  // show the colour itself.
  cRGB record;
  record.setRGB(colour);
  float h = 0, s = 0, l = 0;
  RGBToHSL(record.R(), record.G(), record.B(), h, s, l);
  const double width = kPlaneSize, height = kPlaneSize;
  picHLS_MouseDown(PlaneX(static_cast<float>(RoundHalfEven(h)), width),
                   PlaneY(static_cast<float>(RoundHalfEven(s)), height));
  picLum_MouseDown(BarY(static_cast<float>(RoundHalfEven(l)), kBarHeight));
  UpdateColor(colour, true);
}

void frmHLS::UpdateColor(LongColour colour, bool recompute) {
  picColorSample->setColour(colour);
  picColorSample->DescriptionChanged();
  cRGB record;
  record.setRGB(colour);
  const std::int32_t rgb[3] = {record.R(), record.G(), record.B()};
  for (int i = 0; i < 3; ++i) Text1[static_cast<std::size_t>(i)]->setText(QString::number(rgb[i]));
  const CMYK inks = RGBToCMYK(colour);
  const std::int32_t ink[4] = {inks.c, inks.m, inks.y, inks.k};
  for (int i = 0; i < 4; ++i)
    Text1[static_cast<std::size_t>(3 + i)]->setText(QString::number(ink[i]));
  if (recompute) RGBToHSL(rgb[0], rgb[1], rgb[2], hue_, saturation_, lightness_);
  const float hsl[3] = {hue_, saturation_, lightness_};
  for (int i = 0; i < 3; ++i)
    Text1[static_cast<std::size_t>(7 + i)]->setText(QString::fromStdString(FloatText(hsl[i])));
}

void frmHLS::ShowChosen(float lightness) {
  // The plane's hue and saturation, not the ones recomputed from the last colour:
  // at white or black those fall to 0 and the chosen hue would be lost.
  lumTag_ = lightness;
  HSLToRGB(planeHue_, planeSat_, lightness, red_, green_, blue_);
  UpdateColor(Colour(), true);
}

void frmHLS::picHLS_MouseDown(double x, double y) {
  const auto point = PlanePoint(x, y, kPlaneSize, kPlaneSize);
  if (!point) return;
  planeHue_ = point->hue;
  planeSat_ = point->saturation;
  cross_ = QPoint(WholePixel(x), WholePixel(y));
  picHLS->update();
  picLum->update();
  if (lumTag_) ShowChosen(*lumTag_);
}

void frmHLS::picLum_MouseDown(double y) {
  const auto lightness = BarLightness(y, kBarHeight);
  if (!lightness) return;
  markerTop_ = MarkerTop(*lightness, kBarTop, kBarTwips);
  Place(Picture1, kMarkerLeft, markerTop_, kMarkerSize, kMarkerSize);
  ShowChosen(*lightness);
}

void frmHLS::Picture1_MouseDown(double y) {
  grip_ = static_cast<int>(RoundHalfEven(y * kTwipsPerPixel));
}

void frmHLS::Picture1_MouseMove(double y) {
  const auto step = DragMarker(markerTop_, grip_, y * kTwipsPerPixel, kBarTop, kBarTwips);
  if (!step) return;
  markerTop_ = step->top;
  Place(Picture1, kMarkerLeft, markerTop_, kMarkerSize, kMarkerSize);
  ShowChosen(step->lightness);
}

bool frmHLS::MoveByKey(QObject* picture, int key, Qt::KeyboardModifiers modifiers) {
  const int step = modifiers.testFlag(Qt::ShiftModifier) ? 10 : 1;
  const int dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
  const int dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0;
  if (dx == 0 && dy == 0) return false;
  if (picture == picHLS) {
    const QPoint at = cross_.value_or(QPoint(0, 0));
    picHLS_MouseDown(std::clamp(at.x() + dx, 0, kPlaneSize - 1),
                     std::clamp(at.y() + dy, 0, kPlaneSize - 1));
  } else if (dy != 0) {
    const int row =
        std::min(WholePixel(BarY(lumTag_.value_or(lightness_), kBarHeight)), kBarHeight - 1);
    picLum_MouseDown(BarRowY(std::clamp(row + dy, 0, kBarHeight - 1), kBarHeight));
  }
  return true;
}

bool frmHLS::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && (watched == picHLS || watched == picLum)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (MoveByKey(watched, key->key(), key->modifiers())) return true;
    return QDialog::eventFilter(watched, event);
  }
  if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
      (watched == picHLS || watched == picLum))
    static_cast<QWidget*>(watched)->update();
  if (type == QEvent::FocusIn) {
    // Focus selects the whole value, ready to copy. Later, so the click that gave
    // the focus does not place the caret over the selection.
    if (auto* field = qobject_cast<QLineEdit*>(watched))
      QTimer::singleShot(0, field, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
  }
  if (type == QEvent::Paint && (watched == picHLS || watched == picLum)) {
    QPainter p(static_cast<QWidget*>(watched));
    if (watched == picHLS) {
      p.drawImage(0, 0, plane_);
      if (cross_) {
        for (const HLSRect& r : CrossMarker(cross_->x(), cross_->y()))
          p.fillRect(ToQRect(r), Qt::white);
      }
    } else {
      for (int band = 0; band < kBarBands; ++band)
        p.fillRect(ToQRect(BarBand(band, picLum->width())),
                   ToQColor(BarColour(planeHue_, planeSat_, band)));
    }
    if (static_cast<QWidget*>(watched)->hasFocus()) {
      QStyleOptionFocusRect frame;
      frame.initFrom(static_cast<QWidget*>(watched));
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, static_cast<QWidget*>(watched));
    }
    return true;
  }
  const bool picture = watched == picHLS || watched == picLum || watched == Picture1;
  if (!picture || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove))
    return QDialog::eventFilter(watched, event);
  // Only the left button picks: a press with it, or a move while it is held.
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const bool left = type == QEvent::MouseButtonPress ? mouse->button() == Qt::LeftButton
                                                     : (mouse->buttons() & Qt::LeftButton) != 0;
  if (!left) return QDialog::eventFilter(watched, event);
  const QPointF at = mouse->position();
  if (watched == picHLS) {
    picHLS_MouseDown(at.x(), at.y());
  } else if (watched == picLum) {
    picLum_MouseDown(BarRowY(at.y(), kBarHeight));
  } else if (type == QEvent::MouseButtonPress) {
    Picture1_MouseDown(at.y());
  } else {
    Picture1_MouseMove(at.y());
  }
  return true;
}

}  // namespace hk
