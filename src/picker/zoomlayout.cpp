#include "picker/zoomlayout.h"

#include <cstdint>

namespace hk {

namespace {
constexpr int kTwipsPerPixel = 15;
}

ZoomLayout LayoutZoom(int zoom, const ZoomGeometry& design) {
  ZoomLayout layout;
  const PixelRect& d = design.frame;
  if (zoom <= 1) {
    layout.frame = d;
    layout.picture = {0, 0, d.width, d.height};
  } else {
    layout.barsVisible = true;
    layout.frame = {d.left, d.top, d.width - design.vsWidth, d.height - design.hsHeight};
    const PixelRect& f = layout.frame;
    layout.hsBar = {f.left, f.top + f.height, f.width, design.hsHeight};
    layout.vsBar = {f.left + f.width, f.top, design.vsWidth, f.height};
    layout.picture = {0, 0, zoom * d.width, zoom * d.height};
    layout.hsMax = (layout.picture.width - f.width) / kTwipsPerPixel;
    layout.vsMax = (layout.picture.height - f.height) / kTwipsPerPixel;
    layout.hsValue = layout.hsMax / 2;
    layout.vsValue = layout.vsMax / 2;
  }
  layout.shapeLeft = layout.picture.width / kTwipsPerPixel / 2 - 2;
  layout.shapeTop = layout.picture.height / kTwipsPerPixel / 2 - 2;
  return layout;
}

int ViewToPicture(int viewPixel, int viewExtent, int pictureExtent) {
  if (viewExtent <= 0 || pictureExtent <= 0 || viewPixel < 0) return -1;
  const auto p = static_cast<std::int64_t>(viewPixel) * pictureExtent / viewExtent;
  return p < pictureExtent ? static_cast<int>(p) : -1;
}

}  // namespace hk
