#include "tools/modtransluency.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "tools/compositor.h"

namespace hk {

bool CompositorRunning(xcb_connection_t* c, int screen) {
  if (c == nullptr || xcb_connection_has_error(c)) return false;
  const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
  xcb_generic_error_t* error = nullptr;
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), &error);
  std::free(error);
  if (atom == nullptr) return false;
  const xcb_atom_t selection = atom->atom;
  std::free(atom);
  error = nullptr;
  xcb_get_selection_owner_reply_t* owner =
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), &error);
  std::free(error);
  const bool owned = owner != nullptr && owner->owner != XCB_NONE;
  std::free(owner);
  return owned;
}

bool IsLayeringSupported() {
  if (qGuiApp == nullptr) return false;
  const QString platform = QGuiApplication::platformName();
  // Qt's Wayland plugin cannot set a window's opacity: there the window stays opaque.
  if (platform != QLatin1String("xcb")) return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return false;
  // The screen Qt connected to, as the display name gives it.
  int screen = 0;
  char* host = nullptr;
  int display = 0;
  if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) screen = 0;
  std::free(host);
  return CompositorRunning(x11->connection(), screen);
}

QWidget* GetTopLevelWindow(QWidget* w) {
  while (w != nullptr && !w->isWindow() && w->parentWidget() != nullptr &&
         w->parentWidget()->isVisible())
    w = w->parentWidget();
  return w;
}

bool SetTranslucency(QWidget* w, std::uint8_t alpha, bool layering) {
  if (!layering) return false;
  QWidget* h = GetTopLevelWindow(w);
  // Opacity belongs to windows; a widget inside a hidden parent has none to set.
  if (h == nullptr || !h->isWindow()) return false;
  h->setWindowOpacity(alpha / 255.0);
  return true;
}

}  // namespace hk
