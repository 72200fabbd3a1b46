#include "harness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
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

// The caller's environment for the display, with the per-user folders under `home`.
std::vector<std::string> Environment(const fs::path& home, const std::string& display) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e), key = entry.substr(0, entry.find('='));
    if (key != "DISPLAY" && key != "HOME" && key != "QT_QPA_PLATFORM" &&
        key != "DBUS_SESSION_BUS_ADDRESS" && key.rfind("XDG_", 0) != 0)
      env.push_back(entry);
  }
  if (fs::create_directories(home / "runtime")) {
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  }
  for (const auto& [key, folder] : {std::pair{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
                                    {"XDG_CACHE_HOME", "cache"}, {"XDG_RUNTIME_DIR", "runtime"}}) {
    env.push_back(std::string(key) + "=" + (home / folder).string());
  }
  env.push_back("HOME=" + home.string());
  env.push_back("DISPLAY=" + display);
  return env;
}

// Standard output goes to `out` (-1: nowhere); errors are kept only with `keepErrors`.
// No `env`: the test program's own.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int out,
            bool keepErrors = false) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out >= 0) posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
  if (out < 0) posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (!keepErrors) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  auto pointers = [](const std::vector<std::string>& v) {
    std::vector<char*> p;
    for (const std::string& s : v) p.push_back(const_cast<char*>(s.c_str()));
    p.push_back(nullptr);
    return p;
  };
  auto args = pointers(argv), envp = pointers(env);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(),
                              env.empty() ? environ : envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

// Runs a tool to its end; what it printed, nothing when it failed.
std::optional<std::string> Output(const std::vector<std::string>& argv,
                                  const std::vector<std::string>& env) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  const pid_t pid = Spawn(argv, env, fds[1]);
  close(fds[1]);
  std::string out;
  char buf[65536];
  for (ssize_t n = 0; pid > 0 && (n = read(fds[0], buf, sizeof buf)) > 0;) {
    out.append(buf, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid || !ExitedWith(status, 0)) return std::nullopt;
  return out;
}

// Xvfb and openbox for the whole test program, started on first use.
struct Display {
  fs::path home = MakeTempDir();
  std::string name;
  std::vector<std::string> env;
  pid_t xvfb = -1, wm = -1;

  Display() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    xvfb = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                  "-nolisten", "tcp"},
                 {}, -1);
    close(fds[1]);
    for (char ch = 0; read(fds[0], &ch, 1) == 1 && ch != '\n';) name += ch;
    close(fds[0]);
    if (xvfb < 0 || name.empty()) throw std::runtime_error("Xvfb did not start");
    name = ":" + name;
    env = Environment(home, name);
    wm = Spawn({"openbox", "--sm-disable"}, env, -1);
    if (!WaitUntil([this] {
          const auto out = Output({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, env);
          return out && out->find("window id") != std::string::npos;
        }))
      throw std::runtime_error("openbox did not start");
  }
  ~Display() {
    for (const pid_t pid : {wm, xvfb}) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    fs::remove_all(home);
  }
};

Display& Shared() {
  static Display display;
  return display;
}

// xdotool takes titles as regular expressions; ours are plain text.
std::string ExactTitle(const std::string& title) {
  std::string pattern = "^";
  for (const char ch : title) {
    if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != ' ') pattern += '\\';
    pattern += ch;
  }
  return pattern + "$";
}

}  // namespace

Process::Process(const std::vector<std::string>& argv, const fs::path& home)
    : pid_(Spawn(argv, home.empty() ? Shared().env : Environment(home, Shared().name), -1,
                 /*keepErrors=*/!home.empty())) {}

