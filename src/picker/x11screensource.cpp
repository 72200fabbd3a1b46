#include "picker/x11screensource.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace hk {

namespace {

// A reply from the server, freed as XCB asks.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// The reply to `cookie`; an error reply is dropped here so that it never
// reaches Qt's event handling as an unexpected error.
template <typename T, typename Cookie>
Reply<T> Ask(T* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**), xcb_connection_t* c,
             Cookie cookie) {
  xcb_generic_error_t* error = nullptr;
  Reply<T> r(reply(c, cookie, &error));
  std::free(error);
  return r;
}

}  // namespace

std::unique_ptr<X11ScreenSource> X11ScreenSource::Create() {
  if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  // Under XWayland the root window shows X clients only, never the desktop.
  if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
      qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
    return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (c == nullptr || xcb_connection_has_error(c)) return nullptr;

  int screenNumber = 0;
  char* host = nullptr;
  int display = 0;
  if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0) screenNumber = 0;
  std::free(host);
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  for (int i = 0; i < screenNumber && screens.rem > 1; ++i) xcb_screen_next(&screens);
  if (screens.rem == 0) return nullptr;
  const xcb_screen_t* screen = screens.data;

  X11PixelFormat format;
  format.msbFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
  format.bitsPerPixel = 0;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f))
    if (f.data->depth == screen->root_depth) {
      format.bitsPerPixel = f.data->bits_per_pixel;
      format.scanlinePad = f.data->scanline_pad;
    }
  format.trueColour = false;
  for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem > 0; xcb_depth_next(&d))
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v))
      if (v.data->visual_id == screen->root_visual) {
        format.trueColour = v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR;
        format.redMask = v.data->red_mask;
        format.greenMask = v.data->green_mask;
        format.blueMask = v.data->blue_mask;
      }

  // Monitors as rectangles need RandR 1.5; older servers get the whole root.
  bool randr = false;
  if (const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_randr_id);
      ext != nullptr && ext->present) {
    const auto version = Ask(xcb_randr_query_version_reply, c, xcb_randr_query_version(c, 1, 5));
    randr = version && (version->major_version > 1 ||
                        (version->major_version == 1 && version->minor_version >= 5));
  }
  return std::unique_ptr<X11ScreenSource>(new X11ScreenSource(
      c, screen->root, {0, 0, screen->width_in_pixels, screen->height_in_pixels}, format, randr));
}

X11ScreenSource::X11ScreenSource(xcb_connection_t* connection, std::uint32_t root,
                                 PixelRect rootRect, X11PixelFormat format, bool randr)
    : connection_(connection), root_(root), rootRect_(rootRect), format_(format), randr_(randr) {}

std::optional<ScreenPoint> X11ScreenSource::PointerPosition() {
  const auto pointer =
      Ask(xcb_query_pointer_reply, connection_, xcb_query_pointer(connection_, root_));
  // On another screen of the display the pointer is over pixels this root has not.
  if (!pointer || !pointer->same_screen) return std::nullopt;
  return ScreenPoint{pointer->root_x, pointer->root_y};
}

void X11ScreenSource::MovePointer(int dx, int dy) {
  // Relative to where it is: no source or destination window.
  xcb_warp_pointer(connection_, XCB_NONE, XCB_NONE, 0, 0, 0, 0, static_cast<std::int16_t>(dx),
                   static_cast<std::int16_t>(dy));
  xcb_flush(connection_);
}

std::vector<PixelRect> X11ScreenSource::Monitors() {
  // Both asked at once, so the layout costs one round trip. Asked on every
  // capture: a monitor plugged in or moved mid-pick is seen at once.
  const xcb_get_geometry_cookie_t geometryCookie = xcb_get_geometry(connection_, root_);
  xcb_randr_get_monitors_cookie_t monitorsCookie{};
  if (randr_) monitorsCookie = xcb_randr_get_monitors(connection_, root_, 1);
  const auto geometry = Ask(xcb_get_geometry_reply, connection_, geometryCookie);
  if (geometry) rootRect_ = {0, 0, geometry->width, geometry->height};
  std::vector<PixelRect> monitors;
  if (randr_) {
    const auto reply = Ask(xcb_randr_get_monitors_reply, connection_, monitorsCookie);
    if (reply && geometry) {
      for (auto m = xcb_randr_get_monitors_monitors_iterator(reply.get()); m.rem > 0;
           xcb_randr_monitor_info_next(&m)) {
        const PixelRect part =
            Intersect({m.data->x, m.data->y, m.data->width, m.data->height}, rootRect_);
        if (!part.empty()) monitors.push_back(part);
      }
    }
  }
  if (!geometry) return {};
  if (monitors.empty()) monitors.push_back(rootRect_);
  return monitors;
}

std::optional<PixelImage> X11ScreenSource::Capture(const PixelRect& area) {
  const std::vector<PixelRect> monitors = Monitors();
  if (monitors.empty()) return std::nullopt;
  return ComposeCapture(area, monitors, [this](const PixelRect& rect) { return ReadRect(rect); });
}

std::optional<PixelImage> X11ScreenSource::ReadRect(const PixelRect& rect) {
  const auto image =
      Ask(xcb_get_image_reply, connection_,
          xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_,
                        static_cast<std::int16_t>(rect.left), static_cast<std::int16_t>(rect.top),
                        static_cast<std::uint16_t>(rect.width),
                        static_cast<std::uint16_t>(rect.height), ~0u));
  if (!image) return std::nullopt;
  return ConvertX11Pixels(format_, xcb_get_image_data(image.get()),
                          static_cast<std::size_t>(xcb_get_image_data_length(image.get())),
                          rect.width, rect.height);
}

}  // namespace hk
