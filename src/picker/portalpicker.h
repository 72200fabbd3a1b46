// Picking through the desktop portal, for sessions whose screen the program cannot read
// itself (Wayland, the offscreen platform): the portal shows its own picker and sends
// back one colour.
#pragma once

#include <QObject>
#include <QString>

#include "colour/longcolour.h"

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace hk {

// Asks the desktop portal for one colour of the screen.
class PortalPicker : public QObject {
  Q_OBJECT
 public:
  explicit PortalPicker(QObject* parent = nullptr);
  // Starts one request; answers later with exactly one of the signals below. A request
  // while one is pending is ignored.
  void Request();
  bool Busy() const;
 signals:
  void ColourPicked(hk::LongColour colour);  // Long colour: red + 256*green + 65536*blue
  void Cancelled();    // the user dismissed the portal's picker (response 1 or 2)
  void Unavailable();  // no portal answered: no session bus, no such service, an error
                       // reply, or a malformed answer

 private slots:
  // Takes the whole message so that an answer of the wrong shape still ends the request.
  void OnResponse(const QDBusMessage& message);

 private:
  void OnCallFinished(QDBusPendingCallWatcher* watcher);
  void OnPortalGone();
  void Listen(const QString& requestPath);
  void StopListening();
  // Ends the pending request; called before its one signal, so that a receiver may
  // start the next request at once.
  void Finish();

  bool busy_ = false;
  QString requestPath_;  // where the Response is listened for; empty when not listening
  QDBusPendingCallWatcher* call_ = nullptr;
  QDBusServiceWatcher* portalWatcher_ = nullptr;
  quint32 requests_ = 0;
};

}  // namespace hk
