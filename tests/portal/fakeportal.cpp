// A stand-in for the desktop portal's colour picker. It takes the portal's name, prints
// "ready", and answers each PickColor as its next argument says: "CODE [R G B]" with the
// Response of that code (and that colour, channels 0..1, if given; a fifth word is sent
// as a third argument), "vanish" by leaving.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");

class FakeScreenshot : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
 public:
  QStringList answers;

 public slots:
  QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& call) {
    const QString path = QStringLiteral("%1/request/%2/%3")
                             .arg(kObject, call.service().mid(1).replace('.', '_'),
                                  options.value("handle_token").toString());
    // Once this call's reply has gone out, as a real portal answers once the user acts.
    QTimer::singleShot(0, this, [path, answer = answers.takeFirst().split(' ')] {
      if (answer[0] == "vanish") {
        QDBusConnection::sessionBus().unregisterService(kService);
        return;
      }
      QVariantMap results;
      if (answer.size() >= 4) {
        QDBusArgument colour;
        colour.beginStructure();
        for (int i = 1; i < 4; ++i) colour << answer[i].toDouble();
        colour.endStructure();
        results.insert("color", QVariant::fromValue(colour));
      }
      QDBusMessage response =
          QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response")
          << answer[0].toUInt() << results;
      if (answer.size() > 4) response << answer[4];  // an argument no portal sends
      QDBusConnection::sessionBus().send(response);
    });
    return QDBusObjectPath(path);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  FakeScreenshot portal;
  portal.answers = app.arguments().mid(1);
  QDBusConnection bus = QDBusConnection::sessionBus();
  // The previous case's portal may still hold the name for a moment after its end.
  if (!bus.registerObject(kObject, &portal, QDBusConnection::ExportAllSlots) ||
      bus.interface()->registerService(kService, QDBusConnectionInterface::ReplaceExistingService,
                                       QDBusConnectionInterface::AllowReplacement) !=
          QDBusConnectionInterface::ServiceRegistered)
    qFatal("hk_fakeportal: %s", qPrintable(bus.lastError().message()));
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}

#include "fakeportal.moc"
