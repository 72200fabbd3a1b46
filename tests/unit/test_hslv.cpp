// Hue, saturation, lightness and value: known colours on both hue scales, agreement
// with the textbook formulas, and the way back to channels.
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

class HueScale : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = MaxHue; }
  void TearDown() override {
    MaxHue = saved_;
    SetMessageSink(nullptr);
  }
  float saved_ = 240.0f;
};

using HSLTest = HueScale;

TEST_F(HSLTest, KnownColoursToHSLAndHSV) {
  struct Case {
    float maxHue;
    int r, g, b;
    float h, s, l;     // HSL
    float vh, vs, vv;  // HSV
  };
  const Case cases[] = {
      {240, 255, 255, 255, 0, 0, 240, 0, 0, 240},
      {240, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {240, 255, 0, 0, 0, 240, 120, 0, 240, 240},
      {240, 0, 255, 0, 80, 240, 120, 80, 240, 240},
      {360, 0, 255, 0, 120, 240, 120, 120, 240, 240},
      {240, 255, 0, 128, 220, 240, 120, 220, 240, 240},
      {360, 255, 0, 128, 330, 240, 120, 330, 240, 240},
      {360, 255, 128, 0, 30, 240, 120, 30, 240, 240},  // 30.12 rounded
      {240, 0, 0, 255, 160, 240, 120, 160, 240, 240},
  };
  for (const Case& c : cases) {
    MaxHue = c.maxHue;
    float h = -1, s = -1, l = -1;
    RGBToHSL(c.r, c.g, c.b, h, s, l);
    EXPECT_FLOAT_EQ(h, c.h) << c.r << "," << c.g << "," << c.b << " on " << c.maxHue;
    EXPECT_FLOAT_EQ(s, c.s) << c.r << "," << c.g << "," << c.b;
    EXPECT_FLOAT_EQ(l, c.l) << c.r << "," << c.g << "," << c.b;
    RGBToHSV(c.r, c.g, c.b, h, s, l);
    EXPECT_FLOAT_EQ(h, c.vh) << c.r << "," << c.g << "," << c.b << " on " << c.maxHue;
    EXPECT_FLOAT_EQ(s, c.vs) << c.r << "," << c.g << "," << c.b;
    EXPECT_FLOAT_EQ(l, c.vv) << c.r << "," << c.g << "," << c.b;
  }
}

TEST_F(HSLTest, KnownValuesToRGB) {
  struct Case {
    bool hsv;
    float maxHue, h, s, x;
    int r, g, b;
  };
  const Case cases[] = {
      {false, 240, 0, 240, 120, 255, 0, 0},
      {false, 240, 160, 240, 120, 0, 0, 255},
      {false, 360, 120, 240, 120, 0, 255, 0},
      {false, 240, 77, 0, 60, 64, 64, 64},  // no saturation: a grey
      {true, 240, 30, 240, 240, 255, 191, 0},
      {true, 240, 200, 240, 0, 0, 0, 0},      // no value: black whatever the hue
      {true, 240, 200, 0, 120, 128, 128, 128},  // no saturation: grey of the value
      {true, 240, 240, 240, 240, 255, 0, 0},  // hue at the maximum: the sextant after 5
      {true, 360, 360, 240, 240, 255, 0, 0},
      {true, 240, -20, 240, 240, 255, 0, 128},  // just below zero: sextant -1
  };
  for (const Case& c : cases) {
    MaxHue = c.maxHue;
    int r = -1, g = -1, b = -1;
    if (c.hsv) {
      HSVToRGB(c.h, c.s, c.x, r, g, b);
    } else {
      HSLToRGB(c.h, c.s, c.x, r, g, b);
    }
    EXPECT_EQ(RGB(r, g, b), RGB(c.r, c.g, c.b))
        << (c.hsv ? "HSV " : "HSL ") << c.h << "," << c.s << "," << c.x << " -> " << r << ","
        << g << "," << b;
  }
}

TEST_F(HSLTest, HSVOutOfRangeHueTellsTheUserAndGivesBlack) {
  std::vector<std::string> messages;
  SetMessageSink([&](std::string_view m) { messages.emplace_back(m); });
  MaxHue = 240;
  int r = 1, g = 1, b = 1;
  HSVToRGB(400, 240, 240, r, g, b);
  EXPECT_EQ(RGB(r, g, b), 0);
  HSVToRGB(-100, 240, 240, r, g, b);
  EXPECT_EQ(RGB(r, g, b), 0);
  HSVToRGB(std::nanf(""), 240, 240, r, g, b);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], "Unable to convert HSV to RGB!");
  HSVToRGB(230, 240, 240, r, g, b);  // in range: no message
  EXPECT_EQ(messages.size(), 3u);
}

