// The magnifier's layout at each zoom, the block a point of the enlarged view shows,
// and the bytes of the capture file.
#include <gtest/gtest.h>

#include "picker/bmpfile.h"
#include "picker/zoomlayout.h"

namespace hk {
namespace {

// The viewport's design place, with 255-twip (17-pixel) scroll bars.
const ZoomGeometry kDesign{{630, 45, 1650, 1530}, 255, 255};

TEST(Magnifier, LayoutAtEachZoom) {
  // With bars, the viewport shrinks by them and they lie along its bottom and right.
  const PixelRect frame{630, 45, 1395, 1275}, hs{630, 1320, 1395, 255}, vs{2025, 45, 255, 1275};
  // clang-format off
  const struct {
    int zoom;
    ZoomLayout expected;
  } cases[] = {
      // 1x: the design viewport, no bars, the marker around pixel (55, 51).
      {1, {false, {630, 45, 1650, 1530}, {0, 0, 1650, 1530}, {}, {}, 0, 0, 0, 0, 53, 49}},
      // 3x: 330 x 306 pixels; the bars span the overflow and start in the middle.
      {3, {true, frame, {0, 0, 4950, 4590}, hs, vs, 237, 221, 118, 110, 163, 151}},
      // 4x: 440 x 408 pixels.
      {4, {true, frame, {0, 0, 6600, 6120}, hs, vs, 347, 323, 173, 161, 218, 202}},
      {16, {true, frame, {0, 0, 26400, 24480}, hs, vs, 1667, 1547, 833, 773, 878, 814}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zoom);
    const ZoomLayout got = LayoutZoom(c.zoom, kDesign);
    const ZoomLayout& e = c.expected;
    EXPECT_EQ(got.barsVisible, e.barsVisible);
    EXPECT_EQ(got.frame, e.frame);
    EXPECT_EQ(got.picture, e.picture);
    if (e.barsVisible) {
      EXPECT_EQ(got.hsBar, e.hsBar);
      EXPECT_EQ(got.vsBar, e.vsBar);
    }
    EXPECT_EQ(std::vector<int>({got.hsMax, got.vsMax, got.hsValue, got.vsValue}),
              std::vector<int>({e.hsMax, e.vsMax, e.hsValue, e.vsValue}));
    EXPECT_EQ(std::make_pair(got.shapeLeft, got.shapeTop), std::make_pair(e.shapeLeft, e.shapeTop));
  }
}

TEST(Magnifier, EachPicturePixelIsABlockOfTheView) {
  const struct {
    int view, viewExtent, pictureExtent, picture;
  } cases[] = {
      {0, 330, 110, 0},
      {2, 330, 110, 0},
      {3, 330, 110, 1},
      {165, 330, 110, 55},
      {329, 330, 110, 109},
      {330, 330, 110, -1},
      {-1, 330, 110, -1},
      // A pasted picture is stretched over the view: each view pixel shows one of it.
      {109, 110, 800, 792},
      {5, 110, 11, 0},
      {10, 110, 11, 1},
      // Nothing to show.
      {0, 0, 110, -1},
      {0, 110, 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ViewToPicture(c.view, c.viewExtent, c.pictureExtent), c.picture)
        << c.view << " of " << c.viewExtent << " over " << c.pictureExtent;
  }
}

TEST(Magnifier, CaptureFileIsA24BitBottomUpBitmapWithPaddedRows) {
  PixelImage image(2, 2);
  image.at(0, 0) = 0x112233;
  image.at(1, 0) = 0x445566;
  image.at(0, 1) = 0xAABBCC;
  image.at(1, 1) = 0xDDEEFF;
  const std::string header = std::string("BM") + std::string("\x46\0\0\0", 4) +
                             std::string(4, '\0') + std::string("\x36\0\0\0", 4) +
                             std::string("\x28\0\0\0", 4) + std::string("\x02\0\0\0", 4) +
                             std::string("\x02\0\0\0", 4) + std::string("\x01\0\x18\0", 4) +
                             std::string(4, '\0') + std::string("\x10\0\0\0", 4) +
                             std::string("\xC4\x0E\0\0\xC4\x0E\0\0", 8) + std::string(8, '\0');
  // Rows of 6 bytes padded to 8, the bottom row first, each pixel blue, green, red.
  const std::string pixels = std::string("\xCC\xBB\xAA\xFF\xEE\xDD\0\0", 8) +
                             std::string("\x33\x22\x11\x66\x55\x44\0\0", 8);
  EXPECT_EQ(::testing::PrintToString(EncodeBmp24(image)),
            ::testing::PrintToString(header + pixels));
}

}  // namespace
}  // namespace hk
