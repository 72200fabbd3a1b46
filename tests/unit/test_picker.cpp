// Reading the screen for a pick: the capture composed from the monitors it touches, the tick
// that decides when to capture and which colour is under the pointer, the X server's pixel
// layouts, the desktop portal's answers, the magnifier's layout at each zoom and the bytes
// of the capture file.
#include <gtest/gtest.h>

#include <cmath>

#include "picker/bmpfile.h"
#include "picker/picksession.h"
#include "picker/portalanswer.h"
#include "picker/x11pixels.h"
#include "picker/zoomlayout.h"

namespace hk {
namespace {

// A colour for every screen pixel, different from each of its neighbours.
std::uint32_t ScreenColour(int x, int y) {
  return static_cast<std::uint32_t>(x * 4099 + y * 7 + 0x10000) & 0xFFFFFF;
}

PixelImage Paint(const PixelRect& rect) {
  PixelImage image(rect.width, rect.height);
  for (int y = 0; y < rect.height; ++y)
    for (int x = 0; x < rect.width; ++x) image.at(x, y) = ScreenColour(rect.left + x, rect.top + y);
  return image;
}

// Two monitors of different sizes, as with different scale factors: the right one is
// taller, so below the left one there is no screen.
const std::vector<PixelRect> kMonitors = {{0, 0, 1920, 1080}, {1920, 0, 2880, 1620}};

bool OnOneMonitor(const PixelRect& rect) {
  return std::any_of(kMonitors.begin(), kMonitors.end(),
                     [&](const PixelRect& m) { return Intersect(rect, m) == rect; });
}

TEST(ComposeCapture, EachPixelFromItsMonitorAndNeutralWhereNoneIs) {
  // Across the boundary; an odd corner and size; both monitors and the gap below the left
  // one; past the top-left corner; past the bottom-right corner; on no monitor.
  const PixelRect areas[] = {{1900, 500, 40, 20}, {1001, 333, 7, 5},    {1910, 1070, 20, 20},
                             {-5, -3, 10, 8},     {4795, 1615, 10, 10}, {-100, 2000, 10, 10}};
  const auto reader = [](const PixelRect& rect) -> std::optional<PixelImage> {
    if (!OnOneMonitor(rect)) return std::nullopt;
    return Paint(rect);
  };
  for (const PixelRect& area : areas) {
    const std::optional<PixelImage> image = ComposeCapture(area, kMonitors, reader);
    ASSERT_TRUE(image);
    ASSERT_EQ(std::pair(image->width, image->height), std::pair(area.width, area.height));
    for (int y = 0; y < area.height; ++y)
      for (int x = 0; x < area.width; ++x) {
        const int sx = area.left + x, sy = area.top + y;
        ASSERT_EQ(image->at(x, y),
                  OnOneMonitor({sx, sy, 1, 1}) ? ScreenColour(sx, sy) : kNeutralFill)
            << "screen pixel " << sx << "," << sy;
      }
  }
  // One monitor that cannot be read spoils the whole capture.
  const auto failsOnRight = [](const PixelRect& rect) -> std::optional<PixelImage> {
    if (rect.left >= 1920) return std::nullopt;
    return Paint(rect);
  };
  EXPECT_FALSE(ComposeCapture({1900, 500, 40, 20}, kMonitors, failsOnRight));
}

// A screen whose pointer and readability the test sets, recording each capture.
struct FakeScreen : ScreenSource {
  std::optional<ScreenPoint> pointer;
  bool readable = true;
  std::vector<PixelRect> captured;
  std::optional<ScreenPoint> PointerPosition() override { return pointer; }
  std::optional<PixelImage> Capture(const PixelRect& area) override {
    captured.push_back(area);
    if (!readable) return std::nullopt;
    return Paint(area);
  }
};

TEST(PickSession, CapturesWhenThePointerMovesAndReadsThePixelUnderIt) {
  using enum PickSession::TickResult;
  using Point = std::optional<ScreenPoint>;
  using Area = std::optional<PixelRect>;
  // Each tick: the pointer (none: unreadable), whether the screen reads; the result, the
  // area captured, LastCursorX/Y afterwards, whether a capture was taken.
  const std::tuple<Point, bool, PickSession::TickResult, Area, ScreenPoint, bool> ticks[] = {
      {std::nullopt, true, Unreadable, std::nullopt, {0, 0}, false},
      {ScreenPoint{11, 7}, false, Unreadable, PixelRect{8, 5, 6, 4}, {0, 0}, false},
      {ScreenPoint{11, 7}, true, Captured, PixelRect{8, 5, 6, 4}, {11, 7}, true},
      {ScreenPoint{11, 7}, true, Still, std::nullopt, {11, 7}, true},
      {std::nullopt, true, Unreadable, std::nullopt, {11, 7}, true},
      {ScreenPoint{12, 7}, false, Unreadable, PixelRect{9, 5, 6, 4}, {11, 7}, true},
      {ScreenPoint{1920, 1081}, true, Captured, PixelRect{1917, 1079, 6, 4}, {1920, 1081}, true}};
  FakeScreen screen;
  PickSession pick(&screen, 3, 2);
  for (const auto& [pointer, readable, result, area, last, taken] : ticks) {
    screen.pointer = pointer, screen.readable = readable;
    screen.captured.clear();
    const PickSession::Tick tick = pick.Timer1_Timer();
    EXPECT_EQ(std::tuple(tick.result, screen.captured,
                         ScreenPoint{pick.LastCursorX, pick.LastCursorY}, pick.CaptureTaken()),
              std::tuple(result, area ? std::vector{*area} : std::vector<PixelRect>{}, last, taken))
        << last.x;
    if (result != Captured) continue;
    const std::uint32_t rgb = ScreenColour(pointer->x, pointer->y);
    EXPECT_EQ(tick.colour, RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF));
    EXPECT_EQ(tick.image.pixels, Paint(*area).pixels);
  }
}

// Server image bytes of each layout, as 0x00RRGGBB; a layout it cannot read gives nothing
// rather than a wrong colour. Rows are padded to 32 bits: a 24-bit pixel has a byte of padding.
// Answers a real portal does not give here: halves, values a little past either end, a
// channel that is not a number, the user's own dismissal, a code no portal sends.
TEST(PortalAnswer, ChannelsAndResponseCodes) {
  using enum PortalOutcome;
  const std::tuple<double, double, double, std::optional<LongColour>> colours[] = {
      {1, 0.5, 0, RGB(255, 128, 0)}, {1.5, -0.2, 0.998, RGB(255, 0, 254)}, {0, NAN, 0, {}}};
  for (const auto& [r, g, b, colour] : colours) EXPECT_EQ(PortalColour(r, g, b), colour) << r;
  const std::tuple<std::uint32_t, bool, PortalOutcome> codes[] = {
      {0, true, Picked}, {0, false, Unavailable}, {1, true, Cancelled}, {2, false, Cancelled},
      {3, true, Unavailable}};
  for (const auto& [code, hasColour, outcome] : codes)
    EXPECT_EQ(OutcomeOf(code, hasColour), outcome) << code;
}

TEST(X11Pixels, ConvertsEveryPixelLayoutOrRefusesIt) {
  using Pixels = std::optional<std::vector<std::uint32_t>>;
  const X11PixelFormat plain, msb{32, 32, true}, packed24{24},
      rgb565{16, 32, false, true, 0xF800, 0x07E0, 0x001F},
      bgr{32, 32, false, true, 0x0000FF, 0x00FF00, 0xFF0000},
      deep{32, 32, false, true, 0x3FF00000, 0x000FFC00, 0x000003FF}, mapped{32, 32, false, false};
  const Pixels two{{0x123456, 0xABCDEF}};
  // clang-format off
  const std::tuple<X11PixelFormat, int, int, std::vector<std::uint8_t>, Pixels> cases[] = {
      {plain, 2, 1, {0x56, 0x34, 0x12, 0xFF, 0xEF, 0xCD, 0xAB, 0x00}, two},
      {msb, 1, 2, {0xFF, 0x12, 0x34, 0x56, 0x00, 0xAB, 0xCD, 0xEF}, two},
      {packed24, 1, 2, {0x56, 0x34, 0x12, 0x99, 0xEF, 0xCD, 0xAB, 0x99}, two},
      {rgb565, 4, 1, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84},
       Pixels{{0xFF0000, 0x00FF00, 0x0000FF, 0x848284}}},
      {bgr, 1, 1, {0x12, 0x34, 0x56, 0x00}, Pixels{{0x123456}}},
      {deep, 1, 1, {0x00, 0x00, 0xF8, 0x3F}, Pixels{{0xFF8000}}},
      {mapped, 1, 1, {1, 2, 3, 4}, std::nullopt},
      {plain, 2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::nullopt}};
  // clang-format on
  for (const auto& [format, width, height, bytes, pixels] : cases) {
    const auto image = ConvertX11Pixels(format, bytes.data(), bytes.size(), width, height);
    EXPECT_EQ(image ? Pixels(image->pixels) : std::nullopt, pixels) << bytes.size();
  }
}

