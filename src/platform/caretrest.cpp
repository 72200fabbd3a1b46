#include "platform/caretrest.h"

#include <QApplication>
#include <QEvent>

namespace hk {

CaretRest::CaretRest(QObject* parent)
    : QObject(parent), flashTime_(QApplication::cursorFlashTime()) {
  restTimer_.setSingleShot(true);
  restTimer_.setInterval(kBlinkForMs);
  connect(&restTimer_, &QTimer::timeout, this, &CaretRest::Rest);
  qApp->installEventFilter(this);
  restTimer_.start();
}

void CaretRest::Rest() {
  if (resting_) return;
  resting_ = true;
  QApplication::setCursorFlashTime(0);
}

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // Every input event passes the window and then the widget; the window's copy is enough.
  if ((type == QEvent::KeyPress || type == QEvent::MouseButtonPress) && watched->isWindowType()) {
    if (resting_) {
      resting_ = false;
      QApplication::setCursorFlashTime(flashTime_);
    }
    restTimer_.start();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hk
