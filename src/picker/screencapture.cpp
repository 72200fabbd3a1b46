#include <algorithm>

#include "picker/screensource.h"

namespace hk {

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.right(), b.right());
  const int bottom = std::min(a.bottom(), b.bottom());
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

std::optional<PixelImage> ComposeCapture(const PixelRect& area,
                                         const std::vector<PixelRect>& monitors,
                                         const RectReader& read) {
  if (area.empty()) return std::nullopt;
  PixelImage image(area.width, area.height, kNeutralFill);
  for (const PixelRect& monitor : monitors) {
    const PixelRect part = Intersect(area, monitor);
    if (part.empty()) continue;
    const std::optional<PixelImage> pixels = read(part);
    if (!pixels || pixels->width != part.width || pixels->height != part.height)
      return std::nullopt;
    for (int y = 0; y < part.height; ++y) {
      const auto* from =
          &pixels->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(part.width)];
      std::copy(from, from + part.width, &image.at(part.left - area.left, part.top - area.top + y));
    }
  }
  return image;
}

}  // namespace hk
