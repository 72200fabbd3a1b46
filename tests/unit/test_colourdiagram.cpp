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

TEST(ColourDiagram, CentreOfTheDisplayArea) {
  // Centred across, and below the 16-pixel caption row; halves go to the even
  // neighbour: 73 / 2 = 36.5 -> 36, (101 - 16) / 2 + 16 = 58.5 -> 58.
  for (const auto& [width, height] : {std::pair{72, 100}, {73, 101}}) {
    const DiagramGeometry g = MakeDiagramGeometry(width, height);
    EXPECT_EQ(std::pair(g.cx, g.cy), std::pair(36, 58)) << width << " x " << height;
  }
}

TEST(ColourDiagram, RectanglesInPaintingOrder) {
  const DiagramGeometry g = MakeDiagramGeometry(72, 100);
  const LongColour colour = RGB(100, 150, 200);  // CMY 155, 105, 55; CMYK 128, 64, 0, 55
  EXPECT_EQ(Rects(CMYKDiagram(colour, g)), (std::vector<Rect>{
      {6, 22, 42, 64, RGB(127, 255, 255)},    // cyan alone
      {30, 22, 66, 64, RGB(255, 191, 255)},   // magenta alone
      {6, 52, 42, 94, RGB(255, 255, 255)},    // yellow alone (none)
      {30, 52, 66, 94, RGB(200, 200, 200)},   // black alone
      {6, 52, 36, 64, RGB(127, 255, 255)},    // cyan + yellow
      {30, 22, 42, 64, RGB(127, 191, 255)},   // cyan + magenta
      {36, 52, 66, 64, RGB(200, 150, 200)},   // magenta + black
      {30, 52, 42, 94, RGB(200, 200, 200)},   // yellow + black
      {30, 52, 42, 64, colour}}));            // the colour itself
  EXPECT_EQ(Rects(CMYDiagram(colour, g)), (std::vector<Rect>{
      {6, 52, 42, 94, RGB(255, 150, 255)},    // magenta
      {30, 52, 66, 94, RGB(255, 255, 200)},   // yellow
      {21, 22, 51, 64, RGB(100, 255, 255)},   // cyan
      {21, 52, 42, 64, RGB(100, 150, 255)},   // cyan + magenta
      {30, 64, 42, 94, RGB(255, 150, 200)},   // magenta + yellow
      {30, 52, 51, 64, RGB(100, 255, 200)},   // cyan + yellow
      {30, 52, 42, 64, colour}}));
}

}  // namespace
}  // namespace hk
