// The screen of an X11 session read through XCB: the pointer and the root
// window's pixels in the server's own pixels, whatever scale factor Qt uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "picker/screensource.h"
#include "picker/x11pixels.h"

struct xcb_connection_t;

namespace hk {

class X11ScreenSource : public ScreenSource {
 public:
  // Nothing when the screen cannot be read through X11: another Qt platform, a
  // Wayland session (there the root window holds only X clients' pixels), or no
  // connection.
  static std::unique_ptr<X11ScreenSource> Create();

  std::optional<ScreenPoint> PointerPosition() override;
  std::optional<PixelImage> Capture(const PixelRect& area) override;
  void MovePointer(int dx, int dy) override;

  // The monitors as the server reports them now, each clipped to the root; the
  // whole root when it reports none.
  std::vector<PixelRect> Monitors();

 private:
  X11ScreenSource(xcb_connection_t* connection, std::uint32_t root, PixelRect rootRect,
                  X11PixelFormat format, bool randr);
  std::optional<PixelImage> ReadRect(const PixelRect& rect);

  xcb_connection_t* connection_;
  std::uint32_t root_;
  PixelRect rootRect_;
  X11PixelFormat format_;
  bool randr_;  // the server offers RandR 1.5 monitors
};

}  // namespace hk
