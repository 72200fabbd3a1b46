#include "tools/frmmeasure.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "platform/colours.h"
#include "platform/designedsize.h"
#include "platform/twips.h"
#include "tools/modtransluency.h"
#include "widgets/designfont.h"

namespace hk {

namespace {

constexpr LongColour kLabelBack = 0xE0E0E0;
constexpr LongColour kMeasureRed = 0x0000FF;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAutoFillBackground(true);
  QPalette p = label->palette();
  p.setColor(QPalette::Window, ToQColor(kLabelBack));
  label->setPalette(p);
  return label;
}

// The button state as a mask; any button beyond the three counts as another one.
int Buttons(Qt::MouseButtons b) {
  const auto known = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
  return (b.testFlag(Qt::LeftButton) ? kLeftButton : 0) |
         (b.testFlag(Qt::RightButton) ? kRightButton : 0) |
         (b.testFlag(Qt::MiddleButton) ? kMiddleButton : 0) | ((b & ~known) ? 8 : 0);
}

}  // namespace

frmMeasure::frmMeasure(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("frmMeasure"));
  setWindowTitle(QStringLiteral("Measure"));
  setFont(TahomaOrClosest(8));  // the design font, for which the instruction's lines fit
  // The caption follows the mouse with no button held too.
  setMouseTracking(true);
  resize(TwipsToPixels(kWidth), TwipsToPixels(kHeight));
  new DesignedSize(this);

  Label1 = MakeLabel(this, "Label1", kInstruction);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->resize(width(), TwipsToPixels(kLabel1Height));
  Label2 = MakeLabel(this, "Label2", "..");
  Label2->setGeometry(0, TwipsToPixels(15), TwipsToPixels(990), TwipsToPixels(225));
  // A small box beside the dots; decoration only.
  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setGeometry(TwipsToPixels(1050), TwipsToPixels(15), TwipsToPixels(225),
                      TwipsToPixels(225));
}

void frmMeasure::Open() {
  if (!isVisible()) {
    setWindowTitle(QStringLiteral("Measure"));
    resize(TwipsToPixels(kWidth), TwipsToPixels(kHeight));
  }
  SetTranslucency(this, kAlpha);
  show();
  raise();
  activateWindow();
}

void frmMeasure::Form_Mouse(QMouseEvent* event) {
  const QPointF at = event->position() * kTwipsPerPixel;
  const auto x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
  setWindowTitle(QString::fromStdString(MeasureCaption(x, y)));
  if (MeasureMouse(point_, Buttons(event->buttons()), x, y)) update();
}

void frmMeasure::mouseMoveEvent(QMouseEvent* event) { Form_Mouse(event); }
void frmMeasure::mousePressEvent(QMouseEvent* event) { Form_Mouse(event); }

void frmMeasure::paintEvent(QPaintEvent*) {
  const MeasureDrawing d = DrawMeasure(point_);
  QPainter p(this);
  p.setPen(ToQColor(kMeasureRed));
  for (const auto& l : {d.right, d.bottom})
    p.drawLine(TwipsToPixels(l.x1), TwipsToPixels(l.y1), TwipsToPixels(l.x2), TwipsToPixels(l.y2));
  p.setPen(palette().color(QPalette::WindowText));
  // The text hangs from the point by its top-left corner.
  p.drawText(TwipsToPixels(d.textX), TwipsToPixels(d.textY) + p.fontMetrics().ascent(),
             QString::fromStdString(d.text));
}

void frmMeasure::resizeEvent(QResizeEvent*) {
  // The instruction keeps its designed height along the bottom edge.
  const int h = TwipsToPixels(kLabel1Height);
  Label1->setGeometry(0, height() - h, width(), h);
}

}  // namespace hk
