// Fonts of UpDownText: a stored font to a Qt font and back; Tahoma, which Linux rarely
// has, stands in as the design font does.
#pragma once

#include <QFont>

#include "updowntext/updowntextprops.h"
#include "widgets/designfont.h"

namespace hk {

// A stored font as a Qt font. Tahoma and the other Windows interface faces fall
// back to TahomaOrClosest when not installed; other missing faces are left to
// the system's font substitution.
QFont ToQFont(const FontSpec& stored);
FontSpec ToFontSpec(const QFont& font);

}  // namespace hk
