#include "platform/singleinstance.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace hk {

namespace {

constexpr char kShow[] = "show\n";

// The socket address of `path`, or false when the path is too long for one.
bool AddressOf(const QString& path, sockaddr_un& addr) {
  const QByteArray bytes = QFile::encodeName(path);
  if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof addr.sun_path)
    return false;
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return true;
}

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0); }

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    ::unlink(QFile::encodeName(name_).constData());
  }
}

QString SingleInstance::DefaultName() {
  // On a Wayland desktop a copy running through XWayland belongs to the same session.
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  return DefaultName(std::move(display));
}

QString SingleInstance::DefaultName(QString display) {
  // ":0" and ":0.0" are one X server, whose screens share one copy.
  if (const qsizetype colon = display.lastIndexOf(QLatin1Char(':')); colon >= 0) {
    if (const qsizetype dot = display.indexOf(QLatin1Char('.'), colon); dot >= 0)
      display.truncate(dot);
  }
  // Only characters that are safe in a file name: a Wayland display may be a path.
  for (QChar& ch : display)
    if (!(ch.isLetterOrNumber() && ch.unicode() < 128) && ch != QLatin1Char('-') &&
        ch != QLatin1Char('.'))
      ch = QLatin1Char('_');
  const QString file = display.isEmpty() ? QStringLiteral("huekeeper.socket")
                                         : QStringLiteral("huekeeper-%1.socket").arg(display);
  // The runtime folder is private to the user (mode 0700), so the socket in it is too.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(file);
}

bool SingleInstance::AskRunningCopyToShow() {
  sockaddr_un addr;
  if (!AddressOf(name_, addr)) return false;
  const int fd = NewSocket();
  if (fd < 0) return false;
  bool answered = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  if (answered) answered = ::send(fd, kShow, sizeof kShow - 1, MSG_NOSIGNAL) >= 0;
  ::close(fd);
  return answered;
}

bool SingleInstance::Listen() {
  sockaddr_un addr;
  if (!AddressOf(name_, addr)) return false;
  const int fd = NewSocket();
  if (fd < 0) return false;
  // Only the user may connect: the socket is created without rights for others.
  const mode_t old = ::umask(077);
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::umask(old);
  if (!bound || ::listen(fd, 8) != 0) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, O_NONBLOCK);
  listenFd_ = fd;
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::OnConnection);
  return true;
}

bool SingleInstance::Claim() {
  if (AskRunningCopyToShow()) return false;
  if (!Listen()) {
    // Someone may have claimed the name just now; otherwise the socket is stale.
    if (AskRunningCopyToShow()) return false;
    ::unlink(QFile::encodeName(name_).constData());
    Listen();  // without it the program still runs, just without the hand-over
  }
  return true;
}

void SingleInstance::OnConnection() {
  for (;;) {
    const int peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0) return;
    auto* reader = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    connect(reader, &QSocketNotifier::activated, this, [this, reader, peer] {
      char buf[64];
      const ssize_t n = ::recv(peer, buf, sizeof buf, 0);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
      if (n > 0 && QByteArray(buf, static_cast<qsizetype>(n)).contains("show")) emit ShowRequested();
      // One request a connection: the asking copy has already gone.
      reader->setEnabled(false);
      reader->deleteLater();
      ::close(peer);
    });
  }
}

}  // namespace hk
