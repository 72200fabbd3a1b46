#include "picker/portalpicker.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QRandomGenerator>
#include <QVariantMap>
#include <optional>

#include "picker/portalanswer.h"

namespace hk {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

// results["color"] of a successful answer: a (ddd) of red, green and blue.
std::optional<LongColour> ColourOf(const QVariant& results) {
  if (!results.canConvert<QDBusArgument>()) return std::nullopt;
  const QDBusArgument resultsArg = results.value<QDBusArgument>();
  if (resultsArg.currentSignature() != QLatin1String("a{sv}")) return std::nullopt;
  QVariantMap map;
  resultsArg >> map;
  const QVariant colour = map.value(QStringLiteral("color"));
  if (!colour.canConvert<QDBusArgument>()) return std::nullopt;
  const QDBusArgument colourArg = colour.value<QDBusArgument>();
  if (colourArg.currentSignature() != QLatin1String("(ddd)")) return std::nullopt;
  double red = 0, green = 0, blue = 0;
  colourArg.beginStructure();
  colourArg >> red >> green >> blue;
  colourArg.endStructure();
  return PortalColour(red, green, blue);
}

}  // namespace

PortalPicker::PortalPicker(QObject* parent) : QObject(parent) {}

bool PortalPicker::Busy() const { return busy_; }

void PortalPicker::Request() {
  if (busy_) return;
  busy_ = true;
  // The first use connects; a program that never picks this way never touches the bus.
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    // Answered later all the same, as a caller expects of every request.
    QMetaObject::invokeMethod(
        this,
        [this] {
          Finish();
          emit Unavailable();
        },
        Qt::QueuedConnection);
    return;
  }
  if (!portalWatcher_) {
    // A portal that leaves the bus mid-request would otherwise leave us busy for good.
    portalWatcher_ =
        new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(portalWatcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            &PortalPicker::OnPortalGone);
  }

  // The portal names the request object after our connection and this token, so we can
  // listen there before asking: an answer that comes at once is not missed.
  const QString token =
      QStringLiteral("huekeeper%1_%2").arg(++requests_).arg(QRandomGenerator::global()->generate());
  QString sender = bus.baseService();
  sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
  Listen(QStringLiteral("%1/request/%2/%3").arg(kObject, sender, token));

  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kObject, kScreenshot, QStringLiteral("PickColor"));
  call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
  call_ = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
  connect(call_, &QDBusPendingCallWatcher::finished, this, &PortalPicker::OnCallFinished);
}

void PortalPicker::OnCallFinished(QDBusPendingCallWatcher* watcher) {
  watcher->deleteLater();
  if (watcher != call_) return;
  call_ = nullptr;
  const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
  if (reply.isError()) {
    Finish();
    emit Unavailable();
    return;
  }
  // An older portal chooses its own path; the answer will come there instead.
  const QString path = reply.value().path();
  if (path != requestPath_) {
    StopListening();
    Listen(path);
  }
}

void PortalPicker::OnResponse(const QDBusMessage& message) {
  // An answer already on its way when its request ended is not this request's answer.
  if (!busy_ || message.path() != requestPath_) return;
  // Two arguments, a response code and the results; anything else is no answer at all.
  const QVariantList args = message.arguments();
  const bool shaped = args.size() == 2 && args[0].metaType() == QMetaType::fromType<uint>();
  const std::optional<LongColour> colour = shaped ? ColourOf(args[1]) : std::nullopt;
  const PortalOutcome outcome =
      shaped ? OutcomeOf(args[0].toUInt(), colour.has_value()) : PortalOutcome::Unavailable;
  Finish();
  switch (outcome) {
    case PortalOutcome::Picked: emit ColourPicked(*colour); break;
    case PortalOutcome::Cancelled: emit Cancelled(); break;
    case PortalOutcome::Unavailable: emit Unavailable(); break;
  }
}

void PortalPicker::OnPortalGone() {
  if (!busy_) return;
  Finish();
  emit Unavailable();
}

void PortalPicker::Listen(const QString& requestPath) {
  requestPath_ = requestPath;
  QDBusConnection::sessionBus().connect(kService, requestPath_, kRequest, kResponse, this,
                                        SLOT(OnResponse(QDBusMessage)));
}

void PortalPicker::StopListening() {
  if (requestPath_.isEmpty()) return;
  QDBusConnection::sessionBus().disconnect(kService, requestPath_, kRequest, kResponse, this,
                                           SLOT(OnResponse(QDBusMessage)));
  requestPath_.clear();
}

void PortalPicker::Finish() {
  StopListening();
  if (call_) {
    // An answer may beat the reply to the call; the reply then has nothing left to do.
    call_->disconnect(this);
    call_->deleteLater();
    call_ = nullptr;
  }
  busy_ = false;
}

}  // namespace hk
