// Picking from the screen with the keyboard: Space or Enter on the focused pick button
// starts a pick as a left press does (the eyedropper grabs the pointer and the timer
// samples under it); the arrow keys move the pointer one pixel, ten with Shift; Enter
// takes the colour under the pointer, Escape ends the pick and puts back the colour
// from before it.
#pragma once

#include <QObject>
#include <functional>

#include "colour/longcolour.h"

class QAbstractButton;

namespace hk {

class ScreenPicker;

class KeyboardPick : public QObject {
  Q_OBJECT
 public:
  // `current` tells the colour the window shows when a pick starts.
  KeyboardPick(ScreenPicker& picker, QAbstractButton* pixel, std::function<LongColour()> current);

  bool Active() const { return active_; }

 signals:
  // Escape: the colour from before the pick, to be shown again.
  void Cancelled(hk::LongColour before);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Start();
  void Release();  // the keyboard and the button, when the pick ends
  void Finish();
  void Key(int key, Qt::KeyboardModifiers modifiers);

  ScreenPicker& picker_;
  QAbstractButton* Pixel;
  std::function<LongColour()> current_;
  LongColour before_ = 0;
  bool active_ = false;
};

}  // namespace hk
