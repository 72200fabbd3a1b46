// The pick cursor: a two-colour eyedropper, 32 x 32, its tip (the hot spot) at (7, 22).
#pragma once

#include <QCursor>
#include <QPixmap>

namespace hk {

inline constexpr int kEyedropperSize = 32;
inline constexpr int kEyedropperHotX = 7;
inline constexpr int kEyedropperHotY = 22;

// Drawn for `devicePixelRatio` in device pixels, so the tip stays on the picked pixel
// and the outline stays crisp on scaled screens.
QCursor EyedropperCursor(qreal devicePixelRatio);
// The same picture for the pick button.
QPixmap EyedropperPicture(qreal devicePixelRatio = 1.0);

}  // namespace hk
