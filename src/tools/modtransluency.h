// Window translucency: a whole window drawn with one alpha over what lies behind
// it, where the desktop composites windows.
#pragma once

#include <cstdint>

class QWidget;

namespace hk {

// Whether a window's opacity can be set: on X11 when a compositing manager owns the
// _NET_WM_CM_S<screen> selection; never elsewhere (Qt's Wayland plugin has no opacity).
bool IsLayeringSupported();

// The window to make translucent for `w`: up through the parents while they are
// shown; a hidden parent stops the climb, and so does a window (its parent is the
// window that opened it, which keeps its own look).
QWidget* GetTopLevelWindow(QWidget* w);

// Gives the top-level window of `w` the alpha (0 transparent, 255 opaque). False,
// and nothing changed, where windows are not composited (the window then shows
// opaque) or the climb ended below a real window. `layering` is asked of the desktop unless given.
bool SetTranslucency(QWidget* w, std::uint8_t alpha, bool layering = IsLayeringSupported());

}  // namespace hk
