#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "mainwindow/appicon.h"
#include "mainwindow/frmpickcolor.h"
#include "platform/caretrest.h"
#include "platform/messages.h"
#include "platform/quitsignals.h"
#include "platform/singleinstance.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hue Keeper"));
  QApplication::setWindowIcon(hk::AppIcon());
  // The program ends only through Exit; a hidden window is not the end.
  QApplication::setQuitOnLastWindowClosed(false);

  // A second copy hands over before it reads or writes any of our files.
  hk::SingleInstance instance;
  if (!instance.Claim()) return 0;

  hk::InstallMessageBoxSink();
  hk::CaretRest caretRest;
  hk::FrmPickColor window;
  QObject::connect(&instance, &hk::SingleInstance::ShowRequested, &window,
                   [&window] { window.ShowAgain(); });
  hk::QuitSignals quitSignals;
  QObject::connect(&quitSignals, &hk::QuitSignals::QuitRequested, &window,
                   [&window] { window.ExitUnattended(); });
  // The desktop session ending saves as Exit does.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window] { window.SaveAll(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Shutdown(); });

  window.Form_Load(QCoreApplication::applicationDirPath());
  // Centred on the screen when it first opens.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                    screen->availableGeometry())
                    .topLeft());
  }
  window.show();
  return QApplication::exec();
}
