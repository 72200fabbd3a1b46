// Asks an X server whether a compositing manager runs on one of its screens.
#pragma once

#include <xcb/xcb.h>

namespace hk {

// True when the _NET_WM_CM_S<screen> selection has an owner.
bool CompositorRunning(xcb_connection_t* c, int screen);

}  // namespace hk
