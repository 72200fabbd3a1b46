// End-to-end harness: a private Xvfb display with a window manager, the real program
// copied into a fresh folder, and the X tools that act on it as a user would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hk::e2e {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A child process on the test display, with per-user folders under `home` (when
// given) so that no run touches the real user's settings. Killed if still running
// when this goes.
class Process {
 public:
  explicit Process(const std::vector<std::string>& argv, const fs::path& home = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Running();
  // Waits for the end; the wait status, nothing when it still runs after `timeout`.
  std::optional<int> Wait(std::chrono::milliseconds timeout = 10s);
  std::optional<int> Stop(int signal) { return Signal(signal) ? Wait() : std::nullopt; }
  bool Signal(int signal);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};
std::string Describe(const std::optional<int>& status);  // "exit status 0", ...
bool ExitedWith(const std::optional<int>& status, int code);

// Runs a tool to its end; what it printed, nothing when it failed.
std::optional<std::string> Tool(const std::vector<std::string>& argv);
// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// Mapped windows with exactly this title, their ids as xdotool gives them.
std::vector<std::string> Windows(const std::string& title);
// Waits for a mapped window with this title while `owner` runs.
std::optional<std::string> WaitForWindow(const std::string& title, Process& owner);
std::optional<std::string> ActiveWindow();
std::optional<std::string> TopWindow();  // the managed window stacked highest
// xdotool: positions are window pixels, keys as "ctrl+x".
bool Focus(const std::string& window);
bool Click(const std::string& window, int x, int y);
bool Type(const std::string& text);
bool Keys(const std::string& keys);
// The clipboard through xclip.
std::optional<std::string> Clipboard();
bool SetClipboard(const std::string& text);

// A window's pixels as the X server holds them, red, green, blue.
struct Rgb {
  int r = -1, g = -1, b = -1;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::string ToString(const Rgb& c);
struct Screenshot {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  static std::optional<Screenshot> Of(const std::string& window);
  Rgb At(int x, int y) const;
};

std::optional<std::string> ReadBytes(const fs::path& file);
bool WriteBytes(const fs::path& file, const std::string& bytes);
// Names in a folder that begin with `prefix`.
std::vector<std::string> Named(const fs::path& folder, const std::string& prefix);

// Opens, writes, creations, deletions, renames and time stamp changes of files in a
// folder and every folder below it, as "OPEN Colorx.dat", "CREATE home/x" ...
class FolderWatch {
 public:
  explicit FolderWatch(const fs::path& root);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  // The next event, waiting up to `timeout` for one.
  std::optional<std::string> Next(std::chrono::milliseconds timeout = 0ms);

 private:
  int fd_ = -1;
  std::map<int, std::string> folders_;
  std::deque<std::string> pending_;
};

// The program copied into a fresh folder, so that the files it writes land beside it.
class App {
 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  const fs::path& Folder() const { return dir_; }
  fs::path operator/(const std::string& name) const { return dir_ / name; }
  std::unique_ptr<Process> Start() const;

 private:
  fs::path dir_;
};

}  // namespace hk::e2e
