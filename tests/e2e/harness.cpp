#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
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
    static const std::regex kOurs(
        "(DISPLAY|HOME|QT_QPA_PLATFORM|DBUS_SESSION_BUS_ADDRESS|XDG_.*)=.*");
    if (!std::regex_match(*e, kOurs)) env.emplace_back(*e);
  }
  if (fs::create_directories(home / "runtime")) {
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  }
  for (const std::string dir : {"CONFIG", "DATA", "CACHE"}) {
    env.push_back("XDG_" + dir + "_HOME=" + (home / dir).string());
  }
  env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
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
  for (ssize_t n = 0; pid > 0 && (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, n);
  close(fds[0]);
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid || status != 0) return std::nullopt;
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

std::optional<std::string> Tool(const std::vector<std::string>& argv) {
  return Output(argv, Shared().env);
}

// xdotool takes titles as regular expressions; ours are plain text.
std::string ExactTitle(const std::string& title) {
  return "^" + std::regex_replace(title, std::regex("[^A-Za-z0-9 ]"), "\\$&") + "$";
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

std::optional<int> Process::Stop(int signal) {
  if (Running()) kill(pid_, signal);
  return Wait();
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
  std::istringstream ids(
      Tool({"xdotool", "search", "--onlyvisible", "--name", ExactTitle(title)}).value_or(""));
  return {std::istream_iterator<std::string>(ids), {}};
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

bool Xdotool(std::vector<std::string> args) {
  args.insert(args.begin(), "xdotool");
  return Tool(args).has_value();
}

bool Focus(const std::string& window) { return Xdotool({"windowfocus", "--sync", window}); }
bool Type(const std::string& text) { return Xdotool({"type", "--delay", "20", "--", text}); }
bool Keys(const std::string& keys) { return Xdotool({"key", "--delay", "20", keys}); }

bool Click(const std::string& window, int x, int y) {
  // No --sync: xdotool would wait for a motion that never comes when the pointer is
  // already there.
  return Xdotool(
      {"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"});
}

std::optional<std::string> Clipboard() { return Tool({"xclip", "-o", "-selection", "clipboard"}); }

bool SetClipboard(const std::string& text) {
  // xclip stays behind to serve the text until another client takes the clipboard.
  return Tool({"sh", "-c", "printf %s \"$1\" | xclip -selection clipboard >/dev/null 2>&1", "sh",
               text}) &&
         WaitUntil([&] { return Clipboard() == text; });
}

std::vector<std::string> Pixels(const std::string& window,
                                const std::vector<std::pair<int, int>>& points) {
  const std::string ppm = Tool({"import", "-window", window, "-depth", "8", "ppm:-"}).value_or("");
  std::istringstream in(ppm);
  std::string magic;
  int width = 0, height = 0, max = 0;
  if (!(in >> magic >> width >> height >> max) || magic != "P6" || max != 255) return {};
  const auto start = static_cast<std::size_t>(in.tellg()) + 1;
  if (ppm.size() < start + 3UL * width * height) return {};
  std::vector<std::string> colours;
  for (const auto& [x, y] : points) {
    if (x < 0 || y < 0 || x >= width || y >= height) return {};
    const auto* p =
        reinterpret_cast<const unsigned char*>(ppm.data()) + start + 3UL * (y * width + x);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", p[0], p[1], p[2]);
    colours.push_back(text);
  }
  return colours;
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

std::vector<std::string> Named(const fs::path& folder, const std::string& part) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find(part) != std::string::npos) names.push_back(name);
  }
  return names;
}

FolderWatch::FolderWatch(const fs::path& root) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  const uint32_t mask =
      IN_OPEN | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
  folders_[inotify_add_watch(fd_, root.c_str(), mask)] = "";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_directory() && !entry.is_symlink()) {
      folders_[inotify_add_watch(fd_, entry.path().c_str(), mask)] =
          fs::relative(entry.path(), root).string() + "/";
    }
  }
}

FolderWatch::~FolderWatch() { close(fd_); }

std::vector<std::string> FolderWatch::Events() {
  // An event has one of these bits, IN_ACCESS (1) to IN_DELETE (512), besides flags.
  static const char* const kNames[] = {"ACCESS",        "MODIFY", "ATTRIB",     "CLOSE_WRITE",
                                       "CLOSE_NOWRITE", "OPEN",   "MOVED_FROM", "MOVED_TO",
                                       "CREATE",        "DELETE"};
  std::vector<std::string> events;
  alignas(inotify_event) char buf[8192];
  for (ssize_t n = 0; (n = read(fd_, buf, sizeof buf)) > 0;) {
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
      // Not a file event (a watch ended, say), or a folder being listed.
      if ((e->mask & 0x3FF) == 0 || ((e->mask & IN_ISDIR) && (e->mask & IN_OPEN))) continue;
      const std::string name = folders_[e->wd] + (e->len > 0 ? e->name : ".");
      events.push_back(kNames[std::countr_zero(e->mask & 0x3FF)] + (" " + name));
    }
  }
  return events;
}

App::App() : dir(MakeTempDir()) { fs::copy_file(HK_BINARY, dir / "huekeeper"); }

App::~App() {
  std::error_code ec;
  fs::remove_all(dir, ec);
}

std::unique_ptr<Process> App::Start(std::vector<std::string> wrapper) const {
  wrapper.push_back((dir / "huekeeper").string());
  return std::make_unique<Process>(wrapper, dir / "home");
}

}  // namespace hk::e2e
