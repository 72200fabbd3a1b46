#include "mainwindow/colourdiagram.h"

#include "colour/modcmyk.h"
#include "colour/numbers.h"

namespace hk {

DiagramGeometry MakeDiagramGeometry(int innerWidth, int innerHeight) {
  DiagramGeometry g;
  g.cx = static_cast<int>(RoundHalfEven(innerWidth / 2.0));
  g.cy = static_cast<int>(RoundHalfEven((innerHeight - 16) / 2.0 + 16));
  return g;
}

std::vector<FilledRect> CMYKDiagram(LongColour colour, const DiagramGeometry& g) {
  const CMYK k = RGBToCMYK(colour);
  const int cx = g.cx, cy = g.cy, d = g.d, w = g.w, h = g.h;
  return {
      {cx - w, cy - h, cx + d, cy + d, CMYKToLong(k.c, 0, 0, 0)},
      {cx - d, cy - h, cx + w, cy + d, CMYKToLong(0, k.m, 0, 0)},
      {cx - w, cy - d, cx + d, cy + h, CMYKToLong(0, 0, k.y, 0)},
      {cx - d, cy - d, cx + w, cy + h, CMYKToLong(0, 0, 0, k.k)},
      {cx - w, cy - d, cx, cy + d, CMYKToLong(k.c, 0, k.y, 0)},
      {cx - d, cy - h, cx + d, cy + d, CMYKToLong(k.c, k.m, 0, 0)},
      {cx, cy - d, cx + w, cy + d, CMYKToLong(0, k.m, 0, k.k)},
      {cx - d, cy - d, cx + d, cy + h, CMYKToLong(0, 0, k.y, k.k)},
      {cx - d, cy - d, cx + d, cy + d, colour & 0xFFFFFF},
  };
}

std::vector<FilledRect> CMYDiagram(LongColour colour, const DiagramGeometry& g) {
  int c = 0, m = 0, y = 0;
  RGBToCMY(RedOf(colour), GreenOf(colour), BlueOf(colour), c, m, y);
  const int cx = g.cx, cy = g.cy, d = g.d, w = g.w, h = g.h;
  return {
      {cx - w, cy - d, cx + d, cy + h, CMYToLong(0, m, 0)},
      {cx - d, cy - d, cx + w, cy + h, CMYToLong(0, 0, y)},
      {cx - w / 2, cy - h, cx + w / 2, cy + d, CMYToLong(c, 0, 0)},
      {cx - w / 2, cy - d, cx + d, cy + d, CMYToLong(c, m, 0)},
      {cx - d, cy + d, cx + d, cy + h, CMYToLong(0, m, y)},
      {cx - d, cy - d, cx + w / 2, cy + d, CMYToLong(c, 0, y)},
      {cx - d, cy - d, cx + d, cy + d, colour & 0xFFFFFF},
  };
}

}  // namespace hk
