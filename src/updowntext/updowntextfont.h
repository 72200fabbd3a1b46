// Fonts of UpDownText: a stored font to a Qt font and back, and the channel
// editors' Tahoma, which Linux rarely has.
#pragma once

#include <QFont>

#include "updowntext/updowntextprops.h"

namespace hk {

// Tahoma where installed, otherwise the installed sans-serif closest to it, at
// `points` points.
QFont TahomaOrClosest(double points);

// A stored font as a Qt font. Tahoma and the other Windows interface faces fall
// back to TahomaOrClosest when not installed; other missing faces are left to
// the system's font substitution.
QFont ToQFont(const FontSpec& stored);
FontSpec ToFontSpec(const QFont& font);

}  // namespace hk
