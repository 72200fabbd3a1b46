#include "colour/modcmyk.h"

#include <algorithm>

#include "colour/numbers.h"

namespace hk {

void RGBToCMY(std::int32_t in1, std::int32_t in2, std::int32_t in3, std::int32_t& out1,
              std::int32_t& out2, std::int32_t& out3) {
  out1 = 255 - in1;
  out2 = 255 - in2;
  out3 = 255 - in3;
}

void RGBToCMYK(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t& c,
               std::int32_t& m, std::int32_t& y, std::int32_t& k) {
  const std::int32_t black = std::min({255 - red, 255 - green, 255 - blue});
  if (black == 255) {
    c = m = y = k = 255;
    return;
  }
  // Whole-number products, floating-point quotient, halves to even.
  const double scale = 255.0 - black;
  c = static_cast<std::int32_t>(RoundHalfEven((255 - red - black) * 255 / scale));
  m = static_cast<std::int32_t>(RoundHalfEven((255 - green - black) * 255 / scale));
  y = static_cast<std::int32_t>(RoundHalfEven((255 - blue - black) * 255 / scale));
  k = black;
}

namespace {
std::int32_t InkToChannel(std::int32_t ink, std::int32_t k) {
  const double covered = RoundHalfEven(static_cast<double>(ink * (255 - k)) / 255.0 + k);
  return 255 - static_cast<std::int32_t>(std::min(255.0, covered));
}
}  // namespace

void CMYKToRGB(std::int32_t c, std::int32_t m, std::int32_t y, std::int32_t k,
               std::int32_t& red, std::int32_t& green, std::int32_t& blue) {
  red = InkToChannel(c, k);
  green = InkToChannel(m, k);
  blue = InkToChannel(y, k);
}

CMYK RGBToCMYK(LongColour colour) {
  CMYK out;
  RGBToCMYK(RedOf(colour), GreenOf(colour), BlueOf(colour), out.c, out.m, out.y, out.k);
  return out;
}

LongColour CMYToLong(std::int32_t c, std::int32_t m, std::int32_t y) {
  return RGB(255 - c, 255 - m, 255 - y);
}

LongColour CMYKToLong(std::int32_t c, std::int32_t m, std::int32_t y, std::int32_t k) {
  std::int32_t r = 0, g = 0, b = 0;
  CMYKToRGB(c, m, y, k, r, g, b);
  return RGB(r, g, b);
}

}  // namespace hk
