// A stand-in for the desktop portal's colour picker. It owns the portal's name on the
// session bus, answers PickColor on the request object named after the caller and its
// token, and answers the way its arguments say:
//   hk_fakeportal R G B    the user picked that colour (channels 0..1, "nan" allowed)
//   hk_fakeportal cancel   the user dismissed the picker (response 1)
//   hk_fakeportal vanish   the call is answered, then the portal leaves the bus unanswered
// It prints "ready" once the name is its own.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");

enum class Mode { Colour, Cancel, Vanish };

class FakeScreenshot : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
 public:
  FakeScreenshot(Mode mode, double red, double green, double blue)
      : mode_(mode), red_(red), green_(green), blue_(blue) {}

 public slots:
  QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options) {
    Q_UNUSED(parentWindow);
    QString sender = message().service();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path =
        QStringLiteral("%1/request/%2/%3")
            .arg(kObject, sender, options.value(QStringLiteral("handle_token")).toString());
    // After this call's reply has gone out, as a real portal answers once the user acts.
    QTimer::singleShot(0, this, [this, path] { Answer(path); });
    return QDBusObjectPath(path);
  }

 private:
  void Answer(const QString& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (mode_ == Mode::Vanish) {
      bus.unregisterService(kService);
      return;
    }
    QDBusMessage response = QDBusMessage::createSignal(
        path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    QVariantMap results;
    if (mode_ == Mode::Colour) {
      QDBusArgument colour;
      colour.beginStructure();
      colour << red_ << green_ << blue_;
      colour.endStructure();
      results.insert(QStringLiteral("color"), QVariant::fromValue(colour));
    }
    switch (mode_) {
      case Mode::Cancel: response << 1u; break;
      default: response << 0u; break;
    }
    response << results;
    bus.send(response);
  }

  Mode mode_;
  double red_, green_, blue_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  Mode mode = Mode::Colour;
  double channels[3] = {0, 0, 0};
  if (args == QStringList{QStringLiteral("cancel")}) {
    mode = Mode::Cancel;
  } else if (args == QStringList{QStringLiteral("vanish")}) {
    mode = Mode::Vanish;
  } else if (args.size() == 3) {
    for (int i = 0; i < 3; ++i) {
      bool ok = false;
      channels[i] = args[i].toDouble(&ok);
      if (!ok) return 2;
    }
  } else {
    std::fputs("usage: hk_fakeportal R G B | cancel | vanish\n", stderr);
    return 2;
  }

  FakeScreenshot screenshot(mode, channels[0], channels[1], channels[2]);
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(kObject, &screenshot, QDBusConnection::ExportAllSlots) ||
      // The previous test's portal may still hold the name for a moment after its end.
      bus.interface()->registerService(kService, QDBusConnectionInterface::ReplaceExistingService,
                                       QDBusConnectionInterface::AllowReplacement) !=
          QDBusConnectionInterface::ServiceRegistered) {
    std::fprintf(stderr, "hk_fakeportal: %s\n", qPrintable(bus.lastError().message()));
    return 1;
  }
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}

#include "fakeportal.moc"