// Textbook HSL/HSV in double precision, independent of the program's code path.
struct Reference {
  double h, s, l, vs, v;
};
Reference Textbook(int red, int green, int blue, double maxHue) {
  const double r = red / 255.0, g = green / 255.0, b = blue / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
  Reference ref{};
  ref.l = (mx + mn) / 2 * 240;
  ref.v = mx * 240;
  if (d > 0) {
    ref.s = (ref.l <= 120 ? d / (mx + mn) : d / (2 - mx - mn)) * 240;
    double h = r == mx ? (g - b) / d : g == mx ? 2 + (b - r) / d : 4 + (r - g) / d;
    if (h < 0) h += 6;
    ref.h = h * maxHue / 6;
  }
  ref.vs = mx > 0 ? d / mx * 240 : 0;
  return ref;
}

// Hue is an angle: 0 and the hue maximum are the same hue.
double HueDistance(double a, double b, double maxHue) {
  const double d = std::fmod(std::abs(a - b), maxHue);
  return std::min(d, maxHue - d);
}

TEST_F(HSLTest, AgreesWithTextbookAndReturnsToTheColour) {
  for (const float maxHue : {240.0f, 360.0f}) {
    MaxHue = maxHue;
    // The red-max hue is rounded to a whole number; that half unit moves the middle
    // channel by at most 6 / hue maximum * 255 / 2 on the way back.
    const int redMaxSlack = maxHue == 240.0f ? 3 : 2;
    unsigned seed = 12345;
    for (int n = 0; n < 200000; ++n) {
      seed = seed * 1103515245u + 12345u;
      const LongColour colour = static_cast<LongColour>((seed >> 4) & 0xFFFFFF);
      const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
      const Reference ref = Textbook(r, g, b, maxHue);
      const bool redMax = r >= g && r >= b && !(r == g && g == b);

      float h = 0, s = 0, l = 0;
      RGBToHSL(r, g, b, h, s, l);
      ASSERT_TRUE(h >= 0 && h < maxHue && !std::signbit(h)) << h;
      ASSERT_LE(HueDistance(h, ref.h, maxHue), redMax ? 0.5001 : 1e-3) << r << "," << g << "," << b;
      ASSERT_NEAR(s, ref.s, 1e-3) << r << "," << g << "," << b;
      ASSERT_NEAR(l, ref.l, 1e-3) << r << "," << g << "," << b;
      int r2 = 0, g2 = 0, b2 = 0;
      HSLToRGB(h, s, l, r2, g2, b2);
      const int slack = redMax ? redMaxSlack : 0;
      ASSERT_LE(std::abs(r2 - r), slack) << "HSL " << r << "," << g << "," << b;
      ASSERT_LE(std::abs(g2 - g), slack) << "HSL " << r << "," << g << "," << b;
      ASSERT_LE(std::abs(b2 - b), slack) << "HSL " << r << "," << g << "," << b;

      float v = 0;
      RGBToHSV(r, g, b, h, s, v);
      ASSERT_LE(HueDistance(h, ref.h, maxHue), redMax ? 0.5001 : 1e-3) << r << "," << g << "," << b;
      ASSERT_NEAR(s, ref.vs, 1e-3) << r << "," << g << "," << b;
      ASSERT_NEAR(v, ref.v, 1e-3) << r << "," << g << "," << b;
      HSVToRGB(h, s, v, r2, g2, b2);
      ASSERT_LE(std::abs(r2 - r), slack) << "HSV " << r << "," << g << "," << b;
      ASSERT_LE(std::abs(g2 - g), slack) << "HSV " << r << "," << g << "," << b;
      ASSERT_LE(std::abs(b2 - b), slack) << "HSV " << r << "," << g << "," << b;
    }
  }
}

TEST(MaxMin, PicksLargestAndSmallest) {
  const float cases[][5] = {{1, 2, 3, 3, 1}, {3, 2, 1, 3, 1}, {2, 3, 1, 3, 1},
                            {0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, {-1, 0, -2, 0, -2}};
  for (const auto& c : cases) {
    EXPECT_EQ(Max3(c[0], c[1], c[2]), c[3]);
    EXPECT_EQ(Min3(c[0], c[1], c[2]), c[4]);
  }
}

}  // namespace
}  // namespace hk
