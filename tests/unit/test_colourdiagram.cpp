// The ink diagrams: where each rectangle lies and which colour fills it.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "mainwindow/colourdiagram.h"

namespace hk {
namespace {

using Rect = std::tuple<int, int, int, int, LongColour>;  // left, top, right, bottom, colour

std::vector<Rect> Rects(const std::vector<FilledRect>& rects) {
  std::vector<Rect> out;
  for (const FilledRect& r : rects) out.emplace_back(r.left, r.top, r.right, r.bottom, r.colour);
  return out;
}

TEST(ColourDiagram, RectanglesAroundTheCentreInPaintingOrder) {
  // Centred across and below the 16-pixel caption row, halves to even: 36.5, 58.5 -> 36, 58.
  const DiagramGeometry odd = MakeDiagramGeometry(73, 101), g = MakeDiagramGeometry(72, 100);
  EXPECT_EQ(std::tuple(odd.cx, odd.cy, g.cx, g.cy), std::tuple(36, 58, 36, 58));
  const LongColour colour = RGB(100, 150, 200);  // CMY 155, 105, 55; CMYK 128, 64, 0, 55
  // Cyan, magenta, yellow (none) and black alone; C+Y, C+M, M+K, Y+K; the colour.
  EXPECT_EQ(Rects(CMYKDiagram(colour, g)), (std::vector<Rect>{
      {6, 22, 42, 64, RGB(127, 255, 255)}, {30, 22, 66, 64, RGB(255, 191, 255)},
      {6, 52, 42, 94, RGB(255, 255, 255)}, {30, 52, 66, 94, RGB(200, 200, 200)},
      {6, 52, 36, 64, RGB(127, 255, 255)}, {30, 22, 42, 64, RGB(127, 191, 255)},
      {36, 52, 66, 64, RGB(200, 150, 200)}, {30, 52, 42, 94, RGB(200, 200, 200)},
      {30, 52, 42, 64, colour}}));
  // Magenta, yellow, cyan; C+M, M+Y, C+Y; the colour.
  EXPECT_EQ(Rects(CMYDiagram(colour, g)), (std::vector<Rect>{
      {6, 52, 42, 94, RGB(255, 150, 255)}, {30, 52, 66, 94, RGB(255, 255, 200)},
      {21, 22, 51, 64, RGB(100, 255, 255)}, {21, 52, 42, 64, RGB(100, 150, 255)},
      {30, 64, 42, 94, RGB(255, 150, 200)}, {30, 52, 51, 64, RGB(100, 255, 200)},
      {30, 52, 42, 64, colour}}));
}

}  // namespace
}  // namespace hk
