#include "widgets/stickypin.h"

#include <QLabel>
#include <QMouseEvent>

#include "widgets/keybutton.h"
#include "widgets/widgets.h"

namespace hk {

StickyPin::StickyPin(QWidget* window, int left, int top) : QObject(window), window_(window) {
  ImgstickOff = new QLabel(window);
  ImgstickOff->setObjectName(QStringLiteral("ImgstickOff"));
  ImgstickOff->setPixmap(PinPicture(false));
  ImgstickOn = new QLabel(window);
  ImgstickOn->setObjectName(QStringLiteral("ImgstickOn"));
  ImgstickOn->setPixmap(PinPicture(true));
  ImgstickOn->setToolTip(QStringLiteral("Sticky"));
  ImgstickOff->setAccessibleName(QStringLiteral("Sticky"));
  KeyButton::Make(ImgstickOff, [this] { ImgstickOff_Click(); }, true, false);
  KeyButton::Make(ImgstickOn, [this] { ImgstickOn_Click(); }, true, true);
  for (QLabel* pin : {ImgstickOff, ImgstickOn}) {
    Place(pin, left, top, 240, 240);
    pin->setAlignment(Qt::AlignCenter);
    pin->setCursor(Qt::PointingHandCursor);
    pin->installEventFilter(this);
  }
  ImgstickOn->hide();
}

void StickyPin::ImgstickOff_Click() {
  window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  window_->show();  // changing the flags takes the window off the screen
  Swap(ImgstickOff, ImgstickOn);
}

void StickyPin::ImgstickOn_Click() {
  window_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
  window_->show();
  Swap(ImgstickOn, ImgstickOff);
}

void StickyPin::Swap(QLabel* from, QLabel* to) {
  // The focus goes with the pin, so Space toggles it back.
  const bool focused = window_->focusWidget() == from;
  to->show();
  if (focused) to->setFocus(Qt::OtherFocusReason);
  from->hide();
}

bool StickyPin::Sticky() const { return window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

bool StickyPin::eventFilter(QObject* watched, QEvent* event) {
  // A pin acts when pressed and released over it.
  if (event->type() != QEvent::MouseButtonRelease) return QObject::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  auto* pin = static_cast<QWidget*>(watched);
  if (mouse->button() != Qt::LeftButton || !pin->rect().contains(mouse->position().toPoint()))
    return false;
  pin == ImgstickOff ? ImgstickOff_Click() : ImgstickOn_Click();
  return true;
}

}  // namespace hk
