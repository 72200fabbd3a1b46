// The screen of an X11 session read through XCB: the pointer and the root
// window's pixels in the server's own pixels, whatever scale factor Qt uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "picker/screensource.h"

struct xcb_connection_t;

// How the server lays out the pixels of an image of the root window.
struct X11PixelFormat {
  int bitsPerPixel = 32;
  int scanlinePad = 32;    // each row is padded to a multiple of this many bits
  bool msbFirst = false;   // the image byte order: most significant byte first
  bool trueColour = true;  // pixel values are colours, not colour map indexes
  std::uint32_t redMask = 0xFF0000;
  std::uint32_t greenMask = 0x00FF00;
  std::uint32_t blueMask = 0x0000FF;
};

// An image's bytes as 0x00RRGGBB pixels; nothing when the layout is one this
// cannot read or the bytes are too few, never a guessed colour.
std::optional<hk::PixelImage> ConvertX11Pixels(const X11PixelFormat& format,
                                               const std::uint8_t* data, std::size_t size,
                                               int width, int height);

class X11ScreenSource : public hk::ScreenSource {
 public:
  // Nothing when the screen cannot be read through X11: another Qt platform, a
  // Wayland session (there the root window holds only X clients' pixels), or no
  // connection.
  static std::unique_ptr<X11ScreenSource> Create();

  std::optional<hk::ScreenPoint> PointerPosition() override;
  std::optional<hk::PixelImage> Capture(const hk::PixelRect& area) override;

  // The monitors as the server reports them now, each clipped to the root; the
  // whole root when it reports none.
  std::vector<hk::PixelRect> Monitors();

 private:
  X11ScreenSource(xcb_connection_t* connection, std::uint32_t root, hk::PixelRect rootRect,
                  X11PixelFormat format, bool randr);
  std::optional<hk::PixelImage> ReadRect(const hk::PixelRect& rect);

  xcb_connection_t* connection_;
  std::uint32_t root_;
  hk::PixelRect rootRect_;
  X11PixelFormat format_;
  bool randr_;  // the server offers RandR 1.5 monitors
};
