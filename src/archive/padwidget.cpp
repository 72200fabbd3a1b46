#include "archive/padwidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/colours.h"
#include "platform/twips.h"

namespace hk {

namespace {
QRect ToPixels(const TwipRect& r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
               TwipsToPixels(r.height));
}
int Twips(qreal pixels) { return static_cast<int>(pixels * kTwipsPerPixel); }
}  // namespace

PadWidget::PadWidget(QWidget* parent, ColourTable& table) : QWidget(parent), table_(table) {
  setObjectName(QStringLiteral("PAD"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PadWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor background = palette().color(QPalette::Button);
  p.fillRect(rect(), background);
  // Only the rows in view are asked for, so a long list paints as fast as a short one.
  table_.DrawColors(cells_);
  for (const PadCell& cell : cells_) {
    const QRect frame = ToPixels(cell.frame);
    p.setPen(Qt::black);
    p.setBrush(background);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.fillRect(ToPixels(cell.swatch), ToQColor(cell.colour, palette()));
  }
  const PadModel& pad = table_.Pad();
  if (pad.MarkerVisible()) {
    const QRect marker = ToPixels(pad.MarkerRect());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black), 1));
    p.drawRect(marker.adjusted(0, 0, -1, -1));
  }
}

void PadWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (onMouseDown) onMouseDown(Twips(event->position().x()), Twips(event->position().y()));
}

void PadWidget::mouseMoveEvent(QMouseEvent* event) {
  const QString tip = QString::fromStdString(
      table_.PAD_MouseMove(Twips(event->position().x()), Twips(event->position().y())));
  if (tip != toolTip()) {
    setToolTip(tip);
    if (tip.isEmpty()) QToolTip::hideText();
  }
}

void PadWidget::keyPressEvent(QKeyEvent* event) {
  PadKey key = PadKey::Other;
  switch (event->key()) {
    case Qt::Key_Left: key = PadKey::Left; break;
    case Qt::Key_Right: key = PadKey::Right; break;
    case Qt::Key_Up: key = PadKey::Up; break;
    case Qt::Key_Down: key = PadKey::Down; break;
    case Qt::Key_Delete: key = PadKey::Delete; break;
    default: break;
  }
  // Tab moves the focus on without reaching the pad.
  const bool focusKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (onKey && !focusKey) onKey(key);
  // Tab and the window's shortcuts go on as usual.
  if (key == PadKey::Other) {
    QWidget::keyPressEvent(event);
  } else {
    event->accept();
  }
}

void PadWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  emit FocusChanged();
}

void PadWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
  emit FocusChanged();
}

}  // namespace hk
