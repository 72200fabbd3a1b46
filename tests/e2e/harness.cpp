#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
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

// xdotool matches titles as extended regular expressions; ours are plain text.
std::string ExactTitle(const std::string& title) {
  std::string pattern = "^";
  for (const char ch : title) {
    if (std::strchr("\\^$.|?*+()[]{}", ch) != nullptr) pattern += '\\';
    pattern += ch;
  }
  return pattern + "$";
}

std::vector<char*> CStrings(std::vector<std::string>& v) {
  std::vector<char*> out;
  for (auto& s : v) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> env, int stdoutFd,
            bool quiet = false) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  if (quiet) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }
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
  // No --sync: xdotool then waits for a motion that never comes when the pointer is
  // already there (a window reopened where the last one was). The server handles the
  // move before the click all the same.
  return RunTool({"xdotool", "mousemove", "--window", window, std::to_string(x),
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

bool SetClipboardText(const std::string& text) {
  const TempDir dir;
  const fs::path file = dir.Path() / "clipboard.txt";
  if (!WriteBytes(file, text)) return false;
  // xclip reads the file, then leaves a copy of itself in the background to serve it.
  const pid_t pid = Spawn({"xclip", "-selection", "clipboard", "-i", file.string()},
                          ChildEnvironment({}), -1, /*quiet=*/true);
  if (pid <= 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
         WaitUntil([&] { return ClipboardText() == text; });
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return condition();
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::vector<std::string> VisibleWindows(const std::string& title) {
  std::vector<std::string> ids;
  // xdotool exits with failure when nothing matches.
  const auto out = RunTool({"xdotool", "search", "--onlyvisible", "--name", ExactTitle(title)});
  if (!out) return ids;
  std::istringstream lines(*out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) ids.push_back(line);
  }
  return ids;
}

bool WaitForNoWindow(const std::string& title, std::chrono::milliseconds timeout) {
  return WaitUntil([&] { return VisibleWindows(title).empty(); }, timeout);
}

std::optional<std::string> MapState(const std::string& window) {
  const auto out = RunTool({"xwininfo", "-id", window});
  if (!out) return std::nullopt;
  const std::string key = "Map State: ";
  const auto at = out->find(key);
  if (at == std::string::npos) return std::nullopt;
  const auto from = at + key.size();
  return out->substr(from, out->find('\n', from) - from);
}

std::optional<std::string> ActiveWindow() {
  auto out = RunTool({"xdotool", "getactivewindow"});
  if (!out) return std::nullopt;
  while (!out->empty() && (out->back() == '\n' || out->back() == ' ')) out->pop_back();
  return out;
}

std::string ToString(const Rgb& c) {
  return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
         ")";
}

std::optional<Screenshot> Screenshot::Of(const std::string& window) {
  // ImageMagick's import reads the window from the server; PPM is trivial to parse.
  const auto out = RunTool({"import", "-window", window, "-depth", "8", "ppm:-"});
  if (!out) return std::nullopt;
  const std::string& data = *out;
  std::size_t at = 0;
  auto field = [&]() -> std::optional<long> {
    while (at < data.size()) {
      if (data[at] == '#') {
        while (at < data.size() && data[at] != '\n') ++at;
      } else if (std::isspace(static_cast<unsigned char>(data[at]))) {
        ++at;
      } else {
        break;
      }
    }
    const std::size_t from = at;
    while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at]))) ++at;
    if (at == from) return std::nullopt;
    return std::stol(data.substr(from, at - from));
  };
  if (data.compare(0, 2, "P6") != 0) return std::nullopt;
  at = 2;
  const auto w = field(), h = field(), max = field();
  if (!w || !h || !max || *w <= 0 || *h <= 0 || *max <= 0 || *max > 65535) return std::nullopt;
  ++at;  // the single blank before the samples
  const std::size_t sampleBytes = *max < 256 ? 1 : 2;
  const std::size_t count = static_cast<std::size_t>(*w) * static_cast<std::size_t>(*h);
  if (data.size() < at + count * 3 * sampleBytes) return std::nullopt;
  Screenshot shot;
  shot.width_ = static_cast<int>(*w);
  shot.height_ = static_cast<int>(*h);
  shot.pixels_.reserve(count);
  auto sample = [&](std::size_t i) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + at + i * sampleBytes;
    const long v = sampleBytes == 1 ? p[0] : (p[0] << 8) | p[1];
    return static_cast<int>((v * 255 + *max / 2) / *max);
  };
  for (std::size_t i = 0; i < count; ++i) {
    shot.pixels_.push_back({sample(3 * i), sample(3 * i + 1), sample(3 * i + 2)});
  }
  return shot;
}

Rgb Screenshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1};
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

std::optional<std::string> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

