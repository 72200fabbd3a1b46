// hk_backdrop RRGGBB RRGGBB: paints the test display's whole screen with a one-pixel
// checkerboard, the first colour where x + y is even (Xvfb's root background does not show
// in what screen reads return, so a window of our own does). Prints "ready" once it shows,
// then stays below all other windows until killed. The window is override-redirect (no
// window manager moves it) and its background a tiled pixmap, which the server repaints
// itself. The display is 24-bit true colour: pixel values are 0xRRGGBB.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return 1;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;

  // A 2 x 2 tile, tiled from the root's origin: its diagonals make the checkerboard.
  const xcb_pixmap_t tile = xcb_generate_id(c);
  xcb_create_pixmap(c, screen->root_depth, tile, screen->root, 2, 2);
  const xcb_gcontext_t gc = xcb_generate_id(c);
  xcb_create_gc(c, gc, tile, 0, nullptr);
  const xcb_point_t diagonals[2][2] = {{{0, 0}, {1, 1}}, {{1, 0}, {0, 1}}};
  for (int i = 0; i < 2; ++i) {
    const std::uint32_t colour = static_cast<std::uint32_t>(std::strtoul(argv[1 + i], nullptr, 16));
    xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &colour);
    xcb_poly_point(c, XCB_COORD_MODE_ORIGIN, tile, gc, 2, diagonals[i]);
  }

  const xcb_window_t window = xcb_generate_id(c);
  const std::uint32_t values[] = {tile, 1, XCB_EVENT_MASK_VISIBILITY_CHANGE};
  xcb_create_window(c, screen->root_depth, window, screen->root, 0, 0, screen->width_in_pixels,
                    screen->height_in_pixels, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
  xcb_map_window(c, window);
  const std::uint32_t below = XCB_STACK_MODE_BELOW;
  xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
  // A round trip: the server has handled everything above, so the window shows.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  if (xcb_connection_has_error(c)) return 1;
  std::puts("ready");
  std::fflush(stdout);
  // Back below every window whenever it was raised (openbox does so with two monitors).
  for (xcb_generic_event_t* e; (e = xcb_wait_for_event(c)) != nullptr; std::free(e)) {
    xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
    xcb_flush(c);
  }
}
