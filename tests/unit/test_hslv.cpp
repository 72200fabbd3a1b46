// Hue, saturation, lightness and value: known colours and the hue's tie cases on both
// scales, and known values back to channels. bench/bench_hue.cpp compares the whole
// cube with the arithmetic written out step by step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "colour/longcolour.h"
#include "colour/modhslv.h"

namespace hk {
namespace {

class HSLTest : public ::testing::Test {
 protected:
  void TearDown() override {
    MaxHue = 240.0f;
    SetMessageSink(nullptr);
  }
};

TEST_F(HSLTest, KnownColoursToHSLAndHSV) {
  // Hue maximum, channels, then hue, saturation, lightness and the HSV saturation
  // and value (the HSV hue is the same hue).
  const struct { float max; int r, g, b; float h, s, l, vs, v; } cases[] = {
      {240, 255, 255, 255, 0, 0, 240, 0, 240},      {240, 0, 0, 0, 0, 0, 0, 0, 0},
      {240, 255, 0, 0, 0, 240, 120, 240, 240},      {240, 0, 255, 0, 80, 240, 120, 240, 240},
      {360, 0, 255, 0, 120, 240, 120, 240, 240},    {240, 255, 0, 128, 220, 240, 120, 240, 240},
      {360, 255, 0, 128, 330, 240, 120, 240, 240},  {360, 255, 128, 0, 30, 240, 120, 240, 240},
      {240, 0, 0, 255, 160, 240, 120, 240, 240},
      // The hue's differences are taken in double: 4.4996 and 22.5 exactly (to 22).
      {240, 81, 10, 1, 4, 234.1463f, 38.58824f, 237.037f, 76.2353f},
      {360, 9, 4, 1, 22, 192, 4.705883f, 213.3333f, 8.470589f},
      {360, 33, 5, 1, 7, 225.8824f, 16, 232.7273f, 31.05882f},
  };
  for (const auto& c : cases) {
    MaxHue = c.max;
    float h, s, l, vh, vs, v;
    RGBToHSL(c.r, c.g, c.b, h, s, l);
    RGBToHSV(c.r, c.g, c.b, vh, vs, v);
    const float got[] = {h, s, l, vh, vs, v}, want[] = {c.h, c.s, c.l, c.h, c.vs, c.v};
    for (int i = 0; i < 6; ++i) {
      EXPECT_NEAR(got[i], want[i], 1e-3) << c.r << "," << c.g << "," << c.b << " on " << c.max
                                         << ", value " << i;
    }
  }
}

TEST_F(HSLTest, KnownValuesToRGB) {
  const struct { bool hsv; float max, h, s, x; int r, g, b; } cases[] = {
      {false, 240, 0, 240, 120, 255, 0, 0},  {false, 240, 160, 240, 120, 0, 0, 255},
      {false, 360, 120, 240, 120, 0, 255, 0},  {false, 240, 77, 0, 60, 64, 64, 64},
      {true, 240, 30, 240, 240, 255, 191, 0},  {true, 240, 200, 240, 0, 0, 0, 0},
      {true, 240, 200, 0, 120, 128, 128, 128},  {true, 240, 240, 240, 240, 255, 0, 0},
      {true, 360, 360, 240, 240, 255, 0, 0},  {true, 240, -20, 240, 240, 255, 0, 128},
      // Every sextant of HSV, every part of the HSL ramp, both halves of lightness.
      {true, 240, 50, 200, 180, 151, 191, 32},  {true, 240, 90, 200, 180, 32, 191, 72},
      {true, 240, 130, 200, 180, 32, 151, 191},  {true, 240, 170, 200, 180, 72, 32, 191},
      {true, 240, 210, 200, 180, 191, 32, 151},  {false, 240, 20, 180, 90, 167, 96, 24},
      {false, 240, 100, 180, 90, 24, 167, 96},  {false, 240, 140, 180, 170, 125, 181, 236},
      {false, 240, 230, 180, 170, 236, 125, 153},
  };
  for (const auto& c : cases) {
    MaxHue = c.max;
    int r = -1, g = -1, b = -1;
    (c.hsv ? HSVToRGB : HSLToRGB)(c.h, c.s, c.x, r, g, b);
    EXPECT_EQ(RGB(r, g, b), RGB(c.r, c.g, c.b)) << c.hsv << " " << c.h << "," << c.s << "," << c.x;
  }
}

TEST_F(HSLTest, HSVOutOfRangeHueTellsTheUserAndGivesBlack) {
  std::vector<std::string> messages;
  SetMessageSink([&](std::string_view m) { messages.emplace_back(m); });
  int r = 1, g = 1, b = 1;
  for (const float hue : {400.0f, -100.0f, std::nanf("")}) {
    HSVToRGB(hue, 240, 240, r, g, b);
    EXPECT_EQ(RGB(r, g, b), 0) << hue;
  }
  HSVToRGB(230, 240, 240, r, g, b);  // in range: no message
  EXPECT_EQ(messages, std::vector<std::string>(3, "Unable to convert HSV to RGB!"));
}

}  // namespace
}  // namespace hk
