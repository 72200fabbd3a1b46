// The program's fonts: Tahoma where installed, otherwise the closest sans-serif.
#pragma once

#include <QFont>

namespace hk {

// A Tahoma-like sans-serif font of `pointSize` points.
QFont TahomaFont(double pointSize);

}  // namespace hk
