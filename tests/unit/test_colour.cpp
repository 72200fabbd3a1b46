// Colours and numbers: the named colours, the six notations, the numbers in them, the code
// page; HSL and HSV; the ink models, the channel editors of each mode, the ink diagrams; the
// HLS picker's arithmetic, the number base converter and the measure tool.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "colour/ansitext.h"
#include "colour/modhslv.h"
#include "colour/notations.h"
#include "colour/numbers.h"
#include "mainwindow/colourdiagram.h"
#include "mainwindow/colourstate.h"
#include "tools/hexconv.h"
#include "tools/hlsplane.h"
#include "tools/measure.h"

namespace hk {
namespace {

// Puts the hue maximum and the message sink back after each test.
class Hue : public ::testing::Test {
  void TearDown() override { MaxHue = 240.0f, SetMessageSink(nullptr); }
};

using Reading = std::optional<LongColour>;

Reading CMYKColour(std::string_view text) {
  const auto r = ReadCMYK(text);
  return r ? Reading(r->colour) : std::nullopt;
}

TEST(Notations, TextsShownForAColourReadBackToItAndWhatEachReaderTakes) {
  using Texts = std::array<std::string, 6>;  // Long, hex, web, name, RGB, CMYK
  constexpr Reading kFails = std::nullopt, kOrange = RGB(255, 128, 64);
  using Readings = std::vector<std::pair<const char*, Reading>>;
  // clang-format off
  // A system colour shows its whole 32-bit pattern and its low three bytes.
  const std::pair<LongColour, Texts> cases[] = {
      {16775408, {"16775408", "FFF8F0", "#F0F8FF", "AliceBlue", "240, 248, 255", "15, 7, 0, 0"}},
      {RGB(255, 128, 64), {"4227327", "4080FF", "#FF8040", "", "255, 128, 64", "0, 127, 191, 0"}},
      {255, {"255", "FF", "#FF0000", "Red", "255, 0, 0", "0, 255, 255, 0"}},
      {0, {"0", "0", "#000000", "Black", "0, 0, 0", "255, 255, 255, 255"}},
      {RGB(10, 11, 12), {"789258", "C0B0A", "#0A0B0C", "", "10, 11, 12", "42, 21, 0, 243"}},
      {-2147483643, {"-2147483643", "80000005", "#050000", "", "5, 0, 0", "0, 255, 255, 250"}}};
  const std::pair<Reading (*)(std::string_view), Readings> readers[] = {
      // "#" anywhere is dropped, short texts padded on the right, six digits count.
      {ReadWeb, {{"ff8040", kOrange}, {"##FF80#40FFzz", kOrange}, {"FF", RGB(255, 0, 0)},
        {"#abc", RGB(0xAB, 0xC0, 0)}, {"#FG0000", kFails}, {"###", kFails}, {"#FF 000", kFails}}},
      // Blue-green-red digits padded on the left; the first six count.
      {ReadHex, {{"4080ff", kOrange}, {"C0B0A", RGB(10, 11, 12)}, {"", 0},
        {"80000005", RGB(0, 0, 0x80)}, {"XYZ", kFails}}},
      // Three numbers 0-255, rounded halves to even; more pieces are ignored.
      {ReadRGB, {{"255,128,64", kOrange}, {"RgB((255),(128),(64)), 9", kOrange},
        {"12.5, 13.5, 0", RGB(12, 14, 0)}, {"&HFF, &O17, 1e2", RGB(255, 15, 100)},
        {"255.4, 0, 0", 255}, {",,", 0}, {"256, 0, 0", kFails}, {"255.5, 0, 0", kFails},
        {"-1, 0, 0", kFails}, {"0, 0", kFails}, {"", kFails}, {"1e400, 0, 0", kFails}}},
      // Four numbers 0-255.
      {CMYKColour, {{"cmyk(0, 0, 0, 255)", 0}, {"100,100,100,0, 99", RGB(155, 155, 155)},
        {"0, 0, 300, 0", kFails}, {"0, 0, 0", kFails}, {"0, 0, 0, -1", kFails}}},
      {ReadLong, {{"255.5", 256}, {"2147483648", kFails}}}};
  // clang-format on
  const WebColors table;
  NotationTexts all;
  for (const auto& [c, want] : cases) {
    FormatAll(c, table, all);
    EXPECT_EQ((Texts{all.longText, all.hex, all.web, all.html, all.rgb, all.cmyk}), want) << c;
    EXPECT_EQ(std::pair(HexText(c), WebText(c)), std::pair(want[1], want[2]));  // the fields' own
    EXPECT_EQ(ReadLong(want[0]), c);
    if (c < 0) continue;
    const Reading named = want[3].empty() ? c : table.ColourAt(*ReadHtmlName(want[3], table));
    EXPECT_EQ((std::array{ReadHex(want[1]), ReadWeb(want[2]), named, ReadRGB(want[4]),
                          CMYKColour(want[5])}),
              (std::array<Reading, 5>{c, c, c, c, c}));
  }
  for (const auto& [read, readings] : readers)
    for (const auto& [text, want] : readings) EXPECT_EQ(read(text), want) << '"' << text << '"';
  EXPECT_EQ(ReadCMYK("100,100,100,0")->inks, (CMYK{100, 100, 100, 0})) << "kept as read";
}

constexpr std::nullopt_t kTooLarge = std::nullopt;

TEST(ReadNumber, LeadingNumberRuleHalvesToEvenAndOverflow) {
  // clang-format off
  const std::pair<const char*, std::optional<double>> cases[] = {{"", 0}, {"abc", 0},
      {"12abc", 12}, {" 1 2 ", 12}, {"\t1\n2", 12}, {"1\r2", 1}, {"2.5", 2.5}, {"-2.5", -2.5},
      {"+7", 7}, {"- 7", -7}, {"--7", 0}, {".5", 0.5}, {"1.5.3", 1.5}, {"1e2", 100}, {"1E2", 100},
      {"1e-2", 0.01}, {"1e", 1}, {"1e+", 1}, {"1 e 2", 100}, {"1e2.5", 100}, {"2.5e1x", 25},
      {"1,5", 1}, {"&HFF", 255}, {"&hff", 255}, {"&HFFFF", -1}, {"&H10000", 65536},
      {"&HFFFFFFFF", -1}, {"&H1G", 1}, {"&H", 0}, {"&O17", 15}, {"&o17", 15}, {"&O8", 0},
      {"& H 1 F", 31}, {"&X1", 0}, {"-&H10", 0}, {"1e-400", 0}, {"1e400", kTooLarge},
      {"&H100000000", kTooLarge}, {"&O40000000000", kTooLarge}};
  // As 16 and as 32 bits: the even neighbour may be too large.
  const std::tuple<const char*, std::optional<int>, std::optional<long long>> whole[] = {
      {"2.5", 2, 2}, {"3.5", 4, 4}, {"-2.5", -2, -2}, {"2.5000001", 3, 3}, {"32767", 32767, 32767},
      {"32768", kTooLarge, 32768}, {"32767.5", kTooLarge, 32768}, {"-32768.5", -32768, -32768},
      {"-32769", kTooLarge, -32769}, {"2147483647", kTooLarge, 2147483647},
      {"2147483648", kTooLarge, kTooLarge}, {"-2147483648", kTooLarge, -2147483648LL},
      {"-2147483649", kTooLarge, kTooLarge}, {"1e400", kTooLarge, kTooLarge}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
  for (const auto& [text, as16, as32] : whole) {
    EXPECT_EQ(ReadInt16(text), as16) << '"' << text << '"';
    EXPECT_EQ(ReadInt32(text), as32) << '"' << text << '"';
  }
}

TEST(AnsiText, ToWindows1252AndBack) {
  // One "?" for a character not in the code page, a stray byte, a broken or cut-off sequence.
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"Sky blue", "Sky blue"}, {"Caf\xC3\xA9", "Caf\xE9"}, {"\xE2\x82\xAC 5", "\x80 5"},
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"}, {"\xE6\x97\xA5 x", "? x"},
      {"a\xF0\x9F\x8E\xA8z", "a?z"}, {"\xFF\xFE", "??"}, {"\xF8\x80", "??"},
      {"\xE2\x41x", "?Ax"}, {"\xE0\xA4\x85", "?"}, {"ab\xE2\x82", "ab?"}, {"\xC2\x81", "\x81"},
      {"", ""}};
  // clang-format on
  for (const auto& [utf8, ansi] : cases)
    EXPECT_EQ(ToAnsi(utf8), ansi) << ::testing::PrintToString(std::string(utf8));
  EXPECT_EQ(FromAnsi("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

TEST_F(Hue, HSLAndHSVOfKnownColoursAndBack) {
  // Hue maximum, channels; hue, saturation, lightness, HSV saturation and value (same hue).
  // The hue's differences are taken in double: 4.4996 and 22.5 exactly (to 22).
  // clang-format off
  const struct { float max; int r, g, b; float h, s, l, vs, v; } toHSL[] = {
      {240, 255, 255, 255, 0, 0, 240, 0, 240},      {240, 0, 0, 0, 0, 0, 0, 0, 0},
      {240, 255, 0, 0, 0, 240, 120, 240, 240},      {240, 0, 255, 0, 80, 240, 120, 240, 240},
      {360, 0, 255, 0, 120, 240, 120, 240, 240},    {240, 255, 0, 128, 220, 240, 120, 240, 240},
      {360, 255, 0, 128, 330, 240, 120, 240, 240},  {360, 255, 128, 0, 30, 240, 120, 240, 240},
      {240, 0, 0, 255, 160, 240, 120, 240, 240},
      {240, 81, 10, 1, 4, 234.1463f, 38.58824f, 237.037f, 76.2353f},
      {360, 9, 4, 1, 22, 192, 4.705883f, 213.3333f, 8.470589f},
      {360, 33, 5, 1, 7, 225.8824f, 16, 232.7273f, 31.05882f},
      {240, 255, 128, 128, 0, 240, 180.2353f, 119.5294f, 240}};  // lighter than half
  // HSV or HSL, hue maximum, hue, saturation, value or lightness; channels. Every sextant of
  // HSV, every part of the HSL ramp, both halves of lightness.
  const struct { bool hsv; float max, h, s, x; int r, g, b; } toRGB[] = {
      {false, 240, 0, 240, 120, 255, 0, 0},  {false, 240, 160, 240, 120, 0, 0, 255},
      {false, 360, 120, 240, 120, 0, 255, 0},  {false, 240, 77, 0, 60, 64, 64, 64},
      {true, 240, 30, 240, 240, 255, 191, 0},  {true, 240, 200, 240, 0, 0, 0, 0},
      {true, 240, 200, 0, 120, 128, 128, 128},  {true, 240, 240, 240, 240, 255, 0, 0},
      {true, 360, 360, 240, 240, 255, 0, 0},  {true, 240, -20, 240, 240, 255, 0, 128},
      {true, 240, 50, 200, 180, 151, 191, 32},  {true, 240, 90, 200, 180, 32, 191, 72},
      {true, 240, 130, 200, 180, 32, 151, 191},  {true, 240, 170, 200, 180, 72, 32, 191},
      {true, 240, 210, 200, 180, 191, 32, 151},  {false, 240, 20, 180, 90, 167, 96, 24},
      {false, 240, 100, 180, 90, 24, 167, 96},  {false, 240, 140, 180, 170, 125, 181, 236},
      {false, 240, 230, 180, 170, 236, 125, 153}};
  // clang-format on
  for (const auto& c : toHSL) {
    MaxHue = c.max;
    float got[6];
    RGBToHSL(c.r, c.g, c.b, got[0], got[1], got[2]);
    RGBToHSV(c.r, c.g, c.b, got[3], got[4], got[5]);
    const float want[] = {c.h, c.s, c.l, c.h, c.vs, c.v};
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(got[i], want[i], 1e-3) << c.r << "," << c.g << "," << c.b << " on " << c.max;
  }
  for (const auto& c : toRGB) {
    MaxHue = c.max;
    int r = -1, g = -1, b = -1;
    (c.hsv ? HSVToRGB : HSLToRGB)(c.h, c.s, c.x, r, g, b);
    EXPECT_EQ(RGB(r, g, b), RGB(c.r, c.g, c.b)) << c.hsv << " " << c.h << "," << c.s << "," << c.x;
  }
  // An HSV hue out of range tells the user, and the colour is black.
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

// The editors' values for `colour` in `mode`, and how many the mode loads.
std::pair<std::array<int, 4>, int> Shown(ColourState& s, int mode, LongColour colour) {
  s.SetChannels(colour);
  s.ComputeCMYK();
  std::array<int, 4> out{};
  const int n = s.EditorValues(mode, out);
  return {out, n};
}

TEST_F(Hue, EditorsOfEachModeShowTheColourStepItAndCarryItOver) {
  // Limits (the hue editor's is the hue maximum), black shown, hue option shown, bars drag.
  using Setup = std::tuple<std::array<int, 3>, bool, bool, bool>;
  const LongColour a = RGB(10, 20, 30), b = RGB(100, 150, 200);  // b has black 55
  // clang-format off
  const Setup setups[] = {{{255, 255, 255}, false, false, true},
      {{255, 255, 255}, false, false, false}, {{255, 255, 255}, true, false, false},
      {{360, 240, 240}, false, true, false}, {{360, 240, 240}, false, true, false}};
  // Mode, colour, editors loaded, their values (CMY: black for the hidden editor).
  const std::tuple<int, LongColour, int, std::array<int, 4>> cases[] = {
      {kModeRGB, RGB(255, 128, 64), 3, {255, 128, 64, 0}},
      {kModeCMY, b, 3, {155, 105, 55, 55}}, {kModeCMYK, b, 4, {128, 64, 0, 55}},
      {kModeHSL, RGB(255, 0, 255), 3, {200, 240, 120, 0}},
      {kModeHSV, RGB(255, 128, 0), 3, {20, 240, 240, 0}}, {5, RGB(1, 2, 3), 0, {0, 0, 0, 0}}};
  // One editor stepped: the next colour. HSL: lightness at hue 220; HSV: a little paler.
  const std::tuple<int, LongColour, int, int, LongColour> steps[] = {
      {kModeRGB, a, 0, +1, RGB(11, 20, 30)},  {kModeRGB, a, 1, -1, RGB(10, 19, 30)},
      {kModeRGB, a, 2, +1, RGB(10, 20, 31)},  {kModeCMY, b, 0, +1, RGB(99, 150, 200)},
      {kModeCMY, b, 1, +1, RGB(100, 149, 200)}, {kModeCMY, b, 2, -1, RGB(100, 150, 201)},
      {kModeCMYK, b, 0, +1, RGB(99, 150, 200)}, {kModeCMYK, b, 3, +1, RGB(99, 149, 199)},
      {kModeHSL, RGB(255, 0, 128), 2, +1, RGB(255, 2, 129)},
      {kModeHSV, RGB(255, 128, 0), 1, -1, RGB(255, 128, 1)}};
  // clang-format on
  MaxHue = 360.0f;
  for (int mode = kModeRGB; mode <= kModeHSV; ++mode) {
    const EditorSetup s = SetupFor(mode);
    EXPECT_EQ(Setup(s.max, s.showBlack, s.showHueOption, s.barsDraggable), setups[mode]) << mode;
  }
  MaxHue = 240.0f;
  for (const auto& [mode, colour, loaded, shown] : cases) {
    ColourState s;
    EXPECT_EQ(Shown(s, mode, colour), std::pair(shown, loaded)) << mode;
    s.SetChannels(RGB(9, 9, 9));
    s.CarryOver(mode);
    EXPECT_EQ(s.Colour(), mode == kModeRGB || mode > kModeHSV ? RGB(9, 9, 9) : colour) << mode;
  }
  for (const auto& [mode, start, editor, step, next] : steps) {
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
  // clang-format off
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
  // clang-format on
}

// ---- the tools' arithmetic: the HLS picker, the number base converter, the measure tool ----

TEST_F(Hue, HLSPlaneBarAndMarkers) {
  // clang-format off
  // Hue maximum, plane column and row: the cell's colour (hue steps by a 240th of the maximum,
  // saturation down the rows); hue, saturation, bar band: its colour (lightness down the bands).
  const std::tuple<float, int, int, LongColour> plane[] = {{240, 80, 0, RGB(0, 255, 0)},
      {240, 240, 0, RGB(255, 0, 0)}, {240, 0, 120, RGB(128, 128, 128)},
      {240, 0, 60, RGB(191, 64, 64)}, {360, 40, 0, RGB(255, 255, 0)}, {360, 160, 0, 0xFF0000}};
  const std::tuple<float, float, float, int, LongColour> bar[] = {
      {240, 80, 240, 0, RGB(255, 255, 255)}, {240, 80, 240, 120, RGB(0, 0, 0)},
      {240, 0, 240, 30, RGB(255, 128, 128)}, {360, 120, 240, 60, RGB(0, 255, 0)},
      {240, 120, 240, 60, RGB(0, 255, 255)}};
  // The marker at 1830 held 90 twips below its top, the pointer's height below the top: it
  // follows (halves to even) while its tip stays on the bar at 120 twips, 3600 high.
  const std::pair<double, std::optional<MarkerStep>> drag[] = {{90, MarkerStep{1830, 120}},
      {105, MarkerStep{1845, 119}}, {90.5, MarkerStep{1830, 120}}, {91.5, MarkerStep{1832, 120}},
      {-1710, MarkerStep{30, 240}}, {-1711, std::nullopt}, {1890, MarkerStep{3630, 0}},
      {1891, std::nullopt}};
  // clang-format on
  for (const auto& [max, column, row, colour] : plane) {
    MaxHue = max;
    EXPECT_EQ(PlaneColour(column, row), colour) << max << " " << column << "," << row;
  }
  for (const auto& [max, hue, sat, band, colour] : bar) {
    MaxHue = max;
    EXPECT_EQ(BarColour(hue, sat, band), colour) << max << " " << hue << " " << band;
  }
  // Cells are 1 x 2 pixels down the plane, bands 2 pixels high across the bar; the last
  // column and row lie just outside the 240 pixels.
  EXPECT_EQ(
      (std::array{PlaneCell(0, 0), PlaneCell(240, 120), PlaneCell(7, 3), BarBand(0, 20),
                  BarBand(120, 20)}),
      (std::array<HLSRect, 5>{
          {{0, 0, 1, 2}, {240, 240, 241, 242}, {7, 6, 8, 8}, {0, 0, 20, 2}, {0, 240, 20, 242}}}));
  EXPECT_EQ(CrossMarker(100, 50),
            (std::array<HLSRect, 4>{
                {{86, 48, 96, 52}, {104, 48, 114, 52}, {98, 36, 102, 46}, {98, 54, 102, 64}}}));
  // The lightness marker's tip lies 90 twips below its top.
  EXPECT_EQ((std::array{MarkerTop(240, 120, 3600), MarkerTop(120, 120, 3600),
                        MarkerTop(1, 120, 3600), MarkerTop(0, 120, 3600)}),
            (std::array{30, 1830, 3615, 3630}));
  for (const auto& [y, want] : drag) EXPECT_EQ(DragMarker(1830, 90, y, 120, 3600), want) << y;
}

TEST_F(Hue, HLSPointsOnThePlaneAndTheBarReadBackAndTheirText) {
  using HS = std::optional<HueSaturation>;
  // clang-format off
  // Hue maximum, x, y: whole hue and saturation (1.5 and 4.5 to even), none off the plane.
  const std::tuple<float, double, double, HS> plane[] = {
      {240, 0, 0, HueSaturation{0, 240}}, {240, 240, 240, HueSaturation{240, 0}},
      {240, 120, 60, HueSaturation{120, 180}}, {360, 1, 0, HueSaturation{2, 240}},
      {360, 3, 0, HueSaturation{4, 240}}, {360, 133.4, 239.6, HueSaturation{200, 0}},
      {240, -0.1, 0, std::nullopt}, {240, 240.1, 0, std::nullopt}, {240, 0, -0.1, std::nullopt},
      {240, 0, 240.1, std::nullopt}};
  const std::pair<double, std::optional<float>> bar[] = {{0, 240.0f}, {240, 0.0f}, {120, 120.0f},
      {1, 239.0f}, {-0.1, std::nullopt}, {240.1, std::nullopt}};
  // clang-format on
  for (const auto& [max, x, y, want] : plane) {
    MaxHue = max;
    EXPECT_EQ(PlanePoint(x, y, 240, 240), want) << max << " " << x << "," << y;
  }
  for (const auto& [y, want] : bar) EXPECT_EQ(BarLightness(y, 240), want) << y;
  // A click on the bar's last pixel row means its bottom edge; other rows stand as they are.
  EXPECT_EQ((std::array{BarRowY(239, 240), BarRowY(239.5, 240), BarRowY(238.5, 240)}),
            (std::array{240.0, 240.0, 238.5}));
  // Every whole value placed on the plane or the bar reads back as itself.
  for (float max : {240.0f, 360.0f}) {
    MaxHue = max;
    for (float h = 0; h <= max; ++h)
      for (float s = 0; s <= 240; s += 7)
        ASSERT_EQ(PlanePoint(PlaneX(h, 240), PlaneY(s, 240), 240, 240), (HueSaturation{h, s}))
            << max << " " << h << " " << s;
  }
  for (float l = 0; l <= 240; ++l) EXPECT_EQ(BarLightness(BarY(l, 240), 240), l) << l;
  // The value fields: the shortest text that reads back as the same float.
  float h = 0, s = 0, l = 0;
  RGBToHSL(90, 0, 0, h, s, l);
  const std::pair<float, const char*> texts[] = {
      {120.0f, "120"},          {0.0f, "0"},    {1.5f, "1.5"},
      {359.5f, "359.5"},        {0.1f, "0.1"},  {l, "42.35294"},
      {200.0f / 3, "66.66666"}, {240.0f, "240"}};
  for (const auto& [value, text] : texts) EXPECT_EQ(FloatText(value), text) << value;
}

TEST(HexConv, ExpressionAndResultOfEachConversion) {
  using enum HexConversion;
  using namespace std::string_literals;
  // Upper case for the code page's letters, other characters kept as typed; HexToDec reads
  // a 16-bit literal; a character's code is the code page's ("?" when not in it); a code to
  // a character is read as a number (none: 0) and must be 0-255.
  // clang-format off
  const std::tuple<HexConversion, std::string, std::string, std::string> rows[] = {
      {DecToHex, "255", "255", "FF "}, {DecToHex, "-1", "-1", "FFFFFFFF "},
      {DecToHex, "-2147483648", "-2147483648", "80000000 "},
      {DecToHex, "2147483647", "2147483647", "7FFFFFFF "},
      {DecToHex, "2147483648", "2147483648", "#Error"}, {DecToHex, "", "", "0 "},
      {DecToHex, "az àéþ ÿšœž÷¡ ∂ ÿ", "AZ ÀÉÞ ŸŠŒŽ÷¡ ∂ Ÿ", "0 "},
      {HexToDec, "ff", "&HFF", "255 "}, {HexToDec, "FFFF", "&HFFFF", "-1 "},
      {HexToDec, "FFFFF", "&HFFFFF", "1048575 "}, {HexToDec, "&h1f", "&H1F", "31 "},
      {HexToDec, "1G", "&H1G", "1 "}, {HexToDec, "FFFFFFFFF", "&HFFFFFFFFF", "#Error"},
      {HexToDec, "", "&H", "0 "}, {HexToDec, "&h", "&H", "0 "},
      {DecToOct, "8", "8", "10 "}, {DecToOct, "-1", "-1", "37777777777 "},
      {DecToOct, "1e10", "1E10", "#Error"}, {OctToDec, "17", "&O17 ", "15"},
      {OctToDec, "8", "&O8 ", "0"}, {OctToDec, "&o17", "&O17", "15"},
      {OctToDec, "&H10", "&O&H10 ", "0"}, {OctToDec, "", "&O ", "0"},
      {CharToCode, "abc", "abc", "97"}, {CharToCode, "", "", "NULL !!"},
      {CharToCode, "€uro", "€uro", "128"}, {CharToCode, "ÿ", "ÿ", "255"},
      {CharToCode, "∂", "∂", "63"}, {CodeToChar, "65", "65", "A"}, {CodeToChar, "128", "128", "€"},
      {CodeToChar, "255", "255", "ÿ"}, {CodeToChar, "256", "256", "#Error"},
      {CodeToChar, "300", "300", "#Error"}, {CodeToChar, "32768", "32768", "#Error"},
      {CodeToChar, "-1", "-1", "#Error"}, {CodeToChar, "&HFFFF", "&HFFFF", "#Error"},
      {CodeToChar, "x", "X", "\0"s}};
  // clang-format on
  for (const auto& [conversion, typed, expression, result] : rows) {
    const HexConvOutcome got = HexConvert(conversion, typed);
    EXPECT_EQ(std::pair(got.expression, got.result), std::pair(expression, result))
        << static_cast<int>(conversion) << " " << typed;
  }
}

TEST(Measure, CaptionPointAndDrawing) {
  // Buttons, x, y; the caption, the point afterwards (from 30, 45). The left button alone
  // measures; halves go to the even neighbour; beyond 32 bits the point stays as it was.
  const int left = kLeftButton;
  const std::tuple<int, float, float, const char*, MeasuredPoint> cases[] = {
      {left, 1500, 750, "Measure 1500, 750", {1500, 750}},
      {0, 1500, 750, "Measure 1500, 750", {30, 45}},
      {kRightButton, 15, 15, "Measure 15, 15", {30, 45}},
      {left | kRightButton, 15, 15, "Measure 15, 15", {30, 45}},
      {left, 157.5f, 142.5f, "Measure 157.5, 142.5", {158, 142}},
      {left, -15, -0.0f, "Measure -15, 0", {-15, 0}},
      {left, 1000000, 16777216, "Measure 1000000, 16777216", {1000000, 16777216}},
      {left, 3e9f, 15, "Measure 3000000000, 15", {30, 45}},
      {left, 15, -3e9f, "Measure 15, -3000000000", {30, 45}}};
  for (const auto& [buttons, x, y, caption, point] : cases) {
    MeasuredPoint p{30, 45};
    const bool measured = MeasureMouse(p, buttons, x, y);
    EXPECT_EQ(std::tuple(MeasureCaption(x, y), measured, p),
              std::tuple(caption, !(point == MeasuredPoint{30, 45}), point));
  }
  EXPECT_EQ(DrawMeasure({1500, 750}),
            (MeasureDrawing{{1500, 0, 1500, 750}, {0, 750, 1500, 750}, 1500, 750, "1500, 750"}));
}

}  // namespace
}  // namespace hk