FolderState Snapshot(const fs::path& root, const std::vector<std::string>& skip) {
  FolderState state;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    const std::string relative = fs::relative(it->path(), root).string();
    if (std::find(skip.begin(), skip.end(), relative) != skip.end()) {
      it.disable_recursion_pending();
      continue;
    }
    FileState file;
    file.folder = it->is_directory();
    file.time = fs::last_write_time(it->path(), ec);
    if (!file.folder) file.bytes = ReadBytes(it->path()).value_or("<unreadable>");
    state[relative] = std::move(file);
  }
  return state;
}

std::vector<std::string> Differences(const FolderState& before, const FolderState& after) {
  std::vector<std::string> lines;
  for (const auto& [name, was] : before) {
    const auto now = after.find(name);
    if (now == after.end()) {
      lines.push_back("removed: " + name);
    } else if (was.bytes != now->second.bytes) {
      lines.push_back("bytes changed: " + name);
    } else if (was.time != now->second.time) {
      lines.push_back("time stamp changed: " + name);
    }
  }
  for (const auto& [name, now] : after) {
    if (before.find(name) == before.end()) lines.push_back("added: " + name);
  }
  return lines;
}

FolderWatch::FolderWatch(const fs::path& folder) {
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return;
  const uint32_t mask = IN_OPEN | IN_ACCESS | IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE |
                        IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
  if (inotify_add_watch(fd_, folder.c_str(), mask) < 0) {
    close(fd_);
    fd_ = -1;
  }
}

FolderWatch::~FolderWatch() {
  if (fd_ >= 0) close(fd_);
}

std::vector<std::string> FolderWatch::Events() {
  std::vector<std::string> events;
  alignas(inotify_event) char buf[8192];
  ssize_t n = 0;
  while (fd_ >= 0 && (n = read(fd_, buf, sizeof buf)) > 0) {
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
      static constexpr std::pair<uint32_t, const char*> kNames[] = {
          {IN_OPEN, "OPEN"},         {IN_ACCESS, "ACCESS"},   {IN_MODIFY, "MODIFY"},
          {IN_ATTRIB, "ATTRIB"},     {IN_CLOSE_WRITE, "CLOSE_WRITE"},
          {IN_CREATE, "CREATE"},     {IN_DELETE, "DELETE"},   {IN_MOVED_FROM, "MOVED_FROM"},
          {IN_MOVED_TO, "MOVED_TO"}};
      const std::string name = e->len > 0 ? std::string(e->name) : std::string(".");
      for (const auto& [bit, word] : kNames) {
        if (e->mask & bit) events.push_back(std::string(word) + " " + name);
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
  }
  return events;
}

WindowManager::WindowManager() {
  // Its own home, so no user configuration changes how it behaves.
  auto env = ChildEnvironment(home_.Path());
  pid_ = Spawn({"openbox", "--sm-disable"}, env, -1, /*quiet=*/true);
  if (pid_ <= 0) return;
  ready_ = WaitUntil(
      [this] {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
          pid_ = -1;
          return true;  // it ended: not ready, stop waiting
        }
        const auto out = RunTool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"});
        return out && out->find("window id") != std::string::npos;
      },
      10s);
  ready_ = ready_ && pid_ > 0;
}

WindowManager::~WindowManager() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

Background::Background(const std::vector<std::string>& argv) {
  pid_ = Spawn(argv, ChildEnvironment({}), -1, /*quiet=*/true);
}

Background::~Background() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

std::vector<std::string> StackingOrder() {
  std::vector<std::string> ids;
  const auto out = RunTool({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"});
  if (!out) return ids;
  // _NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x400006, 0x60002c
  for (std::size_t at = out->find("0x"); at != std::string::npos; at = out->find("0x", at + 2)) {
    ids.push_back(std::to_string(std::stoul(out->substr(at), nullptr, 16)));
  }
  return ids;
}

bool ExitedWith(const std::optional<int>& status, int code) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == code;
}

std::string Describe(const std::optional<int>& status) {
  if (!status) return "still running";
  if (WIFEXITED(*status)) return "exit status " + std::to_string(WEXITSTATUS(*status));
  if (WIFSIGNALED(*status)) return "killed by signal " + std::to_string(WTERMSIG(*status));
  return "wait status " + std::to_string(*status);
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
    const auto out = RunTool({"xdotool", "search", "--onlyvisible", "--name", ExactTitle(title)});
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

App::OtherCopy App::RunAnotherCopy(std::chrono::milliseconds timeout) {
  OtherCopy copy;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn({binary_.string()}, ChildEnvironment(dir_.Path() / "home"), -1);
  if (pid <= 0) return copy;
  const auto end = start + timeout;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) != pid) {
    if (std::chrono::steady_clock::now() >= end) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      copy.elapsed = timeout;
      return copy;
    }
    std::this_thread::sleep_for(5ms);
  }
  copy.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  copy.status = status;
  return copy;
}

std::optional<int> App::StopWith(int signal, std::chrono::milliseconds timeout) {
  if (!Running()) return exitStatus_;
  kill(pid_, signal);
  return WaitForExit(timeout);
}

}  // namespace hk::e2e
