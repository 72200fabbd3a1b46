#include "harness.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace hk::e2e {
namespace {

fs::path MakeTempDir() {
  std::string path = (fs::temp_directory_path() / "huekeeper-e2e-XXXXXX").string();
  if (mkdtemp(path.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return path;
}

// Xvfb and openbox for the whole test program. The per-user folders move to a fresh one
// (mode 0700, as the runtime folder must be), so that no run touches the real user's
// settings or hands over to the user's own copy; without a session bus Qt starts at once.
class XDisplay : public ::testing::Environment {
  void SetUp() override {
    home_ = MakeTempDir();
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home_.c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                             "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
      unsetenv(name);
    // -noreset: else the server starts over whenever the polls below leave it clientless.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    xvfb_ = std::make_unique<Process>("Xvfb -displayfd " + std::to_string(fds[1]) +
                                      " -screen 0 1280x1024x24 -nolisten tcp -noreset");
    close(fds[1]);
    std::string display = ":";
    for (char ch = 0; read(fds[0], &ch, 1) == 1 && ch != '\n';) display += ch;
    close(fds[0]);
    ASSERT_NE(display, ":") << "Xvfb did not start";
    setenv("DISPLAY", display.c_str(), 1);
    wm_ = std::make_unique<Process>("openbox --sm-disable");
    // Set once openbox is ready; a window mapped before that may go unmanaged.
    ASSERT_TRUE(WaitUntil([] { return !!Sh("xprop -root _NET_WORKAREA | grep -q ' = '"); }))
        << "openbox did not start";
  }
  void TearDown() override {
    for (Process* p : {wm_.get(), xvfb_.get()})
      if (p) p->Wait(SIGTERM);  // Xvfb then removes its socket and lock files
    fs::remove_all(home_);
  }
  fs::path home_;
  std::unique_ptr<Process> xvfb_, wm_;
};

[[maybe_unused]] auto* const kDisplay = ::testing::AddGlobalTestEnvironment(new XDisplay);

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  for (const auto end = std::chrono::steady_clock::now() + timeout; !condition();
       std::this_thread::sleep_for(20ms))
    if (std::chrono::steady_clock::now() >= end) return false;
  return true;
}

std::optional<std::string> Sh(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buf[4096];
  for (std::size_t n = 0; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

Process::Process(const std::string& command, bool keepStderr) {
  const std::string line = "exec " + command + (keepStderr ? " >/dev/null" : " >/dev/null 2>&1");
  const char* argv[] = {"sh", "-c", line.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int fds[2] = {-1, -1};
  if (keepStderr && pipe2(fds, O_CLOEXEC) == 0) {
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    stderr_ = fds[0];
    fcntl(stderr_, F_SETFL, O_NONBLOCK);
  }
  if (posix_spawnp(&pid_, "sh", &actions, nullptr, const_cast<char**>(argv), environ)) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  if (fds[1] >= 0) close(fds[1]);
}

Process::~Process() {
  Wait(SIGKILL);
  if (stderr_ >= 0) close(stderr_);
}

bool Process::Running() {
  Stderr();  // drained as it comes, so a full pipe never holds the program up
  int status = 0;
  if (pid_ > 0 && !status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
  return pid_ > 0 && !status_;
}

const std::string& Process::Stderr() {
  char buf[4096];
  for (ssize_t n = 0; stderr_ >= 0 && (n = read(stderr_, buf, sizeof buf)) > 0;)
    errors_.append(buf, static_cast<std::size_t>(n));
  return errors_;
}

std::optional<int> Process::Wait(int signal) {
  if (Running()) kill(pid_, signal);
  WaitUntil([this] { return !Running(); });
  return status_;
}

std::optional<std::string> Window(const std::string& title, Process* owner) {
  std::optional<std::string> id;
  WaitUntil([&] {
    if ((id = Sh("xdotool search --onlyvisible --name '" + title + "'")))
      id = id->substr(0, id->find('\n'));
    return id || !owner || !owner->Running();
  });
  return id;
}

std::set<std::string> Touched(const fs::path& folder, const std::function<void()>& act) {
  const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  inotify_add_watch(fd, folder.c_str(),
                    IN_OPEN | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVE);
  act();
  std::set<std::string> names;
  alignas(inotify_event) char buf[8192];
  for (ssize_t n = 0; (n = read(fd, buf, sizeof buf)) > 0;)
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buf + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->len > 0) names.insert(event->name);
    }
  close(fd);
  return names;
}

App::App() : dir(MakeTempDir()) { fs::copy_file(HK_BINARY, dir / "huekeeper"); }

App::~App() { fs::remove_all(dir); }

std::unique_ptr<Process> App::Start(const std::string& wrapper, bool keepStderr) const {
  return std::make_unique<Process>(wrapper + " '" + (dir / "huekeeper").string() + "'", keepStderr);
}

std::optional<std::string> App::Read(const std::string& name) const {
  std::ifstream in(dir / name, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace hk::e2e
