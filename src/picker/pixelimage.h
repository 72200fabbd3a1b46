// A picture of the screen in plain memory: rows of 0x00RRGGBB pixels, top row
// first.
#pragma once

#include <cstdint>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }   // one past the last column
  int bottom() const { return top + height; }  // one past the last row
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const PixelRect&) const = default;
};

// The overlap of two rectangles; empty when they do not meet.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, width * height of them

  PixelImage() = default;
  PixelImage(int w, int h, std::uint32_t fill = 0)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t& at(int x, int y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  // The Long colour (0x00BBGGRR) of one pixel.
  LongColour ColourAt(int x, int y) const {
    const std::uint32_t p = at(x, y);
    return RGB(static_cast<std::int32_t>(p >> 16 & 0xFF), static_cast<std::int32_t>(p >> 8 & 0xFF),
               static_cast<std::int32_t>(p & 0xFF));
  }
};

}  // namespace hk
