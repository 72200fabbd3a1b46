// SIGTERM, SIGINT and SIGHUP end the program the way Exit does: the handler only
// writes to a pipe, and the event loop runs the exit on the UI thread. SIGXFSZ does
// not end it: a file that may not grow fails to save like one on a full disk.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace hk {

class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(QObject* parent = nullptr);
  ~QuitSignals() override;

 signals:
  void QuitRequested(int signal);

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace hk
