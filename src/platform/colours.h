// Long colours on the screen: ordinary colours by their channels, system colour
// references (0x80000000 + index) through the application palette.
#pragma once

#include <QColor>
#include <QPalette>

#include "colour/longcolour.h"

namespace hk {

// The palette colour that stands for a system colour index (window background,
// button face, 3D shadows ...).
QColor SystemColour(int index, const QPalette& palette);

// A Long colour as a QColor: an ordinary colour from its low three bytes, a
// system colour reference through `palette`.
QColor ToQColor(LongColour colour, const QPalette& palette);
QColor ToQColor(LongColour colour);  // with the application palette

}  // namespace hk
