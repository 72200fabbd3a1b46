// The channel record and the ink models: what a colour splits into and how the
// inks turn back into channels.
#include <gtest/gtest.h>

#include <cstdint>

#include "colour/longcolour.h"
#include "colour/modcmyk.h"

namespace hk {
namespace {

TEST(ChannelRecord, SplitsAndJoinsByBytes) {
  struct Case {
    std::uint32_t assigned;
    int r, g, b;
    LongColour joined;
  };
  const Case cases[] = {
      {0x00FF8040u, 64, 128, 255, 16744512},
      {0x12FF8040u, 64, 128, 255, 0x00FF8040},  // top byte dropped
      {0x80000005u, 5, 0, 0, 5},                // a system colour splits like any value
      {0x00FFFFFFu, 255, 255, 255, 16777215},
      {0xFFFFFFFFu, 255, 255, 255, 16777215},
      {0u, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    cRGB rec;
    rec.setRGB(static_cast<LongColour>(c.assigned));
    EXPECT_EQ(rec.R(), c.r) << std::hex << c.assigned;
    EXPECT_EQ(rec.G(), c.g) << std::hex << c.assigned;
    EXPECT_EQ(rec.B(), c.b) << std::hex << c.assigned;
    EXPECT_EQ(rec.RGB(), c.joined) << std::hex << c.assigned;
  }
}

TEST(ChannelRecord, SettersKeepTheLowByte) {
  cRGB rec;
  EXPECT_EQ(rec.RGB(), 0) << "a new record is black";
  rec.setR(256);
  EXPECT_EQ(rec.R(), 0);
  rec.setR(-1);
  EXPECT_EQ(rec.R(), 255);
  rec.setG(300);
  EXPECT_EQ(rec.G(), 44);
  rec.setB(-256);
  EXPECT_EQ(rec.B(), 0);
  EXPECT_EQ(rec.RGB(), 255 + 44 * 256);
}

TEST(Inks, RGBToCMYKKnownColours) {
  struct Case {
    int r, g, b;
    CMYK inks;
  };
  const Case cases[] = {
      {0, 0, 0, {255, 255, 255, 255}},
      {255, 255, 255, {0, 0, 0, 0}},
      {255, 0, 0, {0, 255, 255, 0}},
      {255, 128, 64, {0, 127, 191, 0}},
      {128, 128, 128, {0, 0, 0, 127}},
      {100, 150, 200, {128, 64, 0, 55}},  // cyan 127.5 goes to the even 128
      {1, 0, 0, {0, 255, 255, 254}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RGBToCMYK(RGB(c.r, c.g, c.b)), c.inks) << c.r << "," << c.g << "," << c.b;
  }
}

TEST(Inks, CMYKToRGBKnownInks) {
  struct Case {
    CMYK inks;
    int r, g, b;
  };
  const Case cases[] = {
      {{0, 0, 0, 255}, 0, 0, 0},
      {{100, 100, 100, 0}, 155, 155, 155},
      {{255, 255, 255, 255}, 0, 0, 0},
      {{0, 127, 191, 0}, 255, 128, 64},
      {{0, 0, 0, 0}, 255, 255, 255},
      {{255, 0, 0, 128}, 0, 127, 127},
  };
  for (const Case& c : cases) {
    int r = -1, g = -1, b = -1;
    CMYKToRGB(c.inks.c, c.inks.m, c.inks.y, c.inks.k, r, g, b);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(g, c.g);
    EXPECT_EQ(b, c.b);
    EXPECT_EQ(CMYKToLong(c.inks.c, c.inks.m, c.inks.y, c.inks.k), RGB(c.r, c.g, c.b));
  }
}

TEST(Inks, CMYAndCMYKRoundTripEveryColour) {
  // Sweeps the whole cube with a stride that still touches every channel value.
  for (LongColour colour = 0; colour <= 0xFFFFFF; colour += 7) {
    const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    int c = 0, m = 0, y = 0;
    RGBToCMY(r, g, b, c, m, y);
    ASSERT_EQ(CMYToLong(c, m, y), colour);
    int r2 = 0, g2 = 0, b2 = 0;
    CMYToRGB(c, m, y, r2, g2, b2);
    ASSERT_EQ(RGB(r2, g2, b2), colour);

    const CMYK inks = RGBToCMYK(colour);
    ASSERT_TRUE(inks.c >= 0 && inks.c <= 255 && inks.m >= 0 && inks.m <= 255 &&
                inks.y >= 0 && inks.y <= 255 && inks.k >= 0 && inks.k <= 255);
    ASSERT_EQ(CMYKToLong(inks.c, inks.m, inks.y, inks.k), colour) << colour;
  }
}

}  // namespace
}  // namespace hk
