#include "widgets/keybutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace hk {

namespace {

// What assistive technology sees: a button (or a toggle) that can be pressed.
class KeyButtonAccessible : public QAccessibleWidget {
 public:
  KeyButtonAccessible(QWidget* w, bool checkable)
      : QAccessibleWidget(w, checkable ? QAccessible::CheckBox : QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    QString s = QAccessibleWidget::text(t);
    // No caption: the tool tip names it, as it tells a mouse user what it does.
    if (t == QAccessible::Name && s.isEmpty()) s = widget()->toolTip();
    return s;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const KeyButton* b = KeyButton::Of(object()); b != nullptr && b->Checkable()) {
      s.checkable = true;
      s.checked = b->Checked();
    }
    return s;
  }
  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (KeyButton* b = KeyButton::Of(object())) b->Press();
  }
};

QAccessibleInterface* KeyButtonFactory(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  const KeyButton* b = KeyButton::Of(object);
  return b != nullptr ? new KeyButtonAccessible(static_cast<QWidget*>(object), b->Checkable())
                      : nullptr;
}

}  // namespace

KeyButton* KeyButton::Make(QWidget* widget, std::function<void()> press, bool checkable,
                           bool checked) {
  static const bool installed = [] {
    QAccessible::installFactory(&KeyButtonFactory);
    return true;
  }();
  (void)installed;
  auto* button = new KeyButton(widget, std::move(press), checkable, checked);
  // An interface made before the widget became a button (setting a caption or a name
  // asks for one) would go on describing a label: it makes way for a button's.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
  if (made != nullptr && dynamic_cast<KeyButtonAccessible*>(made) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  return button;
}

KeyButton* KeyButton::Of(const QObject* widget) {
  return widget->findChild<KeyButton*>(QString(), Qt::FindDirectChildrenOnly);
}

KeyButton::KeyButton(QWidget* widget, std::function<void()> press, bool checkable, bool checked)
    : QObject(widget),
      widget_(widget),
      press_(std::move(press)),
      checkable_(checkable),
      checked_(checked) {
  // The keyboard's only: a click keeps the focus where it was.
  widget->setFocusPolicy(Qt::TabFocus);
  widget->installEventFilter(this);
}

bool KeyButton::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool act = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                       key->key() == Qt::Key_Enter;
      if (!act || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        break;
      press_();
      return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      widget_->update();
      break;
    case QEvent::Paint: {
      if (!widget_->hasFocus()) break;
      // The widget paints itself first (its own handler, past the filters); the focus
      // frame goes over it.
      static_cast<QObject*>(widget_)->event(event);
      QPainter p(widget_);
      QStyleOptionFocusRect frame;
      frame.initFrom(widget_);
      frame.backgroundColor = widget_->palette().color(widget_->backgroundRole());
      widget_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, widget_);
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hk
