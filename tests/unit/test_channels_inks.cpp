// The ink models, the channel editors of each colour mode, and the ink diagrams.
#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <tuple>
#include <vector>

#include "colour/modcmyk.h"
#include "colour/modhslv.h"
#include "mainwindow/colourdiagram.h"
#include "mainwindow/colourstate.h"

namespace hk {
namespace {

TEST(Inks, EveryChannelValueComesBackThroughCMYAndCMYK) {
  const int grid[] = {0, 1, 51, 128, 254, 255};  // the other two channels
  for (int v = 0; v < 256; ++v)
    for (int a : grid)
      for (int b : grid)
        for (const LongColour colour : {RGB(v, a, b), RGB(a, v, b), RGB(a, b, v)}) {
          int c = 0, m = 0, y = 0;
          RGBToCMY(RedOf(colour), GreenOf(colour), BlueOf(colour), c, m, y);
          const CMYK inks = RGBToCMYK(colour);
          ASSERT_EQ(std::pair(CMYToLong(c, m, y), CMYKToLong(inks.c, inks.m, inks.y, inks.k)),
                    std::pair(colour, colour));
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

std::pair<std::array<int, 4>, int> Shown(ColourState& s, int mode, LongColour colour) {
  s.SetChannels(colour);
  s.ComputeCMYK();
  std::array<int, 4> out{};
  const int n = s.EditorValues(mode, out);
  return {out, n};
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
    EXPECT_EQ(Shown(s, mode, colour), std::pair(shown, loaded)) << mode;
    s.SetChannels(RGB(9, 9, 9));
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
    const int v = Shown(s, mode, start).first[static_cast<std::size_t>(editor)] + step;
    EXPECT_EQ(s.Edit(mode, editor, v) ? s.Colour() : -1, next) << mode << " " << editor;
  }
  ColourState s;  // black acts only in CMYK mode; no editor 4, no mode 7
  for (const auto& [mode, editor] : {std::pair<int, int>{kModeCMY, 3}, {0, 4}, {3, -1}, {7, 0}})
    EXPECT_FALSE(s.Edit(mode, editor, 1)) << mode << " " << editor;
}

using Rect = std::tuple<int, int, int, int, LongColour>;  // left, top, right, bottom, colour

std::vector<Rect> Rects(const std::vector<FilledRect>& rects) {
  std::vector<Rect> out;
  for (const FilledRect& r : rects) out.emplace_back(r.left, r.top, r.right, r.bottom, r.colour);
  return out;
}

TEST(ColourDiagram, RectanglesAroundTheCentreInPaintingOrder) {
  // Centred below the 16-pixel caption row, halves to even: 36.5, 58.5 -> 36, 58.
  const DiagramGeometry odd = MakeDiagramGeometry(73, 101), g = MakeDiagramGeometry(72, 100);
  EXPECT_EQ(std::tuple(odd.cx, odd.cy, g.cx, g.cy), std::tuple(36, 58, 36, 58));
  const LongColour colour = RGB(100, 150, 200);  // CMY 155, 105, 55; CMYK 128, 64, 0, 55
  // C, M, Y (none) and K alone; C+Y, C+M, M+K, Y+K; the colour.
  EXPECT_EQ(Rects(CMYKDiagram(colour, g)), (std::vector<Rect>{
      {6, 22, 42, 64, RGB(127, 255, 255)}, {30, 22, 66, 64, RGB(255, 191, 255)},
      {6, 52, 42, 94, RGB(255, 255, 255)}, {30, 52, 66, 94, RGB(200, 200, 200)},
      {6, 52, 36, 64, RGB(127, 255, 255)}, {30, 22, 42, 64, RGB(127, 191, 255)},
      {36, 52, 66, 64, RGB(200, 150, 200)}, {30, 52, 42, 94, RGB(200, 200, 200)},
      {30, 52, 42, 64, colour}}));
  // M, Y, C; C+M, M+Y, C+Y; the colour.
  EXPECT_EQ(Rects(CMYDiagram(colour, g)), (std::vector<Rect>{
      {6, 52, 42, 94, RGB(255, 150, 255)}, {30, 52, 66, 94, RGB(255, 255, 200)},
      {21, 22, 51, 64, RGB(100, 255, 255)}, {21, 52, 42, 64, RGB(100, 150, 255)},
      {30, 64, 42, 94, RGB(255, 150, 200)}, {30, 52, 51, 64, RGB(100, 255, 200)},
      {30, 52, 42, 64, colour}}));
}

}  // namespace
}  // namespace hk
