// One running copy per user and display: a second copy asks the first to show itself and ends,
// and a palette import from the command line is handed to the running copy. A plain local
// socket, so no network library needs to load at start.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

  // Sends `request` to the running copy and waits for its whole answer; nothing when no
  // copy answers on this display.
  std::optional<std::string> Ask(std::string_view request);
  // The running copy's answer to "import\n<file>"; without one an import is not answered.
  void SetImportHandler(std::function<std::string(const QString& file)> handler) {
    importHandler_ = std::move(handler);
  }

 signals:
  // Another copy asked this one to come to the front.
  void ShowRequested();

 private:
  bool AskRunningCopyToShow();
  bool Listen();
  void OnConnection();
  std::string Answer(const QByteArray& request);

  QString name_;
  int listenFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  std::function<std::string(const QString&)> importHandler_;
};

}  // namespace hk
