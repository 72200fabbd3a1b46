// The ink diagrams of the colour-space display: overlapping rectangles of the
// current colour's inks, with the colour itself in the centre square.
#pragma once

#include <vector>

#include "colour/longcolour.h"

namespace hk {

struct DiagramGeometry {
  int cx = 0, cy = 0;
  int d = 6, w = 30, h = 36;
};

// Centre of a display area whose inside is `innerWidth` x `innerHeight` pixels;
// the top 16 pixels belong to the caption row.
DiagramGeometry MakeDiagramGeometry(int innerWidth, int innerHeight);

struct FilledRect {
  int left, top, right, bottom;  // pixels, right and bottom exclusive
  LongColour colour;
};

// The rectangles in painting order.
std::vector<FilledRect> CMYKDiagram(LongColour colour, const DiagramGeometry& g);
std::vector<FilledRect> CMYDiagram(LongColour colour, const DiagramGeometry& g);

}  // namespace hk
