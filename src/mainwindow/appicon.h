// The program's own icon: a colour wheel in a rounded frame, drawn at every size the
// desktop asks for (task bar, tray, window list).
#pragma once

#include <QIcon>
#include <QImage>

namespace hk {

QIcon AppIcon();

// The icon files installed with the program: one size of the drawing, and the drawing
// as a scalable SVG document.
QImage AppIconImage(int size);
QByteArray AppIconSvg();

}  // namespace hk
