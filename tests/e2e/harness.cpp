#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace hk::e2e {

namespace fs = std::filesystem;

namespace {

// The environment of every child: the test display, and per-user folders inside
// the test's own temporary folder so no run touches the real user's settings.
std::vector<std::string> ChildEnvironment(const fs::path& home) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string key = entry.substr(0, entry.find('='));
    if (key == "DISPLAY" || key == "QT_QPA_PLATFORM" || key == "HOME" ||
        key.rfind("XDG_", 0) == 0 || key == "DBUS_SESSION_BUS_ADDRESS")
      continue;
    env.push_back(entry);
  }
  env.push_back("DISPLAY=" + XServer::Shared().Display());
  if (!home.empty()) {
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    env.push_back("XDG_DATA_HOME=" + (home / "data").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  }
  return env;
}

std::vector<char*> CStrings(std::vector<std::string>& v) {
  std::vector<char*> out;
  for (auto& s : v) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> env, int stdoutFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  auto args = CStrings(argv);
  auto envp = CStrings(env);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

}  // namespace

XServer& XServer::Shared() {
  static XServer server;
  return server;
}

XServer::XServer() {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> argv = {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen",
                                   "0",    "1280x1024x24", "-nolisten", "tcp", "-noreset"};
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  pid_ = Spawn(argv, env, -1);
  close(fds[1]);
  if (pid_ < 0) throw std::runtime_error("Xvfb could not be started");
  std::string number;
  char ch = 0;
  while (read(fds[0], &ch, 1) == 1 && ch != '\n') number += ch;
  close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not report a display");
  display_ = ":" + number;
}

XServer::~XServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

TempDir::TempDir() {
  std::string tmpl = (fs::temp_directory_path() / "huekeeper-e2e-XXXXXX").string();
  if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::optional<std::string> RunTool(const std::vector<std::string>& argv) {
  int fds[2];
  if (pipe(fds) != 0) return std::nullopt;
  const pid_t pid = Spawn(argv, ChildEnvironment({}), fds[1]);
  close(fds[1]);
  std::string out;
  char buf[4096];
  ssize_t n = 0;
  while (pid > 0 && (n = read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  if (pid < 0) return std::nullopt;
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return out;
}

bool FocusWindow(const std::string& window) {
  return RunTool({"xdotool", "windowfocus", "--sync", window}).has_value();
}

bool ClickAt(const std::string& window, int x, int y) {
  return RunTool({"xdotool", "mousemove", "--sync", "--window", window, std::to_string(x),
                  std::to_string(y), "click", "1"})
      .has_value();
}

bool TypeText(const std::string& text) {
  return RunTool({"xdotool", "type", "--delay", "20", "--", text}).has_value();
}

bool PressKeys(const std::string& keys) {
  return RunTool({"xdotool", "key", "--delay", "20", keys}).has_value();
}

std::optional<std::string> ClipboardText() {
  return RunTool({"xclip", "-o", "-selection", "clipboard"});
}

App::App() {
  binary_ = dir_.Path() / "huekeeper";
  fs::copy_file(HK_BINARY, binary_);
}

App::~App() {
  if (pid_ > 0 && !exitStatus_) StopWith(SIGKILL);
}

bool App::Start() {
  exitStatus_.reset();
  pid_ = Spawn({binary_.string()}, ChildEnvironment(dir_.Path() / "home"), -1);
  return pid_ > 0;
}

std::optional<std::string> App::WaitForWindow(const std::string& title,
                                              std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    const auto out = RunTool({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"});
    if (out && !out->empty()) return out->substr(0, out->find('\n'));
    if (!Running()) return std::nullopt;
    std::this_thread::sleep_for(50ms);
  }
  return std::nullopt;
}

bool App::Running() {
  if (pid_ <= 0 || exitStatus_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    exitStatus_ = status;
    return false;
  }
  return true;
}

std::optional<int> App::WaitForExit(std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (Running()) {
    if (std::chrono::steady_clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(10ms);
  }
  return exitStatus_;
}

std::optional<int> App::StopWith(int signal, std::chrono::milliseconds timeout) {
  if (!Running()) return exitStatus_;
  kill(pid_, signal);
  return WaitForExit(timeout);
}

}  // namespace hk::e2e
