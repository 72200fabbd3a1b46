#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <cstdio>
#include <string_view>
#include <vector>

#include "archive/palettecommand.h"
#include "mainwindow/appicon.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/commandlinepick.h"
#include "platform/caretrest.h"
#include "platform/commandline.h"
#include "platform/fontwarmup.h"
#include "platform/messages.h"
#include "platform/quitsignals.h"
#include "platform/singleinstance.h"

namespace {

hk::CommandLine Parse(int argc, char* argv[]) {
  return hk::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
}

// Help and version need no display; anything else is read again once Qt has taken its
// own options (-platform ...) out of the list.
bool Answered(const hk::CommandLine& line) {
  if (line.action == hk::CommandLine::Action::Help) {
    std::fputs(hk::kUsage, stdout);
  } else if (line.action == hk::CommandLine::Action::Version) {
    std::puts("Hue Keeper " HK_VERSION);
  } else {
    return false;
  }
  return true;
}

// An import or an export, which needs no display; -1 for anything else.
int PaletteCommand(const hk::CommandLine& line, int& argc, char* argv[]) {
  using enum hk::CommandLine::Action;
  if (line.action != Import && line.action != Export) return -1;
  // The application's name and folder decide where the window keeps the saved colours.
  const QCoreApplication* app =
      QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Hue Keeper"));
  const int status = hk::RunPaletteCommand(line, QCoreApplication::applicationDirPath());
  delete app;
  return status;
}

// Qt cannot start without a display and would abort; a script is told why instead.
bool NoDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(name)) return false;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const hk::CommandLine given = Parse(argc, argv);
  if (Answered(given)) return hk::kExitDone;
  if (const int status = PaletteCommand(given, argc, argv); status >= 0) return status;
  if (given.action == hk::CommandLine::Action::Pick && NoDisplay()) {
    std::fputs("huekeeper: no display to pick from: neither DISPLAY nor WAYLAND_DISPLAY is set\n",
               stderr);
    return hk::kExitFailed;
  }
  // Read while QApplication connects to the display; waited for before the window.
  hk::FontConfigWarmUp fontConfig;
  QApplication app(argc, argv);
  const hk::CommandLine line = Parse(argc, argv);
  if (Answered(line)) return hk::kExitDone;
  if (const int status = PaletteCommand(line, argc, argv); status >= 0) return status;
  if (line.action == hk::CommandLine::Action::Error) {
    std::fprintf(stderr, "huekeeper: %s\n\n%s", line.error.c_str(), hk::kUsage);
    return hk::kExitFailed;
  }
  QApplication::setApplicationName(QStringLiteral("Hue Keeper"));
  // Ties the window to the menu entry on Wayland, where no window class does.
  QGuiApplication::setDesktopFileName(QStringLiteral(HK_APP_ID));
  // A pick for a script: no window of ours and no hand-over.
  if (line.action == hk::CommandLine::Action::Pick) return hk::PickFromCommandLine(line.format);

  // The program ends only through Exit; a hidden window is not the end.
  QApplication::setQuitOnLastWindowClosed(false);

  // A second copy hands over before it reads or writes any of our files.
  hk::SingleInstance instance;
  if (!instance.Claim()) return 0;

  fontConfig.Wait();
  hk::InstallMessageBoxSink();
  hk::CaretRest caretRest;
  hk::FrmPickColor window;
  QObject::connect(&instance, &hk::SingleInstance::ShowRequested, &window,
                   [&window] { window.ShowAgain(); });
  instance.SetImportHandler(
      [&window](const QString& file) { return window.ImportHandedOver(file); });
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
  // Drawn once the window is up: the desktop takes the icon whenever it comes.
  QTimer::singleShot(0, [] { QApplication::setWindowIcon(hk::AppIcon()); });
  return QApplication::exec();
}
