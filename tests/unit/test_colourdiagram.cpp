// The ink diagrams: where each rectangle lies and which colour fills it.
#include <gtest/gtest.h>

#include "mainwindow/colourdiagram.h"

namespace hk {
namespace {

TEST(ColourDiagram, GeometryOfTheDisplayArea) {
  // 72 x 100 pixels: centre across, and centred below the 16-pixel caption row.
  const DiagramGeometry g = MakeDiagramGeometry(72, 100);
  EXPECT_EQ(g.cx, 36);
  EXPECT_EQ(g.cy, 58);
  // Halves go to the even neighbour: 73 / 2 = 36.5 -> 36; (101 - 16) / 2 + 16 = 58.5 -> 58.
  const DiagramGeometry odd = MakeDiagramGeometry(73, 101);
  EXPECT_EQ(odd.cx, 36);
  EXPECT_EQ(odd.cy, 58);
}

TEST(ColourDiagram, CMYKInksOverlapInTheCentreSquare) {
  const DiagramGeometry g = MakeDiagramGeometry(72, 100);
  const LongColour colour = RGB(100, 150, 200);  // inks 128, 64, 0, black 55
  const auto rects = CMYKDiagram(colour, g);
  ASSERT_EQ(rects.size(), 9u);
  for (int i = 0; i < 4; ++i) {  // each single ink is 36 x 42
    EXPECT_EQ(rects[i].right - rects[i].left, 36) << i;
    EXPECT_EQ(rects[i].bottom - rects[i].top, 42) << i;
  }
  EXPECT_EQ(rects[0].colour, RGB(127, 255, 255));  // cyan 128 alone
  EXPECT_EQ(rects[1].colour, RGB(255, 191, 255));  // magenta 64 alone
  EXPECT_EQ(rects[2].colour, RGB(255, 255, 255));  // no yellow
  EXPECT_EQ(rects[3].colour, RGB(200, 200, 200));  // black 55 alone
  EXPECT_EQ(rects[4].colour, RGB(127, 255, 255));  // cyan + no yellow
  const FilledRect& centre = rects.back();
  EXPECT_EQ(centre.colour, colour);
  EXPECT_EQ(centre.right - centre.left, 12);
  EXPECT_EQ(centre.bottom - centre.top, 12);
  EXPECT_EQ(centre.left, g.cx - 6);
  EXPECT_EQ(centre.top, g.cy - 6);
}

TEST(ColourDiagram, CMYRectanglesAndColours) {
  const DiagramGeometry g = MakeDiagramGeometry(72, 100);
  const LongColour colour = RGB(255, 128, 64);  // CMY 0, 127, 191
  const auto rects = CMYDiagram(colour, g);
  ASSERT_EQ(rects.size(), 7u);
  const FilledRect expected[] = {
      {6, 52, 42, 94, RGB(255, 128, 255)},   // magenta
      {30, 52, 66, 94, RGB(255, 255, 64)},   // yellow
      {21, 22, 51, 64, RGB(255, 255, 255)},  // cyan (none)
      {21, 52, 42, 64, RGB(255, 128, 255)},  // cyan + magenta
      {30, 64, 42, 94, RGB(255, 128, 64)},   // magenta + yellow
      {30, 52, 51, 64, RGB(255, 255, 64)},   // cyan + yellow
      {30, 52, 42, 64, colour},              // the colour itself
  };
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].left, expected[i].left) << i;
    EXPECT_EQ(rects[i].top, expected[i].top) << i;
    EXPECT_EQ(rects[i].right, expected[i].right) << i;
    EXPECT_EQ(rects[i].bottom, expected[i].bottom) << i;
    EXPECT_EQ(rects[i].colour, expected[i].colour) << i;
  }
}

}  // namespace
}  // namespace hk
