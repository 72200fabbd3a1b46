// Times one program from its start to its first mapped top-level window on the X
// display, and reads its resident memory then and once it has settled. Used by
// startup.sh; prints one JSON object.
//
//   startup_probe SETTLE_MS PROGRAM [ARGS...]
//
// The program is killed (SIGKILL) after the settle time, so it writes nothing.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

// A field of /proc/PID/status in KiB ("VmRSS", "VmHWM"), or -1.
long StatusKiB(pid_t pid, const std::string& key) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + ":", 0) == 0)
      return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
  }
  return -1;
}

int Fail(const char* what, pid_t child) {
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  std::fprintf(stderr, "startup_probe: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_probe SETTLE_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  const int settleMs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return Fail("cannot open the X display", -1);
  const Window root = DefaultRootWindow(display);
  // Every window mapped as a child of the root reaches us as a MapNotify.
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return Fail("fork failed", -1);
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[2], argv + 2);
    _exit(127);
  }

  const int fd = ConnectionNumber(display);
  const auto deadline = start + std::chrono::seconds(60);
  bool mapped = false;
  while (!mapped) {
    while (!mapped && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      mapped = event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect;
    }
    if (mapped) break;
    if (waitpid(child, nullptr, WNOHANG) == child)
      return Fail("the program ended before it showed a window", -1);
    if (Clock::now() > deadline) return Fail("no window within 60 s", child);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{0, 20000};  // also notices a program that dies early
    select(fd + 1, &readable, nullptr, nullptr, &wait);
  }
  const double mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const long rssAtMap = StatusKiB(child, "VmRSS");

  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long rss = StatusKiB(child, "VmRSS");
  const long hwm = StatusKiB(child, "VmHWM");
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);

  std::printf("{\"map_ms\": %.2f, \"rss_at_map_kib\": %ld, \"rss_kib\": %ld, \"hwm_kib\": %ld}\n",
              mapMs, rssAtMap, rss, hwm);
  return rss < 0 ? 1 : 0;
}
