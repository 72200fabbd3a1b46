// The measure tool's arithmetic: the caption that follows the mouse, the measured
// point taken while the left button alone is held, and the box drawn to it. All
// coordinates are twips of the window's inner area.
#pragma once

#include <cstdint>
#include <string>

namespace hk {

// Mouse button state as a mask, as the window's handlers see it.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

struct MeasuredPoint {
  std::int32_t x = 0, y = 0;
  bool operator==(const MeasuredPoint&) const = default;
};

// "Measure X, Y", each coordinate in the shortest decimal form of a float.
std::string MeasureCaption(float x, float y);

// A mouse move or press at (x, y) with `buttons` held: the left button alone
// measures the point there (nearest whole twip, halves to even). Returns whether
// it measured, so the window knows to repaint; a coordinate beyond 32 bits leaves
// the point as it was.
bool MeasureMouse(MeasuredPoint& point, int buttons, float x, float y);

// What the window draws for a point: two red edges of the measured box, from the
// top edge down to the point and from the left edge across to it, and "x, y" with
// its top-left corner at the point.
struct MeasureDrawing {
  struct Line {
    int x1, y1, x2, y2;
    bool operator==(const Line&) const = default;
  };
  Line right, bottom;
  int textX = 0, textY = 0;
  std::string text;
  bool operator==(const MeasureDrawing&) const = default;
};
MeasureDrawing DrawMeasure(MeasuredPoint point);

}  // namespace hk
