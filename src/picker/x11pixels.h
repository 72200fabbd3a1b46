// Pixels as an X server sends them, in any true-colour layout, turned into 0x00RRGGBB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "picker/pixelimage.h"

namespace hk {

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
std::optional<PixelImage> ConvertX11Pixels(const X11PixelFormat& format, const std::uint8_t* data,
                                           std::size_t size, int width, int height);

}  // namespace hk
