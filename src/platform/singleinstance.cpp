#include "platform/singleinstance.h"

#include <fcntl.h>
#include <poll.h>
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
#include <memory>

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

std::optional<std::string> SingleInstance::Ask(std::string_view request) {
  sockaddr_un addr;
  if (!AddressOf(name_, addr)) return std::nullopt;
  const int fd = NewSocket();
  if (fd < 0) return std::nullopt;
  std::optional<std::string> answer;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
          static_cast<ssize_t>(request.size()) &&
      ::shutdown(fd, SHUT_WR) == 0) {
    // The running copy answers once it has done what was asked; a copy that hangs is
    // given up on after a minute.
    answer.emplace();
    pollfd wait{fd, POLLIN, 0};
    char buf[4096];
    for (ssize_t n = 1; n > 0 && ::poll(&wait, 1, 60000) == 1;) {
      n = ::recv(fd, buf, sizeof buf, 0);
      if (n > 0) answer->append(buf, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return answer;
}

void SingleInstance::OnConnection() {
  for (;;) {
    const int peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0) return;
    auto* reader = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    auto request = std::make_shared<QByteArray>();
    connect(reader, &QSocketNotifier::activated, this, [this, reader, peer, request] {
      char buf[4096];
      const ssize_t n = ::recv(peer, buf, sizeof buf, 0);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
      // The request is whole once the asking copy has ended its side; a request longer
      // than any path is not one.
      if (n > 0 && request->size() < 65536) {
        request->append(buf, static_cast<qsizetype>(n));
        return;
      }
      reader->setEnabled(false);
      reader->deleteLater();
      const std::string answer = n == 0 ? Answer(*request) : std::string();
      ::fcntl(peer, F_SETFL, 0);  // the answer is short: sent whole, waiting if need be
      ::send(peer, answer.data(), answer.size(), MSG_NOSIGNAL);
      ::close(peer);
    });
  }
}

std::string SingleInstance::Answer(const QByteArray& request) {
  if (request.startsWith("show")) {
    emit ShowRequested();
  } else if (request.startsWith("import\n") && importHandler_) {
    QByteArray file = request.mid(7);
    if (file.endsWith('\n')) file.chop(1);
    return importHandler_(QFile::decodeName(file));
  }
  return {};
}

}  // namespace hk
