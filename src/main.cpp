#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "mainwindow/frmpickcolor.h"
#include "platform/messages.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hue Keeper"));

  hk::InstallMessageBoxSink();

  hk::FrmPickColor window;
  // Centred on the screen when it first opens.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
  }
  window.show();
  return QApplication::exec();
}