Process::~Process() {
  if (Running()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool Process::Running() {
  int status = 0;
  if (pid_ <= 0 || status_) return false;
  if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
  return !status_;
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout) {
  WaitUntil([this] { return !Running(); }, timeout);
  return status_;
}

bool Process::Signal(int signal) { return Running() && kill(pid_, signal) == 0; }

std::string Describe(const std::optional<int>& status) {
  if (!status) return "still running";
  if (WIFSIGNALED(*status)) return "killed by signal " + std::to_string(WTERMSIG(*status));
  return "exit status " + std::to_string(WEXITSTATUS(*status));
}

bool ExitedWith(const std::optional<int>& status, int code) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == code;
}

std::optional<std::string> Tool(const std::vector<std::string>& argv) {
  return Output(argv, Shared().env);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::vector<std::string> Windows(const std::string& title) {
  std::vector<std::string> ids;
  std::istringstream lines(
      Tool({"xdotool", "search", "--onlyvisible", "--name", ExactTitle(title)}).value_or(""));
  for (std::string id; lines >> id;) ids.push_back(id);
  return ids;
}

std::optional<std::string> WaitForWindow(const std::string& title, Process& owner) {
  std::vector<std::string> ids;
  WaitUntil([&] { return !(ids = Windows(title)).empty() || !owner.Running(); });
  return ids.empty() ? std::nullopt : std::optional(ids.front());
}

std::optional<std::string> ActiveWindow() {
  std::istringstream out(Tool({"xdotool", "getactivewindow"}).value_or(""));
  std::string id;
  return out >> id ? std::optional(id) : std::nullopt;
}

std::optional<std::string> TopWindow() {
  // _NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x400006, 0x60002c
  const std::string out = Tool({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"}).value_or("");
  const auto at = out.rfind("0x");
  if (at == std::string::npos) return std::nullopt;
  return std::to_string(std::stoul(out.substr(at), nullptr, 16));
}

bool Focus(const std::string& window) {
  return Tool({"xdotool", "windowfocus", "--sync", window}).has_value();
}

bool Click(const std::string& window, int x, int y) {
  // No --sync: xdotool would wait for a motion that never comes when the pointer is
  // already there.
  return Tool({"xdotool", "mousemove", "--window", window, std::to_string(x), std::to_string(y),
               "click", "1"})
      .has_value();
}

bool Type(const std::string& text) {
  return Tool({"xdotool", "type", "--delay", "20", "--", text}).has_value();
}

bool Keys(const std::string& keys) {
  return Tool({"xdotool", "key", "--delay", "20", keys}).has_value();
}

std::optional<std::string> Clipboard() { return Tool({"xclip", "-o", "-selection", "clipboard"}); }

bool SetClipboard(const std::string& text) {
  // xclip stays behind to serve the text until another client takes the clipboard.
  return Tool({"sh", "-c", "printf %s \"$1\" | xclip -selection clipboard >/dev/null 2>&1", "sh",
               text}) &&
         WaitUntil([&] { return Clipboard() == text; });
}

std::string ToString(const Rgb& c) {
  return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
         ")";
}

std::optional<Screenshot> Screenshot::Of(const std::string& window) {
  const auto ppm = Tool({"import", "-window", window, "-depth", "8", "ppm:-"});
  if (!ppm) return std::nullopt;
  std::istringstream in(*ppm);
  std::string magic;
  int max = 0;
  Screenshot shot;
  if (!(in >> magic >> shot.width >> shot.height >> max) || magic != "P6" || max != 255) {
    return std::nullopt;
  }
  const auto at = static_cast<std::size_t>(in.tellg()) + 1;
  const auto count = static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height);
  if (ppm->size() < at + 3 * count) return std::nullopt;
  const auto* p = reinterpret_cast<const unsigned char*>(ppm->data()) + at;
  for (std::size_t i = 0; i < count; ++i) shot.pixels.push_back({p[3 * i], p[3 * i + 1], p[3 * i + 2]});
  return shot;
}

Rgb Screenshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return {};
  return pixels[static_cast<std::size_t>(y * width + x)];
}

std::optional<std::string> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

std::vector<std::string> Named(const fs::path& folder, const std::string& prefix) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) names.push_back(name);
  }
  return names;
}

FolderWatch::FolderWatch(const fs::path& root) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  const uint32_t mask = IN_OPEN | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                        IN_MOVED_TO;
  folders_[inotify_add_watch(fd_, root.c_str(), mask)] = "";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_directory() && !entry.is_symlink()) {
      folders_[inotify_add_watch(fd_, entry.path().c_str(), mask)] =
          fs::relative(entry.path(), root).string() + "/";
    }
  }
}

FolderWatch::~FolderWatch() { close(fd_); }

std::optional<std::string> FolderWatch::Next(std::chrono::milliseconds timeout) {
  static const std::pair<uint32_t, const char*> kNames[] = {
      {IN_OPEN, "OPEN"},     {IN_MODIFY, "MODIFY"}, {IN_ATTRIB, "ATTRIB"},
      {IN_CREATE, "CREATE"}, {IN_DELETE, "DELETE"}, {IN_MOVED_FROM, "MOVED_FROM"},
      {IN_MOVED_TO, "MOVED_TO"}};
  pollfd ready{fd_, POLLIN, 0};
  if (pending_.empty() && poll(&ready, 1, static_cast<int>(timeout.count())) > 0) {
    alignas(inotify_event) char buf[8192];
    const ssize_t n = read(fd_, buf, sizeof buf);
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
      if ((e->mask & IN_ISDIR) && (e->mask & IN_OPEN)) continue;  // a folder listed
      for (const auto& [bit, word] : kNames) {
        if (e->mask & bit) pending_.push_back(word + (" " + folders_[e->wd]) + (e->len ? e->name : "."));
      }
    }
  }
  if (pending_.empty()) return std::nullopt;
  std::string event = pending_.front();
  pending_.pop_front();
  return event;
}

App::App() : dir_(MakeTempDir()) { fs::copy_file(HK_BINARY, dir_ / "huekeeper"); }

App::~App() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

std::unique_ptr<Process> App::Start() const {
  return std::make_unique<Process>(std::vector<std::string>{(dir_ / "huekeeper").string()},
                                   dir_ / "home");
}

}  // namespace hk::e2e
