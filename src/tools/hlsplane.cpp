#include "tools/hlsplane.h"

#include <charconv>

#include "colour/modhslv.h"
#include "colour/numbers.h"

namespace hk {

namespace {

LongColour HSLColour(float hue, float saturation, float lightness) {
  std::int32_t r = 0, g = 0, b = 0;
  HSLToRGB(hue, saturation, lightness, r, g, b);
  return RGB(r, g, b);
}

float Whole(double value) { return static_cast<float>(RoundHalfEven(value)); }

}  // namespace

HLSRect PlaneCell(int column, int row) { return {column, 2 * row, column + 1, 2 * row + 2}; }

LongColour PlaneColour(int column, int row) {
  // The hue steps by a 240th of the maximum: 1 or 1.5, both exact in a float.
  const float step = MaxHue / 240.0f;
  return HSLColour(static_cast<float>(column) * step, static_cast<float>(240 - 2 * row), 120.0f);
}

HLSRect BarBand(int band, int width) { return {0, 2 * band, width, 2 * band + 2}; }

LongColour BarColour(float hue, float saturation, int band) {
  return HSLColour(hue, saturation, static_cast<float>(240 - 2 * band));
}

std::optional<HueSaturation> PlanePoint(double x, double y, double width, double height) {
  if (x < 0 || x > width || y < 0 || y > height) return std::nullopt;
  return HueSaturation{Whole(x / width * MaxHue), Whole((1.0 - y / height) * 240.0)};
}

double PlaneX(float hue, double width) { return hue / MaxHue * width; }
double PlaneY(float saturation, double height) { return (1.0 - saturation / 240.0) * height; }

std::optional<float> BarLightness(double y, double height) {
  if (y < 0 || y > height) return std::nullopt;
  return Whole((1.0 - y / height) * 240.0);
}

double BarY(float lightness, double height) { return (1.0 - lightness / 240.0) * height; }

double BarRowY(double y, int height) { return y >= height - 1 && y <= height ? height : y; }

std::array<HLSRect, 4> CrossMarker(int x, int y) {
  return {{{x - 14, y - 2, x - 4, y + 2},
           {x + 4, y - 2, x + 14, y + 2},
           {x - 2, y - 14, x + 2, y - 4},
           {x - 2, y + 4, x + 2, y + 14}}};
}

int MarkerTop(float lightness, int barTop, int barHeight) {
  return static_cast<int>(
      RoundHalfEven((1.0 - lightness / 240.0) * barHeight + barTop - kMarkerTipTwips));
}

std::optional<MarkerStep> DragMarker(int top, int grip, double y, int barTop, int barHeight) {
  const int newTop = static_cast<int>(RoundHalfEven(top - grip + y));
  const int tip = newTop + kMarkerTipTwips;
  if (tip < barTop || tip > barTop + barHeight) return std::nullopt;
  const double lightness =
      RoundHalfEven((1.0 - static_cast<double>(tip - barTop) / barHeight) * 240.0);
  return MarkerStep{newTop, static_cast<float>(lightness)};
}

std::string FloatText(float value) {
  // The fewest significant digits that read back as the value, then written out
  // without an exponent (120, not 1.2e+02). Plain character conversions: the text
  // is the same whatever the user's locale.
  char buf[64];
  char* end = buf;
  for (int digits = 1; digits <= 7; ++digits) {
    end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits).ptr;
    float back = 0;
    std::from_chars(buf, end, back);
    if (back == value) break;
  }
  double rounded = 0;
  std::from_chars(buf, end, rounded);
  end = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed).ptr;
  return std::string(buf, end);
}

}  // namespace hk
