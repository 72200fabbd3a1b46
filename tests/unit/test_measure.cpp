// The measure tool: the caption that follows the mouse, which buttons measure, the
// rounding of the measured point and the box drawn to it.
#include <gtest/gtest.h>

#include "tools/measure.h"

namespace hk {
namespace {

TEST(Measure, MouseEventsSetCaptionPointAndDrawing) {
  struct Case {
    int buttons;
    float x, y;
    const char* caption;
    MeasuredPoint point;  // starting from (30, 45)
  };
  const Case cases[] = {
      {kLeftButton, 1500, 750, "Measure 1500, 750", {1500, 750}},
      {0, 1500, 750, "Measure 1500, 750", {30, 45}},  // no button: caption only
      {kRightButton, 15, 15, "Measure 15, 15", {30, 45}},
      {kLeftButton | kRightButton, 15, 15, "Measure 15, 15", {30, 45}},
      // Fractional twips at a scaled desktop: halves go to the even neighbour.
      {kLeftButton, 157.5f, 142.5f, "Measure 157.5, 142.5", {158, 142}},
      // Dragged beyond the window's top-left; far away in plain digits.
      {kLeftButton, -15, -0.0f, "Measure -15, 0", {-15, 0}},
      {kLeftButton, 1000000, 16777216, "Measure 1000000, 16777216", {1000000, 16777216}},
      // Beyond 32 bits the point stays as it was.
      {kLeftButton, 3e9f, 15, "Measure 3000000000, 15", {30, 45}},
      {kLeftButton, 15, -3e9f, "Measure 15, -3000000000", {30, 45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(MeasureCaption(c.x, c.y), c.caption);
    MeasuredPoint p{30, 45};
    const bool measured = MeasureMouse(p, c.buttons, c.x, c.y);
    EXPECT_EQ(measured, !(p == MeasuredPoint{30, 45}));  // the window repaints
    EXPECT_EQ(p, c.point);
  }
}

TEST(Measure, DrawsRightAndBottomEdgesAndTheNumbers) {
  EXPECT_EQ(DrawMeasure({1500, 750}),
            (MeasureDrawing{{1500, 0, 1500, 750}, {0, 750, 1500, 750}, 1500, 750, "1500, 750"}));
}

}  // namespace
}  // namespace hk
