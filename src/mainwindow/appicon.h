// The program's own icon: a colour wheel in a rounded frame, drawn at every size the
// desktop asks for (task bar, tray, window list).
#pragma once

#include <QIcon>

namespace hk {

QIcon AppIcon();

}  // namespace hk
