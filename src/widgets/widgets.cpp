#include "widgets/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "platform/colours.h"
#include "platform/twips.h"

namespace hk {

namespace {

class ColourViewAccessible : public QAccessibleWidget {
 public:
  explicit ColourViewAccessible(ColourView* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      const QString colour = static_cast<ColourView*>(widget())->Description();
      if (!colour.isEmpty()) return colour;
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* ColourViewFactory(const QString&, QObject* object) {
  auto* view = qobject_cast<ColourView*>(object);
  return view != nullptr ? new ColourViewAccessible(view) : nullptr;
}

}  // namespace

ColourView::ColourView(QWidget* parent) : QWidget(parent) {
  // Before anything asks for this widget's interface: the first answer is kept.
  static const bool installed = [] {
    QAccessible::installFactory(&ColourViewFactory);
    return true;
  }();
  (void)installed;
}

void ColourView::SetDescriber(std::function<QString()> describe) {
  describe_ = std::move(describe);
}

QString ColourView::Description() const { return describe_ ? describe_() : QString(); }

void ColourView::DescriptionChanged() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

void SetTabOrder(QWidget* window, const std::vector<QWidget*>& order) {
  // The chain is a ring through the window. Taking part for a moment, the window
  // pins the ring's start to the first control, and no control counts as already
  // placed because the ring wraps around to it.
  const Qt::FocusPolicy policy = window->focusPolicy();
  window->setFocusPolicy(Qt::TabFocus);
  QWidget* previous = window;
  for (QWidget* control : order) {
    QWidget::setTabOrder(previous, control);
    previous = control;
  }
  window->setFocusPolicy(policy);
}

void FitLabel(QLabel* label) {
  // Captions keep their design width but are never cut short.
  const int design = label->property("designWidth").toInt();
  if (design == 0) label->setProperty("designWidth", label->width());
  label->resize(std::max(label->property("designWidth").toInt(), label->sizeHint().width()),
                label->height());
}

bool ClickedOn(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType()) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  return mouse->button() == Qt::LeftButton &&
         static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

void ShowErrorHighlight(QLineEdit* field, bool on) {
  QPalette p = field->palette();
  p.setColor(QPalette::Base, ToQColor(on ? kErrorHighlight : kSysWindowBackground));
  field->setPalette(p);
  field->setProperty("errorHighlight", on);
}

Swatch::Swatch(QWidget* parent, bool border) : ColourView(parent), border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setColour(LongColour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void Swatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (border_) {
    p.fillRect(rect(), Qt::black);
    p.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(colour_, palette()));
  } else {
    p.fillRect(rect(), ToQColor(colour_, palette()));
  }
}

// The sticky pin: standing (the window may be covered) or pressed in (kept on top).
QPixmap PinPicture(bool pressed) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor head = pressed ? QColor(200, 30, 30) : QColor(120, 120, 120);
  if (pressed) {
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(8, 9), QPointF(8, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(head);
    p.drawEllipse(QPointF(8, 6), 5, 5);
  } else {
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(6, 10), QPointF(1, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(head);
    p.drawEllipse(QPointF(10, 6), 4.5, 4.5);
  }
  return pm;
}

// The small black triangle pointing down that marks a drop-down.
QPixmap DropMark() {
  QPixmap pm(7, 5);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const QPoint tri[] = {QPoint(0, 0), QPoint(7, 0), QPoint(3, 4)};
  p.drawPolygon(tri, 3);
  for (int row = 0; row < 5; ++row) p.fillRect(row, row, 7 - 2 * row, 1, Qt::black);
  return pm;
}

QString NotationsDescription(const NotationTexts& t) {
  const auto q = [](const std::string& s) { return QString::fromStdString(s); };
  QString text = QStringLiteral("Long ") + q(t.longText) + QStringLiteral("; Hex ") + q(t.hex) +
                 QStringLiteral("; Web ") + q(t.web);
  if (!t.html.empty()) text += QStringLiteral("; HTML ") + q(t.html);
  return text + QStringLiteral("; RGB ") + q(t.rgb) + QStringLiteral("; CMYK ") + q(t.cmyk);
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
  // Only widgets of this window: the same event also passes the top-level QWindow.
  const QEvent::Type type = event->type();
  if ((type != QEvent::Wheel && type != QEvent::KeyPress) || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != window_)
    return QObject::eventFilter(watched, event);
  if (type == QEvent::Wheel) return wheel_(static_cast<QWheelEvent*>(event));
  return key_(static_cast<QKeyEvent*>(event));
}

}  // namespace hk
