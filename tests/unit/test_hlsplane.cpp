// The HLS picker's arithmetic: the plane and bar it paints on both hue scales, the
// points it reads back, the markers, and the value text.
#include <gtest/gtest.h>

#include <optional>

#include "colour/longcolour.h"
#include "colour/modhslv.h"
#include "tools/hlsplane.h"

namespace hk {
namespace {

class HLSPlaneTest : public ::testing::Test {
 protected:
  void TearDown() override { MaxHue = 240.0f; }
};

TEST_F(HLSPlaneTest, PlaneAndBarCellsAndColours) {
  // The plane: hue maximum, column, row, then the cell's colour.
  const struct {
    float max;
    int column, row;
    LongColour colour;
  } plane[] = {
      {240, 0, 0, RGB(255, 0, 0)},       {240, 80, 0, RGB(0, 255, 0)},
      {240, 160, 0, RGB(0, 0, 255)},     {240, 240, 0, RGB(255, 0, 0)},
      {240, 0, 120, RGB(128, 128, 128)}, {240, 0, 60, RGB(191, 64, 64)},
      {360, 40, 0, RGB(255, 255, 0)},    {360, 80, 0, RGB(0, 255, 0)},
      {360, 160, 0, RGB(0, 0, 255)},     {360, 120, 0, RGB(0, 255, 255)},
  };
  for (const auto& c : plane) {
    MaxHue = c.max;
    EXPECT_EQ(PlaneColour(c.column, c.row), c.colour) << c.max << " " << c.column << "," << c.row;
  }
  // The bar: hue maximum, hue, saturation, band, then its colour.
  const struct {
    float max, hue, sat;
    int band;
    LongColour colour;
  } bar[] = {
      {240, 80, 240, 0, RGB(255, 255, 255)}, {240, 80, 240, 120, RGB(0, 0, 0)},
      {240, 0, 240, 60, RGB(255, 0, 0)},     {240, 0, 240, 30, RGB(255, 128, 128)},
      {360, 120, 240, 60, RGB(0, 255, 0)},   {240, 120, 240, 60, RGB(0, 255, 255)},
      {360, 0, 0, 60, RGB(128, 128, 128)},
  };
  for (const auto& c : bar) {
    MaxHue = c.max;
    EXPECT_EQ(BarColour(c.hue, c.sat, c.band), c.colour) << c.max << " " << c.hue << " " << c.band;
  }
  // Cells are 1 x 2 pixels down the plane, bands 2 pixels high across the bar; the
  // last column and row lie just outside the 240 pixels.
  EXPECT_EQ(PlaneCell(0, 0), (HLSRect{0, 0, 1, 2}));
  EXPECT_EQ(PlaneCell(240, 120), (HLSRect{240, 240, 241, 242}));
  EXPECT_EQ(PlaneCell(7, 3), (HLSRect{7, 6, 8, 8}));
  EXPECT_EQ(BarBand(0, 20), (HLSRect{0, 0, 20, 2}));
  EXPECT_EQ(BarBand(120, 20), (HLSRect{0, 240, 20, 242}));
}

TEST_F(HLSPlaneTest, PointsOnThePlaneAndTheBar) {
  using HS = std::optional<HueSaturation>;
  const struct {
    float max;
    double x, y;
    HS want;
  } plane[] = {
      {240, 0, 0, HueSaturation{0, 240}},
      {240, 240, 240, HueSaturation{240, 0}},
      {240, 120, 60, HueSaturation{120, 180}},
      {360, 1, 0, HueSaturation{2, 240}},  // 1.5
      {360, 3, 0, HueSaturation{4, 240}},  // 4.5
      {360, 133.4, 239.6, HueSaturation{200, 0}},
      {240, -0.1, 0, std::nullopt},
      {240, 240.1, 0, std::nullopt},
      {240, 0, -0.1, std::nullopt},
      {240, 0, 240.1, std::nullopt},
  };
  for (const auto& c : plane) {
    MaxHue = c.max;
    EXPECT_EQ(PlanePoint(c.x, c.y, 240, 240), c.want) << c.max << " " << c.x << "," << c.y;
  }
  const struct {
    double y;
    std::optional<float> want;
  } bar[] = {
      {0, 240.0f}, {240, 0.0f},          {120, 120.0f},
      {1, 239.0f}, {-0.1, std::nullopt}, {240.1, std::nullopt},
  };
  for (const auto& c : bar) EXPECT_EQ(BarLightness(c.y, 240), c.want) << c.y;

  // Every whole value placed on the plane or the bar reads back as itself.
  for (float max : {240.0f, 360.0f}) {
    MaxHue = max;
    for (int h = 0; h <= static_cast<int>(max); ++h) {
      for (int s = 0; s <= 240; s += 7) {
        const auto back = PlanePoint(PlaneX(static_cast<float>(h), 240),
                                     PlaneY(static_cast<float>(s), 240), 240, 240);
        ASSERT_EQ(back, (HueSaturation{static_cast<float>(h), static_cast<float>(s)}))
            << max << " " << h << " " << s;
      }
    }
  }
  for (int l = 0; l <= 240; ++l)
    EXPECT_EQ(BarLightness(BarY(static_cast<float>(l), 240), 240), static_cast<float>(l)) << l;
}

TEST_F(HLSPlaneTest, Markers) {
  const std::array<HLSRect, 4> cross = {
      {{86, 48, 96, 52}, {104, 48, 114, 52}, {98, 36, 102, 46}, {98, 54, 102, 64}}};
  EXPECT_EQ(CrossMarker(100, 50), cross);

  // A bar at 120 twips, 3600 high: the tip lies 90 twips below the marker's top.
  EXPECT_EQ(MarkerTop(240, 120, 3600), 30);
  EXPECT_EQ(MarkerTop(120, 120, 3600), 1830);
  EXPECT_EQ(MarkerTop(1, 120, 3600), 3615);
  EXPECT_EQ(MarkerTop(0, 120, 3600), 3630);

  // Marker at 1830 held 90 twips below its top; the pointer's height below the top.
  using Step = std::optional<MarkerStep>;
  const struct {
    double y;
    Step want;
  } drag[] = {
      {90, MarkerStep{1830, 120}},   {105, MarkerStep{1845, 119}},
      {90.5, MarkerStep{1830, 120}}, {91.5, MarkerStep{1832, 120}},  // halves to even
      {-1710, MarkerStep{30, 240}},  {-1711, std::nullopt},          // tip at the top
      {1890, MarkerStep{3630, 0}},   {1891, std::nullopt},           // and the bottom
  };
  for (const auto& c : drag) EXPECT_EQ(DragMarker(1830, 90, c.y, 120, 3600), c.want) << c.y;
}

TEST_F(HLSPlaneTest, FloatText) {
  float h = 0, s = 0, l = 0;
  RGBToHSL(90, 0, 0, h, s, l);
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {120.0f, "120"},          {0.0f, "0"},     {1.5f, "1.5"},
      {359.5f, "359.5"},        {0.1f, "0.1"},   {l, "42.35294"},
      {200.0f / 3, "66.66666"}, {240.0f, "240"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace hk
