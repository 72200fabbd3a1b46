// Conversions between red-green-blue channels and the ink models CMY and CMYK.
// Every value, channel or ink, is a whole number on the 0-255 scale.
#pragma once

#include <cstdint>

#include "colour/longcolour.h"

namespace hk {

struct CMYK {
  std::int32_t c = 0, m = 0, y = 0, k = 0;
  friend bool operator==(const CMYK&, const CMYK&) = default;
};

// Each output is 255 minus its input; with the roles swapped it is also CMY to RGB.
void RGBToCMY(std::int32_t in1, std::int32_t in2, std::int32_t in3, std::int32_t& out1,
              std::int32_t& out2, std::int32_t& out3);
inline void CMYToRGB(std::int32_t c, std::int32_t m, std::int32_t y, std::int32_t& r,
                     std::int32_t& g, std::int32_t& b) {
  RGBToCMY(c, m, y, r, g, b);
}

void RGBToCMYK(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t& c,
               std::int32_t& m, std::int32_t& y, std::int32_t& k);
void CMYKToRGB(std::int32_t c, std::int32_t m, std::int32_t y, std::int32_t k,
               std::int32_t& red, std::int32_t& green, std::int32_t& blue);

CMYK RGBToCMYK(LongColour colour);
LongColour CMYToLong(std::int32_t c, std::int32_t m, std::int32_t y);
LongColour CMYKToLong(std::int32_t c, std::int32_t m, std::int32_t y, std::int32_t k);

}  // namespace hk
