#include "mainwindow/frmpickcolor.h"

#include "platform/twips.h"

namespace hk {

FrmPickColor::FrmPickColor(QWidget* parent)
    // A fixed single border: the user may minimize the window but never resize or
    // maximize it; only the program changes its height.
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FrmPickColor"));
  setWindowTitle(QStringLiteral("Hue Keeper"));
  setFixedSize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
}

}  // namespace hk
