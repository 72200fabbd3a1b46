// One running copy per user and display: a second copy asks the first to show itself and ends.
// A plain local socket, so no network library needs to load at start.
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace hk {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `name` is the socket's path; tests pass their own.
  explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);
  ~SingleInstance() override;

  // The per-user socket path in the user's private runtime folder, one for each display
  // (WAYLAND_DISPLAY, else DISPLAY), so that each desktop session runs its own copy.
  static QString DefaultName();
  // The same for `display` as the environment names it; its X screen number is left out.
  static QString DefaultName(QString display);

  // Becomes the running copy, or, when another copy answers, tells it to show
  // itself and returns false: this copy must then end at once. A socket left by a
  // copy that died does not count: it is removed only when nobody answers on it.
  bool Claim();

 signals:
  // Another copy asked this one to come to the front.
  void ShowRequested();

 private:
  bool AskRunningCopyToShow();
  bool Listen();
  void OnConnection();

  QString name_;
  int listenFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace hk
