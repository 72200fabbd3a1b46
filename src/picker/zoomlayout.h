// The magnifier's arithmetic: where the viewport, the enlarged view, the scroll
// bars and the marker go at each zoom, and which picture pixel a point of the
// view shows.
#pragma once

#include "picker/pixelimage.h"

namespace hk {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 16;

struct ZoomGeometry {
  PixelRect frame;   // the viewport's design rectangle, twips
  int vsWidth = 0;   // the vertical scroll bar's width, twips
  int hsHeight = 0;  // the horizontal scroll bar's height, twips
};

struct ZoomLayout {
  bool barsVisible = false;
  PixelRect frame;    // Frame1, twips
  PixelRect picture;  // Picture1 inside Frame1 before panning, twips
  PixelRect hsBar;    // HsP, twips
  PixelRect vsBar;    // VsP, twips
  int hsMax = 0;      // the bars' ranges (0 to max) and starting values, pixels
  int vsMax = 0;
  int hsValue = 0;
  int vsValue = 0;
  int shapeLeft = 0;  // Shape2 inside Picture1, pixels
  int shapeTop = 0;
};

// Lays the magnifier out for `zoom` (1 to 16).
ZoomLayout LayoutZoom(int zoom, const ZoomGeometry& design);

// The picture pixel shown at `viewPixel` when a picture `pictureExtent` pixels
// long is stretched over `viewExtent` pixels: each picture pixel repeated, none
// smoothed.
int ViewToPicture(int viewPixel, int viewExtent, int pictureExtent);

}  // namespace hk
