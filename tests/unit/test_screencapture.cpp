// Reading the screen for a pick: the capture composed from the monitors it
// touches, and the tick rule that decides when to capture and which colour is
// under the pointer.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "picker/picksession.h"

namespace hk {
namespace {

// A colour for every screen pixel, different from each of its neighbours.
std::uint32_t ScreenColour(int x, int y) {
  return static_cast<std::uint32_t>(x * 4099 + y * 7 + 0x10000) & 0xFFFFFF;
}

LongColour AsLong(std::uint32_t rgb) {
  return RGB(static_cast<std::int32_t>(rgb >> 16), static_cast<std::int32_t>(rgb >> 8 & 0xFF),
             static_cast<std::int32_t>(rgb & 0xFF));
}

PixelImage Paint(const PixelRect& rect) {
  PixelImage image(rect.width, rect.height);
  for (int y = 0; y < rect.height; ++y)
    for (int x = 0; x < rect.width; ++x) image.at(x, y) = ScreenColour(rect.left + x, rect.top + y);
  return image;
}

// A desktop of two monitors of different sizes, as with different scale
// factors: the right one is taller, so below the left one there is no screen.
const std::vector<PixelRect> kMonitors = {{0, 0, 1920, 1080}, {1920, 0, 2880, 1620}};

bool OnOneMonitor(const PixelRect& rect) {
  for (const PixelRect& m : kMonitors)
    if (Intersect(rect, m) == rect) return true;
  return false;
}

TEST(ComposeCapture, EachPixelFromItsMonitorAndNeutralWhereNoneIs) {
  const PixelRect areas[] = {
      {1900, 500, 40, 20},   // across the boundary
      {1001, 333, 7, 5},     // odd corner and size
      {1910, 1070, 20, 20},  // both monitors and the gap below the left one
      {-5, -3, 10, 8},       // past the top-left corner
      {4795, 1615, 10, 10},  // past the bottom-right corner
      {-100, 2000, 10, 10},  // on no monitor
  };
  for (const PixelRect& area : areas) {
    SCOPED_TRACE(::testing::Message() << area.left << "," << area.top);
    const std::optional<PixelImage> image =
        ComposeCapture(area, kMonitors, [](const PixelRect& rect) -> std::optional<PixelImage> {
          if (!OnOneMonitor(rect)) return std::nullopt;
          return Paint(rect);
        });
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, area.width);
    ASSERT_EQ(image->height, area.height);
    for (int y = 0; y < area.height; ++y)
      for (int x = 0; x < area.width; ++x) {
        const int sx = area.left + x, sy = area.top + y;
        const bool onScreen = OnOneMonitor({sx, sy, 1, 1});
        ASSERT_EQ(image->at(x, y), onScreen ? ScreenColour(sx, sy) : kNeutralFill)
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
class FakeScreen : public ScreenSource {
 public:
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
  using R = PickSession::TickResult;
  constexpr std::optional<ScreenPoint> kNone;
  const struct Step {
    std::optional<ScreenPoint> pointer;
    bool readable;
    R result;
    std::optional<PixelRect> captured;  // the area asked for, if any
    ScreenPoint last;                   // LastCursorX/Y afterwards
    bool captureTaken;
  } steps[] = {
      {kNone, true, R::Unreadable, std::nullopt, {0, 0}, false},
      {ScreenPoint{11, 7}, false, R::Unreadable, PixelRect{8, 5, 6, 4}, {0, 0}, false},
      {ScreenPoint{11, 7}, true, R::Captured, PixelRect{8, 5, 6, 4}, {11, 7}, true},
      {ScreenPoint{11, 7}, true, R::Still, std::nullopt, {11, 7}, true},
      {kNone, true, R::Unreadable, std::nullopt, {11, 7}, true},
      {ScreenPoint{12, 7}, false, R::Unreadable, PixelRect{9, 5, 6, 4}, {11, 7}, true},
      {ScreenPoint{1920, 1081}, true, R::Captured, PixelRect{1917, 1079, 6, 4}, {1920, 1081}, true},
  };
  FakeScreen screen;
  PickSession pick(&screen, 3, 2);
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "step " << (&step - steps));
    screen.pointer = step.pointer;
    screen.readable = step.readable;
    screen.captured.clear();
    const PickSession::Tick tick = pick.Timer1_Timer();
    EXPECT_EQ(tick.result, step.result);
    EXPECT_EQ(screen.captured.empty() ? std::nullopt : std::optional(screen.captured.back()),
              step.captured);
    EXPECT_EQ(screen.captured.size(), step.captured ? 1u : 0u);
    EXPECT_EQ((ScreenPoint{pick.LastCursorX, pick.LastCursorY}), step.last);
    EXPECT_EQ(pick.CaptureTaken(), step.captureTaken);
    if (step.result == R::Captured) {
      EXPECT_EQ(tick.colour, AsLong(ScreenColour(step.pointer->x, step.pointer->y)));
      EXPECT_EQ(tick.image.pixels, Paint(*step.captured).pixels);
    }
  }
}

}  // namespace
}  // namespace hk
