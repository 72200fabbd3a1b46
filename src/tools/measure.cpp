#include "tools/measure.h"

#include <charconv>

#include "colour/numbers.h"

namespace hk {

namespace {

void AppendFloat(std::string& out, float v) {
  char buf[64];
  // Fixed notation: a far coordinate reads 1000000, never 1e+06. Adding 0 turns
  // a negative zero into 0.
  const auto res = std::to_chars(buf, buf + sizeof buf, v + 0.0f, std::chars_format::fixed);
  out.append(buf, res.ptr);
}

}  // namespace

std::string MeasureCaption(float x, float y) {
  std::string caption = "Measure ";
  AppendFloat(caption, x);
  caption += ", ";
  AppendFloat(caption, y);
  return caption;
}

bool MeasureMouse(MeasuredPoint& point, int buttons, float x, float y) {
  if (buttons != kLeftButton) return false;
  const auto wx = ToInt32(x);
  const auto wy = ToInt32(y);
  if (!wx || !wy) return false;
  point = {*wx, *wy};
  return true;
}

MeasureDrawing DrawMeasure(MeasuredPoint point) {
  const int x = point.x, y = point.y;
  return {{x, 0, x, y}, {0, y, x, y}, x, y, std::to_string(x) + ", " + std::to_string(y)};
}

}  // namespace hk
