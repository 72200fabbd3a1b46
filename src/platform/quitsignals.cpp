#include "platform/quitsignals.h"

#include <fcntl.h>
#include <cerrno>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace hk {

namespace {

int g_pipe[2] = {-1, -1};

void OnSignal(int sig) {
  const unsigned char byte = static_cast<unsigned char>(sig);
  const int saved = errno;
  [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
  if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) emit QuitRequested(byte);
  });
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
  // A write past the file size limit would end the program in the middle of a save;
  // ignored, the write fails (EFBIG) and the save says so.
  ::signal(SIGXFSZ, SIG_IGN);
}

QuitSignals::~QuitSignals() {
  struct sigaction sa {};
  sa.sa_handler = SIG_DFL;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

}  // namespace hk
