#include "picker/x11pixels.h"

#include <bit>

namespace hk {

namespace {

// One colour channel of a pixel value, scaled to eight bits.
struct Channel {
  std::uint32_t mask;
  int shift;
  int bits;
  explicit Channel(std::uint32_t m)
      : mask(m), shift(m ? std::countr_zero(m) : 0), bits(std::popcount(m)) {}
  // One unbroken run of at most 16 bits: what this can scale.
  bool usable() const { return mask != 0 && bits <= 16 && std::countr_one(mask >> shift) == bits; }
  std::uint32_t operator()(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    const std::uint32_t max = (1u << bits) - 1;
    return (v * 255 + max / 2) / max;
  }
};

}  // namespace

std::optional<PixelImage> ConvertX11Pixels(const X11PixelFormat& format, const std::uint8_t* data,
                                           std::size_t size, int width, int height) {
  const int bpp = format.bitsPerPixel;
  if (width <= 0 || height <= 0 || !format.trueColour ||
      (bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) || format.scanlinePad < 8 ||
      format.scanlinePad % 8 != 0)
    return std::nullopt;
  const Channel red(format.redMask), green(format.greenMask), blue(format.blueMask);
  if (!red.usable() || !green.usable() || !blue.usable() ||
      (bpp < 32 && ((format.redMask | format.greenMask | format.blueMask) >> bpp) != 0))
    return std::nullopt;
  const std::size_t pad = static_cast<std::size_t>(format.scanlinePad);
  const std::size_t stride =
      (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + pad - 1) / pad * pad / 8;
  if (size / stride < static_cast<std::size_t>(height)) return std::nullopt;

  PixelImage image(width, height);
  const std::size_t bytes = static_cast<std::size_t>(bpp / 8);
  const bool plain = format.redMask == 0xFF0000 && format.greenMask == 0x00FF00 &&
                     format.blueMask == 0x0000FF && bytes >= 3;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = data + static_cast<std::size_t>(y) * stride;
    std::uint32_t* out = &image.at(0, y);
    if (plain) {
      // The usual 24-bit colour: the three colour bytes are read straight; in
      // 32 bits they are the low three of the value, wherever the order puts them.
      const std::size_t r = format.msbFirst ? bytes - 3 : 2;
      const std::size_t g = format.msbFirst ? bytes - 2 : 1;
      const std::size_t b = format.msbFirst ? bytes - 1 : 0;
      for (int x = 0; x < width; ++x, row += bytes)
        out[x] = std::uint32_t{row[r]} << 16 | std::uint32_t{row[g]} << 8 | std::uint32_t{row[b]};
      continue;
    }
    for (int x = 0; x < width; ++x, row += bytes) {
      std::uint32_t pixel = 0;
      for (std::size_t i = 0; i < bytes; ++i)
        pixel |= std::uint32_t{row[format.msbFirst ? i : bytes - 1 - i]} << (8 * (bytes - 1 - i));
      out[x] = red(pixel) << 16 | green(pixel) << 8 | blue(pixel);
    }
  }
  return image;
}

}  // namespace hk
