// The channel record, the ink models, and the values the channel editors show and
// edit in each colour mode.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "colour/modcmyk.h"
#include "colour/modhslv.h"
#include "mainwindow/colourstate.h"

namespace hk {
namespace {

TEST(ChannelRecord, KeepsTheLowByteOfEachChannel) {
  const std::pair<std::uint32_t, std::array<int, 3>> cases[] = {
      {0x00FF8040u, {64, 128, 255}}, {0x12FF8040u, {64, 128, 255}},  // the top byte is dropped
      {0x80000005u, {5, 0, 0}}, {0xFFFFFFFFu, {255, 255, 255}}, {0u, {0, 0, 0}}};
  for (const auto& [assigned, channels] : cases) {
    cRGB rec;
    rec.setRGB(static_cast<LongColour>(assigned));
    EXPECT_EQ((std::array{rec.R(), rec.G(), rec.B()}), channels) << std::hex << assigned;
    EXPECT_EQ(rec.RGB(), static_cast<LongColour>(assigned & 0xFFFFFFu)) << std::hex << assigned;
  }
  cRGB rec;
  rec.setR(-1);
  rec.setG(300);
  EXPECT_EQ(rec.RGB(), RGB(255, 44, 0));
}

TEST(Inks, KnownColoursAndInks) {
  const std::pair<LongColour, CMYK> toInks[] = {
      {RGB(0, 0, 0), {255, 255, 255, 255}}, {RGB(255, 255, 255), {0, 0, 0, 0}},
      {RGB(255, 0, 0), {0, 255, 255, 0}},   {RGB(128, 128, 128), {0, 0, 0, 127}},
      {RGB(1, 0, 0), {0, 255, 255, 254}},
      {RGB(100, 150, 200), {128, 64, 0, 55}}};  // cyan 127.5 goes to the even 128
  for (const auto& [colour, inks] : toInks) EXPECT_EQ(RGBToCMYK(colour), inks) << colour;
  const std::pair<CMYK, LongColour> fromInks[] = {
      {{0, 0, 0, 255}, 0}, {{255, 255, 255, 255}, 0}, {{100, 100, 100, 0}, RGB(155, 155, 155)},
      {{0, 0, 0, 0}, RGB(255, 255, 255)}, {{255, 0, 0, 128}, RGB(0, 127, 127)}};
  for (const auto& [k, colour] : fromInks) {
    int r = -1, g = -1, b = -1;
    CMYKToRGB(k.c, k.m, k.y, k.k, r, g, b);
    EXPECT_EQ(RGB(r, g, b), colour) << k.c << " " << k.m << " " << k.y << " " << k.k;
  }
}

TEST(Inks, EveryChannelValueComesBackThroughCMYAndCMYK) {
  const int grid[] = {0, 1, 51, 128, 254, 255};  // the other two channels
  for (int v = 0; v < 256; ++v) {
    for (int a : grid) {
      for (int b : grid) {
        for (const LongColour colour : {RGB(v, a, b), RGB(a, v, b), RGB(a, b, v)}) {
          int c = 0, m = 0, y = 0;
          RGBToCMY(RedOf(colour), GreenOf(colour), BlueOf(colour), c, m, y);
          ASSERT_EQ(CMYToLong(c, m, y), colour);
          const CMYK inks = RGBToCMYK(colour);
          ASSERT_EQ(CMYKToLong(inks.c, inks.m, inks.y, inks.k), colour) << colour;
        }
      }
    }
  }
}

TEST(ColourState, CaptionsAndLimitsOfEachMode) {
  using Setup = std::tuple<std::array<std::string_view, 3>, std::array<int, 3>, bool, bool, bool>;
  const Setup want[] = {  // captions, limits, black shown, hue option shown, bars drag
      {{"Red", "&Green", "&Blue"}, {255, 255, 255}, false, false, true},
      {{"&Cyan", "&Magenta", "&Yellow"}, {255, 255, 255}, false, false, false},
      {{"&Cyan", "&Magenta", "&Yellow"}, {255, 255, 255}, true, false, false},
      {{"&Hue", "&Sat", "&Lum"}, {360, 240, 240}, false, true, false},
      {{"&Hue", "&Sat", "&Value"}, {360, 240, 240}, false, true, false}};
  MaxHue = 360.0f;  // the hue editor's limit is the hue maximum
  for (int mode = kModeRGB; mode <= kModeHSV; ++mode) {
    const EditorSetup s = SetupFor(mode);
    EXPECT_EQ(Setup(s.captions, s.max, s.showBlack, s.showHueOption, s.barsDraggable),
              want[mode]) << mode;
  }
  MaxHue = 240.0f;
}

std::array<int, 4> Shown(ColourState& s, int mode, LongColour colour, int* loaded = nullptr) {
  s.SetChannels(colour);
  s.ComputeCMYK();
  std::array<int, 4> out{};
  const int n = s.EditorValues(mode, out);
  if (loaded != nullptr) *loaded = n;
  return out;
}

TEST(ColourState, EditorsShowTheColourAndLeavingTheModeCarriesItOver) {
  const std::tuple<int, LongColour, int, std::array<int, 4>> cases[] = {
      {kModeRGB, RGB(255, 128, 64), 3, {255, 128, 64, 0}},
      {kModeCMY, RGB(100, 150, 200), 3, {155, 105, 55, 55}},  // black for the hidden editor
      {kModeCMYK, RGB(100, 150, 200), 4, {128, 64, 0, 55}},
      {kModeHSL, RGB(255, 0, 255), 3, {200, 240, 120, 0}},
      {kModeHSV, RGB(255, 128, 0), 3, {20, 240, 240, 0}}, {5, RGB(1, 2, 3), 0, {0, 0, 0, 0}}};
  for (const auto& [mode, colour, loaded, shown] : cases) {
    ColourState s;
    int n = -1;
    EXPECT_EQ(Shown(s, mode, colour, &n), shown) << mode;
    EXPECT_EQ(n, loaded) << mode;
    s.SetChannels(RGB(9, 9, 9));  // RGB mode has nothing to carry over
    s.CarryOver(mode);
    EXPECT_EQ(s.Colour(), mode == kModeRGB || mode > kModeHSV ? RGB(9, 9, 9) : colour) << mode;
  }
}

TEST(ColourState, OneEditorStepGivesTheNextColour) {
  const LongColour a = RGB(10, 20, 30), b = RGB(100, 150, 200);  // b has black 55
  const std::tuple<int, LongColour, int, int, LongColour> cases[] = {
      {kModeRGB, a, 0, +1, RGB(11, 20, 30)},  {kModeRGB, a, 1, -1, RGB(10, 19, 30)},
      {kModeRGB, a, 2, +1, RGB(10, 20, 31)},  {kModeCMY, b, 0, +1, RGB(99, 150, 200)},
      {kModeCMY, b, 1, +1, RGB(100, 149, 200)}, {kModeCMY, b, 2, -1, RGB(100, 150, 201)},
      {kModeCMYK, b, 0, +1, RGB(99, 150, 200)}, {kModeCMYK, b, 3, +1, RGB(99, 149, 199)},
      {kModeHSL, RGB(255, 0, 128), 2, +1, RGB(255, 2, 129)},  // lightness, at hue 220
      {kModeHSV, RGB(255, 128, 0), 1, -1, RGB(255, 128, 1)},  // a little paler, same hue
  };
  for (const auto& [mode, start, editor, step, next] : cases) {
    ColourState s;
    const int v = Shown(s, mode, start)[static_cast<std::size_t>(editor)] + step;
    ASSERT_TRUE(s.Edit(mode, editor, v)) << mode << " " << editor;
    EXPECT_EQ(s.Colour(), next) << "mode " << mode << " editor " << editor;
  }
  ColourState s;  // black acts only in CMYK mode; no editor 4, no mode 7
  for (const auto& [mode, editor] : {std::pair<int, int>{kModeCMY, 3}, {0, 4}, {3, -1}, {7, 0}})
    EXPECT_FALSE(s.Edit(mode, editor, 1)) << mode << " " << editor;
}

}  // namespace
}  // namespace hk
