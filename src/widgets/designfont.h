// The windows' design font: Tahoma, which Linux rarely has, or the installed face closest
// to it.
#pragma once

#include <QFont>
#include <QString>

namespace hk {

// Tahoma where installed, otherwise the installed sans-serif closest to it, at
// `points` points.
QFont TahomaOrClosest(double points);

// Whether a font family is installed, ignoring case.
bool FontInstalled(const QString& family);

}  // namespace hk
