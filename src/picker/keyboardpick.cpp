#include "picker/keyboardpick.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "picker/screenpicker.h"
#include "picker/screensource.h"

namespace hk {

namespace {

constexpr int kShiftStep = 10;

}  // namespace

KeyboardPick::KeyboardPick(ScreenPicker& picker, QAbstractButton* pixel,
                           std::function<LongColour()> current)
    : QObject(pixel), picker_(picker), Pixel(pixel), current_(std::move(current)) {
  Pixel->installEventFilter(this);
}

void KeyboardPick::Start() {
  before_ = current_();
  picker_.Pixel_MouseDown();
  // Without a readable screen the press asked the desktop portal instead.
  if (!picker_.Picking()) return;
  active_ = true;
  Pixel->setDown(true);
  // The keys stay here wherever the pointer goes.
  Pixel->grabKeyboard();
}

void KeyboardPick::Release() {
  active_ = false;
  Pixel->releaseKeyboard();
  Pixel->setDown(false);
}

void KeyboardPick::Finish() {
  Release();
  picker_.Pixel_MouseUp();
}

void KeyboardPick::Key(int key, Qt::KeyboardModifiers modifiers) {
  const int step = modifiers.testFlag(Qt::ShiftModifier) ? kShiftStep : 1;
  ScreenSource* source = picker_.Source();
  switch (key) {
    case Qt::Key_Left:
      source->MovePointer(-step, 0);
      break;
    case Qt::Key_Right:
      source->MovePointer(step, 0);
      break;
    case Qt::Key_Up:
      source->MovePointer(0, -step);
      break;
    case Qt::Key_Down:
      source->MovePointer(0, step);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The colour under the pointer now, not the one the last tick read.
      picker_.Timer1_Timer();
      Finish();
      break;
    case Qt::Key_Escape:
      Finish();
      emit Cancelled(before_);
      break;
    default:
      break;
  }
}

bool KeyboardPick::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A click ends a keyboard pick as the release ends a mouse pick.
  if (active_ && (type == QEvent::MouseButtonRelease || !picker_.Picking())) Release();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
    return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // While the pick runs every key is the pick's; the button sees none, so the
  // release of the Space that started it does not click it.
  if (active_) {
    if (type == QEvent::KeyPress) Key(key->key(), key->modifiers());
    return true;
  }
  const bool starts =
      type == QEvent::KeyPress && !key->isAutoRepeat() &&
      (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
  if (!starts || picker_.Picking()) return QObject::eventFilter(watched, event);
  Start();
  return true;
}

}  // namespace hk