TEST(Magnifier, LayoutAtEachZoomAndTheBlockEachPixelShows) {
  // The viewport's design place, with 255-twip (17-pixel) scroll bars. With bars, the viewport
  // shrinks by them and they lie along its bottom and right, spanning the overflow and
  // starting in the middle. The marker is around pixel (55, 51) at 1x.
  const ZoomGeometry design{{630, 45, 1650, 1530}, 255, 255};
  const PixelRect frame{630, 45, 1395, 1275}, hs{630, 1320, 1395, 255}, vs{2025, 45, 255, 1275};
  const auto fields = [](const ZoomLayout& z) {
    return std::tuple(z.barsVisible, z.frame, z.picture, z.hsBar, z.vsBar, z.hsMax, z.vsMax,
                      z.hsValue, z.vsValue, z.shapeLeft, z.shapeTop);
  };
  const std::pair<int, ZoomLayout> cases[] = {
      {1, {false, {630, 45, 1650, 1530}, {0, 0, 1650, 1530}, {}, {}, 0, 0, 0, 0, 53, 49}},
      {3, {true, frame, {0, 0, 4950, 4590}, hs, vs, 237, 221, 118, 110, 163, 151}},
      {4, {true, frame, {0, 0, 6600, 6120}, hs, vs, 347, 323, 173, 161, 218, 202}},
      {16, {true, frame, {0, 0, 26400, 24480}, hs, vs, 1667, 1547, 833, 773, 878, 814}}};
  // View pixel, view extent, picture extent: the picture pixel shown. A pasted picture is
  // stretched over the view; an empty one shows nothing.
  const std::tuple<int, int, int, int> blocks[] = {
      {0, 330, 110, 0},     {2, 330, 110, 0},    {3, 330, 110, 1},   {165, 330, 110, 55},
      {329, 330, 110, 109}, {330, 330, 110, -1}, {-1, 330, 110, -1}, {109, 110, 800, 792},
      {5, 110, 11, 0},      {10, 110, 11, 1},    {0, 0, 110, -1},    {0, 110, 0, -1}};
  for (const auto& [zoom, want] : cases) EXPECT_EQ(fields(LayoutZoom(zoom, design)), fields(want));
  for (const auto& [view, viewExtent, pictureExtent, picture] : blocks)
    EXPECT_EQ(ViewToPicture(view, viewExtent, pictureExtent), picture)
        << view << " of " << viewExtent << " over " << pictureExtent;
}

TEST(Magnifier, CaptureFileIsA24BitBottomUpBitmapWithPaddedRows) {
  PixelImage image(2, 2);
  image.at(0, 0) = 0x112233, image.at(1, 0) = 0x445566;
  image.at(0, 1) = 0xAABBCC, image.at(1, 1) = 0xDDEEFF;
  using namespace std::string_literals;
  // The headers; then rows of 6 bytes padded to 8, the bottom row first, each pixel blue,
  // green, red.
  const std::string bytes =
      "BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0"
      "\x10\0\0\0\xC4\x0E\0\0\xC4\x0E\0\0\0\0\0\0\0\0\0\0"
      "\xCC\xBB\xAA\xFF\xEE\xDD\0\0\x33\x22\x11\x66\x55\x44\0\0"s;
  EXPECT_EQ(::testing::PrintToString(EncodeBmp24(image)), ::testing::PrintToString(bytes));
  EXPECT_EQ(EncodeBmp24(PixelImage(4, 2)).size(), 54u + 2 * 12);  // rows of 12 need no padding
}

}  // namespace
}  // namespace hk
