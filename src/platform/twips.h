// Geometry of the windows is kept in twips: 15 twips make one pixel at 96 dpi.
// Qt's device-independent pixels are 96-dpi pixels, so one conversion serves.
#pragma once

#include <cmath>

namespace hk {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace hk
