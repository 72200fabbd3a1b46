// The arithmetic of the HLS picker: the hue-saturation plane and the lightness bar
// it paints, the points it reads back, the markers and the value text. Hue runs to
// the program-wide hue maximum (MaxHue); saturation and lightness run 0-240.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "colour/longcolour.h"

namespace hk {

// A filled rectangle in pixels, right and bottom exclusive.
struct HLSRect {
  int left, top, right, bottom;
  friend bool operator==(const HLSRect&, const HLSRect&) = default;
};

// The plane is 240 x 240 pixels: hue grows to the right, saturation to the top.
inline constexpr int kPlaneSize = 240;
inline constexpr int kPlaneColumns = 241;  // hue 0 to the maximum, both ends painted
inline constexpr int kPlaneRows = 121;     // saturation 240 down to 0 in steps of 2
// The bar is 240 pixels high: lightness 240 (white) at the top down to 0 (black).
inline constexpr int kBarHeight = 240;
inline constexpr int kBarBands = 121;
// Twips from the top of the lightness marker down to its tip.
inline constexpr int kMarkerTipTwips = 90;

// Where plane cell (column, row) is painted, and its colour: HSL of the column's
// hue, the row's saturation and the middle lightness.
HLSRect PlaneCell(int column, int row);
LongColour PlaneColour(int column, int row);

// Where band `band` of the bar is painted across `width` pixels, and its colour
// for the chosen hue and saturation.
HLSRect BarBand(int band, int width);
LongColour BarColour(float hue, float saturation, int band);

struct HueSaturation {
  float hue, saturation;
  friend bool operator==(const HueSaturation&, const HueSaturation&) = default;
};

// The whole-number hue and saturation at a point of a plane `width` x `height`,
// or nothing when the point lies outside it.
std::optional<HueSaturation> PlanePoint(double x, double y, double width, double height);
// The point of the plane that shows a hue and saturation.
double PlaneX(float hue, double width);
double PlaneY(float saturation, double height);

// The whole-number lightness at height `y` of a bar `height` high, or nothing
// outside it; and the height that shows a lightness.
std::optional<float> BarLightness(double y, double height);
double BarY(float lightness, double height);
// Where a click or a key on the bar's pixel row `y` points: the last row stands for the
// bar's bottom edge, so black is one click away as white is; other rows as they are.
double BarRowY(double y, int height);

// The white cross around a point: four arms with a gap around the point itself.
std::array<HLSRect, 4> CrossMarker(int x, int y);

// Top of the lightness marker (twips) whose tip points at `lightness` on a bar at
// `barTop` that is `barHeight` high.
int MarkerTop(float lightness, int barTop, int barHeight);

// One step of dragging the marker: the press was `grip` below the marker's top,
// the pointer is now `y` below it (twips). The marker follows only while its tip
// stays on the bar; then it reports the new top and the lightness the tip shows.
struct MarkerStep {
  int top;
  float lightness;
  friend bool operator==(const MarkerStep&, const MarkerStep&) = default;
};
std::optional<MarkerStep> DragMarker(int top, int grip, double y, int barTop, int barHeight);

// A single float as the value fields show it: the shortest decimal text that reads
// back as the same float, seven significant digits at most ("120", "42.35294").
std::string FloatText(float value);

}  // namespace hk
