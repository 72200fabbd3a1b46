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
#include <algorithm>
#include <cmath>
#include <optional>

namespace hk {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

// One channel of 0..1 as 0..255, to the nearest step with halves up (0.5 is 128).
// Slightly out-of-range values are clamped; a channel that is not a number makes the
// whole answer unusable rather than a made-up black.
std::optional<int> ChannelByte(double value) {
  if (std::isnan(value)) return std::nullopt;
  return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

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
  const auto r = ChannelByte(red), g = ChannelByte(green), b = ChannelByte(blue);
  if (!r || !g || !b) return std::nullopt;
  return RGB(*r, *g, *b);
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
  const QVariantList args = message.arguments();
  if (args.size() == 2 && args[0].metaType() == QMetaType::fromType<uint>()) {
    switch (args[0].toUInt()) {
      case 0:
        if (const std::optional<LongColour> colour = ColourOf(args[1])) {
          Finish();
          emit ColourPicked(*colour);
          return;
        }
        break;
      case 1:  // dismissed by the user
      case 2:  // ended some other way: still no colour, and nothing to report
        Finish();
        emit Cancelled();
        return;
      default: break;
    }
  }
  Finish();
  emit Unavailable();
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
