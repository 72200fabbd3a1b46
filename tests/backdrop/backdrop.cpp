// Paints the whole screen for screen-reading tests: Xvfb's root background
// does not show in what the screen reads return, so a window of our own does.
//
//   hk_backdrop solid RRGGBB
//   hk_backdrop checker RRGGBB RRGGBB   one-pixel squares: the first colour
//                                       where x + y is even
//
// Prints "ready" once the server shows it, then waits until killed. The window
// is override-redirect (no window manager moves it) and lowered below all
// others; its background is a tiled pixmap, so the server repaints it without
// any event loop here.
#include <xcb/xcb.h>

#include <unistd.h>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<std::uint32_t> ParseColour(const char* text) {
  if (std::strlen(text) != 6) return std::nullopt;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 16);
  if (*end != '\0') return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

// One eight-bit channel placed in `mask`, cut to the mask's width.
std::uint32_t Place(std::uint32_t channel, std::uint32_t mask) {
  const int bits = std::popcount(mask);
  const std::uint32_t value = bits >= 8 ? channel << (bits - 8) : channel >> (8 - bits);
  return value << std::countr_zero(mask);
}

const xcb_visualtype_t* RootVisual(const xcb_screen_t* screen) {
  for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem > 0; xcb_depth_next(&d))
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v))
      if (v.data->visual_id == screen->root_visual) return v.data;
  return nullptr;
}

int Usage() {
  std::fprintf(stderr, "usage: hk_backdrop solid RRGGBB | checker RRGGBB RRGGBB\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string mode = argv[1];
  const bool checker = mode == "checker";
  if ((mode != "solid" || argc != 3) && (!checker || argc != 4)) return Usage();
  const std::optional<std::uint32_t> first = ParseColour(argv[2]);
  const std::optional<std::uint32_t> second = ParseColour(checker ? argv[3] : argv[2]);
  if (!first || !second) return Usage();

  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "hk_backdrop: cannot open the display\n");
    return 1;
  }
  auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  const xcb_screen_t* screen = screens.data;
  const xcb_visualtype_t* visual = RootVisual(screen);
  if (visual == nullptr || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR) {
    std::fprintf(stderr, "hk_backdrop: the root visual is not true colour\n");
    return 1;
  }
  const auto pixel = [visual](std::uint32_t rgb) {
    return Place(rgb >> 16 & 0xFF, visual->red_mask) | Place(rgb >> 8 & 0xFF, visual->green_mask) |
           Place(rgb & 0xFF, visual->blue_mask);
  };

  // A 2 x 2 tile: tiled from the window's origin at the root's origin, its
  // diagonal gives the checkerboard of the whole screen.
  const xcb_pixmap_t tile = xcb_generate_id(c);
  xcb_create_pixmap(c, screen->root_depth, tile, screen->root, 2, 2);
  const xcb_gcontext_t gc = xcb_generate_id(c);
  xcb_create_gc(c, gc, tile, 0, nullptr);
  const xcb_point_t even[] = {{0, 0}, {1, 1}};
  const xcb_point_t odd[] = {{1, 0}, {0, 1}};
  std::uint32_t foreground = pixel(*first);
  xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &foreground);
  xcb_poly_point(c, XCB_COORD_MODE_ORIGIN, tile, gc, 2, even);
  foreground = pixel(*second);
  xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &foreground);
  xcb_poly_point(c, XCB_COORD_MODE_ORIGIN, tile, gc, 2, odd);

  const xcb_window_t window = xcb_generate_id(c);
  const std::uint32_t values[] = {tile, 1};
  xcb_create_window(c, screen->root_depth, window, screen->root, 0, 0, screen->width_in_pixels,
                    screen->height_in_pixels, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT, values);
  xcb_map_window(c, window);
  const std::uint32_t below = XCB_STACK_MODE_BELOW;
  xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
  // A round trip: the server has handled everything above, so the window shows.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  if (xcb_connection_has_error(c)) return 1;
  std::puts("ready");
  std::fflush(stdout);
  for (;;) pause();
}
